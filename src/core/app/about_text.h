#pragma once
// What the About dialog and `lumivane-cli --about` tell: the program's name and
// version, its licence, and the sources of the built-in data with their
// licences and the citations their authors ask for (see data/README.md).

#include <string>

namespace lumivane {

// The program's name with its version, for example "澜庭起名软件 (Lumivane) 2.2.8".
[[nodiscard]] std::string AboutTitle();

// The licence paragraph: GPL-3.0-or-later, without warranty.
[[nodiscard]] std::string AboutLicence();

// The built-in data's sources, one paragraph each, the name statistics first
// with their CC BY-NC-SA terms and the citations of Bao (2023) and Bao et al. (2021).
[[nodiscard]] std::string AboutDataSources();

// The three above as one UTF-8 text, paragraphs separated by blank lines.
[[nodiscard]] std::string AboutText();

}  // namespace lumivane
