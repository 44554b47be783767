// A second baseline: a bare main window showing one line of Japanese text,
// so the cost of loading the fonts is seen apart from the program's own.
#include "FirstPaint.h"

#include "widgets/Fonts.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    InstallFontSubstitutions();
    QMainWindow window;
    window.resize(725, 640);
    auto* label = new QLabel(QStringLiteral("スタート たしざん ＋ 0123456789"), &window);
    label->setFont(LayoutFont(kGothicFace, 35, true));
    label->setGeometry(10, 10, 700, 60);
    window.show();
    ReportFirstPaintAndQuit(&window);
    return QApplication::exec();
}
