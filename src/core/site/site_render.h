#pragma once
// The pages of the built-in site, one renderer each; site_pages.cpp routes an
// address to them.

#include <optional>
#include <string>
#include <string_view>

#include "core/chart/birth_chart.h"
#include "core/data/character_dictionary.h"
#include "core/data/name_corpora.h"
#include "core/platform/clock.h"
#include "core/site/site_html.h"
#include "core/site/site_pages.h"

namespace lumivane::site {

// A page of the built-in site with its title and body.
[[nodiscard]] SitePage BuiltInPage(std::string title, std::string_view body);
// The box that says which keys a page still needs.
[[nodiscard]] std::string MissingBox(std::string_view what);

// Name pages.
[[nodiscard]] SitePage NameFormPage(std::string_view title, const Query& query);
[[nodiscard]] SitePage NameAnalysisPage(const Query& query);
[[nodiscard]] SitePage DictionaryPage(const Query& query);
[[nodiscard]] SitePage FamilyNamePage(const Query& query);
[[nodiscard]] SitePage FamilyNameListPage(const Query& query);

// The 出处 section of a name's analysis: up to three classical lines holding
// the two given-name characters in order within one sentence, the first with
// its whole stanza, or a word that none was found.
[[nodiscard]] std::string VerseSourceSection(std::string_view first, std::string_view second);

// Calendar pages.
// sm: the number of the sm.asp page it answers, 0 for pp_bazi.asp.
[[nodiscard]] SitePage ChartPage(std::string_view title, const Query& query, int sm);
[[nodiscard]] SitePage SolarTermsPage(const Query& query, const Clock& clock);
[[nodiscard]] SitePage MonthCalendarPage(const Query& query, const Clock& clock);

// The chart of a Gregorian birth date, hour and minute (hour -1, minute -1: unknown),
// computed as a naming request computes it; none for a date the lists do not offer.
[[nodiscard]] std::optional<BirthChart> ChartOfBirth(int year, int month, int day, int hour,
                                                     int minute = -1);
[[nodiscard]] std::string ChartTable(const BirthChart& chart);
// The 喜用神 section: strength, elements and the steps of the count; with a given name,
// whether its characters' meaning elements supply the favourable elements.
[[nodiscard]] std::string FavourableSection(const BirthChart& chart,
                                            std::optional<GivenNameCode> givenName);

// Element masks as names: "金、木"; "—" for none.
[[nodiscard]] std::string ElementsText(ElementMask mask);
// Toned readings of a character, usual first, joined by "、".
[[nodiscard]] std::string TonedReadingsText(std::uint32_t index);
// The usual toned reading, for a name's pinyin line.
[[nodiscard]] std::string UsualReading(std::uint32_t index);

// The five-grid numbers' own words: 1 .. 81; numbers beyond 81 count on from
// 1 (n - 80), as their points do; empty for 0 and below.
[[nodiscard]] std::string_view NumberExplanation(int number);
// 大吉 吉 半吉 凶 大凶, from the number's points.
[[nodiscard]] std::string_view NumberRating(int number);

}  // namespace lumivane::site
