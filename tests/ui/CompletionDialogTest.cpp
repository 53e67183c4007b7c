// The completion dialog: its sentence, its one button, and that Enter closes it but Esc
// does not. How it ends a run is checked with the main window's real dialogs in Form1Test.

#include "WindowChecks.h"

#include <CompletionDialog.h>

class CompletionDialogTest : public QObject {
    Q_OBJECT

private slots:
    void startsReadyAndOnlyEnterClosesIt() {
        velb::CompletionDialog dialog;
        QCOMPARE(dialog.objectName(), "Dialog");
        checkStartUp(dialog, velb::testing::kCompletionTitle, QSize(211, 103), "OKButton",
                     velb::testing::kCompletionTexts);
        QCOMPARE(dialog.findChild<QLabel*>("Image1")->pixmap().size(), QSize(32, 32));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        checkCentred(dialog);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(dialog.isVisible());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(!dialog.isVisible());
    }
};

QTEST_MAIN(CompletionDialogTest)
#include "CompletionDialogTest.moc"
