#pragma once
// The one reading of a typed family name and given name, for the window and
// every command: blanks at the ends are trimmed, then the text must be one or
// two characters GBK can hold and the dictionary knows. A family name of three
// characters is refused rather than cut to two, which would score another name.

#include <string>
#include <string_view>
#include <vector>

#include "core/data/name_corpora.h"
#include "core/naming/family_name.h"

namespace lumivane {

struct FamilyNameInput {
    std::string trimmed;
    FamilyName name;
    std::string error;  // empty when usable; else a message for the user
    [[nodiscard]] bool ok() const { return error.empty(); }
};

[[nodiscard]] FamilyNameInput ParseFamilyNameInput(std::string_view typed);

struct GivenNameInput {
    std::string trimmed;
    std::vector<std::string> characters;  // one or two
    GivenNameCode code = 0;
    std::string error;
    [[nodiscard]] bool ok() const { return error.empty(); }
};

[[nodiscard]] GivenNameInput ParseGivenNameInput(std::string_view typed);

}  // namespace lumivane
