#include "Form1.h"

#include "AboutBox.h"
#include "ControlTable.h"
#include "ListBox.h"
#include "Looks.h"
#include "QtModalDialogs.h"
#include "ScreenCentre.h"
#include "WindowKinds.h"

#include <Execute.h>
#include <Form1Controls.h>

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

namespace velb {

namespace {

// Qt's form of the filter list: "description(pattern);;…", the pattern already in the description.
const auto kBrowseFilter = QStringLiteral("%1;;%2").arg(QString::fromUtf8(form1::kBrowseFilter[0]),
                                                        QString::fromUtf8(form1::kBrowseFilter[2]));

} // namespace

Form1::Form1(std::unique_ptr<ModalDialogs> dialogs)
    : QWidget(nullptr, kMainWindowFlags), m_dialogs(dialogs ? std::move(dialogs) : std::make_unique<QtModalDialogs>()) {
    dressWindow(this, form1::kWindow);
    buildPathFrame();
    buildProgressFrame();
    buildStatusStrip();
    buildOutputFrame();
    buildCommandButtons();
    chainTabOrder(this);
    findControls();
    connectCommands();
    m_pathFields[0]->setFocus();
    new ScreenCentre(this);
}

Form1::~Form1() = default;

void Form1::findControls() {
    for (int i = 0; i < 4; ++i) {
        const auto number = std::to_string(i + 1);
        m_pathFields[i] = findControl<QLineEdit>(this, ("Text" + number).c_str());
        m_browseButtons[i] = findControl<QPushButton>(this, ("Command" + number).c_str());
        m_bars[i] = findControl<QProgressBar>(this, ("ProgressBar" + number).c_str());
    }
    m_statusLine = findControl<QLabel>(this, "Label1");
    m_unreplacedBox = findControl<ListBox>(this, "Text5");
    m_reportBox = findControl<QCheckBox>(this, "Check1");
    m_mergedOption = findControl<QRadioButton>(this, "Option1_0");
    m_executeButton = findControl<QPushButton>(this, "Command5");
    m_aboutButton = findControl<QPushButton>(this, "Command6");
    m_exitButton = findControl<QPushButton>(this, "Command7");
}

void Form1::connectCommands() {
    for (int i = 0; i < 4; ++i) {
        const auto field = static_cast<PathField>(i + 1);
        connect(m_browseButtons[i], &QPushButton::clicked, this, [this, field] { browse(field); });
    }
    connect(m_executeButton, &QPushButton::clicked, this, &Form1::execute);
    connect(m_aboutButton, &QPushButton::clicked, this, &Form1::showAbout);
    connect(m_exitButton, &QPushButton::clicked, this, &QWidget::close);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { showDefaultButton(now); });
}

void Form1::showDefaultButton(QWidget* focused) {
    if (focused && focused->window() == this)
        m_executeButton->setDefault(!qobject_cast<QPushButton*>(focused) || focused == m_executeButton);
}

void Form1::browse(PathField field) {
    showRunState();
    const auto kind = field == PathField::Output ? ModalDialogs::FileDialog::Save : ModalDialogs::FileDialog::Open;
    const auto chosen = m_dialogs->chooseFile(this, kind, kBrowseFilter, m_sharedFileName);
    // A cancelled dialog leaves the box alone. Writing the shared name back into it, as
    // the window once did, could put an input script's path into the output field, and
    // the next run would then write over that script.
    if (!chosen)
        return;
    m_sharedFileName = *chosen;
    m_pathFields[indexOf(field)]->setText(*chosen);
}

void Form1::execute() {
    // Locking Execute passes the focus on to About. Enter during the run must open nothing,
    // and after it must start the next run, as it did before: the focus comes back.
    const QPointer<QWidget> focused = QApplication::focusWidget();
    qApp->installEventFilter(this);
    const auto outcome = velb::Execute(*this);
    qApp->removeEventFilter(this);
    // A stopped run means the window was closed under it: leave it as the close left it.
    if (outcome.kind != RunOutcome::Kind::Stopped) {
        showRunState();
        if (focused)
            focused->setFocus();
    }
    // The run is over and the box shows its list; the window need not keep a second copy.
    m_shown.releaseList();
    // The next run processes events at its first pump.
    m_sinceLastPump.invalidate();
}

void Form1::showAbout() {
    // No owner, so the box can outlive this window.
    if (!m_about)
        m_about = new AboutBox;
    m_about->show();
    m_about->raise();
    m_about->activateWindow();
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    // Only during a run: Enter in any control of this window does nothing.
    if (event->type() == QEvent::KeyPress && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == this) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

void Form1::keyPressEvent(QKeyEvent* event) {
    // Enter that no control has used itself starts a run, unless one is already going.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        m_executeButton->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void Form1::closeEvent(QCloseEvent* event) {
    // A run in progress notices this at its next event pump and unwinds without touching
    // the window again; the window itself only hides, so it outlives that run's click.
    m_closing = true;
    QWidget::closeEvent(event);
}

} // namespace velb
