// Input at the edges of the text boxes: characters GBK cannot hold are refused
// as they are typed, text too long for a box is cut to the characters that
// fit, and pinyin typed with capitals, tones or ü is looked up as the
// dictionary writes it.

#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>

#include "core/text/pinyin.h"
#include "gui_test_support.h"

using namespace lumivane;
using namespace lumivane::gui;
using namespace lumivane::gui::test;

class TestInputEdges : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<DataHome> m_home;
    std::unique_ptr<Windows> m_w;

    QLineEdit* FamilyBox() { return m_w->Find<QLineEdit>("edt_FirstName"); }
    QLineEdit* DialogBox(const char* name) {
        return m_w->select.findChild<QLineEdit*>(QLatin1String(name));
    }
    static void Paste(QLineEdit* box, const QString& text) {
        QGuiApplication::clipboard()->setText(text);
        box->paste();
    }

private slots:
    void initTestCase() { PrepareApplication(); }
    void init() {
        m_home = std::make_unique<DataHome>();
        m_w = std::make_unique<Windows>();
    }
    void cleanup() {
        m_w.reset();
        m_home.reset();
    }

    void familyBoxRefusesWhatGbkCannotHold_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::newRow("Hangul") << QStringLiteral("王한") << QStringLiteral("王");
        QTest::newRow("Thai") << QStringLiteral("李ก") << QStringLiteral("李");
        QTest::newRow("GBK only") << QStringLiteral("欧阳") << QStringLiteral("欧阳");
        QTest::newRow("traditional, in GBK") << QStringLiteral("張") << QStringLiteral("張");
    }
    void familyBoxRefusesWhatGbkCannotHold() {
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        FamilyBox()->setFocus();
        TypeText(FamilyBox(), typed);
        QCOMPARE(FamilyBox()->text(), kept);
        if (typed != kept) {
            QVERIFY2(m_w->main.StatusText().contains(QStringLiteral("GBK")),
                     qPrintable(m_w->main.StatusText()));
        }
    }

    void aPasteWithAHangulCharacterIsRefusedWhole() {
        FamilyBox()->setText(QStringLiteral("王"));
        FamilyBox()->end(false);
        Paste(FamilyBox(), QStringLiteral("한국"));
        QCOMPARE(FamilyBox()->text(), QStringLiteral("王"));
    }

    void aLongPasteIsCutToTheFirstThreeCharacters_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("kept");
        QTest::newRow("empty box")
            << QString() << QStringLiteral("司马相如") << QStringLiteral("司马相");
        QTest::newRow("after a character")
            << QStringLiteral("王") << QStringLiteral("欧阳修明") << QStringLiteral("王欧阳");
        QTest::newRow("fits") << QString() << QStringLiteral("诸葛") << QStringLiteral("诸葛");
    }
    void aLongPasteIsCutToTheFirstThreeCharacters() {
        QFETCH(QString, before);
        QFETCH(QString, pasted);
        QFETCH(QString, kept);
        FamilyBox()->setText(before);
        FamilyBox()->end(false);
        Paste(FamilyBox(), pasted);
        QCOMPARE(FamilyBox()->text(), kept);
    }

    void typingIntoAFullBoxChangesNothing() {
        FamilyBox()->setText(QStringLiteral("欧阳修"));
        FamilyBox()->end(false);
        TypeText(FamilyBox(), QStringLiteral("明"));
        QCOMPARE(FamilyBox()->text(), QStringLiteral("欧阳修"));
    }

    void aLongTextSetByTheProgramIsCutToo() {
        FamilyBox()->setText(QStringLiteral("欧阳修明"));
        QCOMPARE(FamilyBox()->text(), QStringLiteral("欧阳修"));
        // Blanks at the ends take no room, as the request trims them.
        FamilyBox()->setText(QStringLiteral(" 欧阳修 "));
        QCOMPARE(FamilyBox()->text(), QStringLiteral(" 欧阳修 "));
        FamilyBox()->setText(QStringLiteral("\u3000欧阳修明"));
        QCOMPARE(FamilyBox()->text(), QStringLiteral("欧阳修"));
        Paste(FamilyBox(), QStringLiteral("李𠀀"));
        QCOMPARE(FamilyBox()->text(), QStringLiteral("欧阳修"));
        // The fixed-character boxes of the filter dialog hold one character.
        Paste(DialogBox("edt1_1"), QStringLiteral("建华"));
        QCOMPARE(DialogBox("edt1_1")->text(), QStringLiteral("建"));
    }

    void pinyinIsLookedUpAsTheDictionaryWritesIt() {
        auto* rule = m_w->select.findChild<QLabel*>(QStringLiteral("lbl_PinyinRule"));
        QVERIFY(rule != nullptr);
        QCOMPARE(rule->text().toStdString(), std::string(kPinyinRuleText));
        QVERIFY(rule->parentWidget()->isAncestorOf(DialogBox("edt4_1")));

        m_w->select.findChild<QCheckBox*>(QStringLiteral("chk4_1"))->setChecked(true);
        DialogBox("edt4_1")->setText(QStringLiteral("Míng"));
        DialogBox("edt4_2")->setText(QStringLiteral("lü"));
        DialogBox("edt4_3")->setText(QStringLiteral("HUA2"));
        ClickWhenModal(m_w->select, "btn_OK");
        const std::optional<FilterSet> filters = m_w->select.Run();
        QVERIFY(filters.has_value());
        QCOMPARE(QString::fromStdString(filters->edt4_1), QStringLiteral("ming"));
        QCOMPARE(QString::fromStdString(filters->edt4_2), QStringLiteral("lv"));
        QCOMPARE(QString::fromStdString(filters->edt4_3), QStringLiteral("hua"));
        QCOMPARE(DialogBox("edt4_1")->text(), QStringLiteral("ming"));
        QVERIFY(FirstCharacterTest(*filters, FindCharacter("明")));
    }
};

QTEST_MAIN(TestInputEdges)
#include "test_input_edges.moc"
