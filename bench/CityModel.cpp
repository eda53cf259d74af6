#include "CityModel.h"

#include <algorithm>
#include <cmath>
#include <random>

namespace {
constexpr int32_t Stud = 20, Plate = 8, Lot = 16, Street = 4;

struct TFootprint {
    int W, D; // in studs
};
constexpr TFootprint Shapes[] = {{2, 4}, {4, 2}, {2, 2}, {1, 4}, {4, 1}, {1, 2}, {2, 1}};

std::unique_ptr<TBlock> MakeBrick(int32_t x, int32_t y, int32_t z, int32_t sx, int32_t sy,
                                  int32_t sz) {
    auto b = std::make_unique<TBlock>();
    b->Kind = 'B';
    b->X = x;
    b->Y = y;
    b->Z = z;
    b->SX = sx;
    b->SY = sy;
    b->SZ = sz;
    return b;
}

// Tiles one layer of a building's footprint greedily; the random shape choice and the start
// offset give the running bond between layers.
void TileLayer(TBrickVector& out, size_t count, std::mt19937& rng, int x0, int y0, int w, int d,
               int32_t z, int32_t height) {
    std::vector<char> used(size_t(w * d), 0);
    int shift = int(rng() % 2);
    for (int j = 0; j < d && out.size() < count; ++j)
        for (int i0 = 0; i0 < w && out.size() < count; ++i0) {
            int i = (i0 + shift * (j % 2)) % w;
            if (used[size_t(j * w + i)])
                continue;
            TFootprint s = Shapes[rng() % std::size(Shapes)];
            while (true) {
                bool fits = i + s.W <= w && j + s.D <= d;
                for (int b = 0; fits && b < s.D; ++b)
                    for (int a = 0; fits && a < s.W; ++a)
                        fits = !used[size_t((j + b) * w + i + a)];
                if (fits || (s.W == 1 && s.D == 1))
                    break;
                s = s.W >= s.D ? TFootprint{std::max(1, s.W / 2), s.D}
                               : TFootprint{s.W, std::max(1, s.D / 2)};
            }
            for (int b = 0; b < s.D; ++b)
                for (int a = 0; a < s.W; ++a)
                    used[size_t((j + b) * w + i + a)] = 1;
            out.push_back(
                MakeBrick((x0 + i) * Stud, (y0 + j) * Stud, z, s.W * Stud, s.D * Stud, height));
        }
}
} // namespace

TBrickVector MakeCity(size_t count, uint32_t seed) {
    std::mt19937 rng(seed);
    TBrickVector out;
    if (count == 0)
        return out;
    // A first visit puts some 700 bricks on a lot (about 13 layers of 50).
    int lots = std::max(1, int(std::ceil(std::sqrt(double(count) / 700.0))));
    int side = lots * (Lot + Street);
    auto base = MakeBrick(0, 0, -Plate, side * Stud, side * Stud, Plate);
    base->Baseplate = true;
    out.push_back(std::move(base));
    std::vector<int> order(size_t(lots * lots));
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = int(i);
    std::vector<int32_t> height(order.size(), 0);
    while (out.size() < count) {
        std::shuffle(order.begin(), order.end(), rng);
        for (int lot : order) {
            if (out.size() >= count)
                break;
            int x0 = (lot % lots) * (Lot + Street), y0 = (lot / lots) * (Lot + Street);
            // A second visit puts a narrower tower on top of the building.
            int margin = height[size_t(lot)] > 0 ? 4 : int(rng() % 3);
            int width = Lot - 2 * margin;
            int layers = 4 + int(rng() % 20);
            int32_t& z = height[size_t(lot)];
            for (int l = 0; l < layers && out.size() < count; ++l) {
                int32_t h = rng() % 4 == 0 ? Plate : 3 * Plate;
                TileLayer(out, count, rng, x0 + margin, y0 + margin, width, width, z, h);
                z += h;
            }
        }
    }
    return out;
}
