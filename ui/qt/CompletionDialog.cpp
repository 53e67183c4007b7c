#include "CompletionDialog.h"

#include "ControlTable.h"
#include "Looks.h"
#include "ScreenCentre.h"
#include "WindowKinds.h"

#include <CompletionDialogControls.h>

#include <QKeyEvent>
#include <QPushButton>

namespace velb {

CompletionDialog::CompletionDialog(QWidget* parent) : QDialog(parent, kFixedDialogFlags) {
    new ScreenCentre(this);
    dressWindow(this, completion::kWindow);
    buildControls(this, completion::kControls);
    chainTabOrder(this);
    applyLooks(this, completion::kLooks);

    // Neither default nor cancel button: Enter presses it only because it has the focus.
    auto* ok = findControl<QPushButton>(this, "OKButton");
    ok->setFocus();
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void CompletionDialog::keyPressEvent(QKeyEvent* event) {
    // The dialog has no cancel button, so Esc leaves it open.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace velb
