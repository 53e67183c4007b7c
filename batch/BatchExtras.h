#pragma once
// What velb-batch tells and writes beyond the window's run: a word on scripts whose dialogs
// only --any-dialog takes, and the changes file of --changes.

#include "Execute.h"

#include <array>
#include <filesystem>
#include <string_view>

namespace velb {

/// For each script of the run that gave no dialog although it has header lines of the forms
/// that resource editors write today, one line on stderr: how many, and that --any-dialog
/// takes them. scripts: the old English, old Chinese and new English paths.
void tellPassedOverHeaders(const RunOutcome& outcome, const std::array<std::filesystem::path, 3>& scripts);

/// Writes the changes file as UTF-8 and tells it on stderr like the run's own files; on
/// failure tells why and returns false.
bool writeChangesFile(std::u16string_view changes, const std::filesystem::path& path);

} // namespace velb
