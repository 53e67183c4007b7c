#pragma once
// The Execute command: one ReplacementJob from the first check of the inputs to the
// completion dialog, driving the reader, matching, the writer and the report in their
// fixed order and keeping the view's captions and bars current.

#include "CodePage.h"
#include "DialogHeader.h"
#include "DialogMatcher.h"
#include "FileSystem.h"
#include "RunView.h"

#include <array>
#include <filesystem>
#include <string>
#include <vector>

namespace velb {

struct RunOutcome {
    enum class Kind {
        Completed, ///< output (and report) written, completion dialog shown and closed
        Failed,    ///< a path field was empty, or a file could not be read or written; the error box was shown
        Stopped,   ///< the view went away during the run; nothing further was done
    };
    Kind kind = Kind::Completed;
    std::vector<std::filesystem::path> written; ///< files written, in order (report last), also when a later one failed
    std::u16string unreplacedList;              ///< as last shown, one line per unreplaced dialog
    /// Per script read (old English, old Chinese, new English) that gave no dialog under the
    /// window's rule: its header lines of the forms only HeaderRule::AnyForm takes.
    std::array<int, 3> otherFormHeaders{};
    /// When asked for: the changes file (see DescribeChanges), once matching is done.
    std::u16string changes;
};

/// What velb-batch may ask of a run beyond the window's job; the defaults are the window's.
struct RunExtras {
    HeaderRule headers = HeaderRule::FixedImpure;
    Carrying carrying = Carrying::WholeDialogs;
    bool describeChanges = false;
};

/// Runs one job against the view. Files go through files and are read and written in codePage.
/// When a script gives the window's rule no dialog but holds headers of today's forms, the
/// view is asked whether to read those instead (RunView::askReadEveryHeaderForm).
RunOutcome Execute(RunView& view, FileSystem& files, const CodePage& codePage, const RunExtras& extras = {});

} // namespace velb
