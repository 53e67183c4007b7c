// Velb: the translator's window. It shows the main window and ends when the last window
// has closed, which may be an About box left open after the main window.

#include "Form1.h"

#include <SignalStop.h>

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    velb::stopCleanlyOnSignals();
    velb::Form1 window;
    window.show();
    return QApplication::exec();
}
