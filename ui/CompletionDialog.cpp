#include "CompletionDialog.h"

#include "ControlTable.h"
#include "Looks.h"
#include "ScreenCentre.h"
#include "WindowKinds.h"

#include <QKeyEvent>
#include <QPushButton>

namespace velb {

namespace {

using enum ControlKind;

constexpr ControlRow kControls[] = {
    {"Image1", Image, nullptr, {240, 300, 480, 480}, ":/velb/duckling.gif", kNoTab},
    {"Label1", Label, nullptr, {930, 390, 1680, 240}, "成功轉換完成！", 1},
    {"OKButton", Button, nullptr, {1020, 990, 1215, 375}, "確定", 0},
};

} // namespace

CompletionDialog::CompletionDialog(QWidget* parent) : QDialog(parent, kFixedDialogFlags) {
    new ScreenCentre(this);
    dressWindow(this, "Dialog", QStringLiteral("轉換完成!"));
    setClientSize(this, 3165, 1545);
    buildControls(this, kControls);
    chainTabOrder(this);

    auto* sentence = findControl<QWidget>(this, "Label1");
    sentence->setFont(mingFont(12));
    setTextColour(sentence, Qt::blue);

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
