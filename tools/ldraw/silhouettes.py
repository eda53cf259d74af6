#!/usr/bin/env python3
"""Top-down silhouettes of LDraw models drawn by tessaryn-cli and by LeoCAD, compared.

Each model is drawn from straight above by both (tessaryn-cli render --fit, LeoCAD's
orthographic top viewpoint through leocad-render.sh), the pixels that differ from the white
background form its silhouette, both silhouettes are cut to their own box and scaled to one
grid, and the agreement is the shared area over the area of either (intersection over union).

usage: silhouettes.py CLI SHARED_LDRAW_DIR OUT_DIR [MODEL...]"""
import os
import subprocess
import sys

GRID = 160
SIZE = 400


def read_ppm(path):
    data = subprocess.run(["convert", path, "ppm:-"], check=True, capture_output=True).stdout
    fields, pos = [], 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b"#":
            pos = data.index(b"\n", pos)
            continue
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    width, height = int(fields[1]), int(fields[2])
    pixels = data[pos + 1:]
    return width, height, pixels


def silhouette(path):
    width, height, pixels = read_ppm(path)
    mask = [[max(abs(255 - c) for c in pixels[(y * width + x) * 3:(y * width + x) * 3 + 3]) > 24
             for x in range(width)] for y in range(height)]
    ys = [y for y in range(height) if any(mask[y])]
    xs = [x for x in range(width) if any(mask[y][x] for y in ys)]
    if not ys:
        return None
    top, left, h, w = ys[0], xs[0], ys[-1] - ys[0] + 1, xs[-1] - xs[0] + 1
    side = max(w, h)  # keep the shape's proportions
    grid = [[False] * GRID for _ in range(GRID)]
    for gy in range(GRID):
        for gx in range(GRID):
            x = left + (gx * side) // GRID - (side - w) // 2
            y = top + (gy * side) // GRID - (side - h) // 2
            grid[gy][gx] = 0 <= x < width and 0 <= y < height and mask[y][x]
    return grid


def agreement(a, b):
    both = sum(a[y][x] and b[y][x] for y in range(GRID) for x in range(GRID))
    either = sum(a[y][x] or b[y][x] for y in range(GRID) for x in range(GRID))
    return both / either if either else 1.0


def main():
    cli, shared, out = sys.argv[1:4]
    models = sys.argv[4:] or ["car.ldr", "car.dat", "pyramid.ldr", "m6459.ldr", "8464.mpd",
                              "MultiLevel.mpd"]
    os.makedirs(out, exist_ok=True)
    worst = 1.0
    for name in models:
        model = os.path.join(shared, "models", name)
        ours = os.path.join(out, name + ".tessaryn.png")
        theirs = os.path.join(out, name + ".leocad.png")
        subprocess.run([cli, "render", model, "-o", ours, "--tilt", "0", "--azimuth", "0", "--fit",
                        "--background", "FFFFFF", "--step-limit", "1000000", "--size",
                        f"{SIZE}x{SIZE}", "--ldraw-lib", os.path.join(shared, "lib")], check=True)
        subprocess.run([os.path.join(shared, "leocad-render.sh"), model, theirs, str(SIZE),
                        str(SIZE), "--orthographic", "--viewpoint", "top"], check=True,
                       capture_output=True)
        a, b = silhouette(ours), silhouette(theirs)
        score = agreement(a, b) if a and b else 0.0
        worst = min(worst, score)
        print(f"{name}: {100 * score:.1f} % of the silhouettes agree")
    return 0 if worst >= 0.9 else 1


if __name__ == "__main__":
    sys.exit(main())
