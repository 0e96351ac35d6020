#include "gui/chart_panel.h"

#include <QGridLayout>
#include <QLabel>

#include "gui/clickable_label.h"
#include "gui/gui_fonts.h"

namespace lumivane::gui {

namespace {

QString Utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QLabel* MakeLabel(QWidget* parent, int number, const char* caption, int tag,
                  bool clickable = false) {
    QLabel* label = clickable ? new ClickableLabel(parent) : new QLabel(parent);
    label->setObjectName(QStringLiteral("Label%1").arg(number));
    label->setText(QString::fromUtf8(caption));
    label->setProperty(kTagProperty, tag);
    return label;
}

}  // namespace

ChartPanel::ChartPanel(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("Panel4"));
    setFrameShape(QFrame::StyledPanel);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(8, 4, 8, 4);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(3);

    struct Line {
        int leftCaption;
        const char* leftText;
        int firstValue;
        int middleCaption;
        const char* middleText;
        int firstPillar;
    };
    const Line lines[3] = {{10, "公历", 83, 25, "五     行", 95},
                           {11, "农历", 87, 26, "五行(藏干)", 99},
                           {12, "八字", 91, 31, "纳     音", 103}};
    const QColor captionColor(0x80, 0x40, 0x00);
    for (int line = 0; line < 3; ++line) {
        QLabel* left = MakeLabel(this, lines[line].leftCaption, lines[line].leftText, 0);
        SetTextColor(left, captionColor);
        grid->addWidget(left, line, 0);
        for (int k = 0; k < 4; ++k) {
            grid->addWidget(MakeLabel(this, lines[line].firstValue + k, "", 1), line, 1 + k);
        }
        QLabel* middle = MakeLabel(this, lines[line].middleCaption, lines[line].middleText, 0);
        SetTextColor(middle, captionColor);
        grid->addWidget(middle, line, 5);
        for (int k = 0; k < 4; ++k) {
            grid->addWidget(MakeLabel(this, lines[line].firstPillar + k, "", 1), line, 6 + k);
        }
    }
    QLabel* zodiacCaption = MakeLabel(this, 40, "属相", 0);
    QLabel* signCaption = MakeLabel(this, 41, "星座", 0);
    QLabel* forecastCaption = MakeLabel(this, 30, "星座运程", 0);
    for (QLabel* caption : {zodiacCaption, signCaption, forecastCaption}) {
        SetTextColor(caption, captionColor);
    }
    grid->addWidget(zodiacCaption, 0, 10);
    grid->addWidget(signCaption, 1, 10);
    grid->addWidget(forecastCaption, 2, 10);
    QLabel* zodiac = MakeLabel(this, 107, "", 1, true);
    QLabel* sign = MakeLabel(this, 108, "", 1, true);
    StyleAsLink(zodiac);
    StyleAsLink(sign);
    grid->addWidget(zodiac, 0, 11, 1, 4);
    grid->addWidget(sign, 1, 11, 1, 4);
    const char* forecasts[4] = {"今", "明", "周", "年"};
    for (int k = 0; k < 4; ++k) {
        QLabel* link = MakeLabel(this, 32 + k, forecasts[k], 2, true);
        StyleAsLink(link);
        grid->addWidget(link, 2, 11 + k);
    }

    QLabel* adviceCaption = MakeLabel(this, 47, "建议", 0);
    SetTextColor(adviceCaption, captionColor);
    grid->addWidget(adviceCaption, 3, 0);
    QLabel* advice = MakeLabel(this, 13, "", 0);
    SetTextColor(advice, QColor(0x00, 0x80, 0x00));
    grid->addWidget(advice, 3, 1, 1, 9);
    QLabel* origin = MakeLabel(this, 36, "", 1, true);
    StyleAsLink(origin);
    grid->addWidget(origin, 3, 10, 1, 3);
    QLabel* analysis = MakeLabel(this, 37, "性格分析", 0, true);
    StyleAsLink(analysis);
    grid->addWidget(analysis, 3, 13, 1, 2);
    // Under the advice: the favourable elements, and the note of a term within the birth
    // hour; the steps of the 喜用神 count in the line's tool tip.
    QLabel* favourableCaption = MakeLabel(this, 48, "喜用", 0);
    SetTextColor(favourableCaption, captionColor);
    grid->addWidget(favourableCaption, 4, 0);
    auto* favourable = new QLabel(this);
    favourable->setObjectName(QStringLiteral("lbl_Favourable"));
    favourable->setProperty(kTagProperty, 1);
    SetTextColor(favourable, QColor(0x00, 0x80, 0x00));
    grid->addWidget(favourable, 4, 1, 1, 14);
    auto* termNote = new QLabel(this);
    termNote->setObjectName(QStringLiteral("lbl_TermNote"));
    termNote->setProperty(kTagProperty, 1);
    termNote->setWordWrap(true);
    SetTextColor(termNote, QColor(0xB0, 0x30, 0x00));
    grid->addWidget(termNote, 5, 1, 1, 14);
    grid->setColumnStretch(15, 1);
}

QLabel* ChartPanel::Label(int number) const {
    return findChild<QLabel*>(QStringLiteral("Label%1").arg(number));
}

void ChartPanel::ClearBirthChart() {
    for (QLabel* label : findChildren<QLabel*>()) {
        const int tag = label->property(kTagProperty).toInt();
        if (tag == 1) {
            label->clear();
            label->setToolTip({});
        } else if (tag == 2) {
            label->hide();
        }
    }
}

void ChartPanel::ShowChart(const BirthChart& chart) {
    for (int k = 0; k < kChartValueLabelCount; ++k) {
        if (QLabel* label = Label(kChartValueLabelFirst + k)) {
            label->setText(Utf8(chart.values[static_cast<std::size_t>(k)]));
        }
    }
    Label(13)->setText(Utf8(chart.advice));
    auto* favourable = findChild<QLabel*>(QStringLiteral("lbl_Favourable"));
    std::string steps;
    for (const std::string& step : chart.favourable.reasoning) {
        steps += (steps.empty() ? "" : "\n") + step;
    }
    favourable->setText(Utf8(FavourableLine(chart.favourable)));
    favourable->setToolTip(Utf8(steps));
    auto* termNote = findChild<QLabel*>(QStringLiteral("lbl_TermNote"));
    termNote->setText(Utf8(chart.termNote +
                           (chart.termNote.empty() || chart.solarTime.empty() ? "" : " ") +
                           (chart.solarTime.empty() ? std::string() : chart.timeUsed)));
    termNote->setVisible(!termNote->text().isEmpty());
    Label(36)->setText(Utf8(chart.familyOrigin));
    Label(37)->setText(Utf8(chart.analysis));
    for (QLabel* label : findChildren<QLabel*>()) {
        if (label->property(kTagProperty).toInt() == 2) {
            label->show();
        }
    }
}

}  // namespace lumivane::gui
