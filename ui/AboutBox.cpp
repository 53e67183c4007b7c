#include "AboutBox.h"

#include "ControlTable.h"
#include "Looks.h"
#include "ScreenCentre.h"
#include "WindowKinds.h"

#include <QPushButton>

namespace velb {

namespace {

using enum ControlKind;

constexpr const char* kDescription = "這是一支用來處理資源檔的小程式，它可以將您之前所翻譯過的舊版資源檔，"
                                     "拿出來與新版對照，一但內容相符就會替您置換過去，"
                                     "省去相當的時間進行人工比較，歡迎使用。";
constexpr const char* kAuthorLine = "Velbrix 開發團隊 <velbrix@example.com>";

// The two lines are one etched separator: a grey line with a white one a pixel below it.
constexpr ControlRow kControls[] = {
    {"picIcon", Picture, nullptr, {240, 240, 540, 540}, ":/velb/duckling.gif", 1},
    {"lblTitle", Label, nullptr, {1050, 300, 1410, 240}, "Velbrix", 4},
    {"lblVersion", Label, nullptr, {2580, 360, 1365, 180}, "版本 1.1 beta 1217", 5},
    {"lblDescription", WrappedText, nullptr, {1020, 780, 4425, 1260}, kDescription, 2},
    {"Label1", Label, nullptr, {180, 2130, 765, 180}, "程式設計:", 6},
    {"lblDisclaimer", Label, nullptr, {1050, 2160, 2205, 180}, kAuthorLine, 3},
    {"Line1_1", Line, nullptr, {90, 2445, 5564, 15}, "", kNoTab},
    {"Line1_0", Line, nullptr, {105, 2460, 5549, 30}, "", kNoTab},
    {"cmdOK", Button, nullptr, {4455, 2625, 1050, 345}, "確定", 0},
};

void applyLooks(QWidget* box) {
    auto* title = findControl<QWidget>(box, "lblTitle");
    title->setFont(mingFont(12, true));
    setTextColour(title, Qt::black);
    auto* description = findControl<QWidget>(box, "lblDescription");
    description->setFont(mingFont(12));
    setTextColour(description, Qt::black);
    setTextColour(findControl<QWidget>(box, "Label1"), Qt::red);
    setTextColour(findControl<QWidget>(box, "lblDisclaimer"), Qt::blue);
    setFillColour(findControl<QWidget>(box, "Line1_1"), QColor(128, 128, 128));
    setFillColour(findControl<QWidget>(box, "Line1_0"), Qt::white);
}

} // namespace

AboutBox::AboutBox(QWidget* parent) : QDialog(parent, kFixedDialogFlags) {
    new ScreenCentre(this);
    dressWindow(this, "frmAbout", QStringLiteral("關於 Velbrix..."));
    setAttribute(Qt::WA_DeleteOnClose);
    setClientSize(this, 5730, 3150);
    buildControls(this, kControls);
    chainTabOrder(this);
    applyLooks(this);

    // Default and cancel button at once: Enter and Esc both close the box.
    auto* ok = findControl<QPushButton>(this, "cmdOK");
    ok->setDefault(true);
    ok->setFocus();
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace velb
