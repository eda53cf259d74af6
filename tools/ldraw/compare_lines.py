#!/usr/bin/env python3
"""Compares the part lines of an LDraw model, its sub-models expanded, with a flat LDraw file
written from it: same part files, colours, matrices (within 0.01) and positions (within 1).

usage: compare_lines.py ORIGINAL WRITTEN   (exit status 1 when they differ)"""
import os
import sys


def sections(path):
    found, current, order = {}, None, []
    with open(path, encoding="utf-8", errors="replace") as f:
        lines = f.read().splitlines()
    name = os.path.basename(path).lower()
    for line in lines:
        words = line.split()
        if len(words) >= 3 and words[0] == "0" and words[1].upper() == "FILE":
            current = " ".join(words[2:]).lower().replace("\\", "/")
            found.setdefault(current, [])
            order.append(current)
        elif len(words) >= 2 and words[0] == "0" and words[1].upper() == "NOFILE":
            current = "-"
        elif current is None:
            found.setdefault(name, []).append(line)
        elif current != "-":
            found[current].append(line)
    first = order[0] if order else name
    return found, first


def mul(a, b):
    return [sum(a[r * 3 + k] * b[k * 3 + c] for k in range(3)) for r in range(3) for c in range(3)]


def flatten(path):
    found, first = sections(path)
    out = []

    def walk(name, matrix, offset, colour, depth):
        for line in found[name]:
            w = line.split()
            if len(w) < 15 or w[0] != "1":
                continue
            c = w[1]
            if c == "16":
                c = colour
            x = [float(v) for v in w[2:5]]
            m = [float(v) for v in w[5:14]]
            f = " ".join(w[14:]).lower().replace("\\", "/")
            pos = [offset[r] + sum(matrix[r * 3 + k] * x[k] for k in range(3)) for r in range(3)]
            mm = mul(matrix, m)
            if f in found and depth < 32:
                walk(f, mm, pos, c, depth + 1)
            else:
                out.append((f, c, mm, pos))

    walk(first, [1, 0, 0, 0, 1, 0, 0, 0, 1], [0, 0, 0], "16", 0)
    return out


def flat(path):
    out = []
    with open(path, encoding="utf-8", errors="replace") as f:
        for line in f.read().splitlines():
            w = line.split()
            if len(w) >= 15 and w[0] == "1":
                out.append((" ".join(w[14:]).lower().replace("\\", "/"), w[1],
                            [float(v) for v in w[5:14]], [float(v) for v in w[2:5]]))
    return out


def same(a, b):
    return (a[0] == b[0] and a[1] == b[1] and all(abs(p - q) < 0.01 for p, q in zip(a[2], b[2]))
            and all(abs(p - q) <= 1.0 for p, q in zip(a[3], b[3])))


def main():
    original, written = flatten(sys.argv[1]), flat(sys.argv[2])
    left = list(written)
    missing = []
    for line in original:
        match = next((i for i, w in enumerate(left) if same(line, w)), None)
        if match is None:
            missing.append(line)
        else:
            left.pop(match)
    print(f"{sys.argv[1]}: {len(original)} lines, {len(original) - len(missing)} written back")
    for line in missing[:10]:
        print("  not written back:", line)
    for line in left[:10]:
        print("  extra:", line)
    return 1 if missing or left else 0


if __name__ == "__main__":
    sys.exit(main())
