// lumivane-cli name: one whole naming request, printed as JSON or TSV.

#include <ostream>

#include "cli/arguments.h"
#include "cli/chart_json.h"
#include "cli/commands.h"
#include "cli/date_options.h"
#include "cli/json.h"
#include "core/app/favourable_condition.h"
#include "core/app/filter_file.h"
#include "core/app/naming_request.h"
#include "core/naming/filter_controls.h"
#include "core/naming/filter_dialog_rules.h"
#include "core/text/characters.h"
#include "report/report_pdf.h"

namespace lumivane::cli {
namespace {

constexpr const char* kUsage =
    "用法：lumivane-cli name --family 王 [--sex 男|女] [--length 1|2] [--advanced --filters "
    "FILE.json] [--calendar solar|lunar|unknown --date YYYY-MM-DD [--leap] "
    "--hour 0-23|unknown | --time HH:MM] [--longitude DEG] "
    "[--source 常用名|诗词 [--collection 诗经|楚辞|唐诗|宋词|论语]] [--favourable] "
    "[--avoid 佳子] [--sort 格局评分] [--json|--tsv] [--seed N] [--pdf FILE --layout "
    "simple|detailed]";

const char* kRowKeys[kResultColumnCount] = {"name",
                                            "score",
                                            "elements",
                                            "simplifiedStrokes",
                                            "kangxiStrokes",
                                            "tianGe",
                                            "renGe",
                                            "diGe",
                                            "waiGe",
                                            "zongGe",
                                            "simplifiedTotal",
                                            "kangxiTotal",
                                            "firstRadicalElements",
                                            "secondRadicalElements",
                                            "code",
                                            "family"};

// A list from verse has a last column `verse`: the line and its source.
void PrintTsv(std::ostream& out, const std::vector<ResultRow>& rows, bool verses) {
    for (int k = 0; k < kResultColumnCount; ++k) {
        out << (k ? "\t" : "") << kRowKeys[k];
    }
    out << (verses ? "\tverse" : "") << '\n';
    for (const ResultRow& row : rows) {
        for (int k = 0; k < kResultColumnCount; ++k) {
            out << (k ? "\t" : "") << row.columns[static_cast<std::size_t>(k)];
        }
        if (verses) {
            out << '\t' << VerseTextOf(row);
        }
        out << '\n';
    }
}

Json VerseJson(const VerseLine& line) {
    const VerseStanza stanza = VerseStanzaAt(line.stanza);
    Json object = Json::MakeObject();
    object.Set("collection", std::string(stanza.collection))
        .Set("title", std::string(stanza.title))
        .Set("section", std::string(stanza.section))
        .Set("author", std::string(stanza.author))
        .Set("line", std::string(line.line));
    return object;
}

}  // namespace

int RunName(const std::vector<std::string>& args, CommandIo& io) {
    ArgumentSpec spec{kDateValueOptions, kDateFlagOptions, 0, 0};
    spec.valueOptions.insert({"--family", "--sex", "--length", "--filters", "--avoid", "--sort",
                              "--seed", "--pdf", "--layout", "--source", "--collection"});
    spec.flagOptions.insert({"--advanced", "--json", "--tsv", "--favourable"});
    std::string error;
    auto parsed = ParseArguments(args, spec, error);
    if (!parsed) {
        return BadInput(io, "name", error + "\n" + kUsage);
    }
    auto family = parsed->Value("--family");
    if (!family) {
        return BadInput(io, "name", std::string("必须给出 --family（姓氏）\n") + kUsage);
    }
    NamingInputs inputs;
    inputs.familyNameText = *family;
    std::string sex = parsed->Value("--sex").value_or("男");
    if (sex != "男" && sex != "女") {
        return BadInput(io, "name", "--sex 只能是 男 或 女");
    }
    inputs.sexIndex = sex == "男" ? 0 : 1;
    auto length = ParseInteger(parsed->Value("--length").value_or("2"), 1, 2);
    if (!length) {
        return BadInput(io, "name", "--length 只能是 1 或 2");
    }
    inputs.nameLengthIndex = static_cast<int>(*length) - 1;
    inputs.advanced = parsed->Has("--advanced");
    const std::string source = parsed->Value("--source").value_or(std::string(kNameSourceItems[0]));
    if (source == kNameSourceItems[1]) {
        inputs.source = NameSource::Poetry;
    } else if (source != kNameSourceItems[0]) {
        return BadInput(io, "name", "--source 只能是 常用名 或 诗词");
    }
    if (auto collection = parsed->Value("--collection")) {
        if (inputs.source != NameSource::Poetry) {
            return BadInput(io, "name", "--collection 只能与 --source 诗词 一起使用");
        }
        auto group = VerseGroupOfName(*collection);
        if (!group) {
            return BadInput(
                io, "name",
                "--collection 只能是 全部、诗经、楚辞、唐诗、宋词 或 论语，不是 " + *collection);
        }
        inputs.verseGroup = *group;
    }
    inputs.keepFavourable = parsed->Has("--favourable");
    if (parsed->Has("--filters") && !inputs.advanced) {
        return BadInput(io, "name", "--filters 只能与 --advanced 一起使用");
    }
    if (parsed->Has("--json") && parsed->Has("--tsv")) {
        return BadInput(io, "name", "--json 和 --tsv 只能选一个");
    }
    int sortKey = -1;
    if (auto sort = parsed->Value("--sort")) {
        for (std::size_t k = 0; k < SortKeyCaptions.size(); ++k) {
            if (SortKeyCaptions[k] == *sort)
                sortKey = static_cast<int>(k);
        }
        if (sortKey < 0) {
            std::string keys;
            for (auto caption : SortKeyCaptions)
                keys += " " + std::string(caption);
            return BadInput(io, "name", "--sort 只能是以下之一：" + keys);
        }
    }
    std::optional<ReportLayout> layout;
    if (parsed->Has("--pdf") || parsed->Has("--layout")) {
        layout = ParseReportLayout(parsed->Value("--layout").value_or(""));
        if (!parsed->Has("--pdf") || !layout) {
            return BadInput(io, "name", "--pdf 文件 需要 --layout simple 或 detailed");
        }
    }
    FilterSet filters;
    if (auto path = parsed->Value("--filters")) {
        FilterFileRead read = ReadFilterFile(*path, inputs.nameLengthIndex);
        if (!read.filters) {
            return BadInput(io, "name", read.error);
        }
        filters = *read.filters;
    }
    const std::string avoidText = parsed->Value("--avoid").value_or("");
    const AvoidCharactersInput avoid = ParseAvoidCharacters(avoidText);
    if (!avoid.ok()) {
        return BadInput(io, "name", "--avoid：" + avoid.error);
    }
    if (inputs.advanced) {
        FilterAcceptance fixed =
            RefuseAvoidedFixedCharacters(filters, avoid.avoid, inputs.nameLengthIndex);
        if (!fixed.ok()) {
            return BadInput(io, "name", fixed.error);
        }
    }
    auto dateInputs = DateInputsFromOptions(*parsed, error);
    if (!dateInputs) {
        return BadInput(io, "name", error);
    }
    std::uint64_t seed = 0;
    if (auto seedText = parsed->Value("--seed")) {
        auto n = ParseInteger(*seedText, 0, 9223372036854775807LL);
        if (!n) {
            return BadInput(io, "name", "--seed 必须是非负整数");
        }
        seed = static_cast<std::uint64_t>(*n);
    } else {
        // Print the seed drawn so that the run can be repeated.
        RandomSource entropy = RandomSource::FromEntropy();
        seed =
            (static_cast<std::uint64_t>(entropy.Draw(0x7FFFFFFF)) << 31) | entropy.Draw(0x7FFFFFFF);
    }

    NamingState state{RandomSource(seed)};
    BirthFields fields;
    BirthChartResult chart;
    SystemClock clock;
    NamingHooks hooks;
    hooks.showBirthChart = [&] {
        chart = ComputeBirthChart(*dateInputs, TrimBlanks(inputs.familyNameText), fields, clock);
        return chart.ok;
    };
    hooks.runFilterDialog = [&]() -> std::optional<FilterSet> { return filters; };
    hooks.avoidCharacters = [&] { return avoidText; };
    hooks.favourableCondition = [&] { return FavourableCondition(chart.chart); };
    if (inputs.keepFavourable &&
        dateInputs->calendarType == static_cast<int>(CalendarType::Unknown)) {
        return BadInput(io, "name", "--favourable 需要出生日期（--date）：没有日期就没有喜用神");
    }
    NamingResult result = RunNamingRequest(state, inputs, hooks);
    switch (result.outcome) {
        case NamingOutcome::EmptyFamilyName:
        case NamingOutcome::InvalidFamilyName:
        case NamingOutcome::MissingChoice:
        case NamingOutcome::InvalidAvoidCharacters:
            return BadInput(io, "name", result.message);
        case NamingOutcome::ChartFailed:
            return BadInput(io, "name", chart.error);
        case NamingOutcome::FilterDialogClosed:
            return BadInput(io, "name", "筛选条件未被接受");
        case NamingOutcome::NoMatchingNames:
            // Scripts get the empty list with exit 0; the user is told why.
            io.err << "lumivane-cli name: " << result.message << '\n';
            break;
        case NamingOutcome::Filled:
            break;
    }
    if (sortKey >= 0) {
        ResultSorter sorter;
        sorter.SortByKey(result.rows, sortKey);
    }
    if (layout) {
        std::string memo = RebuildNameMemo(result.rows, result.rows.size());
        if (!WriteReportPdf(*parsed->Value("--pdf"), *layout, memo, result.rows, error,
                            state.avoid.Text())) {
            io.err << "lumivane-cli name: " << error << '\n';
            return kExitFailure;
        }
        return kExitOk;
    }
    if (parsed->Has("--tsv")) {
        PrintTsv(io.out, result.rows, inputs.source == NameSource::Poetry);
        return kExitOk;
    }
    Json rows = Json::MakeArray();
    for (const ResultRow& row : result.rows) {
        Json object = Json::MakeObject();
        for (int k = 0; k < kResultColumnCount; ++k) {
            object.Set(kRowKeys[k], row.columns[static_cast<std::size_t>(k)]);
        }
        if (row.verse) {
            object.Set("verse", VerseJson(*row.verse));
        }
        if (row.suppliesFavourable >= 0) {
            object.Set("suppliesFavourable", row.suppliesFavourable == 1);
        }
        rows.Push(std::move(object));
    }
    Json json = Json::MakeObject();
    json.Set("family", result.trimmedFamilyText)
        .Set("sex", sex)
        .Set("length", static_cast<int>(*length))
        .Set("mode", inputs.advanced ? "advanced" : "simple")
        .Set("source", source)
        .Set("avoid", state.avoid.Text())
        .Set("seed", std::to_string(seed))
        .Set("chart", ChartJson(chart.chart, fields))
        .Set("generated", result.generated)
        .Set("kept", result.rows.size())
        .Set("rows", std::move(rows));
    io.out << json.Dump(1) << '\n';
    return kExitOk;
}

}  // namespace lumivane::cli
