#!/bin/sh
# Installs the Debian packages the build and the tests need, only those that are
# missing, and stays quiet when everything is already there. Run as root.
set -e
packages="cmake g++ qt6-base-dev libgtest-dev libbenchmark-dev fonts-liberation xvfb xauth xdotool poppler-utils"
missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
    echo "Installing:$missing"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq >/dev/null
    apt-get install -y -qq --no-install-recommends $missing >/dev/null
fi
