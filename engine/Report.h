#pragma once
// The short plain-text report written to the current directory at the end of a run.

#include "CodePage.h"
#include "FileSystem.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace velb {

/// The report's text: counts of the old scripts, the unreplaced list, the contact line.
std::u16string ReportText(int oldEnglishCount, int oldChineseCount, std::u16string_view unreplacedList);

/// Writes the report into the current directory; returns its path. Throws FileError.
std::filesystem::path WriteReport(int oldEnglishCount, int oldChineseCount, std::u16string_view unreplacedList,
                                  FileSystem& files, const CodePage& codePage = CodePage::system());

} // namespace velb
