#include "AboutBox.h"

#include "ControlTable.h"
#include "Looks.h"
#include "ScreenCentre.h"
#include "WindowKinds.h"

#include <AboutBoxControls.h>

#include <QPushButton>

namespace velb {

AboutBox::AboutBox(QWidget* parent) : QDialog(parent, kFixedDialogFlags) {
    new ScreenCentre(this);
    dressWindow(this, about::kWindow);
    setAttribute(Qt::WA_DeleteOnClose);
    buildControls(this, about::kControls);
    chainTabOrder(this);
    applyLooks(this, about::kLooks);

    // Default and cancel button at once: Enter and Esc both close the box.
    auto* ok = findControl<QPushButton>(this, "cmdOK");
    ok->setDefault(true);
    ok->setFocus();
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace velb
