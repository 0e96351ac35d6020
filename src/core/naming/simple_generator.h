#pragma once
// Simple two-character generation: whole names drawn from the corpus and
// pairs of frequent first and second characters.

#include "core/naming/naming_state.h"

namespace lumivane {

// Appends n corpus names drawn with replacement; stops at kCandidateLimit codes.
void AddCorpusNames(NamingState& state, int n);

// Refills the pair pool from the most frequent characters and appends n pairs
// drawn from it with replacement.
void AddFrequentPairs(NamingState& state, int n);

}  // namespace lumivane
