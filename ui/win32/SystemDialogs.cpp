#include "SystemDialogs.h"

#include "CompletionDialog.h"
#include "WideText.h"

#include <Form1Controls.h>

#include <commdlg.h>

#include <algorithm>

namespace velb::win32 {

namespace {

// The system wants the filter's parts each ended by a null, the list by a second one.
std::wstring browseFilter() {
    std::wstring filter;
    for (const char* part : form1::kBrowseFilter)
        filter += widen(part) + L'\0';
    return filter;
}

std::wstring wide(std::u16string_view text) {
    return std::wstring(asWide(text));
}

} // namespace

std::optional<std::u16string> SystemDialogs::chooseFile(FileDialog kind, std::u16string_view presetName) {
    const std::wstring filter = browseFilter();
    std::wstring name = wide(presetName);
    name.resize(std::max<std::size_t>(name.size() + 1, 32768), L'\0');

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = m_owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrFile = name.data();
    dialog.nMaxFile = static_cast<DWORD>(name.size());
    // No question before an existing file is chosen to write, no insisting that a file to
    // read exists: the run reports what it cannot do.
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY;
    const BOOL chosen = kind == FileDialog::Save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog);
    if (!chosen)
        return std::nullopt;
    name.resize(name.find(L'\0'));
    return std::u16string(name.begin(), name.end());
}

void SystemDialogs::showError(std::u16string_view message) {
    MessageBoxW(m_owner, wide(message).c_str(), L"錯誤訊息", MB_OK);
}

void SystemDialogs::showCompletion() {
    CompletionDialog(m_owner).runModal();
}

bool SystemDialogs::askYesNo(std::u16string_view question) {
    return MessageBoxW(m_owner, wide(question).c_str(), L"Velbrix", MB_YESNO | MB_ICONQUESTION) == IDYES;
}

} // namespace velb::win32
