// The completion dialog: its sentence, its one button, and that Enter closes it but Esc
// does not. How it ends a run is checked with the main window's real dialogs in Form1Test.

#include "WindowChecks.h"

#include <CompletionDialog.h>

class CompletionDialogTest : public QObject {
    Q_OBJECT

private slots:
    void startsReady_data();
    void startsReady();
    void enterClosesAndEscDoesNot();
};

void CompletionDialogTest::startsReady_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("twips");
    QTest::newRow("Image1") << "" << QRect(240, 300, 480, 480);
    QTest::newRow("Label1") << "成功轉換完成！" << QRect(930, 390, 1680, 240);
    QTest::newRow("OKButton") << "確定" << QRect(1020, 990, 1215, 375);
}

void CompletionDialogTest::startsReady() {
    velb::CompletionDialog dialog;
    QCOMPARE(dialog.objectName(), "Dialog");
    checkStartUp(dialog, "轉換完成!", QSize(211, 103), "OKButton");
    QCOMPARE(dialog.findChild<QLabel*>("Image1")->pixmap().size(), QSize(32, 32));
}

void CompletionDialogTest::enterClosesAndEscDoesNot() {
    velb::CompletionDialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QVERIFY(dialog.isVisible());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(!dialog.isVisible());
}

QTEST_MAIN(CompletionDialogTest)
#include "CompletionDialogTest.moc"
