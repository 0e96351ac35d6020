#include "report/report_fonts.h"

#include <QStringList>

namespace lumivane::report {

QFont ReportFont(const QString& face, int pointSize, bool bold) {
    QStringList families{face};
    if (face == kKaiFace) {
        families << QStringLiteral("AR PL UKai CN");
    } else {
        families << QStringLiteral("AR PL UMing CN");
    }
    QFont font;
    font.setFamilies(families);
    font.setPointSize(pointSize);
    font.setBold(bold);
    return font;
}

}  // namespace lumivane::report
