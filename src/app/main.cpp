#include <QApplication>

#include "app/form1.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    arcwright::Form1 window;
    window.show();
    return QApplication::exec();
}
