// Velb: the translator's window. It shows the main window and ends when the last window
// has closed, which may be an About box left open after the main window.

#include "Form1.h"
#include "QtModalDialogs.h"
#include "QtTranslations.h"

#include <CodePage.h>
#include <ErrorMessages.h>
#include <SignalStop.h>

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    velb::stopCleanlyOnSignals();
    velb::installQtTranslations(app);
    try {
        velb::CodePage::system();
    } catch (const velb::UnsupportedCodePage& error) {
        // Scripts in a code page the program cannot carry exactly are never touched.
        velb::QtModalDialogs().showError(velb::unsupportedCodePageMessage(error));
        return 1;
    }
    velb::Form1 window;
    window.show();
    return QApplication::exec();
}
