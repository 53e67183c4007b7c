#pragma once
// What velb-batch tells beyond the window's run: a word on scripts whose dialogs only
// --any-dialog takes.

#include "Execute.h"

#include <array>
#include <filesystem>

namespace velb {

/// For each script of the run that gave no dialog although it has header lines of the forms
/// that resource editors write today, one line on stderr: how many, and that --any-dialog
/// takes them. scripts: the old English, old Chinese and new English paths.
void tellPassedOverHeaders(const RunOutcome& outcome, const std::array<std::filesystem::path, 3>& scripts);

} // namespace velb
