#include "gui/gui_icons.h"

#include <QDir>
#include <QFont>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>

#include "gui/gui_fonts.h"

namespace lumivane::gui {

namespace {

// Paints the fallback icon when a size is first asked for: painting every
// size of every icon up front cost a good part of the start-up.
class GlyphIconEngine final : public QIconEngine {
public:
    GlyphIconEngine(QString glyph, QColor colour) : m_glyph(std::move(glyph)), m_colour(colour) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        const int size = qMin(rect.width(), rect.height());
        const QRectF box(rect.x() + (rect.width() - size) / 2.0 + 0.5,
                         rect.y() + (rect.height() - size) / 2.0 + 0.5, size - 1.0, size - 1.0);
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(Qt::NoPen);
        painter->setBrush(m_colour);
        painter->drawRoundedRect(box, size / 5.0, size / 5.0);
        QFont font = KaiFont(size * 3 / 4);
        font.setBold(true);
        painter->setFont(font);
        painter->setPen(Qt::white);
        painter->drawText(box, Qt::AlignCenter, m_glyph);
        painter->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return pixmap;
    }

    QIconEngine* clone() const override { return new GlyphIconEngine(m_glyph, m_colour); }

private:
    QString m_glyph;
    QColor m_colour;
};

QIcon PaintedIcon(const QString& glyph, QColor colour) {
    return QIcon(new GlyphIconEngine(glyph, colour));
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
