#pragma once
// The short plain-text report written to the current directory at the end of a run.

#include "CodePage.h"
#include "FileSystem.h"

#include <filesystem>
#include <string_view>

namespace velb {

/// Writes the report (counts of the old scripts' dialogs, the unreplaced list, the contact
/// line) into the current directory, in the code page when it holds the report's Chinese,
/// else in UTF-8 with a byte-order mark; returns its path. Throws FileError.
std::filesystem::path writeReport(int oldEnglishCount, int oldChineseCount, std::u16string_view unreplacedList,
                                  FileSystem& files, const CodePage& codePage);

} // namespace velb
