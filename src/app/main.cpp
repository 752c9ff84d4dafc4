#include <QApplication>

#include "app/form1.h"
#include "app/look.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Arcwright"));
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setWindowIcon(arcwright::look::appIcon());
    arcwright::look::installFontStandIns();
    arcwright::Form1 window;
    window.show();
    return QApplication::exec();
}
