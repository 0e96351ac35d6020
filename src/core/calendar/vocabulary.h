#pragma once
// The vocabulary of the Chinese almanac: stems, branches, the sixty-term cycle, the
// five elements, hidden stems, NaYin, zodiac animals, Western star signs and the
// names of lunar months and days. Texts are UTF-8.

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace lumivane {

inline constexpr std::array<std::string_view, 10> StemNames = {"甲", "乙", "丙", "丁", "戊",
                                                               "己", "庚", "辛", "壬", "癸"};
inline constexpr std::array<std::string_view, 12> BranchNames = {
    "子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌", "亥"};
// Element index: 0 金, 1 木, 2 水, 3 火, 4 土.
inline constexpr std::array<std::string_view, 5> ElementNames = {"金", "木", "水", "火", "土"};
// 藏干 of each branch as stem-index digits.
inline constexpr std::array<std::string_view, 12> HiddenStems = {
    "9", "579", "024", "1", "149", "246", "35", "135", "468", "7", "347", "08"};
// 纳音, one for each pair of consecutive cycle indices, as 《三命通会》 (卷一, 论纳音取象)
// names them.
inline constexpr std::array<std::string_view, 30> NaYinNames = {
    "海中金", "炉中火", "大林木", "路旁土", "剑锋金", "山头火", "涧下水", "城头土",
    "白蜡金", "杨柳木", "泉中水", "屋上土", "霹雳火", "松柏木", "长流水", "沙中金",
    "山下火", "平地木", "壁上土", "金箔金", "覆灯火", "天河水", "大驿土", "钗钏金",
    "桑柘木", "大溪水", "沙中土", "天上火", "石榴木", "大海水"};
inline constexpr std::array<std::string_view, 12> ZodiacNames = {
    "鼠", "牛", "虎", "兔", "龙", "蛇", "马", "羊", "猴", "鸡", "狗", "猪"};
inline constexpr std::array<std::string_view, 12> StarSignNames = {
    "白羊", "金牛", "双子", "巨蟹", "狮子", "处女", "天秤", "天蝎", "射手", "摩羯", "宝瓶", "双鱼"};
// month * 100 + day; entry i is the first day of star sign (i + 10) mod 12.
inline constexpr std::array<int, 12> StarSignStartDates = {120, 219, 321, 421,  521,  622,
                                                           723, 823, 923, 1023, 1123, 1222};
inline constexpr std::array<std::string_view, 12> LunarMonthNames = {
    "正月", "二月", "三月", "四月", "五月",   "六月",
    "七月", "八月", "九月", "十月", "十一月", "十二月"};
inline constexpr std::string_view LeapMonthMark = "闰";
// Digits 1-10 at indices 1-10 (index 0 is unused).
inline constexpr std::array<std::string_view, 11> LunarDayNumerals = {
    "", "一", "二", "三", "四", "五", "六", "七", "八", "九", "十"};
inline constexpr std::array<std::string_view, 6> LunarDayPrefixes = {"初", "十", "廿",
                                                                     "卅", "二", "三"};

// The sixty cycle names (甲子 ... 癸亥), built once on first use.
[[nodiscard]] const std::array<std::string, 60>& GanZhiNames();

// Empty text outside the range of each table.
[[nodiscard]] std::string GanZhiName(int cycleIndex);
[[nodiscard]] std::string ZodiacName(int zodiacIndex);
[[nodiscard]] std::string StarSignName(int starSignIndex);
[[nodiscard]] std::string ElementName(int elementIndex);
[[nodiscard]] std::string LunarDayName(int lunarDay);
// "正月" … "十二月", "闰" in front of a leap month.
[[nodiscard]] std::string LunarMonthName(int lunarMonth, bool leap);
// An index outside 0-59 counts as 0.
[[nodiscard]] std::string NaYinName(int cycleIndex);

// Cycle index of the stem and branch, -1 when out of range or of different parity.
[[nodiscard]] int GanZhiOf(int stemIndex, int branchIndex);

struct StemBranch {
    int Stem = -1;
    int Branch = -1;
};
// Stem and branch of the cycle index; none for an index outside 0-59.
[[nodiscard]] std::optional<StemBranch> SplitGanZhi(int cycleIndex);

// Element index, -1 for an index out of range.
[[nodiscard]] int ElementOfStem(int stemIndex);
[[nodiscard]] int ElementOfBranch(int branchIndex);

// The animal of a year number (see YearGanZhi: not of a date before 立春).
[[nodiscard]] int ZodiacOfYear(int year);
// The animal of a year pillar, the animal of its branch: 属相 of a date from its
// YearPillarOf. An index outside 0-59 gives -1.
[[nodiscard]] int ZodiacOfYearPillar(int cycleIndex);
// Month and day are not checked against the calendar (02-30 is 双鱼).
[[nodiscard]] int StarSignOf(int month, int day);

// Element names of the branch's hidden stems in table order; a branch outside 0-11 counts
// as 0 (子).
[[nodiscard]] std::string HiddenStemElements(int branchIndex);
// Element of the stem followed by element of the branch: 甲子 -> 木水.
[[nodiscard]] std::string PillarElements(int cycleIndex);
// Element of the stem, "," and the elements of the hidden stems: 丙寅 -> 火,木火土.
[[nodiscard]] std::string PillarElementsWithHidden(int cycleIndex);

// Month number of a lunar month name, "闰" allowed in front; 1 when no name matches.
[[nodiscard]] int LunarMonthNumberOfName(std::string_view name);
// Index of a star-sign name, "座" and surrounding blanks allowed; 0 when none matches.
[[nodiscard]] int StarSignIndexOfName(std::string_view name);

}  // namespace lumivane
