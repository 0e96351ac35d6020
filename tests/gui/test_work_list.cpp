// The list a parent works through: Enter and double-clicks open a name without
// losing the list, the naming list comes back after the favourites, the window
// keeps its place, and every change says what it did.

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTableView>
#include <QTextBlock>
#include <QToolButton>

#include "core/app/settings.h"
#include "core/results/favorites_file.h"
#include "gui_test_support.h"

using namespace lumivane;
using namespace lumivane::gui;
using namespace lumivane::gui::test;

class TestWorkList : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<DataHome> m_home;
    std::unique_ptr<Windows> m_w;

    void Request(const QString& family) {
        m_w->Find<QLineEdit>("edt_FirstName")->setText(family);
        m_w->Find<QPushButton>("btn_CreateName")->click();
    }
    void Tick(int row) {
        ResultTableModel* model = m_w->main.ResultModel();
        QVERIFY(model->setData(model->index(row, 0), Qt::Checked, Qt::CheckStateRole));
    }
    QList<int> Ticked() const {
        QList<int> rows;
        const auto& all = m_w->main.ResultModel()->Rows();
        for (std::size_t k = 0; k < all.size(); ++k) {
            if (all[k].checked) {
                rows << static_cast<int>(k);
            }
        }
        return rows;
    }
    QTableView* List() { return m_w->Find<QTableView>("listview_Result"); }
    QString Status() const { return m_w->main.StatusText(); }
    QFile Config() const { return QFile(m_home->Path(QStringLiteral("config.ini"))); }

private slots:
    void initTestCase() { PrepareApplication(); }
    void init() {
        m_home = std::make_unique<DataHome>();
        m_w = std::make_unique<Windows>();
        m_w->main.show();
        QVERIFY(QTest::qWaitForWindowActive(&m_w->main));
    }
    void cleanup() {
        m_w.reset();
        m_home.reset();
    }

    void enterInTheListOpensTheSelectedNameAndKeepsTheTicks() {
        Request(QStringLiteral("陈"));
        Tick(1);
        Tick(4);
        const QStringList before = Captions(*m_w->main.ResultModel());
        QSignalSpy opened(&m_w->main, &TfrmMain::nameAnalysisRequested);
        List()->setFocus();
        // Out of the input strip 简单起名 no longer looks like Enter's button.
        QTRY_VERIFY(!m_w->Find<QPushButton>("btn_CreateName")->isDefault());
        List()->selectRow(2);
        QTest::keyClick(List(), Qt::Key_Return);
        QCOMPARE(opened.count(), 1);
        QCOMPARE(opened.first().first().toInt(), 2);
        QCOMPARE(Captions(*m_w->main.ResultModel()), before);
        QCOMPARE(Ticked(), QList<int>({1, 4}));
        // Nothing selected: nothing opens, and still no new request.
        List()->clearSelection();
        QTest::keyClick(List(), Qt::Key_Enter);
        QCOMPARE(opened.count(), 1);
        QCOMPARE(Captions(*m_w->main.ResultModel()), before);
        // In the input strip Enter asks for a new list, which alone drops the ticks.
        auto* sex = m_w->Find<QComboBox>("cmb_Sex");
        sex->setFocus();
        QTRY_VERIFY(m_w->Find<QPushButton>("btn_CreateName")->isDefault());
        QTest::keyClick(sex, Qt::Key_Return);
        QVERIFY(Captions(*m_w->main.ResultModel()) != before);
        QVERIFY(Ticked().isEmpty());
    }

    void aNewListOffersToKeepTheTickedNamesFirst() {
        const auto kept = [this] {
            return lumivane::LoadFavorites(
                       m_home->Path(QStringLiteral("Favorites.Velisora")).toStdString())
                .All()
                .size();
        };
        Request(QStringLiteral("陈"));
        Tick(0);
        Tick(3);
        // Declined: the new list replaces them and nothing is kept.
        m_w->sink.answer = false;
        Request(QStringLiteral("陈"));
        QCOMPARE(m_w->sink.questions.size(), 1);
        QVERIFY(m_w->sink.questions.first().contains(QStringLiteral("2 个打勾的名字")));
        QCOMPARE(kept(), std::size_t{0});
        // Taken: the ticked name is kept before the list changes.
        Tick(1);
        m_w->sink.answer = true;
        Request(QStringLiteral("陈"));
        QCOMPARE(m_w->sink.questions.size(), 2);
        QCOMPARE(kept(), std::size_t{1});
        // Ticks already among the favourites: nothing to ask.
        Tick(2);
        m_w->Find<QPushButton>("btn_AddFavorites")->click();
        Request(QStringLiteral("陈"));
        QCOMPARE(m_w->sink.questions.size(), 2);
        QCOMPARE(kept(), std::size_t{2});
    }

    void aListMadeWithCharactersToAvoidSaysSo() {
        // Kept from an earlier session, the avoided characters would otherwise
        // thin every list unseen.
        m_w.reset();
        QVERIFY(lumivane::SaveAvoidCharactersTo(
                    m_home->Path(QStringLiteral("config.ini")).toStdString(), "梦")
                    .empty());
        m_w = std::make_unique<Windows>();
        m_w->main.show();
        QVERIFY(QTest::qWaitForWindowActive(&m_w->main));
        Request(QStringLiteral("陈"));
        QVERIFY2(Status().contains(QStringLiteral("不用的字")) &&
                     Status().contains(QStringLiteral("梦")),
                 qPrintable(Status()));
        for (const QString& caption : Captions(*m_w->main.ResultModel())) {
            QVERIFY2(!caption.contains(QStringLiteral("梦")), qPrintable(caption));
        }
    }

    void aDoubleClickOrEnterOnANameInTheSimpleListOpensIt() {
        Request(QStringLiteral("陈"));
        m_w->Find<QPushButton>("btn_ReturnSimple")->click();
        auto* memo = m_w->Find<QPlainTextEdit>("mmo_NameList");
        QSignalSpy opened(&m_w->main, &TfrmMain::nameAnalysisRequested);
        const QTextBlock line = memo->document()->findBlockByNumber(1);  // names 11 to 20
        const QStringList names = line.text().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        QTextCursor cursor(line);
        cursor.setPosition(line.position() + static_cast<int>(line.text().indexOf(names[2])) + 1);
        QTest::mouseDClick(memo->viewport(), Qt::LeftButton, {}, memo->cursorRect(cursor).center());
        QCOMPARE(opened.count(), 1);
        QCOMPARE(opened.last().first().toInt(), 12);
        // Enter with the text cursor on a name, as in the detailed list.
        cursor.setPosition(line.position() + static_cast<int>(line.text().indexOf(names[5])));
        memo->setTextCursor(cursor);
        memo->setFocus();
        const int lines = memo->document()->blockCount();
        QTest::keyClick(memo, Qt::Key_Return);
        QCOMPARE(opened.count(), 2);
        QCOMPARE(opened.last().first().toInt(), 15);
        QCOMPARE(memo->document()->blockCount(), lines);  // no line break typed
        // The count line is no name: a double-click there only selects text.
        QTextCursor onCount = memo->document()->find(QStringLiteral("查询共取得"));
        QVERIFY(!onCount.isNull());
        onCount.setPosition(onCount.selectionStart() + 2);
        memo->setTextCursor(onCount);
        memo->ensureCursorVisible();
        QTest::mouseDClick(memo->viewport(), Qt::LeftButton, {},
                           memo->cursorRect(onCount).center());
        QCOMPARE(opened.count(), 2);
    }

    void theNamingListSurvivesAVisitToTheFavourites() {
        // Before any request the favourites lead back to the welcome page.
        m_w->main.findChild<QToolButton*>("sbtn_Favorites")->click();
        m_w->main.findChild<QToolButton*>("sbtn_Qiming")->click();
        QCOMPARE(m_w->Find<QStackedWidget>("pc_Result")->currentIndex(), 2);

        Request(QStringLiteral("陈"));
        Tick(0);
        m_w->Find<QPushButton>("btn_AddFavorites")->click();
        QCOMPARE(Status(), QStringLiteral("加入收藏 1 个"));
        Tick(3);
        Pick(m_w->Find<QComboBox>("cmb_sort2"), 6);  // 格局评分, ascending
        const QStringList order = Captions(*m_w->main.ResultModel());
        const QList<int> ticks = Ticked();
        auto* memo = m_w->Find<QPlainTextEdit>("mmo_NameList");
        memo->appendPlainText(QStringLiteral("妈妈最喜欢第一个"));
        const QString memoText = memo->toPlainText();
        m_w->Find<QPushButton>("btn_ReturnSimple")->click();

        m_w->main.findChild<QToolButton*>("sbtn_Favorites")->click();
        QCOMPARE(m_w->main.ResultModel()->rowCount(), 1);
        m_w->main.findChild<QToolButton*>("sbtn_Qiming")->click();
        QCOMPARE(Captions(*m_w->main.ResultModel()), order);
        QCOMPARE(Ticked(), ticks);
        QCOMPARE(memo->toPlainText(), memoText);
        QCOMPARE(m_w->Find<QComboBox>("cmb_sort2")->currentIndex(), 6);
        QCOMPARE(List()->horizontalHeader()->sortIndicatorSection(), 1);
        QCOMPARE(List()->horizontalHeader()->sortIndicatorOrder(), Qt::AscendingOrder);
        QCOMPARE(m_w->Find<QStackedWidget>("pc_Result")->currentIndex(), 0);
        QCOMPARE(m_w->Find<QPushButton>("btn_AddFavorites")->text(), QStringLiteral("加入收藏"));
    }

    void headerClicksShowTheDirectionTheyChose() {
        Request(QStringLiteral("陈"));
        QHeaderView* header = List()->horizontalHeader();
        QCOMPARE(header->sortIndicatorSection(), -1);
        for (const Qt::SortOrder order : {Qt::DescendingOrder, Qt::AscendingOrder}) {
            const QPoint at(header->sectionViewportPosition(9) + 5, header->height() / 2);
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
            QCOMPARE(header->sortIndicatorSection(), 9);
            QCOMPARE(header->sortIndicatorOrder(), order);
        }
        // A key on a hidden column (笔画总数) shows no arrow on a wrong one.
        Pick(m_w->Find<QComboBox>("cmb_sort2"), 8);
        QCOMPARE(header->sortIndicatorSection(), -1);
    }

    void removalsAreToldAndTheLastCanBeUndone() {
        Request(QStringLiteral("陈"));
        for (int row : {0, 1, 2}) {
            Tick(row);
        }
        m_w->Find<QPushButton>("btn_AddFavorites")->click();
        QCOMPARE(Status(), QStringLiteral("加入收藏 3 个"));
        m_w->main.findChild<QToolButton*>("sbtn_Favorites")->click();
        const QStringList shown = Captions(*m_w->main.ResultModel());
        auto* undo = m_w->Find<QPushButton>("btn_UndoRemove");
        QVERIFY(!undo->isVisible());
        m_w->Find<QPushButton>("btn_AddFavorites")->click();  // nothing ticked
        QCOMPARE(Status(), QStringLiteral("没有打勾的名字：先在名字前打勾，再移出收藏"));
        QVERIFY(!undo->isVisible());
        Tick(1);
        m_w->Find<QPushButton>("btn_AddFavorites")->click();  // 移出收藏
        QCOMPARE(Status(), QStringLiteral("已移出 1 个"));
        QCOMPARE(m_w->main.ResultModel()->rowCount(), 2);
        QVERIFY(undo->isVisible());
        QTest::keyClick(&m_w->main, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(Status(), QStringLiteral("已放回 1 个"));
        QCOMPARE(Captions(*m_w->main.ResultModel()), shown);
        QVERIFY(!undo->isVisible());
        // The file holds it again: a fresh view shows all three.
        m_w->main.findChild<QToolButton*>("sbtn_Favorites")->click();
        QCOMPARE(m_w->main.ResultModel()->rowCount(), 3);
        // Leaving the view drops the offer.
        Tick(0);
        m_w->Find<QPushButton>("btn_AddFavorites")->click();
        QVERIFY(m_w->main.CanUndoRemoval());
        m_w->main.findChild<QToolButton*>("sbtn_Qiming")->click();
        QVERIFY(!m_w->main.CanUndoRemoval());
        QVERIFY(!undo->isVisible());
    }

    void theWindowsPlaceRoundTripsThroughConfigIni() {
        m_w->main.setGeometry(40, 50, 1100, 720);
        m_w->main.close();  // closing keeps the place
        QFile config = Config();
        QVERIFY(config.open(QIODevice::ReadOnly));
        const QByteArray written = config.readAll();
        QVERIFY2(written.contains("[Window]\r\nX=40\r\nY=50\r\nWidth=1100\r\nHeight=720"),
                 written.constData());
        config.close();
        {
            Windows again;
            again.main.RestoreWindowPlacement();
            // As far as the screen holds it (the test screen is narrower).
            const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
            QCOMPARE(again.main.geometry(), QRect(40, 50, std::min(1100, screen.width()), 720));
            QVERIFY(!again.main.isMaximized());
        }
        // A maximised window comes back maximised; a lost place is centred.
        QVERIFY(config.open(QIODevice::WriteOnly | QIODevice::Truncate));
        config.write("[Window]\r\nX=-5000\r\nY=40\r\nWidth=1100\r\nHeight=700\r\nMaximized=1\r\n");
        config.close();
        Windows lost;
        lost.main.RestoreWindowPlacement();
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(lost.main.geometry().intersects(screen));
        QVERIFY(lost.main.x() > -5000);
        QVERIFY(lost.main.windowState() & Qt::WindowMaximized);
    }

    void theColumnsShareAWiderListNameAndElementsFirst() {
        Request(QStringLiteral("陈"));
        m_w->main.resize(1400, 700);
        QTRY_VERIFY(List()->columnWidth(0) > 100);
        int sum = 0;
        for (int column = 0; column < 10; ++column) {
            sum += List()->columnWidth(column);
        }
        QCOMPARE(sum, List()->viewport()->width());
        // They grew by more than their share: twice their width before the rest.
        QVERIFY(List()->columnWidth(0) * 50 > List()->columnWidth(5) * 100 * 3 / 2);
        QVERIFY(List()->columnWidth(2) * 50 > List()->columnWidth(5) * 75 * 3 / 2);
    }

    void theQuitKeyClosesTheWindow() {
        QVERIFY(m_w->main.isVisible());
        QTest::keyClick(&m_w->main, Qt::Key_Q, Qt::ControlModifier);
        QTRY_VERIFY(!m_w->main.isVisible());
    }

    void dropDownsShowTwentyRowsAndMenusAnswerTheKeyboard() {
        auto* year = m_w->Find<QComboBox>("cmb_Year");
        QCOMPARE(year->maxVisibleItems(), 20);
        QCOMPARE(year->style()->styleHint(QStyle::SH_ComboBox_Popup, nullptr, year), 0);
        // The first popup already has the taller rows (the font's height and 6).
        year->showPopup();
        QTRY_VERIFY(year->view()->isVisible());
        QVERIFY(year->view()->visualRect(year->model()->index(0, 0)).height() >=
                year->view()->fontMetrics().height() + 6);
        year->hidePopup();
        QMenuBar* bar = m_w->main.menuBar();
        auto* first = bar->findChild<QMenu*>(QStringLiteral("N1"));
        QTest::keyClick(&m_w->main, Qt::Key_F10);
        QTRY_VERIFY(first->isVisible());
        QTest::keyClick(first, Qt::Key_Escape);
        QTest::keyClick(bar, Qt::Key_Escape);
        // The focused button carries an outline the unfocused one lacks.
        auto* button = m_w->Find<QPushButton>("btn_CreateName");
        const QImage plain = button->grab().toImage();
        button->setFocus();
        QTRY_VERIFY(button->hasFocus());
        QVERIFY(button->grab().toImage() != plain);
    }
};

QTEST_MAIN(TestWorkList)
#include "test_work_list.moc"
