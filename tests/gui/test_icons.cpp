// Button icons: the icon theme's picture where the theme has one, on any
// platform (the offscreen one names no theme folders), else the painted badge;
// the theme is asked only when an icon is first drawn.

#include <QDir>
#include <QImage>
#include <QtTest>

#include "gui/application.h"
#include "gui/gui_icons.h"

using namespace lumivane::gui;

namespace {

// The share of pixels that are the badge's colour (give or take antialiasing).
double ShareOfColour(const QImage& image, QColor colour) {
    int matching = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (pixel.alpha() > 200 && qAbs(pixel.red() - colour.red()) < 12 &&
                qAbs(pixel.green() - colour.green()) < 12 &&
                qAbs(pixel.blue() - colour.blue()) < 12) {
                ++matching;
            }
        }
    }
    return double(matching) / (image.width() * image.height());
}

}  // namespace

class TestIcons : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { PrepareApplication(); }

    void theXdgIconFoldersAreSearched() {
        const QString usrShare = QStringLiteral("/usr/share/icons");
        if (!QDir(usrShare).exists()) {
            QSKIP("no icon folder on this machine");
        }
        QVERIFY2(QIcon::themeSearchPaths().contains(usrShare),
                 qPrintable(QIcon::themeSearchPaths().join(QLatin1Char(' '))));
    }

    void anIconTheThemeLacksIsThePaintedBadge() {
        const QColor red(0xc0, 0x39, 0x2b);
        const QIcon icon =
            ThemeIcon(QStringLiteral("lumivane-no-such-icon"), QStringLiteral("名"), red);
        QVERIFY(!icon.isNull());
        const QImage image = icon.pixmap(QSize(24, 24)).toImage();
        QCOMPARE(image.size(), QSize(24, 24));
        QVERIFY2(ShareOfColour(image, red) > 0.3, "the badge is mostly its colour");
        QCOMPARE(icon.name(), QStringLiteral("lumivane-no-such-icon"));
    }

    void anIconTheThemeHasComesFromTheTheme() {
        if (!QIcon::hasThemeIcon(QStringLiteral("document-new"))) {
            QSKIP("no installed icon theme has document-new");
        }
        const QColor red(0xc0, 0x39, 0x2b);
        const QIcon icon = ThemeIcon(QStringLiteral("document-new"), QStringLiteral("名"), red);
        const QImage image = icon.pixmap(QSize(24, 24)).toImage();
        QVERIFY(!image.isNull());
        QVERIFY2(ShareOfColour(image, red) < 0.05, "the theme's picture, not the badge");
        // Copies share what the first drawing looked up.
        const QIcon copy = icon;
        QCOMPARE(copy.pixmap(QSize(24, 24)).toImage(), image);
    }
};

QTEST_MAIN(TestIcons)
#include "test_icons.moc"
