// Every Qt window at start-up against its snapshot in tests/data/windows/qt: a line for the
// window, one for the way Tab goes, then one per control, each frame before what it holds.

#include <Golden.h>

#include <AboutBox.h>
#include <CaptionFrame.h>
#include <CompletionDialog.h>
#include <Form1.h>

#include <QtTest>
#include <QtWidgets>

using velb::CaptionFrame;

namespace {

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

void compareWithFile(const char* file, const std::string& snapshot) {
    QCOMPARE(QString::fromStdString(snapshot), QString::fromStdString(velb::testing::golden(
                                                   std::string(VELB_TEST_DATA "/windows/qt/") + file, snapshot)));
}

} // namespace
class WindowSnapshotTest : public QObject {
    Q_OBJECT

private slots:
    void form1() { compareWithFile("Form1.txt", windowSnapshot(velb::Form1())); }
    void aboutBox() { compareWithFile("AboutBox.txt", windowSnapshot(velb::AboutBox())); }
    void completion() { compareWithFile("CompletionDialog.txt", windowSnapshot(velb::CompletionDialog())); }
};

QTEST_MAIN(WindowSnapshotTest)
#include "WindowSnapshotTest.moc"
