#pragma once
// Reading one input script: the file is read once and decoded; the counting, loading and
// cutting passes then run over the decoded lines, showing the window what it would see if
// the file were read line by line twice: the status captions, the bar's maximum after
// counting, its position per loaded line, and an event pump per line of every pass and per
// line of every dialog body.

#include "CodePage.h"
#include "DialogHeader.h"
#include "FileSystem.h"
#include "ProgressView.h"
#include "ResourceScript.h"

#include <filesystem>
#include <string_view>

namespace velb {

/// How one of the three scripts of a job is shown while it is read.
struct ScriptReading {
    Bar bar;
    std::u16string_view cuttingCaption; ///< the status line during the cutting pass
};

/// Reads a script's lines: CR LF, a lone CR and a lone LF each end a line; a terminator at
/// the very end adds no empty line. This is the counting pass: events are pumped once before
/// each line is read. Throws FileError, RunStopped.
void loadLines(InputFile& file, const CodePage& codePage, ResourceScript& into, ProgressView& view);

/// Cuts the complete dialogs out of a script and fixes its head and tail, pumping events
/// once per line examined and once per line of every dialog body. A dialog opens at a header
/// line of the given rule.
void cutDialogs(LoadedScript& loaded, ProgressView& view, HeaderRule headers);

/// Reads, loads and cuts the script at path into `into`. Throws FileError when the file
/// cannot be read, RunStopped when the view goes away.
void ReadScript(LoadedScript& into, const std::filesystem::path& path, const ScriptReading& reading, ProgressView& view,
                FileSystem& files, const CodePage& codePage, HeaderRule headers);

} // namespace velb
