// A bare Qt Widgets program that draws one line of Chinese in the main
// window's face and size: what any program pays to show Chinese at all
// (fontconfig, the CJK face, its glyphs). The floor under Lumivane's start.

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

#include "startup_probe.h"

namespace {

class ChineseLineWindow final : public QWidget {
public:
    ChineseLineWindow() {
        auto* layout = new QVBoxLayout(this);
        auto* line = new QLabel(QStringLiteral("请输入姓名：出生时间：简单起名"), this);
        QFont font;
        font.setFamilies({QStringLiteral("AR PL UMing CN"), QStringLiteral("Noto Serif CJK SC")});
        font.setPixelSize(12);
        font.setHintingPreference(QFont::PreferNoHinting);
        line->setFont(font);
        layout->addWidget(line);
        layout->addStretch(1);
    }

protected:
    bool event(QEvent* event) override {
        const bool handled = QWidget::event(event);
        if (event->type() == QEvent::Paint && !m_reported) {
            m_reported = true;
            QTimer::singleShot(0, this, [] {
                ReportFirstShown();
                QCoreApplication::quit();
            });
        }
        return handled;
    }

private:
    bool m_reported = false;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ChineseLineWindow window;
    window.resize(780, 577);
    window.show();
    return app.exec();
}
