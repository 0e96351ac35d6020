#include "gui/gui_icons.h"

#include <QDir>
#include <QFont>
#include <QPainter>
#include <QPixmap>

#include "gui/gui_fonts.h"

namespace lumivane::gui {

namespace {

QIcon PaintedIcon(const QString& glyph, QColor colour) {
    QIcon icon;
    for (int size : {16, 24, 32}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawRoundedRect(QRectF(0.5, 0.5, size - 1.0, size - 1.0), size / 5.0, size / 5.0);
        QFont font = KaiFont(size * 3 / 4);
        font.setBold(true);
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(QRect(0, 0, size, size), Qt::AlignCenter, glyph);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace

void SelectIconTheme() {
    const QString current = QIcon::themeName();
    if (!current.isEmpty() && current != QLatin1String("hicolor")) {
        return;
    }
    for (const QString& path : QIcon::themeSearchPaths()) {
        for (const char* theme : {"Adwaita", "breeze", "gnome"}) {
            if (QDir(path + QLatin1Char('/') + QLatin1String(theme)).exists()) {
                QIcon::setThemeName(QLatin1String(theme));
                return;
            }
        }
    }
}

QIcon ThemeIcon(const QString& themeName, const QString& glyph, QColor colour) {
    if (QIcon::hasThemeIcon(themeName)) {
        return QIcon::fromTheme(themeName);
    }
    return PaintedIcon(glyph, colour);
}

}  // namespace lumivane::gui
