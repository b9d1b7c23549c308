#!/usr/bin/env python3
"""Applies each fault of scripts/mutants.txt in turn to this tree, builds the
tests in build-mutants/, runs the suite and reports whether it was caught.
The tree is put back after each fault, also when interrupted.

    scripts/mutants.py              every fault
    scripts/mutants.py --check      only check that each text stands once
    scripts/mutants.py NAME...      the faults whose names contain NAME
    scripts/mutants.py --who ...    run the whole suite on each fault and name
                                    the tests that fail (which tests carry it)

Needs python3 and a configured toolchain (scripts/setup.sh). Prints one
line per fault: caught / NOT CAUGHT / no build, and a summary."""
import os
import re
import subprocess
import sys
import time

top = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
build = os.path.join(top, "build-mutants")
# The end-to-end tests start the installed program; they add minutes and
# find nothing the unit and widget tests would miss.
excluded = "e2e|package_contents|Smoke"


def faults():
    out, current = [], None
    with open(os.path.join(top, "scripts", "mutants.txt"), encoding="utf-8") as f:
        for line in f:
            line = line.rstrip("\n")
            if line.startswith("## "):
                current = {"name": line[3:]}
                out.append(current)
            elif current is not None and line[:2] in ("= ", "- ", "+ "):
                key = {"= ": "file", "- ": "old", "+ ": "new"}[line[:2]]
                current[key] = line[2:].replace("¶", "\n")
    return out


def pattern(fault):
    # Spaces and line breaks between the words and signs of a fault's text
    # do not count, so a reformatted file still matches.
    tokens = re.findall(r"\w+|\S", fault["old"])
    return re.compile(r"\s*".join(re.escape(t) for t in tokens))


def stands_once(fault):
    with open(os.path.join(top, fault["file"]), encoding="utf-8") as f:
        return len(pattern(fault).findall(f.read())) == 1


def run(*command, timeout=None):
    return subprocess.run(command, cwd=top, stdout=subprocess.DEVNULL,
                          stderr=subprocess.DEVNULL, timeout=timeout).returncode


def main(args):
    all_faults = faults()
    bad = [f["name"] for f in all_faults if not stands_once(f)]
    for name in bad:
        print("text not found exactly once:", name)
    if bad or args[:1] == ["--check"]:
        print(len(all_faults), "faults,", len(bad), "without their text")
        return 1 if bad else 0
    who = args[:1] == ["--who"]
    args = args[1:] if who else args
    chosen = [f for f in all_faults if not args or any(a in f["name"] for a in args)]
    if run("cmake", "-S", ".", "-B", build, "-DLINEON_BENCH=OFF", "-DLINEON_TESTS=ON",
           "-DLINEON_SANITIZE=OFF") != 0:
        print("cannot configure", build)
        return 1
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")

    def suite_passes():
        if run("cmake", "--build", build, "-j", str(os.cpu_count() or 2)) != 0:
            return None
        return subprocess.run(
            ["ctest", "--test-dir", build, "-j", str(os.cpu_count() or 2), "-E", excluded,
             "--timeout", "120"] + ([] if who else ["--stop-on-failure"]),
            cwd=top, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode == 0

    # Without a fault the suite must pass, or every fault would count as caught.
    if not suite_passes():
        print("the suite fails without any fault: mend that first")
        return 1
    caught = 0
    for fault in chosen:
        path = os.path.join(top, fault["file"])
        with open(path, encoding="utf-8") as f:
            original = f.read()
        started = time.time()
        try:
            with open(path, "w", encoding="utf-8") as f:
                f.write(pattern(fault).sub(lambda _: fault["new"], original, count=1))
            passes = suite_passes()
            verdict = "no build" if passes is None else "NOT CAUGHT" if passes else "caught"
        finally:
            with open(path, "w", encoding="utf-8") as f:
                f.write(original)
        caught += verdict != "NOT CAUGHT"
        print(f"{verdict:10}  {fault['name']}  ({time.time() - started:.0f} s)", flush=True)
        failed = os.path.join(build, "Testing", "Temporary", "LastTestsFailed.log")
        if who and verdict == "caught" and os.path.exists(failed):
            with open(failed, encoding="utf-8") as f:
                for line in f:
                    print("            ", line.strip().split(":", 1)[-1], flush=True)
    # Leave the build matching the tree again.
    run("cmake", "--build", build, "-j", str(os.cpu_count() or 2))
    print(f"{caught} of {len(chosen)} caught")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
