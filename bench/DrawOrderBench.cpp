// Loading and re-sorting generated cities, the fast drawing order against the literal one.

#include "CityModel.h"
#include "LiteralDrawOrder.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <ctime>
#include <map>
#include <thread>
#include <vector>

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

// Processor time of this thread: other load on the shared machine stretches wall time unequally.
double ThreadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

// The best of `rounds` sorts of a fresh copy of the saved city, in processor seconds.
double BestSort(TSortFunction sort, size_t count, int octant, int rounds) {
    double best = 1e9;
    for (int round = 0; round < rounds; ++round) {
        TBrickVector order = Copy(SavedCity(count));
        double start = ThreadSeconds();
        sort(order, octant);
        best = std::min(best, ThreadSeconds() - start);
        benchmark::DoNotOptimize(order.data());
    }
    return best;
}

// The fast sort, the best of its iterations; up to 10 000 bricks also the step-by-step sort,
// the best of three, and how many times faster the fast one is.
void Resort(benchmark::State& state) {
    size_t count = size_t(state.range(0));
    int octant = int(state.range(1));
    const TBrickVector& source = SavedCity(count);
    TBrickVector order;
    double best = 1e9;
    for (auto _ : state) {
        state.PauseTiming();
        order = Copy(source);
        state.ResumeTiming();
        double start = ThreadSeconds();
        SortDrawOrder(order, octant);
        best = std::min(best, ThreadSeconds() - start);
        benchmark::DoNotOptimize(order.data());
    }
    state.counters["best_ms"] = best * 1000;
    state.counters["cores"] = double(std::thread::hardware_concurrency());
    if (count <= 10000) {
        double literal = BestSort(LiteralSortDrawOrder, count, octant, 3);
        state.counters["literal_ms"] = literal * 1000;
        state.counters["times_faster"] = literal / best;
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

// Re-sorting the loaded city for the same octant (a refresh, or placing a brick) and for two
// turned views.
BENCHMARK(Resort)
    ->ArgsProduct({{1000, 10000, 100000}, {0, 2, 5}})
    ->Repetitions(3)
    ->ComputeStatistics("min",
                        [](const std::vector<double>& v) {
                            return *std::min_element(v.begin(), v.end());
                        })
    ->Unit(benchmark::kMillisecond);
