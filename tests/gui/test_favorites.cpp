// The favourites: adding checked rows, the favourites view with each name's
// own family name, removing, the context-menu item, and damaged files.

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QTableView>
#include <QToolButton>

#include "core/results/favorites_file.h"
#include "gui_test_support.h"

using namespace lumivane;
using namespace lumivane::gui;
using namespace lumivane::gui::test;

class TestFavorites : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<DataHome> m_home;
    std::unique_ptr<Windows> m_w;

    QString FilePath() const { return m_home->Path(QStringLiteral("Favorites.Velisora")); }
    QStringList FileLines() const {
        QFile file(FilePath());
        if (!file.open(QIODevice::ReadOnly)) {
            return {};
        }
        QStringList lines = QString::fromLatin1(file.readAll()).split(QStringLiteral("\r\n"));
        if (!lines.isEmpty() && lines.last().isEmpty()) {
            lines.removeLast();
        }
        return lines;
    }
    void WriteFile(const QByteArray& bytes) {
        QDir().mkpath(QFileInfo(FilePath()).path());
        QFile file(FilePath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    void Request(const QString& family) {
        m_w->Find<QLineEdit>("edt_FirstName")->setText(family);
        m_w->Find<QPushButton>("btn_CreateName")->click();
    }
    void Check(int row) {
        ResultTableModel* model = m_w->main.ResultModel();
        QVERIFY(model->setData(model->index(row, 0), Qt::Checked, Qt::CheckStateRole));
    }
    QString LineOf(int row) const {
        const ResultRow& r = m_w->main.ResultModel()->Rows()[static_cast<std::size_t>(row)];
        return QString::fromStdString(FavoriteLine({FamilyNameCodeOf(r.columns[15]), r.Code()}));
    }
    void ShowFavorites() { m_w->main.findChild<QToolButton*>("sbtn_Favorites")->click(); }
    QPushButton* FavoritesButton() { return m_w->Find<QPushButton>("btn_AddFavorites"); }

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

    void checkedRowsAreAddedOnceInTextOrder() {
        Request(QStringLiteral("王"));
        Check(3);
        Check(1);
        const QStringList expected = [&] {
            QStringList lines{LineOf(1), LineOf(3)};
            lines.sort();
            return lines;
        }();
        FavoritesButton()->click();
        QCOMPARE(FileLines(), expected);
        FavoritesButton()->click();
        QCOMPARE(FileLines(), expected);
        // Check marks stay after adding.
        QVERIFY(m_w->main.ResultModel()->Rows()[1].checked);
        QVERIFY(m_w->sink.errors.isEmpty());
    }

    void favouritesViewShowsEachNameWithItsOwnFamilyName() {
        Request(QStringLiteral("王"));
        Check(0);
        const QString wang = QString::fromStdString(m_w->main.ResultModel()->Rows()[0].Caption());
        FavoritesButton()->click();
        Request(QStringLiteral("欧阳"));
        Check(0);
        const QString ouyang = QString::fromStdString(m_w->main.ResultModel()->Rows()[0].Caption());
        const int namingRows = m_w->main.ResultModel()->rowCount();
        FavoritesButton()->click();
        QCOMPARE(FileLines().size(), 2);

        ShowFavorites();
        QVERIFY(m_w->main.ShowingFavorites());
        QVERIFY(m_w->main.findChild<QWidget*>("Panel2")->isHidden());
        QVERIFY(m_w->main.findChild<QWidget*>("Panel4")->isHidden());
        QCOMPARE(m_w->Find<QStackedWidget>("pc_Result")->currentIndex(), 1);
        QCOMPARE(FavoritesButton()->text(), QStringLiteral("移出收藏"));
        QCOMPARE(m_w->Find<QLabel>("Label27")->text(), QStringLiteral("查询一共获得 2 个名字"));
        QStringList shown = Captions(*m_w->main.ResultModel());
        shown.sort();
        QStringList added{wang, ouyang};
        added.sort();
        QCOMPARE(shown, added);
        QStringList families;
        for (const ResultRow& row : m_w->main.ResultModel()->Rows()) {
            families << QString::fromStdString(row.columns[15]);
        }
        families.sort();
        QCOMPARE(families, QStringList({"欧阳", "王"}));

        // Remove the 王 name: the 欧阳 line stays as it was.
        const QStringList before = FileLines();
        for (int row = 0; row < m_w->main.ResultModel()->rowCount(); ++row) {
            if (m_w->main.ResultModel()->Rows()[static_cast<std::size_t>(row)].columns[15] ==
                "王") {
                Check(row);
            }
        }
        FavoritesButton()->click();
        QCOMPARE(m_w->main.ResultModel()->rowCount(), 1);
        QCOMPARE(FileLines().size(), 1);
        QVERIFY(before.contains(FileLines().first()));
        QCOMPARE(QString::fromStdString(m_w->main.ResultModel()->Rows()[0].columns[15]),
                 QStringLiteral("欧阳"));

        // Back in the naming view the 欧阳 list returns with its tick, and the caption.
        m_w->main.findChild<QToolButton*>("sbtn_Qiming")->click();
        QVERIFY(!m_w->main.ShowingFavorites());
        QVERIFY(!m_w->main.findChild<QWidget*>("Panel2")->isHidden());
        QCOMPARE(FavoritesButton()->text(), QStringLiteral("加入收藏"));
        QCOMPARE(m_w->main.ResultModel()->rowCount(), namingRows);
        QCOMPARE(QString::fromStdString(m_w->main.ResultModel()->Rows()[0].Caption()), ouyang);
        QVERIFY(m_w->main.ResultModel()->Rows()[0].checked);
    }

    void removingWithNothingCheckedRewritesTheShownLinesSorted() {
        WriteFile("7300,65701\r\n72836,65701\r\n7300,65701\r\n");
        ShowFavorites();
        QCOMPARE(m_w->main.ResultModel()->rowCount(), 3);
        FavoritesButton()->click();
        QCOMPARE(FileLines(), QStringList({"72836,65701", "7300,65701"}));
    }

    void contextItemAddsOrRemovesTheSelectedRow() {
        Request(QStringLiteral("李"));
        QAction* item = m_w->main.findChild<QAction*>("N9");
        QVERIFY(item != nullptr);
        QCOMPARE(item->text(), QStringLiteral("加入收藏夹"));
        item->trigger();  // nothing selected: nothing happens
        QVERIFY(!QFile::exists(FilePath()) || FileLines().isEmpty());
        m_w->Find<QTableView>("listview_Result")->selectRow(2);
        const QString line = LineOf(2);
        item->trigger();
        QCOMPARE(FileLines(), QStringList({line}));
        ShowFavorites();
        m_w->Find<QTableView>("listview_Result")->selectRow(0);
        item->trigger();
        QCOMPARE(m_w->main.ResultModel()->rowCount(), 0);
        QVERIFY(FileLines().isEmpty());
    }

    void emptyFileShowsAnEmptyList() {
        ShowFavorites();
        QVERIFY(QFile::exists(FilePath()));
        QCOMPARE(m_w->main.ResultModel()->rowCount(), 0);
        QCOMPARE(m_w->Find<QLabel>("Label27")->text(), QStringLiteral("查询一共获得 0 个名字"));
        QCOMPARE(m_w->Find<QPlainTextEdit>("mmo_NameList")->toPlainText(),
                 QStringLiteral(" \n查询共取得 0 个名字"));
    }

    void damagedFileIsReportedAndChangesNothing() {
        Request(QStringLiteral("王"));
        const QStringList rows = Captions(*m_w->main.ResultModel());
        WriteFile("7300,65701\r\nabc\r\n7300,65702\r\n");
        ShowFavorites();
        // The message names the line and offers the way out; declined here.
        QCOMPARE(m_w->sink.questions.size(), 1);
        QVERIFY2(m_w->sink.questions.first().contains(QStringLiteral("第 2 行")),
                 qPrintable(m_w->sink.questions.first()));
        QVERIFY2(m_w->sink.questions.first().contains(QStringLiteral("Favorites.Velisora.damaged")),
                 qPrintable(m_w->sink.questions.first()));
        QVERIFY(!m_w->main.ShowingFavorites());
        QVERIFY(!m_w->main.findChild<QWidget*>("Panel2")->isHidden());
        QCOMPARE(Captions(*m_w->main.ResultModel()), rows);
        // Adding to a damaged file is refused too, and the file stays as it was.
        Check(0);
        FavoritesButton()->click();
        QCOMPARE(m_w->sink.questions.size(), 2);
        QFile file(FilePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("7300,65701\r\nabc\r\n7300,65702\r\n"));
        QVERIFY(!QFile::exists(FilePath() + QStringLiteral(".damaged")));
    }

    // What an editor leaves is no damage: no question, every favourite shown.
    void blankLinesAndAByteOrderMarkAreNoDamage() {
        WriteFile(
            "\xEF\xBB\xBF"
            "39066756,131109\r\n\r\n7300,65701 \r\r\n\n");
        ShowFavorites();
        QVERIFY(m_w->sink.questions.isEmpty());
        QVERIFY(m_w->sink.errors.isEmpty());
        QVERIFY(m_w->main.ShowingFavorites());
        QCOMPARE(m_w->main.ResultModel()->rowCount(), 2);
    }

    // Taking the way out: the damaged lines go, as they were, to a copy
    // beside the file, and the favourites are shown and can be changed.
    void damagedLinesSetAsideOnRequest() {
        Request(QStringLiteral("王"));
        WriteFile("7300,65701\r\nabc\r\n4294967368,4294967332\r\n7300,65702\r\n");
        m_w->sink.answer = true;
        ShowFavorites();
        QCOMPARE(m_w->sink.questions.size(), 1);
        QVERIFY(m_w->sink.errors.isEmpty());
        QVERIFY(m_w->main.ShowingFavorites());
        QCOMPARE(m_w->main.ResultModel()->rowCount(), 2);
        QCOMPARE(FileLines(), QStringList({"7300,65701", "7300,65702"}));
        QFile damaged(FilePath() + QStringLiteral(".damaged"));
        QVERIFY(damaged.open(QIODevice::ReadOnly));
        QCOMPARE(damaged.readAll(), QByteArray("abc\r\n4294967368,4294967332\r\n"));

        // The same way out from the naming view's add.
        WriteFile("7300,65701\r\nxyz\r\n");
        Request(QStringLiteral("王"));
        Check(0);
        const QString added = LineOf(0);
        FavoritesButton()->click();
        QCOMPARE(m_w->sink.questions.size(), 2);
        QVERIFY(FileLines().contains(added));
        QVERIFY(FileLines().contains(QStringLiteral("7300,65701")));
    }

    QTableView* List() { return m_w->Find<QTableView>("listview_Result"); }
    QString CountLabel() { return m_w->Find<QLabel>("Label27")->text(); }
    QString Memo() { return m_w->Find<QPlainTextEdit>("mmo_NameList")->toPlainText(); }
    int RowOfLine(const QString& line) {
        for (int row = 0; row < m_w->main.ResultModel()->rowCount(); ++row) {
            const ResultRow& r = m_w->main.ResultModel()->Rows()[static_cast<std::size_t>(row)];
            if (QString::fromStdString(FavoriteLine({r.familyCode, r.Code()})) == line) {
                return row;
            }
        }
        return -1;
    }

    // Unchanged file: exactly the ticked rows leave the file and the view;
    // the count and the memo follow, and nothing stays selected.
    void removalTakesOutTheTickedRowsAndTheCountFollows() {
        WriteFile("7300,65701\r\n7300,65702\r\n7300,65703\r\n");
        ShowFavorites();
        QCOMPARE(CountLabel(), QStringLiteral("查询一共获得 3 个名字"));
        Check(RowOfLine("7300,65702"));
        List()->selectRow(0);
        FavoritesButton()->click();
        QCOMPARE(FileLines(), QStringList({"7300,65701", "7300,65703"}));
        QCOMPARE(m_w->main.ResultModel()->rowCount(), 2);
        QCOMPARE(CountLabel(), QStringLiteral("查询一共获得 2 个名字"));
        QVERIFY2(Memo().endsWith(QStringLiteral("查询共取得 2 个名字")), qPrintable(Memo()));
        QCOMPARE(m_w->main.SelectedRow(), -1);
        QVERIFY(m_w->sink.infos.isEmpty());
        QVERIFY(m_w->sink.errors.isEmpty());
    }

    // A hand-edited file may hold a favourite twice: removing one row takes
    // every line of it, so both rows go.
    void removingARepeatedFavouriteTakesEveryRowOfIt() {
        WriteFile("7300,65701\r\n7300,65702\r\n7300,65701\r\n");
        ShowFavorites();
        QCOMPARE(m_w->main.ResultModel()->rowCount(), 3);
        Check(0);
        FavoritesButton()->click();
        QCOMPARE(FileLines(), QStringList({"7300,65702"}));
        QCOMPARE(m_w->main.ResultModel()->rowCount(), 1);
        QCOMPARE(CountLabel(), QStringLiteral("查询一共获得 1 个名字"));
    }

    // Another program changed the file after it was shown: only the ticked
    // favourite goes, what was added meanwhile stays, and the view is shown again.
    void removalKeepsWhatAnotherProgramAddedAndShowsTheFileAgain() {
        WriteFile("7300,65701\r\n7300,65702\r\n");
        ShowFavorites();
        QCOMPARE(m_w->main.ResultModel()->rowCount(), 2);
        QVERIFY(AddFavorites(FilePath().toStdString(), std::vector<Favorite>{{7227, 65666}}).ok());
        Check(RowOfLine("7300,65701"));
        FavoritesButton()->click();
        QCOMPARE(FileLines(), QStringList({"7300,65702", "7300,65703"}));
        QCOMPARE(m_w->sink.infos.size(), 1);
        QVERIFY2(m_w->sink.infos.first().contains(QStringLiteral("其他程序")),
                 qPrintable(m_w->sink.infos.first()));
        QVERIFY(m_w->main.ShowingFavorites());
        QCOMPARE(m_w->main.ResultModel()->rowCount(), 2);
        QVERIFY(RowOfLine("7300,65703") >= 0);
        QCOMPARE(RowOfLine("7300,65701"), -1);
        QCOMPARE(CountLabel(), QStringLiteral("查询一共获得 2 个名字"));
    }

    // A removal made elsewhere does not come back, and a file damaged
    // meanwhile is reported and left as it is.
    void removalNeverRestoresOrOverwrites() {
        WriteFile("7300,65701\r\n7300,65702\r\n");
        ShowFavorites();
        bool removed = false;
        QVERIFY(RemoveFavorite(FilePath().toStdString(), {7227, 65665}, removed).ok());
        QVERIFY(removed);
        Check(RowOfLine("7300,65701"));
        FavoritesButton()->click();
        QCOMPARE(FileLines(), QStringList());

        WriteFile("7300,65701\r\n7300,65702\r\n");
        ShowFavorites();
        WriteFile("7300,65701\r\ndamaged\r\n");
        Check(0);
        FavoritesButton()->click();
        QCOMPARE(m_w->sink.errors.size(), 1);
        QCOMPARE(m_w->main.ResultModel()->rowCount(), 2);  // nothing removed, so no row goes
        QFile file(FilePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("7300,65701\r\ndamaged\r\n"));
    }

    // After a removal Qt would select the next row; the context item must then
    // remove nothing, and a right-click on empty space selects nothing.
    void contextItemActsOnlyOnTheRowTheUserChose() {
        WriteFile("7300,65701\r\n7300,65702\r\n7300,65703\r\n");
        ShowFavorites();
        QAction* item = m_w->main.findChild<QAction*>("N9");
        QCOMPARE(item->text(), QStringLiteral("移出收藏夹"));
        List()->selectRow(0);
        item->trigger();
        QCOMPARE(m_w->main.ResultModel()->rowCount(), 2);
        QCOMPARE(m_w->main.SelectedRow(), -1);
        item->trigger();
        QCOMPARE(m_w->main.ResultModel()->rowCount(), 2);
        QCOMPARE(FileLines().size(), 2);

        List()->selectRow(1);
        const QPoint empty(5, List()->viewport()->height() - 3);
        QVERIFY(!List()->indexAt(empty).isValid());
        emit List()->customContextMenuRequested(empty);
        auto* popup = m_w->main.findChild<QMenu*>("PopupMenu1");
        popup->hide();
        QCOMPARE(m_w->main.SelectedRow(), -1);
        item->trigger();
        QCOMPARE(FileLines().size(), 2);

        m_w->main.findChild<QToolButton*>("sbtn_Qiming")->click();
        QCOMPARE(item->text(), QStringLiteral("加入收藏夹"));
    }

    void aFileLongerThanTheViewSaysHowManyAreNotShown() {
        QByteArray bytes;
        for (int i = 0; i < 2345; ++i) {
            bytes += "7300," + QByteArray::number(65701 + i) + "\r\n";
        }
        WriteFile(bytes);
        ShowFavorites();
        QCOMPARE(
            CountLabel(),
            QStringLiteral("查询一共获得 2000 个名字，另有 345 个收藏未显示（最多显示 2000 个）"));
        Check(0);
        FavoritesButton()->click();
        QCOMPARE(
            CountLabel(),
            QStringLiteral("查询一共获得 1999 个名字，另有 345 个收藏未显示（最多显示 2000 个）"));
    }

    void onlyTheFirst2000AreShownAndTheRestSurvivesARemoval() {
        QByteArray bytes;
        for (int i = 0; i < 2500; ++i) {
            bytes += "7300," + QByteArray::number(65701 + i) + "\r\n";
        }
        WriteFile(bytes);
        ShowFavorites();
        QCOMPARE(m_w->main.ResultModel()->rowCount(), 2000);
        Check(0);
        FavoritesButton()->click();
        QCOMPARE(FileLines().size(), 2499);
    }
};

QTEST_MAIN(TestFavorites)
#include "test_favorites.moc"
