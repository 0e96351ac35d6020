#pragma once
// The About dialog: the program's name and version, its licence and the
// sources of the built-in data with their licences and citations, the text of
// AboutText() that lumivane-cli --about prints as well.

#include <QDialog>

namespace lumivane::gui {

class AboutDialog final : public QDialog {
    Q_OBJECT

public:
    explicit AboutDialog(QWidget* parent = nullptr);
};

// Shows the dialog modally over the parent.
void ShowAboutDialog(QWidget* parent);

}  // namespace lumivane::gui
