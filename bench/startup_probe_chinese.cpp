// A bare Qt Widgets program that draws one line of Chinese in the main
// window's face and size: what any program pays to show Chinese at all
// (fontconfig, the CJK face, its glyphs). The floor under Lumivane's start.

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>

#include "first_paint_window.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    FirstPaintWindow window;
    auto* layout = new QVBoxLayout(&window);
    auto* line = new QLabel(QStringLiteral("请输入姓名：出生时间：简单起名"), &window);
    QFont font;
    font.setFamilies({QStringLiteral("AR PL UMing CN"), QStringLiteral("Noto Serif CJK SC")});
    font.setPixelSize(12);
    font.setHintingPreference(QFont::PreferNoHinting);
    line->setFont(font);
    layout->addWidget(line);
    layout->addStretch(1);
    window.resize(780, 577);
    window.show();
    return app.exec();
}
