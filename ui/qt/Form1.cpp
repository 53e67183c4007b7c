#include "Form1.h"

#include "AboutBox.h"
#include "ControlTable.h"
#include "Looks.h"
#include "QtModalDialogs.h"
#include "ScreenCentre.h"
#include "WindowKinds.h"

#include <Form1Controls.h>

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>

namespace velb {

Form1::Form1(std::unique_ptr<ModalDialogs> dialogs)
    : QWidget(nullptr, kMainWindowFlags),
      m_dialogs(dialogs ? std::move(dialogs) : std::make_unique<QtModalDialogs>(this)),
      m_logic(*this, *m_dialogs, diskFileSystem(), CodePage::system()) {
    dressWindow(this, form1::kWindow);
    buildPathFrame();
    buildProgressFrame();
    buildStatusStrip();
    buildOutputFrame();
    buildCommandButtons();
    chainTabOrder(this);
    connectCommands();
    m_logic.start();
    control("Text1")->setFocus();
    new ScreenCentre(this);
}

Form1::~Form1() = default;

void Form1::connectCommands() {
    for (int i = 1; i <= 4; ++i) {
        connect(static_cast<QPushButton*>(control("Command" + std::to_string(i))), &QPushButton::clicked, this,
                [this, i] { m_logic.browse(static_cast<PathField>(i)); });
    }
    connect(static_cast<QPushButton*>(control("Command5")), &QPushButton::clicked, this, [this] { m_logic.execute(); });
    connect(static_cast<QPushButton*>(control("Command6")), &QPushButton::clicked, this,
            [this] { m_logic.showAbout(); });
    connect(static_cast<QPushButton*>(control("Command7")), &QPushButton::clicked, this, [this] { m_logic.exit(); });
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { showDefaultButton(now); });
    // Enter during a run is taken before any control of this window sees it.
    qApp->installEventFilter(this);
}

void Form1::showDefaultButton(QWidget* focused) {
    if (focused && focused->window() == this) {
        auto* execute = static_cast<QPushButton*>(control("Command5"));
        execute->setDefault(!qobject_cast<QPushButton*>(focused) || focused == execute);
    }
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
    if (m_logic.isRunning() && event->type() == QEvent::KeyPress && watched->isWidgetType() &&
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
        static_cast<QPushButton*>(control("Command5"))->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void Form1::closeEvent(QCloseEvent* event) {
    // A run in progress notices this at its next event pump and unwinds without touching the
    // window again; the window itself only hides, so it outlives that run's click.
    m_logic.closed();
    QWidget::closeEvent(event);
}

} // namespace velb
