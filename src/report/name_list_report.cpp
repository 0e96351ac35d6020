#include "report/name_list_report.h"

#include <QLocale>

#include "core/app/web_addresses.h"
#include "core/results/report_rows.h"
#include "report/report_fonts.h"

namespace lumivane::report {
namespace {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

void NameListReport::BuildPageHeader(const QFont& reportFont, double addressLeftMm) {
    m_pageHeader = ReportBand{};
    m_pageHeader.heightMm = 15.9;

    ReportLabel title;  // QRLabel1
    title.text = FromUtf8(kReportTitle);
    title.font = ReportFont(kKaiFace, 15, true);
    title.topMm = 1.0;
    title.placing = ReportLabel::Placing::CentredOnBand;
    m_pageHeader.labels.push_back(title);

    ReportLabel line;  // QRLabel2
    line.text = FromUtf8(kReportGeneratedBy);
    line.font = reportFont;
    line.leftMm = 2.1;
    line.topMm = 10.4;
    m_pageHeader.labels.push_back(line);

    ReportLabel address;  // QRLabel4
    address.text = FromUtf8(kSiteRootAddress);
    address.font = ReportFont(kSongFace, 10);
    address.color = Qt::blue;
    address.leftMm = addressLeftMm;
    address.topMm = 10.4;
    m_pageHeader.labels.push_back(address);
}

void NameListReport::SetAvoidText(const QString& characters) {
    if (characters.isEmpty() || m_avoidShown) {
        return;
    }
    m_avoidShown = true;
    ReportLabel avoid;
    avoid.text = QStringLiteral("不用的字：") + characters;
    avoid.font = ReportFont(kSongFace, 10);
    avoid.leftMm = 2.1;
    avoid.topMm = m_pageHeader.heightMm;
    m_pageHeader.labels.push_back(avoid);
    m_pageHeader.heightMm += 5.0;
}

QString NameListReport::FooterTimeText() const {
    QLocale locale = QLocale::system();
    // The long time format carries the time zone on Linux; the page wants only the clock time.
    QString format = locale.dateFormat(QLocale::ShortFormat) + QStringLiteral(" HH:mm:ss");
    QString time = locale.toString(m_clock(), format);
    return QString::fromStdString(PrintTimeText(time.toStdString()));
}

QString NameListReport::PageNumberLabelText() const {
    return QString::fromStdString(lumivane::PageNumberText(PageNumber(), m_totalPages));
}

}  // namespace lumivane::report
