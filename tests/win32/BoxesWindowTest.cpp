// The Win32 completion dialog, which starts, centred, as its snapshot shows: Enter closes it and
// Esc does not. (The About box's life is a window scenario.)

#include "WindowTesting.h"

#include <CompletionDialog.h>

using namespace velb::testing;

TEST(CompletionDialogWindow, OnlyEnterClosesIt) {
    velb::win32::CompletionDialog dialog(nullptr);
    dialog.show();
    velb::win32::pumpMessages();
    press(VK_ESCAPE);
    EXPECT_TRUE(dialog.isShown());
    press(VK_RETURN);
    EXPECT_FALSE(dialog.isShown());
}
