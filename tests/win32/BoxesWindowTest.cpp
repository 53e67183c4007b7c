// The Win32 About box and completion dialog, which start, centred, as their snapshots show: one
// About box that outlives the main window until Enter or Esc closes it, and a completion dialog
// that Enter closes and Esc does not.

#include "WindowTesting.h"

#include <CompletionDialog.h>
#include <Form1.h>

using namespace velb::testing;

TEST(AboutBoxWindow, OneBoxOutlivesTheMainWindowUntilEnterOrEsc) {
    for (const UINT key : {VK_RETURN, VK_ESCAPE}) {
        auto form = std::make_unique<velb::win32::Form1>();
        form->show();
        click(form->control("Command6"));
        const auto* box = form->aboutBox();
        ASSERT_TRUE(box);
        click(form->control("Command6"));
        EXPECT_EQ(form->aboutBox(), box); // the same box, brought to the front

        click(form->control("Command7")); // Exit
        EXPECT_FALSE(form->isShown());
        EXPECT_TRUE(box->isShown());
        press(key);
        EXPECT_FALSE(box->isShown());
    }
}

TEST(CompletionDialogWindow, OnlyEnterClosesIt) {
    velb::win32::CompletionDialog dialog(nullptr);
    dialog.show();
    velb::win32::pumpMessages();
    press(VK_ESCAPE);
    EXPECT_TRUE(dialog.isShown());
    press(VK_RETURN);
    EXPECT_FALSE(dialog.isShown());
}
