#include "core/app/naming_request.h"

#include "core/app/name_input.h"
#include "core/naming/advanced_generator.h"
#include "core/naming/filter_dialog_rules.h"
#include "core/naming/remove_duplicate_codes.h"
#include "core/naming/simple_generator.h"
#include "core/naming/single_generator.h"
#include "core/naming/verse_generator.h"
#include "core/text/characters.h"
#include "core/text/gbk.h"

namespace lumivane {
namespace {

constexpr int kCorpusDraws = 50;
constexpr int kPairDraws = 1900;
constexpr int kCorpusBound = 100;

}  // namespace

std::string ValidateFamilyNameText(std::string_view trimmed) {
    return ParseFamilyNameInput(trimmed).error;
}

void GenerateCandidates(NamingState& state, int nameLengthIndex, int sexIndex,
                        const FilterSet* filters, NameSource source, VerseGroup group) {
    state.candidates.Clear();
    state.workingSet = SelectWorkingSet(SexOfItemIndex(sexIndex));
    state.verseList = source == NameSource::Poetry;
    std::optional<FilterTests> tests;
    if (filters != nullptr) {
        tests.emplace(*filters);
    }
    if (source == NameSource::Poetry) {
        AddVerseNames(state, group, tests ? &*tests : nullptr);
    } else if (nameLengthIndex == 0) {
        AddSingleCharacters(state, tests ? &*tests : nullptr);
        OrderSingleCharactersByUse(state);
    } else if (tests) {
        AddFilteredCorpusNames(state, *tests, kCorpusBound);
        AddTieredPairs(state, *tests);
    } else {
        AddCorpusNames(state, kCorpusDraws);
        AddFrequentPairs(state, kPairDraws);
        AddCorpusNames(state, kCorpusDraws);
    }
}

NamingResult RunNamingRequest(NamingState& state, const NamingInputs& inputs,
                              const NamingHooks& hooks) {
    NamingResult result;
    result.trimmedFamilyText = TrimBlanks(inputs.familyNameText);
    if (std::string message = ValidateFamilyNameText(result.trimmedFamilyText); !message.empty()) {
        result.outcome = result.trimmedFamilyText.empty() ? NamingOutcome::EmptyFamilyName
                                                          : NamingOutcome::InvalidFamilyName;
        result.message = std::move(message);
        return result;
    }
    // Not a default in disguise: -1 or a hand-edited number leaves the list
    // blank, and a request would run for a length or sex nobody chose.
    if (inputs.nameLengthIndex != 0 && inputs.nameLengthIndex != 1) {
        result.outcome = NamingOutcome::MissingChoice;
        result.message = std::string(kChooseNameLengthMessage);
        return result;
    }
    if (inputs.sexIndex != 0 && inputs.sexIndex != 1) {
        result.outcome = NamingOutcome::MissingChoice;
        result.message = std::string(kChooseSexMessage);
        return result;
    }

    state.showingFavorites = false;
    state.familyText = result.trimmedFamilyText;
    state.familyName = MakeFamilyName(result.trimmedFamilyText);

    if (hooks.showBirthChart && !hooks.showBirthChart()) {
        result.outcome = NamingOutcome::ChartFailed;
        return result;
    }

    std::optional<FilterSet> filters;
    if (inputs.advanced) {
        if (hooks.runFilterDialog) {
            filters = hooks.runFilterDialog();
        }
        if (!filters) {
            result.outcome = NamingOutcome::FilterDialogClosed;
            return result;
        }
    }

    AvoidCharactersInput avoid =
        ParseAvoidCharacters(hooks.avoidCharacters ? hooks.avoidCharacters() : std::string());
    if (!avoid.ok()) {
        result.outcome = NamingOutcome::InvalidAvoidCharacters;
        result.message = std::move(avoid.error);
        return result;
    }
    state.avoid = std::move(avoid.avoid);

    if (hooks.saveSettings) {
        hooks.saveSettings();
    }

    // An empty list would replace the names on screen with nothing and no
    // word; the candidates of that list stay, as its memo counts them.
    CandidateList shown = state.candidates;
    const bool shownFromVerse = state.verseList;
    GenerateCandidates(state, inputs.nameLengthIndex, inputs.sexIndex,
                       filters ? &*filters : nullptr, inputs.source, inputs.verseGroup);
    result.generated = state.candidates.count();
    if (result.generated == 0) {
        state.candidates = std::move(shown);
        state.verseList = shownFromVerse;
        result.outcome = NamingOutcome::NoMatchingNames;
        result.message = std::string(kNoMatchingNamesMessage);
        if (filters) {
            if (std::string why = InvertedStrokeRangeMessage(*filters, inputs.nameLengthIndex);
                !why.empty()) {
                result.message += "：" + why;
            }
        }
        return result;
    }
    RemoveDuplicateCodes(state.candidates);
    const std::optional<ElementCondition> favourable =
        hooks.favourableCondition ? hooks.favourableCondition() : std::nullopt;
    if (favourable && inputs.keepFavourable) {
        KeepCodesMeeting(state.candidates.codes, *favourable);
        if (state.candidates.count() == 0) {
            state.candidates = std::move(shown);
            result.outcome = NamingOutcome::NoMatchingNames;
            result.message = std::string(kNoFavourableNamesMessage);
            return result;
        }
    }
    result.rows = FillResultList(state, hooks.progress);
    if (favourable) {
        for (ResultRow& row : result.rows) {
            row.suppliesFavourable = MeetsElementCondition(row.Code(), *favourable) ? 1 : 0;
        }
    }
    result.outcome = NamingOutcome::Filled;
    return result;
}

}  // namespace lumivane
