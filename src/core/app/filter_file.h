#pragma once
// A filter file: the filter dialog's stored controls by name in one flat JSON
// object, with the values the settings file stores (0/1 or true/false for
// boxes, texts, integers) and "strokeKind". The command line's --filters reads
// it; the numbers go by the same ranges as the dialog and the settings file.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "core/naming/filter_set.h"

namespace lumivane {

// Far more than the 67 keys can take; a bigger file is not read into memory.
inline constexpr std::uintmax_t kFilterFileMaxBytes = 1u << 20;

struct FilterFileRead {
    std::optional<FilterSet> filters;  // accepted as the dialog's 确定 accepts
    std::string error;                 // names the file and what is wrong
};

// Reads, checks and accepts the filters for a request of that name length
// (0 单字, 1 双字). Only a regular file of at most kFilterFileMaxBytes is read.
[[nodiscard]] FilterFileRead ReadFilterFile(const std::filesystem::path& path, int nameLengthIndex);

}  // namespace lumivane
