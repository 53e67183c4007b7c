// The completion dialog: its sentence, its one button and how it closes. Run modally
// from the main window, its close box ends the run as its OK button does.

#include "ModalWatch.h"

#include <CompletionDialog.h>
#include <Form1.h>

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

class CompletionDialogTest : public QObject {
    Q_OBJECT

private slots:
    void showsItsSentence();
    void enterClosesAndEscDoesNot();
    void closeBoxEndsTheRun();
};

void CompletionDialogTest::showsItsSentence() {
    velb::CompletionDialog dialog;
    QCOMPARE(dialog.objectName(), "Dialog");
    QCOMPARE(dialog.windowTitle(), "轉換完成!");
    QCOMPARE(dialog.size(), QSize(211, 103));
    QVERIFY(!(dialog.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    auto* sentence = dialog.findChild<QLabel*>("Label1");
    QCOMPARE(sentence->text(), "成功轉換完成！");
    QCOMPARE(sentence->palette().color(QPalette::WindowText), QColor(Qt::blue));
    QCOMPARE(sentence->font().pointSizeF(), 12.0);
    QCOMPARE(dialog.findChild<QLabel*>("Image1")->pixmap().size(), QSize(32, 32));
    QCOMPARE(dialog.findChild<QPushButton*>("OKButton")->text(), "確定");
    // A click at the centre of the button's twips rectangle lands on it.
    QCOMPARE(dialog.childAt((1020 + 1215 / 2) / 15, (990 + 375 / 2) / 15), dialog.findChild<QPushButton*>("OKButton"));
}

void CompletionDialogTest::enterClosesAndEscDoesNot() {
    velb::CompletionDialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    auto* ok = dialog.findChild<QPushButton*>("OKButton");
    QCOMPARE(QApplication::focusWidget(), ok);
    QTest::keyClick(ok, Qt::Key_Escape);
    QVERIFY(dialog.isVisible());
    QTest::keyClick(ok, Qt::Key_Return);
    QVERIFY(!dialog.isVisible());
}

void CompletionDialogTest::closeBoxEndsTheRun() {
    QTemporaryDir folder;
    const auto previousDirectory = QDir::currentPath();
    QDir::setCurrent(folder.path());
    QFile script(folder.filePath("en.rc"));
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("X DIALOG FIXED IMPURE 0, 0, 10, 10\r\nBEGIN\r\nEND\r\n");
    script.close();

    velb::Form1 form; // the real dialogs
    for (const char* field : {"Text1", "Text2", "Text3"})
        form.findChild<QLineEdit*>(field)->setText(script.fileName());
    form.findChild<QLineEdit*>("Text4")->setText(folder.filePath("out.rc"));
    bool closed = false;
    whenModalOpens([&](QWidget* modal) {
        QCOMPARE(modal->objectName(), "Dialog");
        QCOMPARE(form.findChild<QLabel*>("Label1")->text(), "工作完成...");
        closed = modal->close();
    });
    QTest::mouseClick(form.findChild<QPushButton*>("Command5"), Qt::LeftButton);
    QTRY_VERIFY(closed);
    QCOMPARE(form.findChild<QLabel*>("Label1")->text(), "就緒...");
    QVERIFY(form.findChild<QPushButton*>("Command5")->isEnabled());
    QDir::setCurrent(previousDirectory);
}

QTEST_MAIN(CompletionDialogTest)
#include "CompletionDialogTest.moc"
