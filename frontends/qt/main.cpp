// Zenkoru: Chu Shogi in one window.
#include <QApplication>

#include "main_window.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zenkoru"));
    zkqt::MainWindow window;
    window.show();
    window.start();
    return app.exec();
}
