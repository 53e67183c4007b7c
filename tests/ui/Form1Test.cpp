// The Qt windows: each at start-up against its snapshot in tests/data/windows/qt (a line for the
// window, one for the way Tab goes, then one per control, each frame before what it holds); the
// main window's scenarios through its real controls and keys; and what only Qt draws: the list
// box's wrapping, the default button's look, the real dialogs, and the program's end with its
// last window.

#include <QtTest>
#include <QtWidgets>

#include <AboutBox.h>
#include <CaptionFrame.h>
#include <CompletionDialog.h>
#include <Form1.h>
#include <Form1Scenarios.h>
#include <QtTranslations.h>

namespace {

using velb::CaptionFrame;
using velb::testing::Form1Driver;
using velb::testing::Scenario;

// The main window with its modal dialogs stood in for, shown and active.
class QtWindow : public Form1Driver {
public:
    /// With the program's own dialogs, or stand-ins that answer in the user's stead.
    explicit QtWindow(bool standIns = true) : m_dialogs(standIns ? new velb::testing::QueuedDialogs : nullptr) {
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
    }
    template <typename Control = QWidget> Control* get(std::string_view name) const {
        return form.findChild<Control*>(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    }

    velb::testing::QueuedDialogs& dialogs() override { return *m_dialogs; }
    velb::Form1Logic& logic() override { return form.logic(); }
    void click(std::string_view control) override {
        get<QAbstractButton>(control)->click();
        // The About box takes the keys once the window manager has made it active.
        if (control == "Command6" && QApplication::activeWindow() != aboutBoxes().constFirst())
            QVERIFY(QTest::qWaitForWindowActive(aboutBoxes().constFirst()));
    }
    void fill(std::string_view field, const std::u16string& path) override {
        get<QLineEdit>(field)->setText(QString::fromStdU16String(path));
    }
    std::string text(std::string_view control) override {
        const auto* widget = get(control);
        return widget->property(widget->inherits("velb::ListBox") ? "list" : "text").toString().toStdString();
    }
    std::string bar(std::string_view control) override {
        const auto* bar = get<QProgressBar>(control);
        return std::to_string(bar->value()) + "/" + std::to_string(bar->maximum());
    }
    bool isEnabled(std::string_view control) override { return get(control)->isEnabled(); }
    bool isChecked(std::string_view control) override { return get<QAbstractButton>(control)->isChecked(); }
    std::string focused() override {
        const QWidget* focused = QApplication::focusWidget();
        return focused ? focused->objectName().toStdString() : "elsewhere";
    }
    void giveFocus(std::string_view control) override { get(control)->setFocus(); }
    void closeAtNextPump() override { QTimer::singleShot(0, &form, &QWidget::close); }
    bool isShown() override { return form.isVisible(); }
    void press(Key key) override {
        // The offscreen platform activates no window once the main window has closed: the key
        // then goes to the focus of the window still shown.
        const QWidget* active = QApplication::activeWindow();
        QWidget* focused = active && active->isVisible() ? active->focusWidget() : nullptr;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if ((!focused || !focused->isVisible()) && window->isVisible() && window->focusWidget())
                focused = window->focusWidget();
        }
        // An access key is the window's to take, whatever control has the focus. Qt's answer
        // to it, an animated click, comes a moment later.
        const bool ticked = isChecked("Check1");
        QTest::keyClick(key == Key::AltE ? focused->window() : focused, kKeys[static_cast<int>(key)].first,
                        kKeys[static_cast<int>(key)].second);
        if (key == Key::AltE)
            QVERIFY(QTest::qWaitFor([&] { return isChecked("Check1") != ticked; }));
        // The event loop's turn before the user's next action, in which a closed box is deleted.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    void pressAtNextPump(Key key) override {
        QTimer::singleShot(0, [this, key] { press(key); });
    }
    int aboutBoxesShown() override { return static_cast<int>(aboutBoxes().size()); }
    static QWidgetList aboutBoxes() {
        QWidgetList boxes = QApplication::topLevelWidgets();
        boxes.removeIf([](const QWidget* w) { return w->objectName() != "frmAbout" || !w->isVisible(); });
        return boxes;
    }

private:
    static constexpr std::pair<Qt::Key, Qt::KeyboardModifier> kKeys[] = {
        {Qt::Key_Return, Qt::NoModifier}, {Qt::Key_Escape, Qt::NoModifier}, {Qt::Key_E, Qt::AltModifier}};
    velb::testing::QueuedDialogs* m_dialogs;

public:
    velb::Form1 form{std::unique_ptr<velb::ModalDialogs>(m_dialogs)};
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

/// The window once shown, which gives it its place on the screen. A control's line: name, class,
/// container, rectangle on the client area, text, font and state.
std::string windowSnapshot(QWidget&& window) {
    window.show();
    const bool active = QTest::qWaitForWindowActive(&window);
    QStringList tabs{window.focusWidget()->objectName()};
    do {
        QTest::keyClick(window.focusWidget(), Qt::Key_Tab);
        tabs << window.focusWidget()->objectName();
    } while (tabs.last() != tabs.first() && tabs.size() < 100); // a chain that never comes back ends too
    const QRect area = window.screen()->availableGeometry();
    const QRect frame = window.frameGeometry();
    const QPoint centre((area.width() - frame.width()) / 2, (area.height() - frame.height()) / 2);
    const bool boxes = window.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint);
    QString text;
    QTextStream out(&text);
    out << window.objectName() << " window \"" << window.windowTitle() << "\" client " << window.width() << 'x'
        << window.height() << (boxes ? " min-max-box" : " no-min-max-box") << (active ? " active" : " inactive")
        << (frame.topLeft() - area.topLeft() == centre ? " centred" : " off-centre") << " focus " << tabs.first()
        << "\nTab goes " << tabs.join(' ') << '\n';
    // What Qt builds inside a control, such as a list box's scroll bars, is unnamed or named qt_….
    for (const auto* control : window.findChildren<QWidget*>(QRegularExpression("^(?!qt_)."))) {
        const QWidget* container = control->parentWidget();
        const QRect rect(control->mapTo(&window, QPoint()), control->size());
        // A frame's title, a list box's list or another control's text: no control has two of them.
        const QString shown = control->property("title").toString() + control->property("list").toString() +
                              control->property("text").toString();
        const QFont font = control->font();
        out << control->objectName() << ' ' << control->metaObject()->className() << " in " << container->objectName()
            << " at " << rect.x() << ',' << rect.y() << " size " << rect.width() << 'x' << rect.height() << " text \""
            << shown << "\" font " << font.family() << ' ' << font.pointSizeF() << "pt weight " << font.weight()
            << (control->isEnabled() ? " enabled" : " disabled") << (control->isVisible() ? " visible" : " hidden")
            << (control->property("checked").toBool() ? " checked" : "")
            << (control->property("readOnly").toBool() ? " read-only" : "");
        if (const auto* bar = qobject_cast<const QProgressBar*>(control))
            out << " bar " << bar->value() << '/' << bar->maximum();
        if (const QPixmap picture = control->property("pixmap").value<QPixmap>(); !picture.isNull())
            out << " picture " << picture.width() << 'x' << picture.height();
        // Where a frame's etched line runs depends on the font found; the controls must stay off it.
        const auto* captioned = qobject_cast<const CaptionFrame*>(container);
        const int line = CaptionFrame::kLineWidth;
        if (captioned && !qobject_cast<const CaptionFrame*>(control)) {
            const QRect inside = captioned->rect().adjusted(line, captioned->lineTop() + line, -line, -line);
            out << (inside.contains(control->geometry()) ? " clear-of-frame-line" : " on-frame-line");
        }
        out << '\n';
    }
    return text.toStdString();
}

void compareWithSnapshot(const char* file, const std::string& snapshot) {
    QCOMPARE(QString::fromStdString(snapshot), QString::fromStdString(velb::testing::golden(
                                                   std::string(VELB_TEST_DATA "/windows/qt/") + file, snapshot)));
}

} // namespace

class Form1Test : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { velb::installQtTranslations(*qApp); }

    void snapshots() {
        compareWithSnapshot("Form1.txt", windowSnapshot(velb::Form1()));
        compareWithSnapshot("AboutBox.txt", windowSnapshot(velb::AboutBox()));
        compareWithSnapshot("CompletionDialog.txt", windowSnapshot(velb::CompletionDialog()));
    }

    void scenario_data() {
        QTest::addColumn<const Scenario*>("scenario");
        using Scenarios = std::span<const Scenario>;
        for (const Scenarios scenarios :
             {Scenarios(velb::testing::kLogicScenarios), Scenarios(velb::testing::kWindowScenarios)}) {
            for (const Scenario& scenario : scenarios)
                QTest::newRow(scenario.name) << &scenario;
        }
    }
    void scenario() {
        QFETCH(const Scenario*, scenario);
        QtWindow window;
        const auto [seen, expected] = velb::testing::playScenario(window, *scenario);
        QCOMPARE(QString::fromStdString(seen), QString::fromStdString(expected));
    }

    void listWrapsAtBlanksAndCopiesAsGiven() {
        QtWindow window;
        const QString list =
            QString::fromUtf8("IDD_OPTIONS  →未替換\r\nIDD_FIND  →未替換\r\nIDD_PROGRESS  →未替換\r\n");
        auto* box = window.get<QTextEdit>("Text5");
        box->setProperty("list", list);
        // Too long for one line, the first entry wraps at its blanks, never inside the arrow's
        // text; copied, the box gives the list as it was given, in lines of the clipboard's own ends.
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
    }

    void executeLooksDefaultUnlessAnotherButtonHasTheFocus() {
        QtWindow window;
        for (const char* focused : {"Text5", "Command6", "Command5"}) {
            window.giveFocus(focused);
            QCOMPARE(window.get<QPushButton>("Command5")->isDefault(), std::string_view(focused) != "Command6");
        }
    }

    void realDialogs() {
        // What each real dialog showed, and the window while it was open and after: the error box
        // of an old Chinese script that is missing; the completion dialog, which Esc leaves open
        // and Enter closes; the question of other header forms, answered 否; Browse's file
        // dialog, in Chinese, cancelled.
        std::string seen;
        for (int i = 0; i < 4; ++i) {
            velb::testing::TemporaryFolder folder;
            QtWindow window(false);
            velb::testing::ScenarioLog log(window);
            auto paths = velb::testing::scriptPaths(i == 2 ? VELB_TEST_DATA "/strings" : VELB_EXAMPLES, folder);
            paths[1] = i == 0 ? u"missing.rc" : paths[1];
            velb::testing::fillAll(window, paths);
            whenModalOpens([&](QWidget* modal) {
                QStringList parts{modal->objectName(), modal->windowTitle(),
                                  modal->font() == window.form.font() ? "window's font" : "another font"};
                auto* box = qobject_cast<QMessageBox*>(modal);
                if (box) {
                    parts << box->text() << (box->icon() == QMessageBox::NoIcon ? "no icon" : "icon");
                    for (auto* button : box->buttons())
                        parts << button->text();
                }
                if (auto* files = qobject_cast<QFileDialog*>(modal)) {
                    const auto* buttons = files->findChild<QDialogButtonBox*>();
                    parts << buttons->button(QDialogButtonBox::Open)->text()
                          << buttons->button(QDialogButtonBox::Cancel)->text() << files->nameFilters().join(";;");
                }
                log.add(parts.join(" | ").toStdString());
                log.state("open");
                if (box && box->button(QMessageBox::No)) {
                    whenModalOpens([](QWidget* completion) { completion->close(); });
                    return box->button(QMessageBox::No)->click();
                }
                if (qobject_cast<velb::CompletionDialog*>(modal)) {
                    for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
                        QTest::keyClick(modal->focusWidget() ? modal->focusWidget() : modal, key);
                        log.add(modal->isVisible() ? "key: still open" : "key: closed");
                    }
                }
                modal->close();
            });
            window.click(i == 3 ? "Command1" : "Command5");
            log.state("after");
            seen += log.text();
        }
        QCOMPARE(QString::fromStdString(seen),
                 QString::fromStdString(velb::testing::golden(VELB_TEST_DATA "/windows/qt/real_dialogs.txt", seen)));
    }

    // Last, as it ends the event loop: the program ends only when the About box, its last
    // window, has closed, and closing deletes the box.
    void programEndsWithItsLastWindow() {
        auto* form = new velb::Form1;
        form->show();
        form->findChild<QPushButton*>("Command6")->click();
        QPointer box = QtWindow::aboutBoxes().constFirst();
        bool outlived = false;
        QTimer::singleShot(0, box, [&] {
            delete form;
            outlived = box && box->isVisible();
            box->close();
        });
        QObject guard;
        QTimer::singleShot(10000, &guard, [] { QCoreApplication::exit(1); }); // the box never closed
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(outlived);
        QTRY_VERIFY(box.isNull());
    }
};

QTEST_MAIN(Form1Test)
#include "Form1Test.moc"
