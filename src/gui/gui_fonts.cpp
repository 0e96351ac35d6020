#include "gui/gui_fonts.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QHash>
#include <QPalette>
#include <QStringList>
#include <QWidget>
#include <algorithm>
#include <cmath>

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

namespace {

QFont WindowFont(const char* family, int pixelSize) {
    // The installed faces first and the design's name last: asked for the
    // design's name, Qt looks up the fallback faces of that name as well as of
    // the face it maps to, twice the work at each new font.
    const QString design = QString::fromUtf8(family);
    QStringList families = QFont::substitutes(design);
    families << design;
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(pixelSize);
    // Hinting runs FreeType's auto-hinter over every glyph the first time it is
    // drawn, about a tenth of the program's start with this many Chinese
    // glyphs; antialiased CJK text at these sizes reads as well without it.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

}  // namespace

QFont SongFont(int pixelSize) {
    return WindowFont(kSongFamily, pixelSize);
}

QFont KaiFont(int pixelSize) {
    return WindowFont(kKaiFamily, pixelSize);
}

namespace {

class FontOnFirstShow final : public QObject {
public:
    FontOnFirstShow(QWidget* widget, QFont font) : QObject(widget), m_font(std::move(font)) {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            auto* widget = static_cast<QWidget*>(watched);
            widget->removeEventFilter(this);
            widget->setFont(m_font);
            deleteLater();
        }
        return false;
    }

private:
    QFont m_font;
};

}  // namespace

void SetFontWhenFirstShown(QWidget* widget, const QFont& font) {
    new FontOnFirstShow(widget, font);
}

int WidestText(const QFont& font, const QStringList& texts) {
    const QFontMetricsF metrics(font);
    QHash<char16_t, qreal> advances;
    qreal widest = 0;
    for (const QString& text : texts) {
        qreal width = 0;
        for (const QChar ch : text) {
            if (ch.isSurrogate() || ch.category() == QChar::Mark_NonSpacing) {
                // Pairs and combining marks only make sense laid out together.
                width = metrics.horizontalAdvance(text);
                break;
            }
            auto found = advances.constFind(ch.unicode());
            if (found == advances.constEnd()) {
                found = advances.insert(ch.unicode(), metrics.horizontalAdvance(ch));
            }
            width += *found;
        }
        widest = std::max(widest, width);
    }
    return static_cast<int>(std::ceil(widest));
}

void SetTextColor(QWidget* widget, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::Text, color);
    widget->setPalette(palette);
}

void SetBold(QWidget* widget) {
    QFont font = widget->font();
    font.setBold(true);
    widget->setFont(font);
}

void SetEmphasis(QWidget* widget) {
    SetTextColor(widget, QColor(0x80, 0x40, 0x00));
}

void StyleAsLink(QWidget* widget) {
    // Blue, with the hand cursor the clickable labels carry. No underline: the
    // mapped faces draw it below their descent, outside a label as tall as its
    // text, so it would be set but never seen.
    SetTextColor(widget, QColor(0x00, 0x00, 0xff));
}

}  // namespace lumivane::gui
