#include "gui/about_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/app/about_text.h"
#include "gui/gui_fonts.h"

namespace lumivane::gui {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutDialog"));
    setWindowTitle(QStringLiteral("关于澜庭起名软件"));
    resize(560, 460);

    auto* title = new QLabel(QString::fromStdString(AboutTitle()), this);
    title->setObjectName(QStringLiteral("lbl_AboutTitle"));
    QFont titleFont = KaiFont(20);
    titleFont.setBold(true);
    title->setFont(titleFont);
    title->setTextInteractionFlags(Qt::TextSelectableByMouse);

    // Plain text, selectable and copyable, so that the citations can be taken
    // along; the addresses in it are not links because the program opens no
    // page of its own accord.
    auto* details = new QPlainTextEdit(this);
    details->setObjectName(QStringLiteral("mmo_About"));
    details->setReadOnly(true);
    details->setTabChangesFocus(true);
    details->setPlainText(QString::fromStdString(AboutLicence() + "\n\n" + AboutDataSources()));
    details->setAccessibleName(QStringLiteral("许可与数据来源"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* close = buttons->button(QDialogButtonBox::Close);
    close->setObjectName(QStringLiteral("btn_AboutClose"));
    close->setText(QStringLiteral("关闭"));
    close->setDefault(true);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(details, 1);
    layout->addWidget(buttons);
    close->setFocus();
}

void ShowAboutDialog(QWidget* parent) {
    AboutDialog dialog(parent);
    dialog.exec();
}

}  // namespace lumivane::gui
