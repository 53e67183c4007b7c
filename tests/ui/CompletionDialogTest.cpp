// The completion dialog, which starts, centred, as its snapshot shows: Enter closes it but Esc
// does not. How it ends a run is checked with the main window's real dialogs in Form1Test.

#include <CompletionDialog.h>

#include <QtTest>

class CompletionDialogTest : public QObject {
    Q_OBJECT

private slots:
    void onlyEnterClosesIt() {
        velb::CompletionDialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(dialog.isVisible());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(!dialog.isVisible());
    }
};

QTEST_MAIN(CompletionDialogTest)
#include "CompletionDialogTest.moc"
