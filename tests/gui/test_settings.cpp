// The settings of the last request: written at each accepted request and put
// back into both windows when the main window is first shown after a restart.

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QStatusBar>

#include "core/text/gbk.h"
#include "gui/application.h"
#include "gui/result_table_model.h"

#include "gui_test_support.h"

using namespace lumivane;
using namespace lumivane::gui;
using namespace lumivane::gui::test;

class TestSettings : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<DataHome> m_home;

    static QWidget* Control(Windows& w, const char* name) {
        return w.main.findChild<QWidget*>(QLatin1String(name));
    }
    static QComboBox* Combo(Windows& w, const char* name) {
        return qobject_cast<QComboBox*>(Control(w, name));
    }
    static QCheckBox* Box(Windows& w, const char* name) {
        return qobject_cast<QCheckBox*>(Control(w, name));
    }
    static void Start(Windows& w) {
        w.main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.main));
    }
    QByteArray ConfigBytes() const {
        QFile file(m_home->Path(QStringLiteral("config.ini")));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void initTestCase() { PrepareApplication(); }
    void init() { m_home = std::make_unique<DataHome>(); }
    void cleanup() { m_home.reset(); }

    void firstStartCreatesTheFileAndShowsTheDefaults() {
        Windows w;
        Start(w);
        QVERIFY(QFile::exists(m_home->Path(QStringLiteral("config.ini"))));
        QCOMPARE(qobject_cast<QLineEdit*>(Control(w, "edt_FirstName"))->text(), QString());
        QCOMPARE(Combo(w, "cmb_NameLength")->currentText(), QStringLiteral("单字"));
        QCOMPARE(Combo(w, "cmb_Sex")->currentText(), QStringLiteral("男"));
        QCOMPARE(Combo(w, "cmb_CalendarType")->currentText(), QStringLiteral("阳历"));
        QCOMPARE(Combo(w, "cmb_Year")->currentText(), QStringLiteral("2024"));
        QCOMPARE(Combo(w, "cmb_Month")->currentIndex(), 0);
        QCOMPARE(Combo(w, "cmb_Day")->currentIndex(), 0);
        QCOMPARE(Combo(w, "cmb_Hour")->currentText(), QStringLiteral("未知"));
        QCOMPARE(qobject_cast<QSpinBox*>(Control(w, "sedt5_11"))->value(), 1);
        QCOMPARE(Combo(w, "cmb6_1A")->currentText(), QStringLiteral("一画"));
        QCOMPARE(Combo(w, "cmb6_1B")->currentText(), QStringLiteral("丨"));
        QVERIFY(!Box(w, "chk2_1")->isChecked());
    }

    void aRestartShowsTheInputsAndFiltersOfTheLastRequest() {
        {
            Windows w;
            Start(w);
            qobject_cast<QLineEdit*>(Control(w, "edt_FirstName"))
                ->setText(QStringLiteral(" 欧阳 "));
            Pick(Combo(w, "cmb_NameLength"), 1);
            Pick(Combo(w, "cmb_Sex"), 1);
            Pick(Combo(w, "cmb_CalendarType"), 1);
            PickText(Combo(w, "cmb_Year"), QStringLiteral("2033"));
            PickText(Combo(w, "cmb_Month"), QStringLiteral("闰十一月"));
            PickText(Combo(w, "cmb_Day"), QStringLiteral("初五"));
            Pick(Combo(w, "cmb_Hour"), 11);
            Box(w, "chk2_1")->setChecked(true);
            w.select.chk1_1Click("chk2_1");
            Box(w, "chk2_13")->setChecked(true);
            Box(w, "chk6_2")->setChecked(true);
            w.select.chk1_1Click("chk6_2");
            Pick(Combo(w, "cmb6_2A"), 1);
            Combo(w, "cmb6_2B")->setCurrentIndex(2);
            qobject_cast<QLineEdit*>(Control(w, "edt4_3"))->setText(QStringLiteral("hua"));
            qobject_cast<QSpinBox*>(Control(w, "sedt5_32"))->setValue(30);
            qobject_cast<QRadioButton*>(Control(w, "rg_fanti"))->setChecked(true);
            ClickWhenModal(w.select, "btn_OK");
            qobject_cast<QPushButton*>(Control(w, "btn_SelectName"))->click();
        }
        const QByteArray saved = ConfigBytes();
        QVERIFY(saved.contains("[Birthday]"));
        Windows w;
        Start(w);
        QCOMPARE(qobject_cast<QLineEdit*>(Control(w, "edt_FirstName"))->text(),
                 QStringLiteral("欧阳"));
        QCOMPARE(Combo(w, "cmb_NameLength")->currentIndex(), 1);
        QCOMPARE(Combo(w, "cmb_Sex")->currentText(), QStringLiteral("女"));
        QCOMPARE(Combo(w, "cmb_CalendarType")->currentText(), QStringLiteral("农历"));
        QCOMPARE(Combo(w, "cmb_Year")->currentText(), QStringLiteral("2033"));
        QCOMPARE(Combo(w, "cmb_Month")->count(), 13);
        QCOMPARE(Combo(w, "cmb_Month")->currentText(), QStringLiteral("闰十一月"));
        QCOMPARE(Combo(w, "cmb_Day")->currentText(), QStringLiteral("初五"));
        QCOMPARE(Combo(w, "cmb_Hour")->currentIndex(), 11);
        QVERIFY(Box(w, "chk2_1")->isChecked());
        QVERIFY(Box(w, "chk2_13")->isChecked());
        QVERIFY(!Box(w, "chk2_11")->isChecked());
        QCOMPARE(Combo(w, "cmb6_2A")->currentText(), QStringLiteral("二画"));
        QVERIFY(Combo(w, "cmb6_2B")->count() > 2);
        QCOMPARE(Combo(w, "cmb6_2B")->currentIndex(), 2);
        QCOMPARE(qobject_cast<QLineEdit*>(Control(w, "edt4_3"))->text(), QStringLiteral("hua"));
        QCOMPARE(qobject_cast<QSpinBox*>(Control(w, "sedt5_32"))->value(), 30);
        // The stroke kind is not stored.
        QVERIFY(qobject_cast<QRadioButton*>(Control(w, "rg_Jiti"))->isChecked());
        // The restored ticks reacted: the companions of chk2_1 are enabled.
        w.select.show();
        QVERIFY(Control(w, "chk2_13")->isEnabled());
        QVERIFY(!Control(w, "chk2_23")->isEnabled());
        w.select.hide();

        // Saving again writes the same keys in place.
        ClickWhenModal(w.select, "btn_OK");
        qobject_cast<QPushButton*>(Control(w, "btn_SelectName"))->click();
        QCOMPARE(ConfigBytes().size(), saved.size());
    }

    void theProgramsDialogMadeLaterStillGetsTheRestoredFilters() {
        {
            Windows w;
            Start(w);
            qobject_cast<QLineEdit*>(Control(w, "edt_FirstName"))->setText(QStringLiteral("王"));
            Box(w, "chk2_1")->setChecked(true);
            w.select.chk1_1Click("chk2_1");
            Box(w, "chk2_13")->setChecked(true);
            Pick(Combo(w, "cmb6_2A"), 1);
            Combo(w, "cmb6_2B")->setCurrentIndex(2);
            qobject_cast<QLineEdit*>(Control(w, "edt4_3"))->setText(QStringLiteral("hua"));
            qobject_cast<QSpinBox*>(Control(w, "sedt5_32"))->setValue(30);
            ClickWhenModal(w.select, "btn_OK");
            qobject_cast<QPushButton*>(Control(w, "btn_SelectName"))->click();
        }
        const QByteArray saved = ConfigBytes();
        // The windows as the program makes them: the dialog waits for its first use.
        NamingState state(RandomSource(7));
        FixedClock clock(TestNow());
        RecordingSink sink;
        ApplicationWindows windows(state, clock, sink);
        TfrmMain& main = windows.Main();
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        QVERIFY(!main.HasFilterDialog());
        QCOMPARE(main.findChild<QLineEdit*>(QStringLiteral("edt_FirstName"))->text(),
                 QStringLiteral("王"));
        // A simple request saves the settings, which needs the dialog's state.
        main.findChild<QPushButton*>(QStringLiteral("btn_CreateName"))->click();
        QVERIFY(main.HasFilterDialog());
        QCOMPARE(ConfigBytes(), saved);
        TfrmSelect* dialog = main.FilterDialog();
        auto find = [dialog](const char* name) {
            return dialog->findChild<QWidget*>(QLatin1String(name));
        };
        QVERIFY(qobject_cast<QCheckBox*>(find("chk2_1"))->isChecked());
        QVERIFY(qobject_cast<QCheckBox*>(find("chk2_13"))->isChecked());
        QCOMPARE(qobject_cast<QComboBox*>(find("cmb6_2A"))->currentText(), QStringLiteral("二画"));
        QCOMPARE(qobject_cast<QComboBox*>(find("cmb6_2B"))->currentIndex(), 2);
        QCOMPARE(qobject_cast<QLineEdit*>(find("edt4_3"))->text(), QStringLiteral("hua"));
        QCOMPARE(qobject_cast<QSpinBox*>(find("sedt5_32"))->value(), 30);
        // The restored tick reacted in the dialog made later too.
        QVERIFY(find("chk2_13")->isEnabled());
        QVERIFY(!find("chk2_23")->isEnabled());
        QCOMPARE(sink.errors, QStringList());
    }

    void theCharactersToAvoidComeBackAfterARestartAndKeepNamesOut() {
        const QString typed = QStringLiteral("佳 子、涵");
        {
            Windows w(9);
            Start(w);
            qobject_cast<QLineEdit*>(Control(w, "edt_FirstName"))->setText(QStringLiteral("王"));
            Pick(Combo(w, "cmb_NameLength"), 1);
            Pick(Combo(w, "cmb_Sex"), 1);
            w.select.findChild<QLineEdit*>(QStringLiteral("edt_Avoid"))->setText(typed);
            // A simple request honours the dialog's field too.
            qobject_cast<QPushButton*>(Control(w, "btn_CreateName"))->click();
            const std::vector<ResultRow>& rows = w.main.ResultModel()->Rows();
            QVERIFY(rows.size() > 100);
            for (const ResultRow& row : rows) {
                const QString given = QString::fromStdString(row.Caption()).mid(1);
                for (const QString avoided : {"佳", "子", "涵"}) {
                    QVERIFY2(!given.contains(avoided), qPrintable(given));
                }
            }
        }
        const QByteArray saved = ConfigBytes();
        const std::string gbk = Utf8ToGbk(typed.toStdString()).text;
        QVERIFY(saved.contains("[Avoid]"));
        QVERIFY(saved.contains(QByteArray("Characters=") + QByteArray::fromStdString(gbk)));
        QVERIFY(!saved.contains("edt_Avoid"));  // [Select] keeps the design's keys
        // The program's own windows make the dialog later; it still gets the text.
        NamingState state(RandomSource(7));
        FixedClock clock(TestNow());
        RecordingSink sink;
        ApplicationWindows windows(state, clock, sink);
        TfrmMain& main = windows.Main();
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        QVERIFY(!main.HasFilterDialog());
        QCOMPARE(main.FilterDialog()->findChild<QLineEdit*>(QStringLiteral("edt_Avoid"))->text(),
                 typed);
    }

    void handEditedCharactersToAvoidAreRefusedWithWhereToMendThem() {
        WriteConfig("[Avoid]\r\nCharacters=abc\r\n");
        Windows w;
        Start(w);
        qobject_cast<QLineEdit*>(Control(w, "edt_FirstName"))->setText(QStringLiteral("王"));
        w.Find<QPushButton>("btn_CreateName")->click();
        QCOMPARE(w.sink.infos.size(), 1);
        QVERIFY2(w.sink.infos.first().contains(QStringLiteral("“a”不是汉字")) &&
                     w.sink.infos.first().contains(QStringLiteral("高级起名")),
                 qPrintable(w.sink.infos.first()));
        QCOMPARE(w.main.ResultModel()->rowCount(), 0);
        // Nothing typed is lost: the field and the file still hold it.
        QCOMPARE(w.select.findChild<QLineEdit*>(QStringLiteral("edt_Avoid"))->text(),
                 QStringLiteral("abc"));
        QVERIFY(ConfigBytes().contains("Characters=abc"));
    }

    void unknownDateRestoresWithTheDateBoxesDisabled() {
        {
            Windows w;
            Start(w);
            qobject_cast<QLineEdit*>(Control(w, "edt_FirstName"))->setText(QStringLiteral("王"));
            Pick(Combo(w, "cmb_Hour"), 5);
            Pick(Combo(w, "cmb_CalendarType"), 2);
            qobject_cast<QPushButton*>(Control(w, "btn_CreateName"))->click();
        }
        Windows w;
        Start(w);
        QCOMPARE(Combo(w, "cmb_CalendarType")->currentIndex(), 2);
        for (const char* name : {"cmb_Year", "cmb_Month", "cmb_Day", "cmb_Hour"}) {
            QVERIFY2(!Combo(w, name)->isEnabled(), name);
        }
        QCOMPARE(Combo(w, "cmb_Hour")->currentIndex(), 5);
        QVERIFY(Control(w, "Panel4")->isHidden());
    }

    void WriteConfig(const QByteArray& bytes) {
        QDir().mkpath(QFileInfo(m_home->Path(QStringLiteral("config.ini"))).path());
        QFile file(m_home->Path(QStringLiteral("config.ini")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    // A stored index outside its list selects nothing, the month too: the
    // month handler must not then pick the first month.
    void anOutOfRangeMonthRestoresAsNothingSelected_data() {
        QTest::addColumn<QByteArray>("birthday");
        QTest::newRow("solar, month 13") << QByteArray("CalendarType=0\r\nYear=75\r\nMonth=12\r\n");
        QTest::newRow("solar, month -5") << QByteArray("CalendarType=0\r\nYear=75\r\nMonth=-5\r\n");
        QTest::newRow("lunar, month 40") << QByteArray("CalendarType=1\r\nYear=75\r\nMonth=40\r\n");
    }
    void anOutOfRangeMonthRestoresAsNothingSelected() {
        QFETCH(QByteArray, birthday);
        WriteConfig("[Birthday]\r\n" + birthday + "Day=3\r\n");
        Windows w;
        Start(w);
        QCOMPARE(Combo(w, "cmb_Year")->currentText(), QStringLiteral("2024"));
        QCOMPARE(Combo(w, "cmb_Month")->currentIndex(), -1);
        QCOMPARE(Combo(w, "cmb_Month")->currentText(), QString());
        QCOMPARE(Combo(w, "cmb_Day")->currentIndex(), 3);
    }

    void anInRangeMonthStillRefillsTheDays() {
        WriteConfig("[Birthday]\r\nCalendarType=0\r\nYear=75\r\nMonth=1\r\nDay=28\r\n");
        Windows w;
        Start(w);
        QCOMPARE(Combo(w, "cmb_Month")->currentIndex(), 1);
        QCOMPARE(Combo(w, "cmb_Day")->count(), 29);  // February 2024
        QCOMPARE(Combo(w, "cmb_Day")->currentIndex(), 28);
    }

    // config.ini is GBK: 欧阳修明 takes 8 bytes, more than the box holds.
    void aLongRestoredFamilyNameIsCutToThreeCharacters() {
        WriteConfig(QByteArray("[Birthday]\r\nfirstName=") +
                    QByteArray("\xC5\xB7\xD1\xF4\xD0\xDE\xC3\xF7") + "\r\n");
        Windows w;
        Start(w);
        QCOMPARE(qobject_cast<QLineEdit*>(Control(w, "edt_FirstName"))->text(),
                 QStringLiteral("欧阳修"));
    }

    void aValueThatIsNotANumberRestoresAsItsDefault() {
        WriteConfig("[Birthday]\r\nSex=abc\r\nNameLength=1\r\n");
        Windows w;
        Start(w);
        QCOMPARE(Combo(w, "cmb_Sex")->currentIndex(), 0);
        QCOMPARE(Combo(w, "cmb_NameLength")->currentIndex(), 1);
    }

    // -1 (or a number past the list) restores as nothing chosen, and a
    // request asks for the choice instead of running for a sex nobody chose.
    void aChoiceNobodyMadeIsAskedFor_data() {
        QTest::addColumn<QByteArray>("birthday");
        QTest::addColumn<QString>("asked");
        QTest::newRow("Sex=-1") << QByteArray("Sex=-1\r\nNameLength=1\r\n")
                                << QStringLiteral("请选择性别");
        QTest::newRow("NameLength=-1")
            << QByteArray("Sex=1\r\nNameLength=-1\r\n") << QStringLiteral("请选择单字或双字");
        QTest::newRow("Sex=7") << QByteArray("Sex=7\r\nNameLength=0\r\n")
                               << QStringLiteral("请选择性别");
    }
    void aChoiceNobodyMadeIsAskedFor() {
        QFETCH(QByteArray, birthday);
        QFETCH(QString, asked);
        WriteConfig("[Birthday]\r\nfirstName=Li\r\n" + birthday);
        Windows w;
        Start(w);
        qobject_cast<QLineEdit*>(Control(w, "edt_FirstName"))->setText(QStringLiteral("王"));
        w.Find<QPushButton>("btn_CreateName")->click();
        QCOMPARE(w.sink.infos.size(), 1);
        QVERIFY2(w.sink.infos.first().contains(asked), qPrintable(w.sink.infos.first()));
        QCOMPARE(w.main.ResultModel()->rowCount(), 0);
        // Choosing goes on as on a fresh start.
        Pick(Combo(w, "cmb_Sex"), 1);
        Pick(Combo(w, "cmb_NameLength"), 1);
        w.Find<QPushButton>("btn_CreateName")->click();
        QVERIFY(w.main.ResultModel()->rowCount() > 0);
    }

    // A settings file that cannot be written is told once in the status bar;
    // the requests go on.
    void aFailedSaveIsToldOnce() {
        QDir().mkpath(m_home->Path(QStringLiteral("config.ini")));  // a folder in its place
        Windows w;
        Start(w);
        qobject_cast<QLineEdit*>(Control(w, "edt_FirstName"))->setText(QStringLiteral("王"));
        w.Find<QPushButton>("btn_CreateName")->click();
        QVERIFY(w.main.ResultModel()->rowCount() > 0);
        const QString told = w.main.statusBar()->currentMessage();
        QVERIFY2(told.contains(QStringLiteral("设置未能保存")), qPrintable(told));
        w.main.statusBar()->clearMessage();
        w.Find<QPushButton>("btn_CreateName")->click();
        QVERIFY(w.main.statusBar()->currentMessage().isEmpty());
    }
};

QTEST_MAIN(TestSettings)
#include "test_settings.moc"
