#pragma once
// The report's font faces mapped to fonts installed here. AR PL UKai and
// AR PL UMing are embedded by Qt's PDF writer so that their text copies out of
// the PDF; the faces named by the layouts are tried first where they exist.

#include <QFont>
#include <QString>

namespace lumivane::report {

inline const QString kKaiFace = QStringLiteral("楷体_GB2312");
inline const QString kSongFace = QStringLiteral("宋体");

[[nodiscard]] QFont ReportFont(const QString& face, int pointSize, bool bold = false);

}  // namespace lumivane::report
