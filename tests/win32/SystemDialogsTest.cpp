// The modal dialogs as the main window opens them: the error box titled "錯誤訊息" with its
// one OK button and no icon, the question titled "Velbrix" with 是 and 否, the open dialog
// with the filter list and the shared file name, which a cancel leaves without a name, and
// the completion dialog, which locks its owner and which Enter closes and Esc does not.

#include "WindowTesting.h"

#include <Form1.h>
#include <SystemDialogs.h>

#include <Golden.h>

#include <functional>

using namespace velb::testing;
namespace fs = std::filesystem;

namespace {

// Looks at the dialog the modal loop has opened, once it is up, and closes it.
std::function<bool()> g_whenOpen;

void CALLBACK lookForDialog(HWND, UINT, UINT_PTR timer, DWORD) {
    if (g_whenOpen())
        KillTimer(nullptr, timer);
}

void whenOpen(std::function<bool()> handle) {
    g_whenOpen = std::move(handle);
    SetTimer(nullptr, 0, 50, lookForDialog);
}

std::vector<std::string> comboItems(HWND combo) {
    std::vector<std::string> items;
    const auto count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        std::wstring item(SendMessageW(combo, CB_GETLBTEXTLEN, i, 0) + 1, L'\0');
        item.resize(SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item.data())));
        items.push_back(narrow(item));
    }
    return items;
}

} // namespace

// What each dialog showed and answered, against tests/data/windows/win32/dialogs.txt.
TEST(SystemDialogs, EachShowsAndAnswersAsItsFileSays) {
    std::vector<std::string> seen;
    const auto answer = [&](const wchar_t* title, int button) {
        whenOpen([&seen, title, button] {
            const HWND box = FindWindowW(L"#32770", title);
            if (!box)
                return false;
            const HWND yes = GetDlgItem(box, IDYES);
            seen.insert(seen.end(), {textOf(GetDlgItem(box, 0xFFFF)), textOf(GetDlgItem(box, IDOK)),
                                     yes ? textOf(yes) + " " + textOf(GetDlgItem(box, IDNO)) : "no yes",
                                     GetDlgItem(box, IDCANCEL) ? "cancel" : "no cancel",
                                     SendDlgItemMessageW(box, 0x0440, STM_GETICON, 0, 0) ? "icon" : "no icon"});
            PostMessageW(box, WM_COMMAND, button, 0);
            return true;
        });
    };
    answer(L"錯誤訊息", IDOK);
    velb::win32::SystemDialogs().showError(u"您未指定【舊版英文】資料!");
    for (const int button : {IDYES, IDNO}) {
        answer(L"Velbrix", button);
        seen.push_back(velb::win32::SystemDialogs().askYesNo(u"要讀取這些對話框嗎？") ? "是" : "否");
    }

    // The open dialog: its filter list and the shared file name; a cancel chooses nothing.
    whenOpen([&] {
        const HWND dialog = GetActiveWindow();
        const HWND types = dialog ? GetDlgItem(dialog, 0x470) : nullptr; // the file type box
        if (!types)
            return false;
        for (const std::string& type : comboItems(types))
            seen.push_back("type " + type);
        seen.push_back("name " + textOf(GetDlgItem(dialog, 0x47c))); // the file name box
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        return true;
    });
    const auto chosen = velb::win32::SystemDialogs().chooseFile(velb::ModalDialogs::FileDialog::Open, u"old_en.rc");
    seen.push_back(chosen ? "chosen" : "cancelled");

    // The completion dialog locks the main window; Esc leaves it open and Enter closes it.
    velb::win32::Form1 form;
    form.show();
    whenOpen([&] {
        const HWND dialog = FindWindowW(L"VelbForm", L"轉換完成!");
        if (!dialog || !IsWindowVisible(dialog))
            return false;
        seen.push_back(IsWindowEnabled(form.handle()) ? "main window usable" : "main window locked");
        for (const UINT key : {VK_ESCAPE, VK_RETURN}) {
            press(key);
            seen.push_back(IsWindowVisible(dialog) ? "key: still open" : "key: closed");
        }
        return true;
    });
    velb::win32::SystemDialogs(form.handle()).showCompletion();
    seen.push_back(IsWindowEnabled(form.handle()) ? "main window usable" : "main window locked");
    EXPECT_EQ(joinedLines(seen), golden(fs::path(VELB_TEST_DATA) / "windows/win32/dialogs.txt", joinedLines(seen)));
}
