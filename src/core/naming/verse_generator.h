#pragma once
// Names from classical verse: the two-character names the working set's sex
// takes from the lines of a collection, for the same list as any other source.

#include "core/data/verse_table.h"
#include "core/naming/filter_set.h"
#include "core/naming/naming_state.h"

namespace lumivane {

// Appends the names of the working set's sex whose best line stands in the
// group (every collection for VerseGroup::All) and, with filters, that pass
// the advanced dialog's tests, as the simple list draws its names: kCandidateLimit
// draws with replacement, each name with the chance of its characters'
// position counts, times each other, raised to the working set's exponent;
// each drawn name once. The names of the books and anthologies parents know
// (诗经 … 千家诗) come before those of 全唐诗 and 全宋词, each in the order of
// their first draw.
void AddVerseNames(NamingState& state, VerseGroup group, const FilterTests* filters);

// Whether a stanza belongs to the group of a request.
[[nodiscard]] bool StanzaInGroup(const VerseStanza& stanza, VerseGroup group);

}  // namespace lumivane
