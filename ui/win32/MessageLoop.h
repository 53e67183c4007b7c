#pragma once
// The one way messages reach the windows: each goes first through the dialog manager of its
// top-level window (Tab, Enter for the default button, Esc, access keys), used alike by the
// program's main loop, the run's event pump and the modal dialogs.

#include <windows.h>

#include <functional>

namespace velb::win32 {

/// Hands one message to the dialog manager of its window, or else dispatches it.
void dispatch(MSG& message);

/// Processes the messages pending now, those that skip() turns down excepted, and returns.
void pumpMessages(const std::function<bool(const MSG&)>& skip = {});

/// Processes messages, waiting for each, until done() holds.
void runUntil(const std::function<bool()>& done);

} // namespace velb::win32
