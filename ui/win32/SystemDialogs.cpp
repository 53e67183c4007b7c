#include "SystemDialogs.h"

#include "CompletionDialog.h"

#include <commdlg.h>

#include <algorithm>

namespace velb::win32 {

std::optional<std::wstring> SystemDialogs::chooseFile(HWND owner, FileDialog kind, const std::wstring& filter,
                                                      const std::wstring& presetName) {
    // The system wants the filter's parts each ended by a null, the list by a second one.
    auto parts = filter + L'\0';
    std::ranges::replace(parts, L'|', L'\0');
    std::wstring name = presetName;
    name.resize(std::max<std::size_t>(name.size() + 1, 32768), L'\0');

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = parts.c_str();
    dialog.lpstrFile = name.data();
    dialog.nMaxFile = static_cast<DWORD>(name.size());
    // No question before an existing file is chosen to write, no insisting that a file to
    // read exists: the run reports what it cannot do.
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY;
    const BOOL chosen = kind == FileDialog::Save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog);
    if (!chosen)
        return std::nullopt;
    name.resize(name.find(L'\0'));
    return name;
}

void SystemDialogs::showError(HWND owner, const std::wstring& message) {
    MessageBoxW(owner, message.c_str(), L"錯誤訊息", MB_OK);
}

void SystemDialogs::showCompletion(HWND owner) {
    CompletionDialog(owner).runModal();
}

} // namespace velb::win32
