// Pages of the built-in site, rendered as the browser window asks for them:
// the name analysis a double-click opens and a month of the 万年历. The
// window waits for the page, so each should stay well inside a frame or two.

#include <benchmark/benchmark.h>

#include "core/app/web_addresses.h"
#include "core/platform/clock.h"
#include "core/site/site_pages.h"

namespace lumivane {
namespace {

void RenderPage(benchmark::State& state, const std::string& address) {
    const FixedClock clock({2024, 5, 20, 10, 0, 0});
    std::size_t bytes = 0;
    for (auto _ : state) {
        SitePage page = RenderSitePage(address, clock);
        bytes = page.html.size();
        benchmark::DoNotOptimize(page.html.data());
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}

// Goal: ≤ 20 ms.
void BM_NameAnalysisPageWangMingHua(benchmark::State& state) {
    NameAnalysisInputs inputs;
    inputs.familyText = "王";
    inputs.rowCaption = "王明华";
    inputs.sexIndex = 0;
    inputs.birth = {2024, 5, 1, 8};
    RenderPage(state, NameAnalysisAddress(inputs));
}
BENCHMARK(BM_NameAnalysisPageWangMingHua)->Unit(benchmark::kMillisecond);

// A compound family name read as a whole and a name that sounds like a
// well-known person: the readings and sound-alike look-ups. Goal: ≤ 20 ms.
void BM_NameAnalysisPageCompound(benchmark::State& state) {
    NameAnalysisInputs inputs;
    inputs.familyText = "尉迟";
    inputs.rowCaption = "尉迟嘉成";
    RenderPage(state, NameAnalysisAddress(inputs));
}
BENCHMARK(BM_NameAnalysisPageCompound)->Unit(benchmark::kMillisecond);

// A character's dictionary page with its readings, words and gloss.
void BM_DictionaryPage(benchmark::State& state) {
    RenderPage(state, std::string(kSiteRootAddress) + "xhzd/?zi=%B3%A4");
}
BENCHMARK(BM_DictionaryPage)->Unit(benchmark::kMillisecond);

void BM_MonthCalendarPage(benchmark::State& state) {
    RenderPage(state, std::string(kSiteRootAddress) + "sm/yuce/wnl.asp?year=2024&month=2");
}
BENCHMARK(BM_MonthCalendarPage)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lumivane
