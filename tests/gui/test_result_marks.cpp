// The result list marks a name with an unlucky sound: the name column of the
// list's model is coloured and its tip says why; other names are not marked.

#include <QBrush>
#include <QtTest>

#include "core/naming/family_name.h"
#include "core/text/characters.h"
#include "gui/application.h"
#include "gui/result_table_model.h"

using namespace lumivane;
using namespace lumivane::gui;

class TestResultMarks : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { PrepareApplication(); }

    void namesThatSoundAmissAreMarked_data() {
        QTest::addColumn<QString>("family");
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("tip");
        QTest::newRow("well-known person") << "李"
                                           << "嘉成"
                                           << "与名人 李嘉诚 同音";
        QTest::newRow("ordinary word") << "李"
                                       << "文明"
                                       << "名字是常用词 文明";
        QTest::newRow("plain name") << "王"
                                    << "明华"
                                    << "";
        QTest::newRow("one character") << "李"
                                       << "明"
                                       << "";
    }

    void namesThatSoundAmissAreMarked() {
        QFETCH(QString, family);
        QFETCH(QString, given);
        QFETCH(QString, tip);
        const std::string familyText = family.toStdString();
        const std::string givenText = given.toStdString();
        const std::vector<std::string> characters = SplitCharacters(givenText);
        const GivenNameCode code = MakeGivenNameCode(
            FindCharacter(characters[0]),
            characters.size() > 1 ? FindCharacter(characters[1]) : kNoSecondCharacter);
        ResultTableModel model;
        model.SetRows({BuildResultRow(MakeFamilyName(familyText), familyText, code)});
        const QModelIndex name = model.index(0, kColumnName);
        // A one-character name is shown with a blank after it, as the list always has.
        QCOMPARE(model.data(name, Qt::DisplayRole).toString().trimmed(), family + given);
        QCOMPARE(model.data(name, Qt::ToolTipRole).toString(), tip);
        QCOMPARE(model.data(name, Qt::ForegroundRole).isValid(), !tip.isEmpty());
        // Only the name column carries the mark.
        QVERIFY(!model.data(model.index(0, kColumnName + 1), Qt::ToolTipRole).isValid());
    }
};

QTEST_MAIN(TestResultMarks)
#include "test_result_marks.moc"
