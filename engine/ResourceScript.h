#pragma once
// One input script as the engine holds it, and the dialogs cut out of it.
//
// A script is one decoded buffer in which every line is followed by CR LF, whatever ended
// it in the file, plus the offset of each line. Dialog names and bodies are views into
// that buffer: a body (header line through END, each line with its CR LF) is a plain
// slice of it, so no line and no body is ever copied. The buffer and the offsets grow with
// the script, so they live in memory taken for blocks of that size (ScriptMemory.h); an offset
// takes 32 bits, and a script whose text would reach beyond them is too large to carry.

#include "DecodedText.h"
#include "ScriptMemory.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace velb {

using LineOffset = std::uint32_t;
using LineStarts = std::vector<LineOffset, ScriptAllocator<LineOffset>>;

struct ResourceScript {
    DecodedText text;     ///< every line followed by CR LF
    LineStarts lineStart; ///< offset of line i at [i - 1]; one more entry: text.size()

    int lineCount() const { return static_cast<int>(lineStart.size()) - 1; }
    /// Line i (from 1), without its CR LF.
    std::u16string_view line(int i) const;
    /// Lines first through last (from 1), each with its CR LF; empty when first > last.
    std::u16string_view lines(int first, int last) const;
    /// The line (from 1) on which slice, a view into text, begins.
    int lineOf(std::u16string_view slice) const;
};

struct Dialog {
    std::u16string_view name; ///< the header line up to and including the blank before DIALOG
    std::u16string_view body; ///< header line through END, each line followed by CR LF
};

/// The complete dialogs of a script, in file order.
using DialogTable = std::vector<Dialog>;

/// What of the new script is copied around the dialogs: lines 1..headEnd and tailStart..end.
struct ScriptFrame {
    int headEnd = 0;
    int tailStart = 1;
};

/// A script with its dialogs. Not movable: the dialogs are views into the script's text.
struct LoadedScript {
    ResourceScript script;
    DialogTable dialogs;
    ScriptFrame frame;

    LoadedScript() = default;
    LoadedScript(const LoadedScript&) = delete;
    LoadedScript& operator=(const LoadedScript&) = delete;
};

} // namespace velb
