#pragma once
// Where the windows send their message boxes. The program shows QMessageBox;
// tests install a sink that records the texts instead of blocking on a modal box.

#include <QString>

class QWidget;

namespace lumivane::gui {

class MessageSink {
public:
    virtual ~MessageSink() = default;
    // An expected user error, such as an empty family name.
    virtual void Information(QWidget* parent, const QString& text) = 0;
    // A command that failed: a damaged file, a date that cannot be charted.
    virtual void Error(QWidget* parent, const QString& text) = 0;
    // A failure with a way out the user may take; true when taken. Sinks
    // that do not ask decline.
    virtual bool Question(QWidget* parent, const QString& text) {
        Error(parent, text);
        return false;
    }
};

class MessageBoxSink final : public MessageSink {
public:
    void Information(QWidget* parent, const QString& text) override;
    void Error(QWidget* parent, const QString& text) override;
    bool Question(QWidget* parent, const QString& text) override;
};

// The sink of the running program.
MessageSink& DefaultMessageSink();

}  // namespace lumivane::gui
