#include "app/form1.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("BRELO"));
    QApplication::setApplicationVersion(QStringLiteral("1.1"));
    brelo::Form1 window;  // registers the resources
    QApplication::setWindowIcon(window.windowIcon());
    window.show();
    return app.exec();
}
