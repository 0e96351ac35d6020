#pragma once
// Names from classical verse: the two-character names the working set's sex
// takes from the lines of a collection, for the same list as any other source.

#include "core/data/verse_table.h"
#include "core/naming/filter_set.h"
#include "core/naming/naming_state.h"

namespace lumivane {

// Appends up to kCandidateLimit names of the working set's sex whose best line
// stands in the group (every collection for VerseGroup::All) and, with
// filters, that pass the advanced dialog's tests. The names of the books and
// anthologies parents know (诗经 … 千家诗) come before those of 全唐诗 and
// 全宋词; within each, a random order in which a name comes early as often as
// the simple list would draw it (its characters' position counts, raised to
// the working set's exponent).
void AddVerseNames(NamingState& state, VerseGroup group, const FilterTests* filters);

// Whether a stanza belongs to the group of a request.
[[nodiscard]] bool StanzaInGroup(const VerseStanza& stanza, VerseGroup group);

}  // namespace lumivane
