// 喜用神 by the 扶抑 (support and restrain) method of the 子平 school: weigh what
// supports the day master against what drains and restrains it, then favour the side
// that brings the chart back to balance. The weights and their sources are set out in
// docs/favourable-elements.md.

#include "core/chart/favourable.h"

#include <array>
#include <cmath>
#include <cstdio>

#include "core/calendar/vocabulary.h"

namespace lumivane {
namespace {

// Element indices: 0 金, 1 木, 2 水, 3 火, 4 土.
constexpr std::array<int, 5> kGenerates = {2, 3, 1, 4, 0};  // 金生水 木生火 水生木 火生土 土生金
constexpr std::array<int, 5> kControls = {1, 4, 3, 0, 2};  // 金克木 木克土 水克火 火克金 土克水

int GeneratorOf(int element) {
    for (int e = 0; e < 5; ++e) {
        if (kGenerates[static_cast<std::size_t>(e)] == element) {
            return e;
        }
    }
    return -1;
}

int ControllerOf(int element) {
    for (int e = 0; e < 5; ++e) {
        if (kControls[static_cast<std::size_t>(e)] == element) {
            return e;
        }
    }
    return -1;
}

std::string Name(int element) {
    return ElementName(element);
}

std::string Points(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.1f", value);
    return buffer;
}

// The ten-god group of an element seen from the day master.
enum class Role { Same, Resource, Output, Wealth, Officer };

Role RoleOf(int element, int dayMaster) {
    if (element == dayMaster) {
        return Role::Same;
    }
    if (element == GeneratorOf(dayMaster)) {
        return Role::Resource;
    }
    if (element == kGenerates[static_cast<std::size_t>(dayMaster)]) {
        return Role::Output;
    }
    if (element == kControls[static_cast<std::size_t>(dayMaster)]) {
        return Role::Wealth;
    }
    return Role::Officer;
}

std::string_view RoleName(Role role) {
    switch (role) {
        case Role::Same:
            return "比劫";
        case Role::Resource:
            return "印";
        case Role::Output:
            return "食伤";
        case Role::Wealth:
            return "财";
        case Role::Officer:
            return "官杀";
    }
    return {};
}

// 旺相休囚死 of the day master in the month whose command is monthElement.
std::string_view SeasonState(int dayMaster, int monthElement) {
    if (dayMaster == monthElement) {
        return "旺";
    }
    if (kGenerates[static_cast<std::size_t>(monthElement)] == dayMaster) {
        return "相";
    }
    if (kGenerates[static_cast<std::size_t>(dayMaster)] == monthElement) {
        return "休";
    }
    if (kControls[static_cast<std::size_t>(dayMaster)] == monthElement) {
        return "囚";
    }
    return "死";
}

// The main hidden stem (本气) of a branch: the one of the branch's own element.
int MainQiStem(int branch) {
    const int element = ElementOfBranch(branch);
    for (char digit : HiddenStems[static_cast<std::size_t>(branch)]) {
        const int stem = digit - '0';
        if (ElementOfStem(stem) == element) {
            return stem;
        }
    }
    return -1;
}

}  // namespace

std::string_view StrengthName(Strength strength) {
    switch (strength) {
        case Strength::Weak:
            return "身弱";
        case Strength::Strong:
            return "身强";
        case Strength::Balanced:
            return "中和";
    }
    return {};
}

std::string ElementList(const std::vector<int>& elements) {
    std::string text;
    for (int e : elements) {
        text += (text.empty() ? "" : "、") + Name(e);
    }
    return text;
}

unsigned ElementMaskOf(const std::vector<int>& elements) {
    static constexpr unsigned kBits[5] = {16, 8, 4, 2, 1};
    unsigned mask = 0;
    for (int e : elements) {
        if (e >= 0 && e < 5) {
            mask |= kBits[e];
        }
    }
    return mask;
}

std::string FavourableLine(const FavourableElements& f) {
    if (!f.known) {
        return {};
    }
    return "喜用神：" + ElementList(f.favourable) + "（" + std::string(StrengthName(f.strength)) +
           (f.threePillars ? "，按三柱" : "") + "）　忌：" + ElementList(f.unfavourable);
}

FavourableElements AnalyseFavourable(const Pillars& pillars, bool hourKnown) {
    FavourableElements result;
    const std::optional<StemBranch> year = SplitGanZhi(pillars.Year);
    const std::optional<StemBranch> month = SplitGanZhi(pillars.Month);
    const std::optional<StemBranch> day = SplitGanZhi(pillars.Day);
    const std::optional<StemBranch> hour = SplitGanZhi(pillars.Hour);
    if (!year || !month || !day || (hourKnown && !hour)) {
        return result;
    }
    result.known = true;
    result.threePillars = !hourKnown;
    const int dm = ElementOfStem(day->Stem);
    result.dayMaster = dm;
    std::array<double, 5> points{};
    std::vector<std::string>& why = result.reasoning;

    why.push_back("日主是日柱的天干" + std::string(StemNames[static_cast<std::size_t>(day->Stem)]) +
                  "，五行属" + Name(dm) + "。生扶日主的是" + Name(dm) + "（比劫）和" +
                  Name(GeneratorOf(dm)) + "（印），克泄日主的是" +
                  Name(kGenerates[static_cast<std::size_t>(dm)]) + "（食伤）、" +
                  Name(kControls[static_cast<std::size_t>(dm)]) + "（财）和" +
                  Name(ControllerOf(dm)) + "（官杀）。");
    if (!hourKnown) {
        why.push_back("出生时辰未知，只看年、月、日三柱。");
    }

    // The month command: the month branch's main qi, weighed three times a branch.
    const int monthElement = ElementOfBranch(month->Branch);
    points[static_cast<std::size_t>(monthElement)] += kMonthCommandPoints;
    why.push_back("生于" + std::string(BranchNames[static_cast<std::size_t>(month->Branch)]) +
                  "月，月令" + Name(monthElement) + "当令，日主" + Name(dm) + "在此月为“" +
                  std::string(SeasonState(dm, monthElement)) + "”；月令计 " +
                  Points(kMonthCommandPoints) + " 分，归" + Name(monthElement) + "（" +
                  std::string(RoleName(RoleOf(monthElement, dm))) + "）。");

    // Branches: the main hidden stem 1 point (the month's is counted above), others 0.3.
    struct Place {
        const char* name;
        int branch;
        bool isMonth;
    };
    std::vector<Place> branches = {
        {"年支", year->Branch, false}, {"月支", month->Branch, true}, {"日支", day->Branch, false}};
    if (hourKnown) {
        branches.push_back({"时支", hour->Branch, false});
    }
    std::string roots;
    for (const Place& place : branches) {
        const int main = MainQiStem(place.branch);
        for (char digit : HiddenStems[static_cast<std::size_t>(place.branch)]) {
            const int stem = digit - '0';
            const int element = ElementOfStem(stem);
            double value = stem == main ? kMainQiPoints : kOtherQiPoints;
            if (stem == main && place.isMonth) {
                continue;  // the month command above
            }
            points[static_cast<std::size_t>(element)] += value;
            if (element == dm || element == GeneratorOf(dm)) {
                roots += (roots.empty() ? "" : "，") + std::string(place.name) +
                         std::string(BranchNames[static_cast<std::size_t>(place.branch)]) + "藏" +
                         std::string(StemNames[static_cast<std::size_t>(stem)]) + Name(element) +
                         "（" + (stem == main ? "本气" : "余气") + " " + Points(value) + " 分）";
            }
        }
    }
    why.push_back(roots.empty()
                      ? "地支藏干中没有" + Name(dm) + "或" + Name(GeneratorOf(dm)) + "，日主无根。"
                      : "地支藏干中生扶日主的：" + roots + "。");

    // Visible stems other than the day master, 1 point each.
    std::vector<std::pair<const char*, int>> stems = {{"年干", year->Stem}, {"月干", month->Stem}};
    if (hourKnown) {
        stems.push_back({"时干", hour->Stem});
    }
    std::string helping;
    std::string opposing;
    for (const auto& [place, stem] : stems) {
        const int element = ElementOfStem(stem);
        points[static_cast<std::size_t>(element)] += kStemPoints;
        const Role role = RoleOf(element, dm);
        std::string item = std::string(place) +
                           std::string(StemNames[static_cast<std::size_t>(stem)]) + Name(element) +
                           "（" + std::string(RoleName(role)) + "）";
        std::string& list = role == Role::Same || role == Role::Resource ? helping : opposing;
        list += (list.empty() ? "" : "，") + item;
    }
    why.push_back("天干（各 " + Points(kStemPoints) + " 分）生扶日主的：" +
                  (helping.empty() ? std::string("无") : helping) + "；克泄日主的：" +
                  (opposing.empty() ? std::string("无") : opposing) + "。");

    const double support =
        points[static_cast<std::size_t>(dm)] + points[static_cast<std::size_t>(GeneratorOf(dm))];
    double total = 0;
    for (double p : points) {
        total += p;
    }
    result.supportShare = std::round(support / total * 1000) / 10;
    const double lean = result.supportShare - 50;
    result.margin = std::abs(lean);
    result.strength = lean > kBalancedBand    ? Strength::Strong
                      : lean < -kBalancedBand ? Strength::Weak
                                              : Strength::Balanced;
    why.push_back("生扶一方共 " + Points(support) + " 分，克泄一方共 " + Points(total - support) +
                  " 分；生扶占 " + Points(result.supportShare) + "%，与一半相差 " +
                  Points(result.margin) + " 个百分点（相差 " + Points(kBalancedBand) +
                  " 个百分点以内为中和），判为" + std::string(StrengthName(result.strength)) +
                  "。");

    const auto at = [&points](int e) { return points[static_cast<std::size_t>(e)]; };
    const int same = dm;
    const int resource = GeneratorOf(dm);
    const int output = kGenerates[static_cast<std::size_t>(dm)];
    const int wealth = kControls[static_cast<std::size_t>(dm)];
    const int officer = ControllerOf(dm);
    int liked = -1;
    if (result.strength == Strength::Weak) {
        // Weak: draw on 印 and 比劫; heavy wealth is shared out by 比劫, otherwise 印 first.
        const bool wealthHeaviest = at(wealth) > at(officer) && at(wealth) > at(output);
        result.useful = wealthHeaviest ? same : resource;
        liked = wealthHeaviest ? resource : same;
        result.unfavourable = {wealth, officer};
        why.push_back(std::string("身弱要生扶：") +
                      (wealthHeaviest
                           ? "财最重，以比劫分财，用神取" + Name(same) + "，喜神取" + Name(resource)
                           : "用神取印" + Name(resource) + "，喜神取比劫" + Name(same)) +
                      "；财" + Name(wealth) + "、官杀" + Name(officer) + "再耗日主，为忌神。");
    } else if (result.strength == Strength::Strong) {
        // Strong: drain and restrain; heavy 印 is broken by wealth, heavy 比劫 by the officer.
        const bool resourceHeavier = at(resource) > at(same);
        result.useful = resourceHeavier ? wealth : officer;
        liked = resourceHeavier ? output : wealth;
        result.unfavourable = {resource, same};
        why.push_back(
            std::string("身强要克泄：") +
            (resourceHeavier
                 ? "印多，以财制印，用神取" + Name(wealth) + "，喜神取食伤" + Name(output)
                 : "比劫多，以官杀制之，用神取" + Name(officer) + "，喜神取财" + Name(wealth)) +
            "；印" + Name(resource) + "、比劫" + Name(same) + "再助日主，为忌神。");
    } else {
        // Balanced: keep the balance by the weakest element; the strongest is not wanted.
        int weakest = 0;
        int strongest = 0;
        for (int e = 1; e < 5; ++e) {
            weakest = at(e) < at(weakest) ? e : weakest;
            strongest = at(e) > at(strongest) ? e : strongest;
        }
        result.useful = weakest;
        liked = GeneratorOf(weakest);
        result.unfavourable = {strongest};
        if (liked == strongest) {
            liked = -1;
        }
        why.push_back("中和之命不偏，取八字中最弱的" + Name(weakest) + "为用神" +
                      (liked >= 0 ? "，生它的" + Name(liked) + "为喜神" : std::string()) +
                      "；最旺的" + Name(strongest) + "不宜再添，为忌神。");
    }
    result.favourable = {result.useful};
    if (liked >= 0 && liked != result.useful) {
        result.favourable.push_back(liked);
    }
    return result;
}

}  // namespace lumivane
