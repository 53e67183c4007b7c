// The main window as the user meets it: its keys, and whole runs over the examples, with the
// modal dialogs stood in for or real. How it starts, Tab too, is in its snapshot.

#include <Form1.h>
#include <QtTranslations.h>
#include <QueuedDialogs.h>
#include <WindowExpectations.h>

#include <QtTest>
#include <QtWidgets>

namespace {

// The main window, with its modal dialogs stood in for unless the real ones are asked for.
struct Window {
    velb::testing::QueuedDialogs* dialogs;
    velb::Form1 form;

    explicit Window(bool realDialogs = false)
        : dialogs(realDialogs ? nullptr : new velb::testing::QueuedDialogs),
          form(std::unique_ptr<velb::ModalDialogs>(dialogs)) {}
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

// The examples as input; the output and the report go to a temporary folder, which is also
// the current directory.
struct Scripts {
    QTemporaryDir folder;
    QString previousDirectory = QDir::currentPath();
    QStringList paths{VELB_EXAMPLES "/old_en.rc", VELB_EXAMPLES "/old_zh.rc", VELB_EXAMPLES "/new_en.rc",
                      folder.filePath("new_zh.rc")};

    Scripts() { QDir::setCurrent(folder.path()); }
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
    void initTestCase() { velb::installQtTranslations(*qApp); }

    void mergedRunWithoutReportThroughBrowse() {
        Scripts scripts;
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
        QTest::mouseClick(window.get("Option1_0"), Qt::LeftButton);
        QTest::mouseClick(window.get("Check1"), Qt::LeftButton);
        window.dialogs->whileCompletionOpen = [&] {
            // Bars full: lines of each script, then the new script's dialogs.
            QCOMPARE(window.state(), velb::testing::kExamplesDone);
            QTest::keyClick(&window.form, Qt::Key_Return); // starts nothing: Execute is locked
        };
        window.click("Command5");
        QCOMPARE(window.dialogs->completions, 1);
        QVERIFY(window.dialogs->errors.isEmpty());
        QCOMPARE(window.state(), velb::testing::kExamplesReady);
        const QString list = velb::testing::kExamplesUnreplaced;
        auto* box = window.get<QTextEdit>("Text5");
        QCOMPARE(box->property("list").toString(), list);
        // Too long for one line, the first entry wraps at its blanks, never inside the arrow's
        // text; copied, the box gives the list as it was given, in lines of the clipboard's own ends.
        window.form.show();
        const QTextBlock first = box->document()->firstBlock();
        QCOMPARE(first.layout()->lineCount(), 2);
        const QTextLine second = first.layout()->lineAt(1);
        QCOMPARE(first.text().mid(second.textStart(), second.textLength()).remove(QChar(0x2060)), "→未替換");
        box->selectAll();
        box->copy();
        QCOMPARE(QGuiApplication::clipboard()->text(), QString(list).remove(u'\r'));
        // Grown a line at a time, as during a run, the box lays out what it lays out at once.
        const QString longList = list.repeated(12);
        QString grown;
        for (const QString& line : longList.split("\r\n", Qt::SkipEmptyParts))
            box->setProperty("list", grown += line + "\r\n");
        const QString laidOut = box->toPlainText();
        const QTextBlockFormat lastFormat = box->document()->lastBlock().previous().blockFormat();
        box->setProperty("list", QString());
        box->setProperty("list", longList);
        QCOMPARE(laidOut, box->toPlainText());
        QCOMPARE(lastFormat, box->document()->lastBlock().previous().blockFormat());
        QCOMPARE(scripts.files(), QStringList{"new_zh.rc"});
        window.dialogs->whileCompletionOpen = [] {};
        window.form.setBarMaximum(velb::Bar::Matching, 0); // as a new script without dialogs leaves it
        window.form.showCompletion();
        QCOMPARE(window.state(), "就緒... 0/81 0/81 0/91 0/1 Execute Exit"); // 0/0 is Qt's busy indicator
    }

    void keyboard() {
        Window window;
        window.form.show();
        QVERIFY(QTest::qWaitForWindowActive(&window.form));
        // Enter in a path box reaches the default button, Execute.
        QTest::keyClick(window.get("Text1"), Qt::Key_Return);
        QCOMPARE(window.dialogs->errors, QStringList{velb::testing::kMissingPathMessages[0]});
        QCOMPARE(window.state(), "就緒... 0/100 0/100 0/100 0/100 Execute Exit");
        for (bool ticked : {false, true}) {
            QTest::keyClick(&window.form, Qt::Key_E, Qt::AltModifier);
            QTRY_COMPARE(window.get<QCheckBox>("Check1")->isChecked(), ticked);
        }
    }

    void enterDuringARunOpensNothingAndAfterItStartsTheNext() {
        Scripts scripts;
        Window window;
        window.fill(scripts.paths);
        window.form.show();
        QVERIFY(QTest::qWaitForWindowActive(&window.form));
        auto* execute = window.get<QPushButton>("Command5");
        window.dialogs->whileCompletionOpen = [&] {
            // Locked, Execute has passed the focus on, and it looks like no default button.
            QCOMPARE(QApplication::focusWidget(), window.get("Command6"));
            QVERIFY(!execute->isDefault());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        };
        window.click("Command5");
        const auto topLevels = QApplication::topLevelWidgets();
        QVERIFY(
            std::none_of(topLevels.begin(), topLevels.end(), [](QWidget* w) { return w->objectName() == "frmAbout"; }));
        QCOMPARE(QApplication::focusWidget(), execute);
        QVERIFY(execute->isDefault());
        window.dialogs->whileCompletionOpen = [] {};
        QTest::keyClick(execute, Qt::Key_Return);
        QCOMPARE(window.dialogs->completions, 2);
        window.get("Text5")->setFocus(); // a control that leaves Enter to the window
        QVERIFY(execute->isDefault());
    }

    void realDialogsEndTheRun() {
        // What the dialog showed, then the window once it has closed: the error box of an old
        // Chinese script that is missing, or the completion dialog closed by its close box.
        const QStringList shown[] = {
            {"錯誤訊息", "無法讀取檔案「missing.rc」：找不到這個檔案或它所在的資料夾。", "確定", "no icon",
             "window's font", "就緒... 0/81 0/100 0/100 0/100 Execute Exit"},
            {"Dialog", "轉換完成!", "工作完成... 81/81 81/81 91/91 5/5", "就緒... 0/81 0/81 0/91 0/5 Execute Exit"},
        };
        const QString oldChinese[] = {"missing.rc", VELB_EXAMPLES "/old_zh.rc"};
        for (int i = 0; i < 2; ++i) {
            Scripts scripts;
            scripts.paths[1] = oldChinese[i];
            const Window window(true);
            window.fill(scripts.paths);
            QStringList seen;
            whenModalOpens([&](QWidget* modal) {
                const auto* box = qobject_cast<QMessageBox*>(modal);
                seen = box ? QStringList{box->windowTitle(), box->text(),
                                         box->buttons().size() == 1 ? box->buttons()[0]->text() : "",
                                         box->icon() == QMessageBox::NoIcon ? "no icon" : "icon",
                                         box->font() == window.form.font() ? "window's font" : "another font"}
                           : QStringList{modal->objectName(), modal->windowTitle(), window.state()};
                modal->close();
            });
            window.click("Command5");
            QCOMPARE(seen << window.state(), shown[i]);
        }
    }

    void browseOpensQtsFileDialogInChinese() {
        const Window window(true);
        QStringList seen;
        whenModalOpens([&](QWidget* modal) {
            const auto* buttons = modal->findChild<QDialogButtonBox*>();
            seen << buttons->button(QDialogButtonBox::Open)->text()
                 << buttons->button(QDialogButtonBox::Cancel)->text();
            modal->close();
        });
        window.click("Command1");
        const QString open = QFileDialog::tr("&Open");
        const QString cancel = QCoreApplication::translate("QPlatformTheme", "Cancel");
        QVERIFY(open != "&Open" && cancel != "Cancel"); // Qt's translations are there
        QCOMPARE(seen, (QStringList{open, cancel}));
    }

    void closingDuringRunStopsIt() {
        Scripts scripts;
        Window window;
        window.fill(scripts.paths);
        window.form.show();
        QTimer::singleShot(0, &window.form, &QWidget::close); // fires at the run's first event pump
        window.click("Command5");
        QVERIFY(!window.form.isVisible());
        QVERIFY(window.dialogs->completions == 0 && window.dialogs->errors.isEmpty());
        QVERIFY(scripts.files().isEmpty()); // nothing half-written
    }
};

QTEST_MAIN(Form1Test)
#include "Form1Test.moc"
