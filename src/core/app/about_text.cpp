#include "core/app/about_text.h"

namespace lumivane {

std::string AboutTitle() {
    return std::string("澜庭起名软件 (Lumivane) ") + LUMIVANE_VERSION;
}

std::string AboutLicence() {
    return "许可 / Licence\n"
           "本程序是自由软件：您可以依照自由软件基金会发布的 GNU 通用公共许可证第 3 版或"
           "（由您选择）任何更新的版本再发布和修改它。本程序不提供任何担保。\n"
           "This program is free software: you can redistribute it and/or modify it under the "
           "terms of the GNU General Public License as published by the Free Software "
           "Foundation, either version 3 of the License, or (at your option) any later version "
           "(GPL-3.0-or-later). It comes with ABSOLUTELY NO WARRANTY. The built-in data keep "
           "the licences of their sources, below.";
}

std::string AboutDataSources() {
    // The terms as data/README.md states them; the name statistics lead because
    // their licence restricts use (non-commercial, share alike).
    return "内置数据 / Built-in data\n"
           "Name statistics: the given-name corpora, the position frequency tables, the family "
           "names "
           "by bearers and the "
           "order of the character dictionary are derived from the ChineseNames database, "
           "national household-registration statistics of Han Chinese born 1930–2008. Its "
           "author requires GPL-3 and CC BY-NC-SA (attribution, non-commercial use only, share "
           "alike); these derived tables are shared under the same terms. Cite:\n"
           "  Bao, H.-W.-S. (2023). ChineseNames: Chinese Name Database 1930-2008. R package "
           "version 2023.8. https://CRAN.R-project.org/package=ChineseNames\n"
           "  Bao, H.-W.-S., Cai, H., Jing, Y., & Wang, J. (2021). Novel evidence for the "
           "increasing prevalence of unique names in China: A reply to Ogihara. Frontiers in "
           "Psychology, 12, 731244. https://doi.org/10.3389/fpsyg.2021.731244\n"
           "\n"
           "Unicode Han Database (Unihan) 15.0: Copyright © 1991-2022 Unicode, Inc.; used under "
           "the Unicode License Agreement – Data Files and Software.\n"
           "OpenCC (BYVoid), traditional forms: Apache-2.0.\n"
           "cnchar (© theajack), five elements and component radicals: MIT.\n"
           "Chinese-Names-Corpus (wainshine), family names: Apache-2.0.\n"
           "jieba (© Sun Junyi), person names and words: MIT.\n"
           "\n"
           "Chinese calendar: new moons and solar terms by the program's own astronomical "
           "formulas; the leap months and the day corrections follow the mainland's published "
           "calendar (Purple Mountain Observatory, UTC+8).";
}

std::string AboutText() {
    return AboutTitle() + "\n\n" + AboutLicence() + "\n\n" + AboutDataSources() + "\n";
}

}  // namespace lumivane
