#pragma once
// Simple two-character generation: whole names drawn from the corpus and
// pairs of frequent first and second characters.

#include "core/naming/naming_state.h"

namespace lumivane {

// Appends n corpus names drawn with replacement, each as often as its
// characters are given in their positions; stops at kCandidateLimit codes.
void AddCorpusNames(NamingState& state, int n);

// Appends n pairs of frequent first and second characters, each character
// drawn with the chance of its count in its position; two different characters
// that read alike are not paired.
void AddFrequentPairs(NamingState& state, int n);

}  // namespace lumivane
