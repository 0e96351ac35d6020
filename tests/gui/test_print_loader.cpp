// The printed lists come from their module: the windows start without Qt Print
// Support, the first print or PDF export loads it, and a module that cannot be
// loaded is reported through the message sink instead of printing nothing.

#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "gui/print/print_loader.h"
#include "gui_test_support.h"
#include "pdf_probe.h"

using namespace lumivane;
using namespace lumivane::gui;
using namespace lumivane::gui::test;

namespace {

// Hands the first modal dialog of the class to the handler, which closes it.
// Any other modal dialog (a warning box, say) is recorded and closed, and after
// 20 s whatever is modal is closed, so a fault fails the test instead of hanging it.
class ModalWatch {
public:
    ModalWatch(const char* className, std::function<void(QDialog*)> handle)
        : m_className(className), m_handle(std::move(handle)) {
        m_clock.start();
        QObject::connect(&m_timer, &QTimer::timeout, [this] { Poll(); });
        m_timer.start(50);
    }
    [[nodiscard]] bool Seen() const { return m_seen; }
    [[nodiscard]] const QStringList& Others() const { return m_others; }

private:
    void Poll() {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            return;
        }
        if (!m_seen && dialog->inherits(m_className)) {
            m_seen = true;
            m_handle(dialog);
        } else if (m_seen || m_clock.elapsed() > 20000) {
            m_others << QString::fromLatin1(dialog->metaObject()->className()) + ": " +
                            dialog->windowTitle();
            dialog->reject();
        }
    }

    const char* m_className;
    std::function<void(QDialog*)> m_handle;
    QTimer m_timer;
    QElapsedTimer m_clock;
    bool m_seen = false;
    QStringList m_others;
};

}  // namespace

class TestPrintLoader : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<DataHome> m_home;
    std::unique_ptr<NamingState> m_state;
    std::unique_ptr<FixedClock> m_clock;
    std::unique_ptr<RecordingSink> m_sink;
    std::unique_ptr<ApplicationWindows> m_windows;
    QTemporaryDir m_out;

    TfrmMain& Main() { return m_windows->Main(); }
    template <typename T>
    T* Find(const char* name) {
        return Main().findChild<T*>(QLatin1String(name));
    }
    QString StatusText() { return Find<QLabel>("StatusBar1_Panel1")->text(); }

    // Exports through the button into a folder of its own, keeping the file
    // name the dialog suggests, as a user who only picks the folder does.
    // Or types a name of its own when typed is given.
    QString ExportThrough(const char* button, const QString& folder, const QString& typed = {}) {
        const QString dir = m_out.filePath(folder);
        if (!QDir().mkpath(dir)) {
            return QStringLiteral("no folder ") + dir;
        }
        ModalWatch watch("QFileDialog", [&dir, &typed](QDialog* dialog) {
            auto* files = static_cast<QFileDialog*>(dialog);
            files->setDirectory(dir);
            if (!typed.isEmpty()) {
                // As the user types it into the name box.
                files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(typed);
            }
            dialog->accept();  // QFileDialog's own accept, which takes the named file
        });
        Find<QPushButton>(button)->click();
        if (!watch.Seen() || !watch.Others().isEmpty()) {
            return QStringLiteral("no export: ") + watch.Others().join(QLatin1Char(';'));
        }
        return dir + QStringLiteral("/名字列表.pdf");
    }

private slots:
    void initTestCase() {
        PrepareApplication();
        m_home = std::make_unique<DataHome>();
        QVERIFY(m_out.isValid());
        m_state = std::make_unique<NamingState>(RandomSource(20240520));
        m_clock = std::make_unique<FixedClock>(TestNow());
        m_sink = std::make_unique<RecordingSink>();
        m_windows = std::make_unique<ApplicationWindows>(*m_state, *m_clock, *m_sink);
        Main().show();
        QVERIFY(QTest::qWaitForWindowExposed(&Main()));
        Find<QLineEdit>("edt_FirstName")->setText(QStringLiteral("王"));
        Find<QPushButton>("btn_CreateName")->click();
        QTRY_VERIFY(!Main().ResultModel()->Rows().empty());
    }
    void cleanupTestCase() { m_windows.reset(); }

    // First: the later cases load the module into this process.
    void theWindowsStartWithoutPrintSupport() {
        QVERIFY(!Mapped("libQt6PrintSupport"));
        QVERIFY(!Mapped("lumivane_print.so"));
    }

    void theFirstPrintLoadsTheModuleAndShowsThePreview() {
        QString statusWhileOpen;
        QString title;
        QWidget* previewWindow = nullptr;
        ModalWatch watch("QPrintPreviewDialog", [&](QDialog* preview) {
            statusWhileOpen = StatusText();
            title = preview->windowTitle();
            previewWindow =
                preview->parentWidget() != nullptr ? preview->parentWidget()->window() : nullptr;
            preview->reject();
        });
        Find<QPushButton>("btn_Print1")->click();
        QVERIFY2(m_sink->errors.isEmpty(), qPrintable(m_sink->errors.join('\n')));
        QVERIFY(watch.Seen());
        QVERIFY2(watch.Others().isEmpty(), qPrintable(watch.Others().join('\n')));
        QVERIFY(Mapped("lumivane_print.so"));
        QVERIFY(Mapped("libQt6PrintSupport"));
        // The report engine drew it for the main window, with the status panel
        // telling the user the preview is open (not yet printing).
        QCOMPARE(previewWindow, &Main());
        QCOMPARE(statusWhileOpen, QStringLiteral("打印预览中"));
        QCOMPARE(StatusText(), QString());
        // Qt's own window, in Chinese as the rest of the program.
        QCOMPARE(title, QStringLiteral("打印预览"));
    }

    void theDetailedListPrintsThroughTheSameModule() {
        bool seen = false;
        ModalWatch watch("QPrintPreviewDialog", [&](QDialog* preview) {
            seen = true;
            preview->reject();
        });
        Find<QPushButton>("btn_Print2")->click();
        QVERIFY(seen);
        QVERIFY(m_sink->errors.isEmpty());
    }

    void pdfExportsCarryTheShownListAndTheRows() {
        // What the user typed into the simple list is what the file holds.
        auto* memo = Find<QPlainTextEdit>("mmo_NameList");
        memo->setPlainText(memo->toPlainText() + QStringLiteral("\n王澜庭"));
        const QString simple = ExportThrough("btn_ExportPdf1", QStringLiteral("simple"));
        QVERIFY2(QFile::exists(simple), qPrintable(simple));
        QVERIFY(m_sink->errors.isEmpty());
        const std::string simpleText = lumivane::test::PdfText(simple.toStdString());
        QVERIFY2(simpleText.find("王澜庭") != std::string::npos, simpleText.c_str());

        const QString detailed = ExportThrough("btn_ExportPdf2", QStringLiteral("detailed"));
        QVERIFY2(QFile::exists(detailed), qPrintable(detailed));
        const std::string detailedText = lumivane::test::PdfText(detailed.toStdString());
        const std::string first = Main().ResultModel()->Rows().front().Caption();
        QVERIFY2(detailedText.find(first) != std::string::npos, detailedText.c_str());
        QVERIFY(detailedText.find("王澜庭") == std::string::npos);
        QCOMPARE(StatusText(), QStringLiteral("已导出 PDF：") + QDir::toNativeSeparators(detailed));
    }

    void theHeaderNamesTheCharactersTheListAvoids() {
        auto* avoid = Main().FilterDialog()->findChild<QLineEdit*>(QStringLiteral("edt_Avoid"));
        avoid->setText(QStringLiteral("佳子"));
        Find<QPushButton>("btn_CreateName")->click();
        const QString withAvoid = ExportThrough("btn_ExportPdf2", QStringLiteral("avoid"));
        const std::string text = lumivane::test::PdfText(withAvoid.toStdString());
        QVERIFY2(text.find("不用的字：佳子") != std::string::npos, text.c_str());
        avoid->clear();
        Find<QPushButton>("btn_CreateName")->click();
        const QString without = ExportThrough("btn_ExportPdf1", QStringLiteral("without"));
        QVERIFY(lumivane::test::PdfText(without.toStdString()).find("不用的字") ==
                std::string::npos);
    }

    void aPdfNameWithoutEndingGetsPdf_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("written");
        QTest::newRow("no ending") << QStringLiteral("王家名单") << QStringLiteral("王家名单.pdf");
        QTest::newRow(".pdf") << QStringLiteral("名单.pdf") << QStringLiteral("名单.pdf");
        QTest::newRow(".PDF") << QStringLiteral("名单.PDF") << QStringLiteral("名单.PDF");
    }
    void aPdfNameWithoutEndingGetsPdf() {
        QFETCH(QString, typed);
        QFETCH(QString, written);
        const QString folder = QStringLiteral("typed-%1").arg(QTest::currentDataTag());
        const QString suggested = ExportThrough("btn_ExportPdf2", folder, typed);
        QVERIFY2(!suggested.startsWith(QStringLiteral("no ")), qPrintable(suggested));
        const QDir dir(m_out.filePath(folder));
        QCOMPARE(dir.entryList(QDir::Files), QStringList{written});
        QCOMPARE(lumivane::test::PdfPageCount(dir.filePath(written).toStdString()),
                 Main().ResultModel()->rowCount() / 50 + 1);
    }

    void loadCreatesTheServiceOnce() {
        RecordingSink sink;
        PrintLoader loader(sink);
        QCOMPARE(loader.Service(), nullptr);
        QVERIFY2(loader.Load(), qPrintable(loader.Error()));
        PrintService* service = loader.Service();
        QVERIFY(service != nullptr);
        // The module's own service, not another loader.
        QVERIFY(dynamic_cast<PrintLoader*>(service) == nullptr);
        QVERIFY(loader.Load());
        QCOMPARE(loader.Service(), service);
        QVERIFY(sink.errors.isEmpty());
    }

    void aModuleThatIsNotThereIsReported() {
        RecordingSink sink;
        PrintLoader loader(sink, QStringLiteral("lumivane_print_absent.so"));
        QVERIFY(!loader.Load());
        QVERIFY(loader.Error().startsWith(QStringLiteral("无法载入打印组件。")));
        // Both places looked in are named.
        QCOMPARE(loader.Error().count(QStringLiteral("lumivane_print_absent.so")), 2);

        QWidget parent;
        ModalWatch watch("QDialog", [](QDialog* dialog) { dialog->reject(); });
        loader.PrintSimpleList(&parent, QStringLiteral("王澜庭"));
        loader.PrintDetailedList(&parent, Main().ResultModel()->Rows());
        loader.ExportSimpleListPdf(&parent, QStringLiteral("王澜庭"));
        loader.ExportDetailedListPdf(&parent, Main().ResultModel()->Rows());
        QVERIFY(!watch.Seen());  // nothing was opened instead
        QCOMPARE(sink.errors, QStringList(4, loader.Error()));
        QVERIFY(sink.infos.isEmpty());
        QCOMPARE(loader.Service(), nullptr);
    }
};

QTEST_MAIN(TestPrintLoader)
#include "test_print_loader.moc"
