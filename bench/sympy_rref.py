#!/usr/bin/env python3
"""SymPy's rref on the matrices of bench_longnumbers (n rows, n + 1 columns,
entries in [-9, 9] from the same linear congruential sequence), the time of
the fastest of a few runs each, for comparing exact Gauss-Jordan there with
SymPy's. Needs the Debian package python3-sympy.

    bench/sympy_rref.py [n ...]      (default: 10 20 40)"""
import sys
import time

from sympy import Matrix


def integers(n):
    x = 20261209 + n
    rows = []
    for _ in range(n):
        row = []
        for _ in range(n + 1):
            x = (x * 1103515245 + 12345) & 0x7FFFFFFF
            row.append(x % 19 - 9)
        rows.append(row)
    return rows


def main(sizes):
    for n in sizes:
        m = Matrix(integers(n))
        best = None
        for _ in range(3 if n < 40 else 1):
            start = time.perf_counter()
            m.rref()
            took = time.perf_counter() - start
            best = took if best is None else min(best, took)
        print(f"sympy rref {n} x {n + 1}: {best * 1000:.1f} ms")


if __name__ == "__main__":
    main([int(a) for a in sys.argv[1:]] or [10, 20, 40])
