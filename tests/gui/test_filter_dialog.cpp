// The filter dialog: pages and controls, the row coupling, shown and enabled
// companions, 重置, the radical lists, and what 确定 and 取消 hand back.

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>

#include "core/data/character_dictionary.h"
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
        QCOMPARE(m_dialog->size(), QSize(408, 237));
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

    void spinBoxesHaveNoLimits() {
        auto* spin = Find<QSpinBox>("sedt5_31");
        QCOMPARE(spin->value(), 0);
        spin->setValue(-25);
        QCOMPARE(spin->value(), -25);
        spin->setValue(100000);
        QCOMPARE(spin->value(), 100000);
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
