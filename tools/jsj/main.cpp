#include "CalculatorWindow.h"

#include <QApplication>

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("计算器"));
    jsj::CalculatorWindow window;
    window.show();
    return app.exec();
}
