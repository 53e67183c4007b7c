#pragma once
// Writing the result: the new script's head and tail around the chosen dialogs, either as
// one merged script or as a translated / still-to-translate pair named after the output path.

#include "CodePage.h"
#include "DialogMatcher.h"
#include "FileSystem.h"
#include "ResourceScript.h"

#include <filesystem>
#include <string_view>
#include <vector>

namespace velb {

/// Assembles and writes the output files, adding each one's path to `written` once it is
/// complete, so that a failure on the second file of a pair still tells of the first. A
/// separate pair is named after the output path up to the first ".rc" (any letter case) of
/// its file-name part, or the whole path when there is none. Throws FileError.
void writeOutput(const LoadedScript& newEnglish, const MatchResult& match, const std::filesystem::path& outputPath,
                 FileSystem& files, std::vector<std::filesystem::path>& written, const CodePage& codePage);

} // namespace velb
