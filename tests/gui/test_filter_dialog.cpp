// The filter dialog: pages and controls, the row coupling, shown and enabled
// companions, 重置, the radical lists, and what 确定 and 取消 hand back.

#include <QCheckBox>
#include <QComboBox>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>

#include "core/app/filter_file.h"
#include "core/data/character_dictionary.h"
#include "core/naming/filter_controls.h"
#include "gui_test_support.h"

using namespace lumivane;
using namespace lumivane::gui;
using namespace lumivane::gui::test;

class TestFilterDialog : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<RecordingSink> m_sink;
    std::unique_ptr<TfrmSelect> m_dialog;

    template <typename T>
    T* Find(const QString& name) {
        return m_dialog->findChild<T*>(name);
    }
    QCheckBox* Box(const QString& name) { return Find<QCheckBox>(name); }
    // A real click on a check box: the tick changes and its reaction runs.
    void Click(const QString& name) {
        QCheckBox* box = Box(name);
        QVERIFY2(box != nullptr, qPrintable(name));
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    }

    // Every stored control's value, to compare two sets.
    static QStringList Describe(const FilterSet& filters) {
        QStringList list;
        for (const FilterControl& control : FilterControls()) {
            QString text =
                QString::fromUtf8(control.name.data(), qsizetype(control.name.size())) + "=";
            switch (control.kind) {
                case FilterControlKind::CheckBox:
                    text += QString::number(filters.*(control.check) ? 1 : 0);
                    break;
                case FilterControlKind::TextBox:
                    text += QString::fromStdString(filters.*(control.text));
                    break;
                case FilterControlKind::SpinBox:
                case FilterControlKind::ComboBox:
                    text += QString::number(filters.*(control.number));
                    break;
            }
            list << text;
        }
        return list;
    }

private slots:
    void initTestCase() { PrepareApplication(); }
    void init() {
        m_sink = std::make_unique<RecordingSink>();
        m_dialog = std::make_unique<TfrmSelect>(*m_sink);
        m_dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get()));
    }
    void cleanup() {
        m_dialog.reset();
        m_sink.reset();
    }

    void pagesCaptionsAndSize() {
        QCOMPARE(m_dialog->windowTitle(), QStringLiteral("设置筛选条件"));
        // The design's 408 by 237, and a line for 不用的字 below the pages.
        QCOMPARE(m_dialog->size(), QSize(408, 267));
        QTabWidget* pages = m_dialog->Pages();
        QStringList captions;
        for (int i = 0; i < pages->count(); ++i) {
            captions << pages->tabText(i);
        }
        QCOMPARE(captions, QStringList({"指定文字", "五行(字意)", "五行(部首)", "指定拼音",
                                        "指定笔画数", "指定部首"}));
        QCOMPARE(pages->currentIndex(), 1);
        QCOMPARE(Box("chk5_3")->text(), QStringLiteral("名字笔画数 (不含姓) ："));
        QCOMPARE(Box("chk2_1")->text(), QStringLiteral("第二个字限定："));
        QCOMPARE(Box("chk2_25")->text(), QStringLiteral("土"));
        QCOMPARE(Box("chk2_3")->toolTip(), QStringLiteral("名字里必须含五行（不包括姓）"));
        QCOMPARE(Box("chk1_3")->toolTip(), QStringLiteral("名字里必须含某个字（不包括姓）"));
        QCOMPARE(Box("chk3_3")->property("tag").toInt(), 10);
        QCOMPARE(Find<QLineEdit>("edt4_2")->property("tag").toInt(), 12);
        QVERIFY(Find<QRadioButton>("rg_Jiti")->isChecked());
        for (const char* name : {"btn_Reset", "btn_OK", "btn_Cancel"}) {
            QVERIFY2(Find<QPushButton>(name) != nullptr, name);
        }
    }

    void controlsStartOffAndFollowTheirRowBox() {
        // Shown: every companion follows its unticked row box.
        QVERIFY(Find<QLineEdit>("edt1_1")->isHidden());
        QVERIFY(!Box("chk2_11")->isEnabled());
        QVERIFY(!Find<QSpinBox>("sedt5_11")->isEnabled());
        QVERIFY(!Find<QComboBox>("cmb6_1A")->isEnabled());
        Click("chk5_1");
        QVERIFY(Box("chk5_1")->isChecked());
        QVERIFY(Find<QSpinBox>("sedt5_11")->isEnabled());
        QVERIFY(Find<QSpinBox>("sedt5_12")->isEnabled());
        QVERIFY(!Find<QSpinBox>("sedt5_21")->isEnabled());
        Click("chk1_3");
        QVERIFY(!Find<QLineEdit>("edt1_3")->isHidden());
        Click("chk1_3");
        QVERIFY(Find<QLineEdit>("edt1_3")->isHidden());
        Click("chk2_2");
        QVERIFY(Box("chk2_21")->isEnabled());
        QVERIFY(!Box("chk2_11")->isEnabled());
    }

    void fixedFirstCharacterUnticksAndDisablesItsRow() {
        Click("chk2_1");
        Click("chk4_1");
        Click("chk2_3");
        Click("chk1_1");
        for (const char* name : {"chk2_1", "chk3_1", "chk4_1", "chk5_1", "chk6_1"}) {
            QVERIFY2(!Box(name)->isChecked(), name);
            QVERIFY2(!Box(name)->isEnabled(), name);
        }
        QVERIFY(!Box("chk2_11")->isEnabled());
        QVERIFY(Find<QLineEdit>("edt4_1")->isHidden());
        // Row 2 and row 3 are not coupled to chk1_1.
        QVERIFY(Box("chk2_2")->isEnabled());
        QVERIFY(Box("chk2_3")->isChecked());
        Click("chk1_1");
        for (const char* name : {"chk2_1", "chk3_1", "chk4_1", "chk5_1", "chk6_1"}) {
            QVERIFY2(!Box(name)->isChecked(), name);
            QVERIFY2(Box(name)->isEnabled(), name);
        }
        Click("chk1_2");
        QVERIFY(!Box("chk5_2")->isEnabled());
        QVERIFY(Box("chk5_1")->isEnabled());
    }

    void resetUnticksEveryBoxButKeepsTextsAndBounds() {
        Click("chk2_1");
        Click("chk2_11");
        Click("chk4_1");
        Find<QLineEdit>("edt4_1")->setText(QStringLiteral("zhang"));
        Click("chk5_1");
        Find<QSpinBox>("sedt5_11")->setValue(3);
        Find<QRadioButton>("rg_fanti")->setChecked(true);
        Find<QPushButton>("btn_Reset")->click();
        for (const char* name : {"chk2_1", "chk2_11", "chk4_1", "chk5_1"}) {
            QVERIFY2(!Box(name)->isChecked(), name);
        }
        QCOMPARE(Find<QLineEdit>("edt4_1")->text(), QStringLiteral("zhang"));
        QVERIFY(Find<QLineEdit>("edt4_1")->isHidden());
        QCOMPARE(Find<QSpinBox>("sedt5_11")->value(), 3);
        QVERIFY(!Find<QSpinBox>("sedt5_11")->isEnabled());
        QVERIFY(Find<QRadioButton>("rg_fanti")->isChecked());
    }

    void strokeCountPickFillsTheRadicalList() {
        Click("chk6_1");
        auto* strokes = Find<QComboBox>("cmb6_1A");
        auto* radicals = Find<QComboBox>("cmb6_1B");
        QCOMPARE(strokes->count(), 15);
        QCOMPARE(strokes->itemText(0), QStringLiteral("一画"));
        QCOMPARE(strokes->itemText(14), QStringLiteral("十五画"));
        QCOMPARE(radicals->count(), 0);
        Pick(strokes, 1);
        QVERIFY(radicals->count() > 1);
        QCOMPARE(radicals->currentIndex(), 0);
        QVERIFY(radicals->findText(QStringLiteral("十")) >= 0);
        radicals->setCurrentIndex(radicals->findText(QStringLiteral("十")));
        const FilterSet filters = m_dialog->Snapshot();
        QCOMPARE(filters.cmb6_1A, 1);
        QVERIFY(FirstCharacterTest(filters, FindCharacter("华")));
        // Other rows keep their lists.
        QCOMPARE(Find<QComboBox>("cmb6_2B")->count(), 0);
    }

    // The bounds take what the settings file and the command line take.
    void spinBoxesTakeTheBoundsOfEveryReader() {
        auto* spin = Find<QSpinBox>("sedt5_31");
        QCOMPARE(spin->value(), 0);
        spin->setValue(-25);
        QCOMPARE(spin->value(), kStrokeBoundLowest);
        spin->setValue(100000);
        QCOMPARE(spin->value(), kStrokeBoundHighest);
    }

    // The same filter state through the dialog's OK and through the command
    // line's filter file is accepted or refused alike, for 单字 and 双字.
    void dialogAndFilterFileAcceptTheSameStates_data() {
        QTest::addColumn<QString>("json");
        QTest::addColumn<bool>("single");
        QTest::addColumn<bool>("accepted");
        struct Row {
            const char* label;
            const char* json;
            bool single, accepted;
        } rows[] = {
            {"empty fixed third character, 单字", R"({"chk1_2": 1})", true, true},
            {"empty fixed third character, 双字", R"({"chk1_2": 1})", false, false},
            {"unknown fixed last character, 单字", R"({"chk1_3": 1, "edt1_3": "丂"})", true, true},
            {"unknown fixed last character, 双字", R"({"chk1_3": 1, "edt1_3": "丂"})", false,
             false},
            {"empty fixed second character, 单字", R"({"chk1_1": 1})", true, false},
            {"fixed second character", R"({"chk1_1": 1, "edt1_1": " 华 "})", false, true},
            {"inverted bounds", R"({"chk5_3": 1, "sedt5_31": 20, "sedt5_32": 5})", false, true},
            {"pinyin with tones", R"({"chk4_1": 1, "edt4_1": "Míng"})", true, true},
            {"radical of a stroke count", R"({"chk6_2": 1, "cmb6_2A": 3, "cmb6_2B": 2})", false,
             true},
        };
        for (const Row& row : rows) {
            QTest::newRow(row.label) << QString::fromUtf8(row.json) << row.single << row.accepted;
        }
    }
    void dialogAndFilterFileAcceptTheSameStates() {
        QFETCH(QString, json);
        QFETCH(bool, single);
        QFETCH(bool, accepted);
        // The state into the real widgets.
        const QJsonObject object = QJsonDocument::fromJson(json.toUtf8()).object();
        for (auto it = object.begin(); it != object.end(); ++it) {
            if (auto* box = Box(it.key())) {
                box->setChecked(it.value().toInt() != 0);
            } else if (auto* edit = Find<QLineEdit>(it.key())) {
                edit->setText(it.value().toString());
            } else if (auto* spin = Find<QSpinBox>(it.key())) {
                spin->setValue(it.value().toInt());
            } else if (auto* combo = Find<QComboBox>(it.key())) {
                Pick(combo, it.value().toInt());
            } else {
                QFAIL(qPrintable(it.key()));
            }
        }
        // The whole state the dialog now holds, as a filter file.
        QJsonObject whole;
        const FilterSet state = m_dialog->Snapshot();
        for (const FilterControl& control : FilterControls()) {
            const QString name =
                QString::fromUtf8(control.name.data(), qsizetype(control.name.size()));
            switch (control.kind) {
                case FilterControlKind::CheckBox:
                    whole[name] = state.*(control.check) ? 1 : 0;
                    break;
                case FilterControlKind::TextBox:
                    whole[name] = QString::fromStdString(state.*(control.text));
                    break;
                case FilterControlKind::SpinBox:
                case FilterControlKind::ComboBox:
                    whole[name] = state.*(control.number);
                    break;
            }
        }
        m_dialog->hide();
        m_dialog->SetSingleCharacter(single);
        ClickWhenModal(*m_dialog, "btn_OK");
        QTimer::singleShot(50, m_dialog.get(), [this] { m_dialog->reject(); });
        const bool dialogAccepted = m_dialog->Run().has_value();

        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("filters.json"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QJsonDocument(whole).toJson());
        file.close();
        const FilterFileRead read = ReadFilterFile(path.toStdString(), single ? 0 : 1);

        QCOMPARE(dialogAccepted, accepted);
        QVERIFY2(read.filters.has_value() == accepted, read.error.c_str());
        if (dialogAccepted && read.filters) {
            QCOMPARE(Describe(m_dialog->Snapshot()), Describe(*read.filters));
        }
    }

    void okTrimsTheTextsAndHandsBackTheFilters() {
        m_dialog->hide();
        Box("chk1_3")->setChecked(true);
        Find<QLineEdit>("edt1_3")->setText(QStringLiteral(" 华 "));
        Find<QLineEdit>("edt4_2")->setText(QStringLiteral("\tzhang  "));
        ClickWhenModal(*m_dialog, "btn_OK");
        const std::optional<FilterSet> filters = m_dialog->Run();
        QVERIFY(filters.has_value());
        QCOMPARE(QString::fromStdString(filters->edt1_3), QStringLiteral("华"));
        QCOMPARE(QString::fromStdString(filters->edt4_2), QStringLiteral("zhang"));
        QCOMPARE(Find<QLineEdit>("edt1_3")->text(), QStringLiteral("华"));
        QVERIFY(filters->chk1_3);
    }

    void okRejectsAFixedCharacterOutsideTheDictionary() {
        // A GBK character the dictionary does not hold.
        QString unknown;
        for (const char* candidate : {"乂", "丌", "丏", "丮", "乇", "亍", "兀", "卍"}) {
            if (FindCharacter(candidate) == DictionarySize) {
                unknown = QString::fromUtf8(candidate);
                break;
            }
        }
        QVERIFY(!unknown.isEmpty());
        Click("chk1_1");
        Find<QLineEdit>("edt1_1")->setText(unknown);
        Find<QPushButton>("btn_OK")->click();
        QCOMPARE(m_sink->infos.size(), 1);
        QVERIFY(m_dialog->isVisible());
        QCOMPARE(m_dialog->Pages()->currentIndex(), 0);
        QVERIFY(m_dialog->result() != QDialog::Accepted);
        Find<QLineEdit>("edt1_1")->setText(QStringLiteral("华"));
        Find<QPushButton>("btn_OK")->click();
        QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
    }

    void fixedCharacterBoxesHoldOneCharacter() {
        Click("chk1_2");
        auto* edit = Find<QLineEdit>("edt1_2");
        edit->setFocus();
        TypeText(edit, QStringLiteral("华生"));
        QCOMPARE(edit->text(), QStringLiteral("华"));
    }

    void tickingARowBoxMovesTheFocusIntoItsField_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("field");
        QTest::newRow("fixed character") << 0 << "chk1_1"
                                         << "edt1_1";
        QTest::newRow("character to contain") << 0 << "chk1_3"
                                              << "edt1_3";
        QTest::newRow("elements") << 1 << "chk2_2"
                                  << "chk2_21";
        QTest::newRow("pinyin") << 3 << "chk4_1"
                                << "edt4_1";
        QTest::newRow("strokes") << 4 << "chk5_3"
                                 << "sedt5_31";
        QTest::newRow("radical") << 5 << "chk6_2"
                                 << "cmb6_2A";
    }
    void tickingARowBoxMovesTheFocusIntoItsField() {
        QFETCH(int, page);
        QFETCH(QString, box);
        QFETCH(QString, field);
        m_dialog->Pages()->setCurrentIndex(page);
        Box(box)->setFocus();
        Click(box);
        QVERIFY(Box(box)->isChecked());
        QWidget* focused = m_dialog->focusWidget();
        QVERIFY(focused != nullptr);
        QCOMPARE(focused->objectName(), field);
        if (auto* edit = qobject_cast<QLineEdit*>(focused)) {
            TypeText(focused, QStringLiteral("华"));
            QCOMPARE(edit->text(), QStringLiteral("华"));
        }
        // Unticking leaves the focus on the box.
        Box(box)->setFocus();
        Click(box);
        QCOMPARE(m_dialog->focusWidget(), Box(box));
    }

    void positionRowsSayWhichGivenCharacterTheyMeanForTheFamilyName() {
        m_dialog->SetFamilyName(QStringLiteral("欧阳"));
        const QString compound = Box("chk2_1")->toolTip();
        QVERIFY2(compound.contains(QStringLiteral("名字的第一个字")), qPrintable(compound));
        QVERIFY2(compound.contains(QStringLiteral("第三个字")), qPrintable(compound));
        QCOMPARE(Box("chk5_1")->toolTip(), compound);
        QVERIFY(Box("chk1_2")->toolTip().contains(QStringLiteral("名字的第二个字")));
        m_dialog->SetFamilyName(QStringLiteral("王"));
        QCOMPARE(Box("chk2_1")->toolTip(), QStringLiteral("指名字的第一个字，即全名“王□○”中的□。"));
        // Row 3 keeps its own hint.
        QCOMPARE(Box("chk1_3")->toolTip(), QStringLiteral("名字里必须含某个字（不包括姓）"));
    }

    void radicalsCarryTheirReadingAndStrokeCount() {
        m_dialog->Pages()->setCurrentIndex(5);
        auto* strokes = Find<QComboBox>("cmb6_1A");
        strokes->setCurrentIndex(2);  // 三画
        m_dialog->cmb6_1AClick("cmb6_1A");
        auto* radicals = Find<QComboBox>("cmb6_1B");
        QStringList hints;
        for (const char* radical : {"口", "囗"}) {
            const int at = radicals->findText(QString::fromUtf8(radical));
            QVERIFY2(at >= 0, radical);
            hints << radicals->itemData(at, Qt::ToolTipRole).toString();
        }
        QCOMPARE(hints,
                 QStringList({"口 kǒu，3画；康熙部首第30部", "囗 wéi，3画；康熙部首第31部"}));
    }

    void okRefusesCharactersToAvoidThatAreNoGbkHanCharacters() {
        auto* avoid = Find<QLineEdit>("edt_Avoid");
        QVERIFY(avoid != nullptr);
        avoid->setText(QStringLiteral("佳ab"));
        Find<QPushButton>("btn_OK")->click();
        QCOMPARE(m_sink->infos.size(), 1);
        QVERIFY2(m_sink->infos.front().contains(QStringLiteral("“a”不是汉字")),
                 qPrintable(m_sink->infos.front()));
        QVERIFY(m_dialog->isVisible());
        QCOMPARE(m_dialog->focusWidget(), avoid);
        QCOMPARE(avoid->text(), QStringLiteral("佳ab"));  // nothing typed is lost
        // A fixed character that is also to be avoided is named, and its box focused.
        avoid->setText(QStringLiteral("佳 子"));
        Click("chk1_1");
        Find<QLineEdit>("edt1_1")->setText(QStringLiteral("佳"));
        Find<QPushButton>("btn_OK")->click();
        QCOMPARE(m_sink->infos.size(), 2);
        QCOMPARE(m_dialog->Pages()->currentIndex(), 0);
        QCOMPARE(m_dialog->focusWidget(), Find<QLineEdit>("edt1_1"));
        Find<QLineEdit>("edt1_1")->setText(QStringLiteral("华"));
        Find<QPushButton>("btn_OK")->click();
        QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
        QCOMPARE(QString::fromStdString(m_dialog->AvoidText()), QStringLiteral("佳 子"));
    }

    void cancelHandsBackNothingAndTheDialogReopensOnTheLastPage() {
        m_dialog->hide();
        m_dialog->Pages()->setCurrentIndex(4);
        Box("chk4_3")->setChecked(true);
        ClickWhenModal(*m_dialog, "btn_Cancel");
        QVERIFY(!m_dialog->Run().has_value());
        // The state stays as edited.
        QVERIFY(Box("chk4_3")->isChecked());
        int pageAtShow = -1;
        QTimer::singleShot(0, m_dialog.get(), [&] {
            pageAtShow = m_dialog->Pages()->currentIndex();
            m_dialog->reject();
        });
        QVERIFY(!m_dialog->Run().has_value());
        QCOMPARE(pageAtShow, 4);
    }
};

QTEST_MAIN(TestFilterDialog)
#include "test_filter_dialog.moc"
