// The baseline: a bare main window.
#include "FirstPaint.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(725, 640);
    window.show();
    ReportFirstPaintAndQuit(&window);
    return QApplication::exec();
}
