// The text widths the date lists are sized by, and the font configuration
// read on a thread of its own at start.

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QtTest>
#include <cmath>

#include "gui/application.h"
#include "gui/font_configuration.h"
#include "gui/gui_fonts.h"

using namespace lumivane::gui;

class TestFonts : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // As the program does: the reading starts before the application
        // object exists (here: before the first font), and the calls are safe
        // to repeat.
        BeginReadingFontConfiguration();
        BeginReadingFontConfiguration();
        FinishReadingFontConfiguration();
        FinishReadingFontConfiguration();
        PrepareApplication();
    }

    void fontsAreFoundAfterTheReading() { QVERIFY(!QFontDatabase::families().isEmpty()); }

    void widestTextCoversEveryLaidOutEntry_data() {
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<int>("slack");  // pixels it may exceed the laid-out width
        QTest::newRow("years") << QStringList{"1949", "1988", "2000", "2039"} << 1;
        QTest::newRow("lunar months")
            << QStringList{"12", "正月", "闰正月", "十一月", "闰十一月"} << 1;
        QTest::newRow("hours") << QStringList{"未知", "00:00 - 00:59", "23:00 - 23:59"} << 1;
        QTest::newRow("kerned latin") << QStringList{"AVATAR", "Toy"} << 4;
        QTest::newRow("combining mark") << QStringList{"e\u0301te\u0301"} << 1;
        QTest::newRow("beyond the BMP") << QStringList{"\U00020000\U0002A6A5", "一"} << 1;
        QTest::newRow("none") << QStringList{} << 0;
    }

    void widestTextCoversEveryLaidOutEntry() {
        QFETCH(QStringList, texts);
        QFETCH(int, slack);
        for (const QFont& font : {SongFont(12), SongFont(15)}) {
            const QFontMetricsF metrics(font);
            qreal laidOut = 0;
            for (const QString& text : texts) {
                laidOut = std::max(laidOut, metrics.horizontalAdvance(text));
            }
            const int width = WidestText(font, texts);
            QVERIFY2(width >= std::ceil(laidOut - 0.01),
                     qPrintable(QStringLiteral("%1 < %2").arg(width).arg(laidOut)));
            QVERIFY2(width <= std::ceil(laidOut) + slack,
                     qPrintable(QStringLiteral("%1 > %2").arg(width).arg(laidOut)));
        }
    }
};

QTEST_MAIN(TestFonts)
#include "test_fonts.moc"
