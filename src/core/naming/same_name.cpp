// The same-name estimate (see same_name.h).

#include "core/naming/same_name.h"

#include <array>

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/data/character_dictionary.h"
#include "core/data/family_names.h"
#include "core/data/name_counts.h"

namespace lumivane {
namespace {

// A change of the characters' rate between the births of the 1990s and those
// of 2000-2008 by a quarter or more either way counts as a trend.
constexpr double kRising = 1.25;
constexpr double kFalling = 1 / kRising;

double Count(const NameCount& count, Sex sex) {
    return sex == Sex::Male ? count.Male : count.Female;
}

// The position-free model's share of the people of a sex; 0 when the
// statistics lack a character.
double ModelShare(const std::vector<std::string>& characters, Sex sex) {
    const double population = PopulationOf(sex);
    const double slots = CharacterSlotsOf(sex);
    // Every given name has one or two characters, so the slots per person less
    // one is the share of two-character names.
    const double two = std::clamp(slots / population - 1, 0.0, 1.0);
    double share = characters.size() == 2 ? two : 1 - two;
    for (const std::string& character : characters) {
        const std::optional<NameCount> count = FindCharacterCount(character);
        if (!count) {
            return 0;
        }
        share *= Count(*count, sex) / slots;
    }
    return share;
}

// Where the given name's share comes from.
enum class ShareBasis { Model, AllCohorts, SomeCohorts };

// The given name's share of the people of a sex. The statistics' count of the
// name over all cohorts is taken as it is; the model's share is raised to the
// name's count in the cohorts whose lists hold it, for the model reads each
// character's share over all cohorts and so misses a pair that was popular in
// one (思雨, 雨欣: about a tenth of the girls born 2000-2008 so named).
double GivenShare(const std::vector<std::string>& characters, Sex sex, ShareBasis& basis) {
    const double population = PopulationOf(sex);
    std::string name;
    for (const std::string& character : characters) {
        name += character;
    }
    if (std::optional<NameCount> listed = FindGivenNameCount(name)) {
        basis = ShareBasis::AllCohorts;
        return Count(*listed, sex) / population;
    }
    double share = ModelShare(characters, sex);
    if (std::optional<NameCount> listed = FindDecadeNameCount(name)) {
        const double floor = Count(*listed, sex) / population;
        if (floor > share) {
            basis = ShareBasis::SomeCohorts;
            share = floor;
        }
    }
    return share;
}

std::string Rounded(double people) {
    // Two significant figures, as an estimate deserves.
    const double magnitude = std::pow(10.0, std::floor(std::log10(people)) - 1);
    const long long value = std::llround(std::round(people / magnitude) * magnitude);
    return std::to_string(value);
}

}  // namespace

std::string SameNameWords(double people) {
    if (people < 10) {
        return "极少，估计不足 10 人";
    }
    std::string amount;
    if (people < 10000) {
        amount = Rounded(people) + " 人";
    } else if (people < 100000) {
        const long long tenths = std::llround(people / 1000);
        amount = std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) + " 万人";
    } else {
        amount = std::to_string(std::llround(people / 10000)) + " 万人";
    }
    return "全国约 " + amount + "同名（按 1930–2008 年出生人口估计）";
}

SameNameEstimate EstimateSameName(const FamilyName& family, std::uint32_t first,
                                  std::uint32_t second, std::optional<Sex> sex) {
    SameNameEstimate out;
    std::vector<std::string> characters;
    for (std::uint32_t index : {first, second}) {
        if (index < DictionarySize) {
            characters.emplace_back(CharacterText(index));
        }
    }
    const std::string given = characters.empty()
                                  ? std::string()
                                  : characters[0] + (characters.size() > 1 ? characters[1] : "");
    std::optional<FamilyNameStatistic> statistic =
        FindFamilyName(std::string(CharacterText(family.firstIndex)) +
                       std::string(family.secondText.empty() ? std::string_view{}
                                                             : CharacterText(family.secondIndex)));
    const double total = static_cast<double>(PopulationOf(Sex::Male)) + PopulationOf(Sex::Female);
    ShareBasis basis = ShareBasis::Model;
    if (statistic && !characters.empty() && characters.size() <= 2) {
        for (Sex one : {Sex::Male, Sex::Female}) {
            if (!sex || *sex == one) {
                ShareBasis oneBasis = ShareBasis::Model;
                out.People += statistic->Bearers * (PopulationOf(one) / total) *
                              GivenShare(characters, one, oneBasis);
                basis = std::max(basis, oneBasis);
            }
        }
    }
    out.Words = SameNameWords(out.People);
    if (!statistic) {
        out.Basis = "全国姓名统计中没有这个姓氏。";
    } else if (basis == ShareBasis::AllCohorts) {
        out.Basis = "名字“" + given + "”的人数出自全国姓名统计的常见名字表。";
    } else if (basis == ShareBasis::SomeCohorts) {
        out.Basis = "名字“" + given +
                    "”是全国姓名统计中某些出生年代最常见的 100 个名字之一，按那些年代的人数估计，"
                    "其他年代未计入，实际更多。";
    } else {
        out.Basis = "这个名字不在常见名字表中，按名字各字在全国姓名统计中的人数估计。";
    }

    // The product of the characters' rates in each cohort; its ratio from one
    // cohort to the next is the trend.
    std::array<double, kCohorts.size()> rates;
    rates.fill(1);
    for (const std::string& character : characters) {
        std::optional<NameCount> count = FindCharacterCount(character);
        if (!count) {
            return out;
        }
        for (std::size_t i = 0; i < rates.size(); ++i) {
            rates[i] *= count->Ppm[i];
        }
    }
    const auto verdict = [&](std::size_t i) {
        const double ratio = rates[i] / rates[i - 1];
        return std::string(ratio >= kRising ? "上升" : ratio <= kFalling ? "下降" : "平稳");
    };
    if (rates[rates.size() - 2] <= 0) {
        return out;
    }
    if (!characters.empty() &&
        std::all_of(rates.begin(), rates.end(), [](double rate) { return rate > 0; })) {
        for (std::size_t i = 1; i < rates.size(); ++i) {
            out.DecadeTrends.push_back(verdict(i));
            out.DecadeWords += std::string(out.DecadeWords.empty() ? "" : "，") +
                               std::string(kCohorts[i]) + " " + out.DecadeTrends.back();
        }
        out.DecadeWords =
            "名字用字各出生年代与上一年代相比（1930–1959 年为起点）：" + out.DecadeWords + "。";
    }
    const double ratio = rates.back() / rates[rates.size() - 2];
    out.Trend = verdict(rates.size() - 1);
    out.TrendWords = "名字用字在 2000–2008 年出生的人中" +
                     std::string(ratio >= kRising    ? "比 1990 年代更常见"
                                 : ratio <= kFalling ? "比 1990 年代少见"
                                                     : "与 1990 年代相当") +
                     "（" + out.Trend + "）。";
    if (out.Trend == "上升") {
        // The statistics end with the births of 2008; a name still rising then
        // (梓涵, 若曦) has had most of its bearers since.
        out.TrendWords +=
            "统计只到 2008 年出生的人，此后出生的同名者不在上面的估计之内，实际可能多得多。";
    }
    return out;
}

}  // namespace lumivane
