#include "gui/gui_icons.h"

#include <QDir>
#include <QFont>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>
#include <optional>

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

// Looks the theme up when the icon is first drawn: a name the theme lacks made
// the icon loader search every folder of the theme and its parents, a good
// part of the start, mostly for buttons not yet on screen.
class ThemedIconEngine final : public QIconEngine {
public:
    ThemedIconEngine(QString themeName, QString glyph, QColor colour)
        : m_themeName(std::move(themeName)), m_glyph(std::move(glyph)), m_colour(colour) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        Resolved().paint(painter, rect, Qt::AlignCenter, mode, state);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Resolved().pixmap(size, mode, state);
    }

    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Resolved().actualSize(size, mode, state);
    }

    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return Resolved().availableSizes(mode, state);
    }

    QString iconName() override { return m_themeName; }

    QIconEngine* clone() const override {
        auto* copy = new ThemedIconEngine(m_themeName, m_glyph, m_colour);
        copy->m_icon = m_icon;
        return copy;
    }

private:
    const QIcon& Resolved() {
        if (!m_icon) {
            m_icon = QIcon::hasThemeIcon(m_themeName)
                         ? QIcon::fromTheme(m_themeName)
                         : QIcon(new GlyphIconEngine(m_glyph, m_colour));
        }
        return *m_icon;
    }

    QString m_themeName;
    QString m_glyph;
    QColor m_colour;
    std::optional<QIcon> m_icon;
};

}  // namespace

void SelectIconTheme() {
    // Platforms without a desktop theme (offscreen, minimal, some window
    // managers) search only the program's resources; the icon themes live in
    // the XDG data folders.
    QStringList paths = QIcon::themeSearchPaths();
    QStringList dataHomes = {qEnvironmentVariable("XDG_DATA_HOME")};
    if (dataHomes.front().isEmpty()) {
        dataHomes.front() = QDir::homePath() + QStringLiteral("/.local/share");
    }
    QString dataDirs = qEnvironmentVariable("XDG_DATA_DIRS");
    if (dataDirs.isEmpty()) {
        dataDirs = QStringLiteral("/usr/local/share:/usr/share");
    }
    dataHomes += dataDirs.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    bool added = false;
    for (const QString& home : dataHomes) {
        const QString icons = home + QStringLiteral("/icons");
        if (!paths.contains(icons) && QDir(icons).exists()) {
            paths << icons;
            added = true;
        }
    }
    if (added) {
        QIcon::setThemeSearchPaths(paths);
    }
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

void PrepareIconLookup() {
    (void)QIcon::hasThemeIcon(QStringLiteral("document-new"));
    (void)QImageReader::supportedImageFormats();
}

QIcon ThemeIcon(const QString& themeName, const QString& glyph, QColor colour) {
    return QIcon(new ThemedIconEngine(themeName, glyph, colour));
}

QIcon CancelIcon() {
    return ThemeIcon(QStringLiteral("dialog-cancel"), QStringLiteral("消"),
                     QColor(0xc0, 0x39, 0x2b));
}

}  // namespace lumivane::gui
