#include "MessageLoop.h"

namespace velb::win32 {

void dispatch(MSG& message) {
    const HWND window = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (window && IsDialogMessageW(window, &message))
        return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

void pumpMessages(const std::function<bool(const MSG&)>& skip) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (!skip || !skip(message))
            dispatch(message);
    }
}

void runUntil(const std::function<bool()>& done) {
    while (!done()) {
        WaitMessage();
        pumpMessages();
    }
}

} // namespace velb::win32
