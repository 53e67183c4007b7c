// Every window at start-up, shown, against its snapshot in tests/data/windows/win32.

#include "WindowSnapshot.h"

#include <Golden.h>

#include <AboutBoxControls.h>
#include <CompletionDialog.h>
#include <CompletionDialogControls.h>
#include <Form1.h>
#include <Form1Controls.h>

using namespace velb;
using namespace velb::testing;

namespace {

void compareWithFile(const char* file, const std::string& snapshot) {
    EXPECT_EQ(snapshot, golden(std::string(VELB_TEST_DATA "/windows/win32/") + file, snapshot));
}

} // namespace

TEST(WindowSnapshot, EveryWindowStartsAsItsFileShows) {
    win32::Form1 form;
    form.show();
    const auto names = namesOf(
        form, form1::kWindow,
        {form1::kPathFrame, form1::kProgressFrame, form1::kStatusStrip, form1::kOutputFrame, form1::kCommandButtons});
    compareWithFile("Form1.txt", windowSnapshot(form, names));
    win32::AboutBox box;
    box.show();
    const auto boxNames = namesOf(box, about::kWindow, {about::kControls});
    compareWithFile("AboutBox.txt", windowSnapshot(box, boxNames));
    win32::CompletionDialog dialog(nullptr);
    dialog.show();
    const auto dialogNames = namesOf(dialog, completion::kWindow, {completion::kControls});
    compareWithFile("CompletionDialog.txt", windowSnapshot(dialog, dialogNames));
}
