// The main window as the user meets it: its controls at start-up, where they sit, the
// keyboard, the Browse buttons, and whole runs with the file dialogs answered by a
// stand-in and the scripts written into a temporary folder.

#include "ModalWatch.h"
#include "QueuedDialogs.h"

#include <Form1.h>

#include <QCheckBox>
#include <QDir>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

using velb::ModalDialogs;

// The main window with its modal dialogs stood in for.
struct Window {
    QueuedDialogs* dialogs = new QueuedDialogs;
    velb::Form1 form{std::unique_ptr<ModalDialogs>(dialogs)};

    template <typename Control> Control* get(const char* name) const {
        auto* control = form.findChild<Control*>(QString::fromLatin1(name));
        if (!control)
            qFatal("no control %s", name);
        return control;
    }
    QString status() const { return get<QLabel>("Label1")->text(); }
    QProgressBar* bar(int number) const { return get<QProgressBar>(qPrintable(QString("ProgressBar%1").arg(number))); }
    void click(const char* button) const { QTest::mouseClick(get<QPushButton>(button), Qt::LeftButton); }
};

void writeScript(const QString& path, const QStringList& lines) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write((lines.join("\r\n") + "\r\n").toLatin1());
}

QStringList dialog(const char* name, const char* caption) {
    return {QString("%1 DIALOG FIXED IMPURE 0, 0, 10, 10").arg(name), QString("CAPTION \"%1\"").arg(caption), "BEGIN",
            "END"};
}

// Three scripts in a temporary folder, which is also the current directory for the
// report, and the paths a user would pick for them. IDD_SAME is carried over; IDD_CHANGED
// and IDD_ADDED are left unreplaced.
struct Scripts {
    QTemporaryDir folder;
    QString previousDirectory = QDir::currentPath();
    QString oldEnglish = folder.filePath("old_en.rc");
    QString oldChinese = folder.filePath("old_zh.rc");
    QString newEnglish = folder.filePath("new_en.rc");
    QString output = folder.filePath("new_zh.rc");

    Scripts() {
        writeScript(oldEnglish, dialog("IDD_SAME", "Same") + dialog("IDD_CHANGED", "Old")); // 8 lines
        writeScript(oldChinese, dialog("IDD_SAME", "Zh") + dialog("IDD_CHANGED", "Zh old") + QStringList{"// x"});
        writeScript(newEnglish, QStringList{"// head"} + dialog("IDD_SAME", "Same") + dialog("IDD_CHANGED", "New") +
                                    dialog("IDD_ADDED", "Added") + QStringList{"// tail"}); // 14 lines
        QDir::setCurrent(folder.path());
    }
    ~Scripts() { QDir::setCurrent(previousDirectory); }
    QStringList files() const { return QDir(folder.path()).entryList(QDir::Files, QDir::Name); }
};

void fillThroughBrowse(const Window& window, const Scripts& scripts) {
    window.dialogs->fileAnswers = {scripts.oldEnglish, scripts.oldChinese, scripts.newEnglish, scripts.output};
    for (const char* button : {"Command1", "Command2", "Command3", "Command4"})
        window.click(button);
}

} // namespace

class Form1Test : public QObject {
    Q_OBJECT

private slots:
    void startsReady();
    void controlsSitAtTheirTwips_data();
    void controlsSitAtTheirTwips();
    void tabOrderFollowsTheTable();
    void validationReportsTheFirstEmptyField_data();
    void validationReportsTheFirstEmptyField();
    void errorBoxIsPlain();
    void wholeRunThroughBrowse();
    void outputFilesFollowTheOptions_data();
    void outputFilesFollowTheOptions();
    void fileErrorReturnsToReady();
    void runValuesShowBeforeAModalDialog();
    void cancelledBrowseLeavesItsBox();
    void keyboard();
    void closingDuringRunStopsIt();
};

void Form1Test::startsReady() {
    Window window;
    QCOMPARE(window.form.objectName(), "Form1");
    QCOMPARE(window.form.windowTitle(), "Velbrix 對話框比對程式 for VC++");
    QCOMPARE(window.form.size(), QSize(597, 432));
    QVERIFY(!(window.form.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    for (const char* field : {"Text1", "Text2", "Text3", "Text4"}) {
        QVERIFY(window.get<QLineEdit>(field)->text().isEmpty());
        QVERIFY(window.get<QLineEdit>(field)->isReadOnly());
    }
    QCOMPARE(window.get<QPlainTextEdit>("Text5")->toPlainText(), "這裡將會顯示未替換的對話框名稱。");
    QVERIFY(window.get<QPlainTextEdit>("Text5")->isReadOnly());
    QCOMPARE(window.status(), "就緒...");
    for (int number = 1; number <= 4; ++number) {
        QCOMPARE(window.bar(number)->value(), 0);
        QCOMPARE(window.bar(number)->maximum(), 100);
    }
    QVERIFY(window.get<QCheckBox>("Check1")->isChecked());
    QCOMPARE(window.get<QCheckBox>("Check1")->text(), "產生報告(&E)");
    QVERIFY(window.get<QRadioButton>("Option1_1")->isChecked());
    QVERIFY(!window.get<QRadioButton>("Option1_0")->isChecked());
    QCOMPARE(window.get<QPushButton>("Command5")->text(), "執行!");
    QCOMPARE(window.get<QPushButton>("Command5")->font().pointSizeF(), 26.25);
    QVERIFY(window.get<QPushButton>("Command5")->font().bold());
    QCOMPARE(window.get<QPushButton>("Command6")->text(), "關於...");
    QCOMPARE(window.get<QPushButton>("Command7")->text(), "結束");
    QCOMPARE(window.form.focusWidget(), window.get<QLineEdit>("Text1"));
    const auto family = QFontInfo(window.get<QLabel>("Label2")->font()).family();
    QVERIFY2(QStringList({"新細明體", "PMingLiU", "AR PL UMing TW", "Noto Serif CJK TC"}).contains(family),
             qPrintable(family));
}

void Form1Test::controlsSitAtTheirTwips_data() {
    // Rectangles in twips relative to the window, with the offsets of the frames added.
    QTest::addColumn<QRect>("twips");
    QTest::newRow("Text1") << QRect(1200, 660, 3945, 315);
    QTest::newRow("Command2") << QRect(5220, 1110, 795, 315);
    QTest::newRow("Text4") << QRect(1200, 2430, 3945, 300);
    QTest::newRow("Command4") << QRect(5220, 2430, 795, 315);
    QTest::newRow("Label2") << QRect(540, 720, 585, 180);
    QTest::newRow("ProgressBar3") << QRect(1350, 4350, 4635, 165);
    QTest::newRow("ProgressBar4") << QRect(1380, 5190, 4635, 165);
    QTest::newRow("Label1") << QRect(270, 6030, 495, 180);
    QTest::newRow("Check1") << QRect(6630, 360, 1245, 195);
    QTest::newRow("Text5") << QRect(6630, 600, 1995, 2985);
    QTest::newRow("Option1_0") << QRect(6630, 3990, 1065, 225);
    QTest::newRow("Option1_1") << QRect(7650, 3990, 1035, 225);
    QTest::newRow("Command5") << QRect(6510, 4470, 2295, 735);
    QTest::newRow("Command7") << QRect(7650, 5310, 1155, 405);
}

void Form1Test::controlsSitAtTheirTwips() {
    QFETCH(QRect, twips);
    Window window;
    auto* control = window.get<QWidget>(QTest::currentDataTag());
    auto* hit = window.form.childAt((twips.x() + twips.width() / 2) / 15, (twips.y() + twips.height() / 2) / 15);
    QVERIFY(hit == control || control->isAncestorOf(hit));
}

void Form1Test::tabOrderFollowsTheTable() {
    Window window;
    window.form.show();
    QVERIFY(QTest::qWaitForWindowActive(&window.form));
    QStringList visited{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 14; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, QString("Text1 Text2 Text3 Text4 Command1 Command2 Command3 Command4 Command5 Command6 Command7 "
                              "Check1 Text5 Option1_1 Text1")
                          .split(' '));
}

void Form1Test::validationReportsTheFirstEmptyField_data() {
    QTest::addColumn<int>("filled");
    QTest::addColumn<QString>("message");
    QTest::newRow("none") << 0 << "您未指定【舊版英文】資料!";
    QTest::newRow("Text1") << 1 << "您未指定【舊版中文】資料!";
    QTest::newRow("Text1-2") << 2 << "您未指定【新版英文】資料!";
    QTest::newRow("Text1-3") << 3 << "您未提供【新版中文】資料!";
}

void Form1Test::validationReportsTheFirstEmptyField() {
    QFETCH(int, filled);
    QFETCH(QString, message);
    Window window;
    for (int number = 1; number <= filled; ++number)
        window.get<QLineEdit>(qPrintable(QString("Text%1").arg(number)))->setText("x.rc");
    window.click("Command5");
    QCOMPARE(window.dialogs->errors, QStringList{message});
    QVERIFY(window.get<QPushButton>("Command5")->isEnabled());
    QVERIFY(window.get<QPushButton>("Command7")->isEnabled());
    QVERIFY(window.get<QPlainTextEdit>("Text5")->toPlainText().isEmpty());
    QCOMPARE(window.status(), "就緒...");
}

void Form1Test::errorBoxIsPlain() {
    velb::Form1 form; // the real dialogs
    bool checked = false;
    whenModalOpens([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box);
        QCOMPARE(box->windowTitle(), "錯誤訊息");
        QCOMPARE(box->text(), "您未指定【舊版英文】資料!");
        QCOMPARE(box->icon(), QMessageBox::NoIcon);
        QCOMPARE(box->buttons().size(), 1);
        QCOMPARE(box->buttons().constFirst()->text(), "確定");
        checked = true;
        box->buttons().constFirst()->click();
    });
    QTest::mouseClick(form.findChild<QPushButton*>("Command5"), Qt::LeftButton);
    QTRY_VERIFY(checked);
}

void Form1Test::wholeRunThroughBrowse() {
    Scripts scripts;
    Window window;
    fillThroughBrowse(window, scripts);
    QCOMPARE(window.get<QLineEdit>("Text3")->text(), scripts.newEnglish);
    QCOMPARE(window.get<QLineEdit>("Text4")->text(), scripts.output);
    const auto& requests = window.dialogs->fileRequests;
    QCOMPARE(requests.size(), 4u);
    QCOMPARE(requests[0].filter, "VC++ 資源檔(*.rc);;所有類型(*.*)");
    QCOMPARE(requests[0].presetName, "");
    QCOMPARE(requests[1].presetName, scripts.oldEnglish);
    QVERIFY(requests[2].kind == ModalDialogs::FileDialog::Open);
    QVERIFY(requests[3].kind == ModalDialogs::FileDialog::Save);

    window.dialogs->whileCompletionOpen = [&] {
        QCOMPARE(window.status(), "工作完成...");
        QCOMPARE(window.bar(1)->maximum(), 8);
        QCOMPARE(window.bar(2)->maximum(), 9);
        QCOMPARE(window.bar(3)->maximum(), 14);
        QCOMPARE(window.bar(4)->maximum(), 3);
        for (int number = 1; number <= 4; ++number)
            QCOMPARE(window.bar(number)->value(), window.bar(number)->maximum());
        QVERIFY(!window.get<QPushButton>("Command5")->isEnabled());
        QVERIFY(!window.get<QPushButton>("Command7")->isEnabled());
        // Enter during the run starts nothing: Execute is locked.
        QTest::keyClick(&window.form, Qt::Key_Return);
    };
    window.click("Command5");
    QCOMPARE(window.dialogs->completions, 1);
    QVERIFY(window.dialogs->errors.isEmpty());
    QCOMPARE(window.status(), "就緒...");
    for (int number = 1; number <= 4; ++number)
        QCOMPARE(window.bar(number)->value(), 0);
    QVERIFY(window.get<QPushButton>("Command5")->isEnabled());
    QVERIFY(window.get<QPushButton>("Command7")->isEnabled());
    QCOMPARE(window.get<QPlainTextEdit>("Text5")->toPlainText(), "IDD_CHANGED  →未替換\nIDD_ADDED  →未替換\n");
}

void Form1Test::outputFilesFollowTheOptions_data() {
    QTest::addColumn<bool>("merged");
    QTest::addColumn<bool>("report");
    QTest::addColumn<QStringList>("written");
    QTest::newRow("separate, report") << false << true
                                      << QStringList{"Velb報告.txt", "new_zh_已翻譯.rc", "new_zh_未翻譯.rc"};
    QTest::newRow("merged, report") << true << true << QStringList{"Velb報告.txt", "new_zh.rc"};
    QTest::newRow("separate, no report") << false << false << QStringList{"new_zh_已翻譯.rc", "new_zh_未翻譯.rc"};
}

void Form1Test::outputFilesFollowTheOptions() {
    QFETCH(bool, merged);
    QFETCH(bool, report);
    QFETCH(QStringList, written);
    Scripts scripts;
    const auto inputs = scripts.files();
    Window window;
    fillThroughBrowse(window, scripts);
    QTest::mouseClick(window.get<QRadioButton>(merged ? "Option1_0" : "Option1_1"), Qt::LeftButton);
    if (!report)
        QTest::mouseClick(window.get<QCheckBox>("Check1"), Qt::LeftButton);
    window.click("Command5");
    QCOMPARE(window.dialogs->completions, 1);
    auto expected = inputs + written;
    expected.sort();
    QCOMPARE(scripts.files(), expected);
}

void Form1Test::fileErrorReturnsToReady() {
    Scripts scripts;
    Window window;
    fillThroughBrowse(window, scripts);
    window.get<QLineEdit>("Text2")->setText(scripts.folder.filePath("missing.rc"));
    window.click("Command5");
    QCOMPARE(window.dialogs->errors.size(), 1);
    QVERIFY(window.dialogs->errors.constFirst().contains("missing.rc"));
    QCOMPARE(window.dialogs->completions, 0);
    QCOMPARE(window.status(), "就緒...");
    QVERIFY(window.get<QPushButton>("Command5")->isEnabled());
    QVERIFY(window.get<QPushButton>("Command7")->isEnabled());
}

void Form1Test::runValuesShowBeforeAModalDialog() {
    Window window;
    window.form.setStatus(u"工作完成...");
    window.form.setBarMaximum(velb::Bar::OldChinese, 7);
    window.form.setBarPosition(velb::Bar::OldChinese, 5);
    window.form.setBarMaximum(velb::Bar::Matching, 0);
    window.form.setBarPosition(velb::Bar::Matching, 0);
    window.form.setUnreplacedList(u"IDD_A  →未替換\r\n");
    window.dialogs->whileCompletionOpen = [&] {
        QCOMPARE(window.status(), "工作完成...");
        QCOMPARE(window.bar(2)->value(), 5);
        QCOMPARE(window.bar(2)->maximum(), 7);
        // A maximum of 0 would make Qt's busy indicator; the bar shows empty instead.
        QVERIFY(window.bar(4)->maximum() > 0);
        QCOMPARE(window.bar(4)->value(), 0);
        QCOMPARE(window.get<QPlainTextEdit>("Text5")->toPlainText(), "IDD_A  →未替換\n");
    };
    window.form.showCompletion();
    QCOMPARE(window.dialogs->completions, 1);
}

void Form1Test::cancelledBrowseLeavesItsBox() {
    Window window;
    window.click("Command2"); // cancelled before any file was chosen
    QVERIFY(window.get<QLineEdit>("Text2")->text().isEmpty());
    window.dialogs->fileAnswers = {QString("/scripts/old_en.rc")};
    window.click("Command1");
    window.click("Command4"); // cancelled: the output field must not get an input's path
    window.click("Command1"); // cancelled: the chosen path stays
    QVERIFY(window.get<QLineEdit>("Text4")->text().isEmpty());
    QCOMPARE(window.get<QLineEdit>("Text1")->text(), "/scripts/old_en.rc");
    QCOMPARE(window.dialogs->fileRequests.back().presetName, "/scripts/old_en.rc");
}

void Form1Test::keyboard() {
    Window window;
    window.form.show();
    QVERIFY(QTest::qWaitForWindowActive(&window.form));
    // Enter in a path field reaches the default button, Execute.
    QTest::keyClick(window.get<QLineEdit>("Text1"), Qt::Key_Return);
    QCOMPARE(window.dialogs->errors, QStringList{"您未指定【舊版英文】資料!"});
    // Enter on another button presses that button, not Execute.
    QTest::keyClick(window.get<QPushButton>("Command2"), Qt::Key_Return);
    QCOMPARE(window.dialogs->fileRequests.size(), 1u);
    QCOMPARE(window.dialogs->errors.size(), 1);
    // Esc means nothing to the main window.
    QTest::keyClick(&window.form, Qt::Key_Escape);
    QVERIFY(window.form.isVisible());
    QTest::keyClick(&window.form, Qt::Key_E, Qt::AltModifier);
    QTRY_VERIFY(!window.get<QCheckBox>("Check1")->isChecked());
    QTest::keyClick(&window.form, Qt::Key_E, Qt::AltModifier);
    QTRY_VERIFY(window.get<QCheckBox>("Check1")->isChecked());
}

void Form1Test::closingDuringRunStopsIt() {
    Scripts scripts;
    const auto inputs = scripts.files();
    Window window;
    fillThroughBrowse(window, scripts);
    window.form.show();
    bool clickReturned = false;
    QTimer::singleShot(0, &window.form, [&] {
        // Fires at the run's first event pump, like a click on the close box.
        QTimer::singleShot(0, &window.form, &QWidget::close);
        window.click("Command5");
        clickReturned = true;
    });
    QTimer::singleShot(10000, &window.form, [] { QCoreApplication::exit(1); }); // the program failed to end
    // The program ends as usual once its only window has closed.
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(clickReturned);
    QVERIFY(!window.form.isVisible());
    QCOMPARE(window.dialogs->completions, 0);
    QVERIFY(window.dialogs->errors.isEmpty());
    QCOMPARE(scripts.files(), inputs);
}

QTEST_MAIN(Form1Test)
#include "Form1Test.moc"
