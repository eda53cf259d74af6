// A drawing split into row bands must write, band by band, exactly what the whole drawing
// writes in those rows, in the same order: lines and polygon edges that cross a band's top are
// taken up where the whole walk would be, not started afresh.

#include "raster/RasterLine.h"
#include "raster/RasterPolygon.h"

#include <gtest/gtest.h>
#include <random>
#include <tuple>
#include <vector>

namespace {

struct TNoRows {
    uint8_t* operator[](int64_t) const { return nullptr; }
};

// (y, x0, x1) of every write in order; a pixel is a span of one.
using TWrites = std::vector<std::tuple<int, int, int>>;

struct TRecorder {
    TWrites* Out;
    void Put(uint8_t*, int y, int x) const { Out->emplace_back(y, x, x); }
    void Span(uint8_t*, int y, int x0, int x1) const { Out->emplace_back(y, x0, x1); }
};

TWrites InBand(const TWrites& whole, TRowBand band) {
    TWrites kept;
    for (const auto& w : whole)
        if (band.Holds(std::get<0>(w)))
            kept.push_back(w);
    return kept;
}

const TRect Clip{1, 1, 62, 61};

// Bands across, above, below and partly outside the clip rectangle, one row each too.
std::vector<TRowBand> SomeBands(std::mt19937& random) {
    std::vector<TRowBand> bands{{0, 0}, {1, 1}, {61, 61}, {-50, 10}, {30, 200}, {62, 90}};
    std::uniform_int_distribution<int> row(-5, 66);
    for (int i = 0; i < 12; ++i) {
        int a = row(random), b = row(random);
        bands.push_back({std::min(a, b), std::max(a, b)});
    }
    return bands;
}

TPoint RandomPoint(std::mt19937& random, int spread) {
    std::uniform_int_distribution<int> coordinate(-spread, 63 + spread);
    return {coordinate(random), coordinate(random)};
}

} // namespace

// Random shapes inside, crossing the clip edges and far outside: make(random, spread) makes one
// and returns its drawing into a band; the whole drawing is the one into the band of all rows.
template <class MakeShape> void ExpectEachBandAsTheWhole(unsigned seed, int count, MakeShape make) {
    std::mt19937 random(seed);
    for (int spread : {0, 40, 100000})
        for (int i = 0; i < count; ++i) {
            const auto draw = make(random, spread);
            TWrites whole;
            draw(whole, TRowBand{});
            for (TRowBand band : SomeBands(random)) {
                TWrites banded;
                draw(banded, band);
                ASSERT_EQ(banded, InBand(whole, band))
                    << "shape " << i << " of spread " << spread << " band " << band.Top << ".."
                    << band.Bottom;
            }
        }
}

TEST(RowBands, LinesWriteInEachBandWhatTheWholeLineWritesThere) {
    ExpectEachBandAsTheWhole(7, 400, [](std::mt19937& random, int spread) {
        const TPoint a = RandomPoint(random, spread), b = RandomPoint(random, spread);
        return [a, b](TWrites& out, TRowBand band) {
            raster::DrawClippedLine(TNoRows{}, Clip, a, b, TRecorder{&out}, band);
        };
    });
}

TEST(RowBands, PolygonsFillInEachBandWhatTheWholeFillGivesThere) {
    std::vector<int> sorted;
    std::vector<TEdge> edges;
    int edgeCount = 0;
    ExpectEachBandAsTheWhole(11, 300, [&](std::mt19937& random, int spread) {
        std::vector<TPoint> points(std::size_t(std::uniform_int_distribution<int>(3, 9)(random)));
        for (TPoint& p : points)
            p = RandomPoint(random, spread);
        return [&, points](TWrites& out, TRowBand band) {
            raster::FillPolygon(TNoRows{}, Clip, points.data(), int(points.size()),
                                {sorted, edges, edgeCount}, TRecorder{&out}, band);
        };
    });
}

TEST(RowBands, AnEdgeEnteredLowerDownIsSteppedFromItsTrueStart) {
    // Entered afresh at row 7 the edge would sit at floor(7 * 5 / 9) = 3; stepped from row 0 it
    // sits there too, but its error must carry on so that row 8 gives floor(40 / 9) = 4.
    const TEdge stepped = raster::SteppedEdge({0, 0}, {5, 9}, 0, 7, 0);
    EXPECT_EQ(stepped.X, 3);
    EXPECT_EQ(stepped.Error, 35 % 9);
    // A long shallow edge: a float entry would round, stepping cannot.
    const TEdge far = raster::SteppedEdge({0, 0}, {1000000007, 3}, 0, 2, 0);
    EXPECT_EQ(far.X, 2000000014 / 3);
}
