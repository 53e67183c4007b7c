// The Win32 About box and completion dialog: their texts and kinds of window, one About box
// that outlives the main window until Enter or Esc closes it, and a completion dialog whose
// OK button has the focus, that Enter closes and Esc does not.

#include "WindowTesting.h"

#include <WindowExpectations.h>

#include <CompletionDialog.h>
#include <Form1.h>

using namespace velb::testing;

namespace {

// A box: fixed dialog frame without an icon, owned by a hidden window so it is not in the
// taskbar, centred on the screen.
void checkBox(const velb::win32::FormWindow& box) {
    const HWND window = box.handle();
    EXPECT_TRUE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);
    EXPECT_FALSE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_APPWINDOW);
    const HWND owner = GetWindow(window, GW_OWNER);
    EXPECT_TRUE(owner && !IsWindowVisible(owner));
    RECT frame{};
    RECT area{};
    GetWindowRect(window, &frame);
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    EXPECT_EQ(frame.left - area.left, (area.right - area.left - (frame.right - frame.left)) / 2);
    EXPECT_EQ(frame.top - area.top, (area.bottom - area.top - (frame.bottom - frame.top)) / 2);
}

} // namespace

TEST(AboutBoxWindow, OneBoxOutlivesTheMainWindowUntilEnterOrEsc) {
    for (const UINT key : {VK_RETURN, VK_ESCAPE}) {
        auto form = std::make_unique<velb::win32::Form1>();
        form->show();
        click(form->control("Command6"));
        const auto* box = form->aboutBox();
        ASSERT_TRUE(box);
        click(form->control("Command6"));
        EXPECT_EQ(form->aboutBox(), box); // the same box, brought to the front

        checkWindow(box->handle(), kAboutTitle, {382, 210});
        checkBox(*box);
        for (const auto& [name, text] : kAboutTexts)
            EXPECT_EQ(textOf(box->control(name)), text) << name;
        EXPECT_EQ(GetFocus(), box->control("cmdOK"));

        click(form->control("Command7")); // Exit
        EXPECT_FALSE(form->isShown());
        EXPECT_TRUE(box->isShown());
        press(key);
        EXPECT_FALSE(box->isShown());
    }
}

TEST(CompletionDialogWindow, OkHasTheFocusAndOnlyEnterClosesIt) {
    velb::win32::CompletionDialog dialog(nullptr);
    dialog.show();
    velb::win32::pumpMessages();
    checkWindow(dialog.handle(), kCompletionTitle, {211, 103});
    checkBox(dialog);
    for (const auto& [name, text] : kCompletionTexts)
        EXPECT_EQ(textOf(dialog.control(name)), text) << name;
    EXPECT_EQ(GetFocus(), dialog.control("OKButton"));
    press(VK_ESCAPE);
    EXPECT_TRUE(dialog.isShown());
    press(VK_RETURN);
    EXPECT_FALSE(dialog.isShown());
}
