// The main window as the user meets it: start-up, validation, the keyboard, and whole runs
// over scripts in a temporary folder, with the modal dialogs stood in for or real.

#include "WindowChecks.h"

#include <Form1.h>

namespace {

// Stands in for the user at the modal dialogs: a file dialog takes the next queued answer and
// an empty queue means Cancel; requests, error messages and completions are recorded.
struct QueuedDialogs : velb::ModalDialogs {
    QStringList fileAnswers;
    QStringList fileRequests; // "open|filter|preset name" or "save|…"
    QStringList errors;
    int completions = 0;
    std::function<void()> whileCompletionOpen = [] {}; // looks at the window while the dialog is up

    std::optional<QString> chooseFile(QWidget*, FileDialog kind, const QString& filter,
                                      const QString& preset) override {
        fileRequests << QStringList{kind == FileDialog::Save ? "save" : "open", filter, preset}.join('|');
        return fileAnswers.isEmpty() ? std::nullopt : std::optional(fileAnswers.takeFirst());
    }
    void showError(QWidget*, const QString& message) override { errors << message; }
    void showCompletion() override {
        ++completions;
        whileCompletionOpen();
    }
};

// The main window, with its modal dialogs stood in for unless the real ones are asked for.
struct Window {
    QueuedDialogs* dialogs;
    velb::Form1 form;

    explicit Window(bool realDialogs = false)
        : dialogs(realDialogs ? nullptr : new QueuedDialogs), form(std::unique_ptr<velb::ModalDialogs>(dialogs)) {}
    template <typename Control = QWidget> Control* get(const QString& name) const {
        return form.findChild<Control*>(name);
    }
    void click(const QString& name) const { QTest::mouseClick(get<QPushButton>(name), Qt::LeftButton); }
    void fill(const QStringList& paths) const {
        for (int i = 0; i < 4; ++i)
            get<QLineEdit>(QString("Text%1").arg(i + 1))->setText(paths[i]);
    }
    // The status line, each bar as value/maximum, and which of Execute and Exit are enabled.
    QString state() const {
        QStringList parts{get<QLabel>("Label1")->text()};
        for (auto* bar : {"ProgressBar1", "ProgressBar2", "ProgressBar3", "ProgressBar4"})
            parts << QString("%1/%2").arg(get<QProgressBar>(bar)->value()).arg(get<QProgressBar>(bar)->maximum());
        return parts.join(' ') + (get("Command5")->isEnabled() ? " Execute" : "") +
               (get("Command7")->isEnabled() ? " Exit" : "");
    }
};

// Three scripts and an output path in a temporary folder, which is also the current directory
// for the report. Each script has its own length, so the bars cannot be mixed up; IDD_SAME is
// carried over, IDD_CHANGED and IDD_ADDED are left unreplaced.
struct Scripts {
    QTemporaryDir folder;
    QString previousDirectory = QDir::currentPath();
    QStringList paths{folder.filePath("old_en.rc"), folder.filePath("old_zh.rc"), folder.filePath("new_en.rc"),
                      folder.filePath("new_zh.rc")};

    Scripts() {
        const auto dialog = [](const char* name, const char* caption) {
            return QString("%1 DIALOG FIXED IMPURE 0, 0, 10, 10\r\nCAPTION \"%2\"\r\nBEGIN\r\nEND\r\n")
                .arg(name, caption);
        };
        const QString texts[] = {dialog("IDD_SAME", "Same") + dialog("IDD_CHANGED", "Old"),               // 8 lines
                                 dialog("IDD_SAME", "Zh") + dialog("IDD_CHANGED", "Zh old") + "// x\r\n", // 9 lines
                                 "// head\r\n" + dialog("IDD_SAME", "Same") + dialog("IDD_CHANGED", "New") +
                                     dialog("IDD_ADDED", "Added") + "// tail\r\n"}; // 14 lines
        for (int i = 0; i < 3; ++i) {
            QFile file(paths[i]);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(texts[i].toLatin1()) > 0);
        }
        QDir::setCurrent(folder.path());
    }
    ~Scripts() { QDir::setCurrent(previousDirectory); }
    QStringList files() const { return QDir(folder.path()).entryList(QDir::Files, QDir::Name); }
};

// Reads a real modal dialog once its own loop has opened it; the handler must close it.
// Timers also fire in a run's event pumps before the dialog is up, so it looks again then.
void whenModalOpens(std::function<void(QWidget*)> handle) {
    QTimer::singleShot(0, [handle = std::move(handle)]() mutable {
        if (auto* modal = QApplication::activeModalWidget())
            handle(modal);
        else
            whenModalOpens(std::move(handle));
    });
}

} // namespace

class Form1Test : public QObject {
    Q_OBJECT

private slots:
    void startsReady_data();
    void startsReady();
    void validationNamesTheFirstEmptyField();
    void wholeRunThroughBrowse_data();
    void wholeRunThroughBrowse();
    void emptyBarIsNotBusy();
    void keyboard();
    void realDialogsEndTheRun_data();
    void realDialogsEndTheRun();
    void closingDuringRunStopsIt();
};

void Form1Test::startsReady_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("twips"); // frame offsets added
    QTest::newRow("Text1") << "" << QRect(1200, 660, 3945, 315);
    QTest::newRow("Command2") << "瀏覽" << QRect(5220, 1110, 795, 315);
    QTest::newRow("ProgressBar4") << "0%" << QRect(1380, 5190, 4635, 165);
    QTest::newRow("Label1") << "就緒..." << QRect(270, 6030, 495, 180);
    QTest::newRow("Frame8") << "未替換項目" << QRect(6510, 60, 2265, 4275);
    QTest::newRow("Check1") << "產生報告(&E)" << QRect(6630, 360, 1245, 195);
    QTest::newRow("Text5") << "這裡將會顯示未替換的對話框名稱。" << QRect(6630, 600, 1995, 2985);
    QTest::newRow("Option1_0") << "合併輸出" << QRect(6630, 3990, 1065, 225);
    QTest::newRow("Option1_1") << "分開輸出" << QRect(7650, 3990, 1035, 225);
    QTest::newRow("Command5") << "執行!" << QRect(6510, 4470, 2295, 735);
    QTest::newRow("Command6") << "關於..." << QRect(6510, 5310, 1155, 405);
    QTest::newRow("Command7") << "結束" << QRect(7650, 5310, 1155, 405);
}

void Form1Test::startsReady() {
    Window window;
    checkStartUp(window.form, "Velbrix 對話框比對程式 for VC++", QSize(597, 432), "Text1");
    QVERIFY(window.get<QCheckBox>("Check1")->isChecked() && window.get<QAbstractButton>("Option1_1")->isChecked());
    for (const char* field : {"Text1", "Text2", "Text3", "Text4", "Text5"})
        QVERIFY2(window.get(field)->property("readOnly").toBool(), field);
}

void Form1Test::validationNamesTheFirstEmptyField() {
    Window window;
    for (const char* field : {"Text1", "Text2", "Text3", "Text4"}) {
        window.click("Command5");
        window.get<QLineEdit>(field)->setText("x.rc");
    }
    QCOMPARE(window.dialogs->errors, QStringList({"您未指定【舊版英文】資料!", "您未指定【舊版中文】資料!",
                                                  "您未指定【新版英文】資料!", "您未提供【新版中文】資料!"}));
    QCOMPARE(window.state(), "就緒... 0/100 0/100 0/100 0/100 Execute Exit");
}

void Form1Test::wholeRunThroughBrowse_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<bool>("report");
    QTest::addColumn<QStringList>("written");
    QTest::newRow("separate") << "Option1_1" << true
                              << QStringList{"Velb報告.txt", "new_zh_已翻譯.rc", "new_zh_未翻譯.rc"};
    QTest::newRow("merged") << "Option1_0" << true << QStringList{"Velb報告.txt", "new_zh.rc"};
    QTest::newRow("no report") << "Option1_1" << false << QStringList{"new_zh_已翻譯.rc", "new_zh_未翻譯.rc"};
}

void Form1Test::wholeRunThroughBrowse() {
    QFETCH(QString, option);
    QFETCH(bool, report);
    QFETCH(QStringList, written);
    Scripts scripts;
    auto expectedFiles = scripts.files() + written;
    expectedFiles.sort();
    Window window;
    window.dialogs->fileAnswers = scripts.paths;
    for (int i = 0; i < 4; ++i) {
        window.click(QString("Command%1").arg(i + 1));
        // Every Browse starts from the path chosen last, whichever box it went into.
        QCOMPARE(window.dialogs->fileRequests.constLast(),
                 QString("%1|VC++ 資源檔(*.rc);;所有類型(*.*)|%2")
                     .arg(i < 3 ? "open" : "save", i ? scripts.paths[i - 1] : ""));
    }
    window.click("Command1"); // cancelled: the box keeps its path, not the one chosen last
    for (int i = 0; i < 4; ++i)
        QCOMPARE(window.get<QLineEdit>(QString("Text%1").arg(i + 1))->text(), scripts.paths[i]);
    QTest::mouseClick(window.get(option), Qt::LeftButton);
    if (!report)
        QTest::mouseClick(window.get("Check1"), Qt::LeftButton);
    window.dialogs->whileCompletionOpen = [&] {
        // Bars full: lines of each script, then the new script's dialogs.
        QCOMPARE(window.state(), "工作完成... 8/8 9/9 14/14 3/3");
        QTest::keyClick(&window.form, Qt::Key_Return); // starts nothing: Execute is locked
    };
    window.click("Command5");
    QCOMPARE(window.dialogs->completions, 1);
    QVERIFY(window.dialogs->errors.isEmpty());
    QCOMPARE(window.state(), "就緒... 0/8 0/9 0/14 0/3 Execute Exit");
    QCOMPARE(window.get<QPlainTextEdit>("Text5")->toPlainText(), "IDD_CHANGED  →未替換\nIDD_ADDED  →未替換\n");
    QCOMPARE(scripts.files(), expectedFiles);
}

void Form1Test::emptyBarIsNotBusy() {
    Window window; // a script without dialogs gives the matching bar a maximum of 0
    window.form.setBarMaximum(velb::Bar::Matching, 0);
    window.form.showCompletion();
    QCOMPARE(window.state(), "就緒... 0/100 0/100 0/100 0/1 Execute Exit"); // 0/0 is Qt's busy indicator
}

void Form1Test::keyboard() {
    Window window;
    window.form.show();
    QVERIFY(QTest::qWaitForWindowActive(&window.form));
    QStringList visited{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 14; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited.join(' '), "Text1 Text2 Text3 Text4 Command1 Command2 Command3 Command4 Command5 Command6 "
                                "Command7 Check1 Text5 Option1_1 Text1");
    // Enter in a path box reaches the default button, Execute; on another button it presses that one.
    QTest::keyClick(window.get("Text1"), Qt::Key_Return);
    QTest::keyClick(window.get("Command2"), Qt::Key_Return);
    QCOMPARE(window.dialogs->errors, QStringList{"您未指定【舊版英文】資料!"});
    QCOMPARE(window.dialogs->fileRequests.size(), 1);
    QTest::keyClick(&window.form, Qt::Key_Escape); // means nothing to the main window
    QVERIFY(window.form.isVisible());
    for (bool ticked : {false, true}) {
        QTest::keyClick(&window.form, Qt::Key_E, Qt::AltModifier);
        QTRY_COMPARE(window.get<QCheckBox>("Check1")->isChecked(), ticked);
    }
}

void Form1Test::realDialogsEndTheRun_data() {
    QTest::addColumn<QString>("oldChinese");
    // What the dialog showed, then the window once it has closed; %1 stands for the old Chinese path.
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("file error") << "missing.rc"
                                << QStringList{"錯誤訊息", "無法讀取檔案「%1」：找不到這個檔案或它所在的資料夾。",
                                               "確定", "no icon", "就緒... 0/8 0/100 0/100 0/100 Execute Exit"};
    QTest::newRow("completion, closed by its close box")
        << "old_zh.rc"
        << QStringList{"Dialog", "轉換完成!", "工作完成... 8/8 9/9 14/14 3/3", "就緒... 0/8 0/9 0/14 0/3 Execute Exit"};
}

void Form1Test::realDialogsEndTheRun() {
    QFETCH(QString, oldChinese);
    QFETCH(QStringList, shown);
    Scripts scripts;
    scripts.paths[1] = scripts.folder.filePath(oldChinese);
    const Window window(true);
    window.fill(scripts.paths);
    QStringList seen;
    whenModalOpens([&](QWidget* modal) {
        const auto* box = qobject_cast<QMessageBox*>(modal);
        seen = box ? QStringList{box->windowTitle(), box->text(),
                                 box->buttons().size() == 1 ? box->buttons()[0]->text() : "",
                                 box->icon() == QMessageBox::NoIcon ? "no icon" : "icon"}
                   : QStringList{modal->objectName(), modal->windowTitle(), window.state()};
        modal->close();
    });
    window.click("Command5");
    QCOMPARE(seen << window.state(), shown.replaceInStrings("%1", scripts.paths[1]));
}

void Form1Test::closingDuringRunStopsIt() {
    Scripts scripts;
    const auto inputs = scripts.files();
    Window window;
    window.fill(scripts.paths);
    window.form.show();
    QTimer::singleShot(0, &window.form, &QWidget::close); // fires at the run's first event pump
    window.click("Command5");
    QVERIFY(!window.form.isVisible());
    QVERIFY(window.dialogs->completions == 0 && window.dialogs->errors.isEmpty());
    QCOMPARE(scripts.files(), inputs); // nothing half-written
}

QTEST_MAIN(Form1Test)
#include "Form1Test.moc"
