#include "gui/gui_fonts.h"

#include <QStringList>

namespace lumivane::gui {

void InstallFontSubstitutions() {
    QFont::insertSubstitutions(
        QString::fromUtf8(kSongFamily),
        {QStringLiteral("AR PL UMing CN"), QStringLiteral("Noto Serif CJK SC"),
         QStringLiteral("Noto Sans CJK SC")});
    QFont::insertSubstitutions(QString::fromUtf8(kKaiFamily),
                               {QStringLiteral("AR PL UKai CN"), QStringLiteral("AR PL UMing CN"),
                                QStringLiteral("Noto Serif CJK SC")});
}

QFont SongFont(int pixelSize) {
    QFont font(QString::fromUtf8(kSongFamily));
    font.setPixelSize(pixelSize);
    return font;
}

QFont KaiFont(int pixelSize) {
    QFont font(QString::fromUtf8(kKaiFamily));
    font.setPixelSize(pixelSize);
    return font;
}

}  // namespace lumivane::gui
