// The Kangxi-form table generated from data/kangxi-forms.tsv.

#include "core/data/kangxi_forms.h"

#include "core/data/character_dictionary.h"
#include "core/text/characters.h"

namespace lumivane {
namespace generated {
#include "core/data/kangxi_form_tables.inc"
}  // namespace generated

std::string KangxiFormOf(std::uint32_t index) {
    if (index >= DictionarySize) {
        return {};
    }
    const std::uint32_t form = generated::kGeneratedKangxiForms[index];
    return form == 0 ? std::string(CharacterText(index)) : Utf8OfCodePoint(form);
}

}  // namespace lumivane
