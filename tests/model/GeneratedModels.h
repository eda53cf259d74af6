#pragma once
// Generated models of the shapes that make drawing orders hard, shared by the order's tests and
// the ground grid's.

#include "CityModel.h"
#include "support/Bricks.h"

#include <climits>
#include <random>
#include <string>

inline std::unique_ptr<TBlock> Brick(int32_t x, int32_t y, int32_t z, int32_t sx, int32_t sy,
                                     int32_t sz, int32_t id = 0) {
    auto b = MakeBrick('B', x, y, z, sx, sy, sz);
    b->Step = id; // tells the bricks apart when comparing orders
    return b;
}

inline TBrickVector Copy(const TBrickVector& bricks) {
    TBrickVector out;
    for (const auto& b : bricks)
        out.push_back(Brick(b->X, b->Y, b->Z, b->SX, b->SY, b->SZ, b->Step));
    return out;
}

inline std::vector<int32_t> Ids(const TBrickVector& bricks) {
    std::vector<int32_t> ids;
    for (const auto& b : bricks)
        ids.push_back(b->Step);
    return ids;
}

// Models of the shapes that make the order hard, numbered in list order: touching faces and
// overlaps on a coarse grid, scattered bricks, the ends of the 32-bit range, layers tiling a
// stud grid (long sorted stretches, long paths in the sort's tree), a city, piles in one grid
// cell, huge bricks spanning every cell, bricks of size 0, negative coordinates, equal boxes.
inline TBrickVector Model(const std::string& kind, std::mt19937& rng, int count) {
    auto pick = [&](int lo, int hi) { return int32_t(lo + int(rng() % unsigned(hi - lo + 1))); };
    const int32_t extremes[] = {INT32_MIN, INT32_MIN + 1, -1, 0, 1, INT32_MAX - 1, INT32_MAX};
    auto any = [&] { return extremes[rng() % std::size(extremes)]; };
    TBrickVector out;
    if (kind == "city")
        out = MakeCity(count);
    for (int32_t z = 0; kind == "towers" && int(out.size()) < count;) {
        int32_t height = rng() % 3 == 0 ? 8 : 24;
        for (int j = 0; j < 10; ++j)
            for (int i = 0; i < 10; ++i)
                out.push_back(Brick(i * 40, j * 40, z, 20 * pick(1, 2), 20 * pick(1, 2), height));
        z += height;
    }
    const bool random = kind.rfind("random", 0) == 0;
    for (int i = int(out.size()); i < count && kind != "city"; ++i) {
        if (i > 0 && random && rng() % 10 == 0) { // with duplicates
            const TBlock& d = *out[rng() % out.size()];
            out.push_back(Brick(d.X, d.Y, d.Z, d.SX, d.SY, d.SZ));
        } else if (kind == "random grid")
            out.push_back(Brick(pick(0, 8) * 10, pick(0, 8) * 10, pick(0, 6) * 8, pick(0, 4) * 10,
                                pick(0, 4) * 10, pick(0, 3) * 8));
        else if (kind == "random scattered")
            out.push_back(Brick(pick(-1000, 1000), pick(-1000, 1000), pick(-1000, 1000),
                                pick(-50, 400), pick(-50, 400), pick(-50, 400)));
        else if (kind == "random extreme")
            out.push_back(Brick(any(), any(), any(), any(), any(), any()));
        else if (kind == "lattice")
            out.push_back(Brick(pick(0, 60) * 20, pick(0, 60) * 20, pick(0, 30) * 8,
                                pick(1, 4) * 20, pick(1, 4) * 20, pick(1, 3) * 8));
        else if (kind == "one cell")
            out.push_back(Brick(0, 0, pick(0, 400) * 8, 20, 20, pick(1, 3) * 8));
        else if (kind == "huge")
            out.push_back(i % 25 == 0 ? Brick(-100000, -100000, pick(0, 40) * 24, 200000, 200000, 8)
                                      : Brick(pick(0, 40) * 20, pick(0, 40) * 20, pick(0, 40) * 24,
                                              40, 20, 24));
        else if (kind == "size 0")
            out.push_back(
                Brick(pick(0, 30) * 20, pick(0, 30) * 20, pick(0, 30) * 8, 0, pick(0, 1) * 20, 0));
        else if (kind == "negative")
            out.push_back(Brick(pick(-40, 40) * 20 - 5, pick(-40, 40) * 20 - 5, pick(-30, 30) * 8,
                                40, 40, 24));
        else
            out.push_back(Brick(40, 40, 0, 40, 20, 24));
    }
    // A baseplate-sized plate under everything, half-way down a hand-made list.
    if (kind == "city" || kind == "lattice")
        out.insert(out.begin() + std::ptrdiff_t(out.size() / 2),
                   Brick(-200, -200, -8, 2000, 2000, 8));
    for (size_t i = 0; i < out.size(); ++i)
        out[i]->Step = int32_t(i);
    return out;
}
