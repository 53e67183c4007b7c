#pragma once
// The two kinds of window frame the program uses: the main window's fixed single border
// and the fixed dialog border of the About box and the completion dialog.

#include <Qt>

namespace velb {

// Title bar with the window menu and the close box; no minimize or maximize box.
inline constexpr Qt::WindowFlags kMainWindowFlags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                                    Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                                                    Qt::MSWindowsFixedSizeDialogHint;

// The close box alone: without the window menu a dialog frame shows no icon.
inline constexpr Qt::WindowFlags kFixedDialogFlags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                                     Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;

} // namespace velb
