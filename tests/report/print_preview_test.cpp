// The print commands open the modal preview offscreen; a timer reads what the
// preview generated and closes it.
#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include <functional>
#include <vector>

#include "core/naming/family_name.h"
#include "core/results/result_list.h"
#include "core/results/result_row.h"
#include "report/detailed_list_report.h"
#include "report/print_commands.h"
#include "report/report_print_service.h"
#include "report/simple_list_report.h"

using namespace lumivane;

namespace {

std::vector<ResultRow> Rows(int count) {
    FamilyName family = MakeFamilyName("李");
    std::vector<ResultRow> rows;
    for (int i = 0; i < count; ++i) {
        rows.push_back(BuildResultRow(family, "李",
                                      MakeGivenNameCode(static_cast<std::uint32_t>(20 + i), 500)));
    }
    return rows;
}

// Waits for the modal preview, records its page count and closes it; gives up
// (leaving pageCount at -1) after a few seconds so that a preview that never
// opens fails the test instead of hanging it.
struct PreviewCloser {
    int pageCount = -1;
    bool sawPreview = false;
    std::function<void()> whileOpen;

    void Arm() {
        auto* timer = new QTimer;
        timer->setInterval(50);
        int* ticks = new int(0);
        QObject::connect(timer, &QTimer::timeout, [this, timer, ticks] {
            auto* dialog = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
            if (dialog != nullptr) {
                sawPreview = true;
                if (auto* widget = dialog->findChild<QPrintPreviewWidget*>()) {
                    pageCount = widget->pageCount();
                }
                if (whileOpen) {
                    whileOpen();
                }
                dialog->reject();
            }
            if (dialog != nullptr || ++*ticks > 100) {
                timer->stop();
                timer->deleteLater();
                delete ticks;
                if (dialog == nullptr) {
                    for (QWidget* w : QApplication::topLevelWidgets()) {
                        if (auto* d = qobject_cast<QDialog*>(w)) {
                            d->reject();
                        }
                    }
                }
            }
        });
        timer->start();
    }
};

}  // namespace

class PrintPreviewTest : public QObject {
    Q_OBJECT

private slots:
    void previewShowsTheCountedPagesAndCloses();
    void simpleListCommandShowsThePrintingStatus();
    void windowServicePrintsTheShownTextAndSetsTheStatusPanel();
    void thePreviewStaysOnA4Portrait();
};

void PrintPreviewTest::thePreviewStaysOnA4Portrait() {
    std::vector<ResultRow> rows = Rows(120);  // 3 pages
    report::Trp_MainB layout;
    layout.SetRows(&rows);
    QStringList offered;
    QPageLayout::Orientation afterTurn = QPageLayout::Landscape;
    QPageSize::PageSizeId paper = QPageSize::Custom;
    int pagesAfterTurn = -1;
    PreviewCloser closer;
    closer.whileOpen = [&] {
        auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
        auto* widget = preview->findChild<QPrintPreviewWidget*>();
        for (const char* caption : {"Portrait", "Landscape", "Page setup"}) {
            const QString text = QCoreApplication::translate("QPrintPreviewDialog", caption);
            for (QAction* action : preview->findChildren<QAction*>()) {
                if (action->text() == text && action->isVisible() && action->isEnabled()) {
                    offered << text;
                }
            }
        }
        // Turned all the same (as a printer dialog could): the pages stay portrait.
        widget->setLandscapeOrientation();
        widget->updatePreview();
        afterTurn = widget->orientation();
        paper = preview->printer()->pageLayout().pageSize().id();
        pagesAfterTurn = widget->pageCount();
    };
    closer.Arm();
    report::PrintReport(nullptr, layout);
    QVERIFY(closer.sawPreview);
    QVERIFY2(offered.isEmpty(), qPrintable(offered.join(',')));
    QCOMPARE(afterTurn, QPageLayout::Portrait);
    QCOMPARE(paper, QPageSize::A4);
    QCOMPARE(pagesAfterTurn, 3);
}

void PrintPreviewTest::previewShowsTheCountedPagesAndCloses() {
    std::vector<ResultRow> rows = Rows(120);  // 50 rows a page: 3 pages
    report::Trp_MainB layout;
    layout.SetRows(&rows);
    PreviewCloser closer;
    closer.Arm();
    report::PrintReport(nullptr, layout);
    QVERIFY(closer.sawPreview);
    QCOMPARE(closer.pageCount, 3);
    QCOMPARE(layout.TotalPages(), 3);
    QVERIFY(QApplication::activeModalWidget() == nullptr);

    // The same layout prints again with its new count.
    rows.resize(10);
    closer = PreviewCloser{};
    closer.Arm();
    report::PrintReport(nullptr, layout);
    QCOMPARE(closer.pageCount, 1);
    QCOMPARE(layout.TotalPages(), 1);
}

void PrintPreviewTest::simpleListCommandShowsThePrintingStatus() {
    std::vector<ResultRow> rows = Rows(25);
    QString memo = QString::fromStdString(RebuildNameMemo(rows, rows.size()));
    QStringList statuses;
    int pagesWhileOpen = -1;
    PreviewCloser closer;
    closer.Arm();
    report::PrintSimpleList(nullptr, memo, [&](const QString& text) {
        statuses << text;
        pagesWhileOpen = closer.pageCount;
    });
    // The preview is no printing yet; the status is emptied only after it has closed.
    QCOMPARE(statuses, (QStringList{QStringLiteral("打印预览中"), QString()}));
    QCOMPARE(pagesWhileOpen, 1);
    QVERIFY(closer.sawPreview);

    // The pages drawn for a printer (as after the preview's 打印) say so, and
    // that they went.
    statuses.clear();
    QTemporaryDir folder;
    closer = PreviewCloser{};
    closer.whileOpen = [&] {
        auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(folder.filePath(QStringLiteral("printed.pdf")));
        emit preview->paintRequested(&printer);
    };
    closer.Arm();
    report::PrintSimpleList(nullptr, memo, [&](const QString& text) { statuses << text; });
    QCOMPARE(statuses,
             (QStringList{QStringLiteral("打印预览中"), QStringLiteral("正在打印， 请稍候..."),
                          QStringLiteral("已送往打印机"), QStringLiteral("已送往打印机")}));
    QVERIFY(QFileInfo(folder.filePath(QStringLiteral("printed.pdf"))).size() > 0);

    statuses.clear();
    closer = PreviewCloser{};
    closer.Arm();
    report::PrintDetailedList(nullptr, rows, [&](const QString& text) { statuses << text; });
    QCOMPARE(statuses.size(), 2);
    QCOMPARE(statuses.last(), QString());
    QCOMPARE(closer.pageCount, 1);
}

void PrintPreviewTest::windowServicePrintsTheShownTextAndSetsTheStatusPanel() {
    // A window with the main window's simple list and status panel.
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* memo = new QPlainTextEdit(&window);
    memo->setObjectName(QStringLiteral("mmo_NameList"));
    auto* panel = new QLabel(&window);
    panel->setObjectName(QStringLiteral("StatusBar1_Panel1"));
    layout->addWidget(memo);
    layout->addWidget(panel);
    auto* button = new QWidget(&window);
    layout->addWidget(button);

    // The user has typed a long text into the list: 46 lines need two pages.
    QStringList lines;
    for (int i = 0; i < 46; ++i) {
        lines << QStringLiteral("第%1行").arg(i);
    }
    memo->setPlainText(lines.join(QLatin1Char('\n')));

    report::ReportPrintService service;
    QString statusWhileOpen;
    PreviewCloser closer;
    closer.whileOpen = [&] { statusWhileOpen = panel->text(); };
    closer.Arm();
    service.PrintSimpleList(button, memo->toPlainText());
    QCOMPARE(closer.pageCount, 2);
    QCOMPARE(statusWhileOpen, QStringLiteral("打印预览中"));
    QCOMPARE(panel->text(), QString());

    closer = PreviewCloser{};
    closer.whileOpen = [&] { statusWhileOpen = panel->text(); };
    statusWhileOpen.clear();
    closer.Arm();
    service.PrintDetailedList(button, Rows(51));
    QCOMPARE(closer.pageCount, 2);
    QCOMPARE(statusWhileOpen, QStringLiteral("打印预览中"));
    QCOMPARE(panel->text(), QString());
}

QTEST_MAIN(PrintPreviewTest)
#include "print_preview_test.moc"
