// Naming requests from generation to built rows, and sorting the result list.

#include <benchmark/benchmark.h>

#include "core/app/naming_request.h"
#include "core/naming/remove_duplicate_codes.h"
#include "core/results/result_list.h"

namespace lumivane {
namespace {

void RunRequest(benchmark::State& state, int length, const FilterSet* filters,
                NameSource source = NameSource::Common, int sex = 0) {
    NamingState naming{RandomSource(1)};
    naming.familyText = "王";
    naming.familyName = MakeFamilyName("王");
    std::size_t rows = 0;
    for (auto _ : state) {
        GenerateCandidates(naming, length, sex, filters, source);
        RemoveDuplicateCodes(naming.candidates);
        auto built = FillResultList(naming);
        rows = built.size();
        benchmark::DoNotOptimize(built.data());
    }
    state.counters["rows"] = static_cast<double>(rows);
}

void BM_SimpleTwoCharacterRequest(benchmark::State& state) {
    RunRequest(state, 1, nullptr);
}
BENCHMARK(BM_SimpleTwoCharacterRequest)->Unit(benchmark::kMillisecond);

// A poetry request of every collection, for a girl (range 1) and a boy (0):
// the verse names of the sex, ordered, scored and built into rows. The first
// iteration also makes the look-up index of the sex's verse names.
void BM_PoetryRequest(benchmark::State& state) {
    RunRequest(state, 1, nullptr, NameSource::Poetry, static_cast<int>(state.range(0)));
}
BENCHMARK(BM_PoetryRequest)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);

// 补喜用神 on: the whole request through the pipeline, chart elements 金 水 wanted, 土 火 not.
void BM_SimpleTwoCharacterRequestSupplyingFavourable(benchmark::State& state) {
    NamingState naming{RandomSource(1)};
    NamingInputs inputs{"王", 1, 0, false};
    inputs.keepFavourable = true;
    NamingHooks hooks;
    hooks.favourableCondition = [] {
        return std::optional(ElementCondition{kMetal | kWater, kEarth | kFire});
    };
    std::size_t rows = 0;
    for (auto _ : state) {
        NamingResult result = RunNamingRequest(naming, inputs, hooks);
        rows = result.rows.size();
        benchmark::DoNotOptimize(result.rows.data());
    }
    state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(BM_SimpleTwoCharacterRequestSupplyingFavourable)->Unit(benchmark::kMillisecond);

void BM_AdvancedRequestWithoutConditions(benchmark::State& state) {
    FilterSet none;
    RunRequest(state, 1, &none);
}
BENCHMARK(BM_AdvancedRequestWithoutConditions)->Unit(benchmark::kMillisecond);

void BM_AdvancedRequestWithPinyinInTheName(benchmark::State& state) {
    FilterSet pinyin;
    pinyin.chk4_3 = true;
    pinyin.edt4_3 = "ming";
    RunRequest(state, 1, &pinyin);
}
BENCHMARK(BM_AdvancedRequestWithPinyinInTheName)->Unit(benchmark::kMillisecond);

void BM_OneCharacterRequest(benchmark::State& state) {
    RunRequest(state, 0, nullptr);
}
BENCHMARK(BM_OneCharacterRequest)->Unit(benchmark::kMillisecond);

void BM_SortTwoThousandRows(benchmark::State& state) {
    NamingState naming{RandomSource(2)};
    naming.familyText = "王";
    naming.familyName = MakeFamilyName("王");
    // 2000 rows, repeats included, as a simple request draws them.
    GenerateCandidates(naming, 1, 0, nullptr);
    const std::vector<ResultRow> rows = FillResultList(naming);
    const int key = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<ResultRow> copy = rows;
        state.ResumeTiming();
        ResultSorter sorter;
        sorter.SortByKey(copy, key);
        benchmark::DoNotOptimize(copy.data());
    }
    state.SetLabel(std::string(SortKeyCaptions[static_cast<std::size_t>(key)]));
}
BENCHMARK(BM_SortTwoThousandRows)->DenseRange(0, 11)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lumivane
