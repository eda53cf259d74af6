// Loading and re-sorting generated cities, the fast drawing order against the literal one.

#include "CityModel.h"
#include "LiteralDrawOrder.h"

#include <benchmark/benchmark.h>
#include <map>

namespace {
using TOrderFunction = void (*)(TBrickVector&, TBrickVector, int);
using TSortFunction = void (*)(TBrickVector&, int);

TBrickVector Copy(const TBrickVector& bricks) {
    TBrickVector out;
    out.reserve(bricks.size());
    for (const auto& b : bricks)
        out.push_back(Clone(*b));
    return out;
}

// A city as a file saved while looking from octant 0 holds it: in that octant's drawing order.
// Computed once per size; the fast order is the literal one, checked by the tests.
const TBrickVector& SavedCity(size_t count) {
    static std::map<size_t, TBrickVector> cache;
    auto it = cache.find(count);
    if (it == cache.end()) {
        TBrickVector order;
        InsertAllSorted(order, MakeCity(count), 0);
        SortDrawOrder(order, 0);
        it = cache.emplace(count, std::move(order)).first;
    }
    return it->second;
}

void Load(benchmark::State& state, TOrderFunction insertAll, bool saved) {
    size_t count = size_t(state.range(0));
    TBrickVector building = saved ? TBrickVector() : MakeCity(count);
    const TBrickVector& source = saved ? SavedCity(count) : building;
    // The lists are emptied while the clock stands, so freeing the bricks is not timed.
    TBrickVector order;
    for (auto _ : state) {
        state.PauseTiming();
        TBrickVector incoming = Copy(source);
        order.clear();
        state.ResumeTiming();
        insertAll(order, std::move(incoming), 0);
        benchmark::DoNotOptimize(order.data());
    }
}

void Resort(benchmark::State& state, TSortFunction sort) {
    const TBrickVector& source = SavedCity(size_t(state.range(0)));
    TBrickVector order;
    for (auto _ : state) {
        state.PauseTiming();
        order = Copy(source);
        state.ResumeTiming();
        sort(order, int(state.range(1)));
        benchmark::DoNotOptimize(order.data());
    }
}
} // namespace

// Loading a file saved in drawing order, and a hand-made file in building order.
BENCHMARK_CAPTURE(Load, Fast, InsertAllSorted, true)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Load, Literal, LiteralInsertAllSorted, true)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Load, FastUnordered, InsertAllSorted, false)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Load, LiteralUnordered, LiteralInsertAllSorted, false)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond);

// Re-sorting the loaded city for the same octant (a refresh) and for two turned views.
BENCHMARK_CAPTURE(Resort, Fast, SortDrawOrder)
    ->ArgsProduct({{1000, 10000, 100000}, {0, 2, 5}})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Resort, Literal, LiteralSortDrawOrder)
    ->ArgsProduct({{1000, 10000}, {0, 2, 5}})
    ->Unit(benchmark::kMillisecond);
