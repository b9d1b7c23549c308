#!/bin/sh
# Runs the README's two commands as a newcomer would: on a clean copy of the
# committed tree, inside a bare, minimal Debian 12 (debootstrap
# --variant=minbase) that has none of this machine's packages, so that a
# package missing from scripts/setup.sh shows. Run as root.
# Usage: scripts/bare-debian.sh [ROOT]     (default /var/tmp/lineon-bare)
# Exit status 3: the bare system cannot be made on this machine (no
# debootstrap, no mirror, no mounts); otherwise that of the two commands.
set -e
cd "$(dirname "$0")/.."
root=${1:-/var/tmp/lineon-bare}

if [ ! -x "$root/usr/bin/apt-get" ]; then
    if ! command -v debootstrap >/dev/null 2>&1; then
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq debootstrap >/dev/null 2>&1 || exit 3
    fi
    echo "Making a bare Debian 12 in $root"
    debootstrap --variant=minbase bookworm "$root" http://deb.debian.org/debian \
        >"${TMPDIR:-/tmp}/lineon-debootstrap.log" 2>&1 || {
        tail -n 5 "${TMPDIR:-/tmp}/lineon-debootstrap.log"
        exit 3
    }
fi

# The kernel's file systems, taken away again whatever happens.
mounted=""
release() {
    for m in $mounted; do umount -R "$root/$m" 2>/dev/null || umount -l "$root/$m" 2>/dev/null || true; done
}
trap release EXIT
for m in proc sys dev; do
    if ! mountpoint -q "$root/$m"; then
        case $m in
        proc) mount -t proc proc "$root/proc" || exit 3 ;;
        sys) mount -t sysfs sys "$root/sys" || exit 3 ;;
        dev) mount --rbind /dev "$root/dev" || exit 3 ;;
        esac
        mounted="$m $mounted"
    fi
done
cp /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null || true

# Only what is committed, as CI sees it.
rm -rf "$root/lineon"
git clone --quiet . "$root/lineon"
env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 \
    chroot "$root" /bin/sh -c 'cd /lineon && ./scripts/test.sh && ./scripts/run.sh'
