// The main window's frames, each built from its table in Form1Controls.h.

#include "Form1.h"

#include "ControlTable.h"
#include "Looks.h"

#include <Form1Controls.h>

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

namespace velb {

void Form1::buildPathFrame() {
    buildControls(this, form1::kPathFrame);
}

void Form1::buildProgressFrame() {
    buildControls(this, form1::kProgressFrame);
}

void Form1::buildStatusStrip() {
    buildControls(this, form1::kStatusStrip);
}

void Form1::buildOutputFrame() {
    buildControls(this, form1::kOutputFrame);
    findControl<QCheckBox>(this, "Check1")->setChecked(true);
    findControl<QRadioButton>(this, "Option1_1")->setChecked(true);
}

void Form1::buildCommandButtons() {
    buildControls(this, form1::kCommandButtons);
    applyLooks(this, form1::kLooks);
    // Drawn as the default button; keyPressEvent gives it the Enter the other controls leave.
    findControl<QPushButton>(this, "Command5")->setDefault(true);
}

} // namespace velb
