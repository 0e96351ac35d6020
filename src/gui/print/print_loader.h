#pragma once
// The printed lists, loaded from their module on the first print or PDF
// export. The print preview and the printer dialog need Qt Print Support,
// whose loading every start paid for although printing is rare.

#include <QLibrary>
#include <QString>
#include <memory>
#include <utility>

#include "report/print_service.h"

namespace lumivane::gui {

class MessageSink;

class PrintLoader final : public PrintService {
public:
    // The module file is the installed one; tests name one that is not there.
    explicit PrintLoader(MessageSink& messages,
                         QString moduleFileName = QStringLiteral("lumivane_print.so"))
        : m_messages(messages), m_moduleFileName(std::move(moduleFileName)) {}
    PrintLoader(const PrintLoader&) = delete;
    PrintLoader& operator=(const PrintLoader&) = delete;

    // Loads the module and creates the report engine's service once; false
    // with Error() when the module cannot be found or loaded. A later call
    // tries again.
    bool Load();
    [[nodiscard]] PrintService* Service() const { return m_service.get(); }
    [[nodiscard]] const QString& Error() const { return m_error; }

    // Each loads the module first; when that fails the error is shown and
    // nothing is printed.
    void PrintSimpleList(QWidget* parent, const QString& shownText) override;
    void PrintDetailedList(QWidget* parent, const std::vector<ResultRow>& rows) override;
    QString ExportSimpleListPdf(QWidget* parent, const QString& shownText) override;
    QString ExportDetailedListPdf(QWidget* parent, const std::vector<ResultRow>& rows) override;

private:
    using CreateFunction = PrintService* (*)();

    PrintService* ServiceOrError(QWidget* parent);

    MessageSink& m_messages;
    QString m_moduleFileName;
    // Declared before the service, which is destroyed first: its code lives
    // in the library (QLibrary keeps the module loaded until the process ends).
    QLibrary m_library;
    std::unique_ptr<PrintService> m_service;
    QString m_error;
};

}  // namespace lumivane::gui
