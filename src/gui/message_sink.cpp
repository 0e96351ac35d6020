#include "gui/message_sink.h"

#include <QApplication>
#include <QMessageBox>

namespace lumivane::gui {

void MessageBoxSink::Information(QWidget* parent, const QString& text) {
    QMessageBox::information(parent, QApplication::applicationName(), text, QMessageBox::Ok);
}

void MessageBoxSink::Error(QWidget* parent, const QString& text) {
    QMessageBox::critical(parent, QApplication::applicationName(), text, QMessageBox::Ok);
}

bool MessageBoxSink::Question(QWidget* parent, const QString& text) {
    return QMessageBox::warning(parent, QApplication::applicationName(), text,
                                QMessageBox::Yes | QMessageBox::No,
                                QMessageBox::No) == QMessageBox::Yes;
}

MessageSink& DefaultMessageSink() {
    static MessageBoxSink sink;
    return sink;
}

}  // namespace lumivane::gui
