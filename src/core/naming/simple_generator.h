#pragma once
// Simple two-character generation: whole names drawn from the corpus and
// pairs of frequent first and second characters.

#include <span>

#include "core/data/name_corpora.h"
#include "core/naming/naming_state.h"

namespace lumivane {

// Appends n corpus names drawn with replacement, each as often as its
// characters are given in their positions; stops at kCandidateLimit codes.
void AddCorpusNames(NamingState& state, int n);

// Two characters that each suit a sex can together lean to the other one
// (金烨, 彦晨 for a girl): a pair reads as the sex its characters' bearers lean
// to on balance, by the sum of their gender indexes.
[[nodiscard]] bool PairLeansToOtherSex(std::uint32_t first, std::uint32_t second, Sex sex);

// The readings readers heard as ill after this family name in many of their
// pairs (李 jiā qí: 李佳琦), from the pair fits' sound rows; empty for most
// family names, so a list looks them up once.
[[nodiscard]] std::span<const HeardSound> HeardSoundsAfter(std::span<const HeardSound> sounds,
                                                           const FamilyName& family);
// Whether the given name's reading is one of them: what readers hear there is
// the sound, whatever the characters.
[[nodiscard]] bool ReadingHeard(std::span<const HeardSound> heardAfterFamily, std::uint32_t first,
                                std::uint32_t second);

// Appends n pairs of frequent first and second characters, each character
// drawn with the chance of its count in its position; two characters
// that read alike (a character doubled among them) are not paired, nor two
// that lean to the other sex, two both given less since the 1980s, or two
// whose counts multiply to a small share of the first ranks' product.
void AddFrequentPairs(NamingState& state, int n);

}  // namespace lumivane
