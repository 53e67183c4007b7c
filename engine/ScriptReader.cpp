#include "ScriptReader.h"

#include "DialogHeader.h"
#include "StatusCaptions.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>
#include <memory>
#include <new>

namespace velb {

namespace {

constexpr std::u16string_view kDialogEnd = u"END";
constexpr std::u16string_view kLineEnd = u"\r\n";
constexpr std::size_t kLargestRead = 1 << 16;

bool isTerminator(char16_t c) {
    return c == u'\r' || c == u'\n';
}

// Nonzero exactly when one of the four characters in word is c: the usual test for a zero
// lane, on word with c taken out of every lane.
constexpr std::uint64_t kEveryLane = 0x0001000100010001;
std::uint64_t lanesHolding(std::uint64_t word, char16_t c) {
    const std::uint64_t differences = word ^ (kEveryLane * c);
    return (differences - kEveryLane) & ~differences & (kEveryLane << 15);
}

// The first CR or LF from `from` on, or end. Lines run to dozens of characters, so blocks
// with neither are passed over first, four characters to a word.
const char16_t* findTerminator(const char16_t* from, const char16_t* end) {
    constexpr std::ptrdiff_t kBlock = 16;
    for (; end - from >= kBlock; from += kBlock) {
        std::uint64_t words[kBlock / 4];
        std::memcpy(words, from, sizeof words);
        std::uint64_t found = 0;
        for (const std::uint64_t word : words)
            found |= lanesHolding(word, u'\r') | lanesHolding(word, u'\n');
        if (found != 0)
            break;
    }
    return std::find_if(from, end, isTerminator);
}

// Where the whole lines of bytes end: after the last terminator, unless that is a CR at the
// very end, which an LF still to be read may join; 0 when there is none. The bytes before
// `fresh` hold no terminator but for such a CR at their end, so they are not searched again.
std::size_t wholeLinesEnd(const char* bytes, std::size_t size, std::size_t fresh) {
    for (std::size_t i = size; i > 0 && i >= fresh; --i) {
        if (bytes[i - 1] == '\n' || (bytes[i - 1] == '\r' && i < size))
            return i;
    }
    return 0;
}

// Makes each lone CR or LF of text from `from` on a CR LF, and ends a last line left without
// an end in CR LF too; `added` counts the characters that adds. The characters are moved from
// the back, so each moves once.
void endLinesInCrLf(DecodedText& text, std::size_t from, std::size_t added, bool unterminated) {
    char16_t* const last = text.room(added);
    const char16_t* const first = text.data() + from;
    const char16_t* source = last;
    char16_t* target = last + added;
    if (unterminated) {
        *--target = u'\n';
        *--target = u'\r';
    }
    while (source != first) {
        const char16_t c = *--source;
        const bool lone = (c == u'\n' && (source == first || source[-1] != u'\r')) ||
                          (c == u'\r' && (source + 1 == last || source[1] != u'\n'));
        if (lone) {
            *--target = u'\n';
            *--target = u'\r';
        } else {
            *--target = c;
        }
    }
    text.grow(added);
}

// Appends the lines of piece, which holds whole lines only but at the end of the file, each
// followed by CR LF, and pumps events once per line. CR and LF never stand inside a
// double-byte character, so the piece is decoded whole, into the text's own room, and its
// lines are found in the characters.
void appendLines(std::string_view piece, const CodePage& codePage, ResourceScript& into, ProgressView& view) {
    const std::size_t start = into.text.size();
    char16_t* const first = into.text.room(piece.size());
    const char16_t* const end = codePage.decode(piece, first);
    std::size_t added = 0; // characters that lone ends made CR LF add before the current line
    bool unterminated = false;
    for (const char16_t* line = first; line != end;) {
        pumpOrStop(view);
        into.lineStart.push_back(static_cast<LineOffset>(start + static_cast<std::size_t>(line - first) + added));
        const char16_t* const terminator = findTerminator(line, end);
        if (end - terminator >= 2 && terminator[0] == u'\r' && terminator[1] == u'\n') {
            line = terminator + 2;
        } else if (terminator != end) {
            ++added;
            line = terminator + 1;
        } else {
            unterminated = true;
            line = end;
        }
    }
    into.text.grow(static_cast<std::size_t>(end - first));
    if (added > 0 || unterminated)
        endLinesInCrLf(into.text, start, added + (unterminated ? kLineEnd.size() : 0), unterminated);
}

} // namespace

void loadLines(InputFile& file, const CodePage& codePage, ResourceScript& into, ProgressView& view) {
    into.text.clear();
    into.lineStart.clear();
    // Lines that end in CR LF have no more characters than bytes: their text fits exactly, and
    // only lone CRs and LFs make it grow.
    into.text.reserve(file.size() + kLineEnd.size());
    // The file is read in pieces, so no read keeps the window waiting long, and a piece is
    // decoded while its bytes are still in the cache. A small file takes one piece, a byte
    // larger than the file so that the read finding its end has room; a line longer than the
    // buffer doubles it.
    std::size_t capacity = std::min(file.size() + 1, kLargestRead);
    auto bytes = std::make_unique_for_overwrite<char[]>(capacity);
    std::size_t held = 0; // bytes in the buffer: a line begun in the last read, then the new ones
    for (bool atEnd = false; !atEnd;) {
        if (held == capacity) {
            capacity *= 2;
            auto larger = std::make_unique_for_overwrite<char[]>(capacity);
            std::memcpy(larger.get(), bytes.get(), held);
            bytes = std::move(larger);
        }
        const std::size_t count = file.read(std::span(bytes.get() + held, capacity - held));
        atEnd = count == 0;
        const std::size_t whole = atEnd ? held : wholeLinesEnd(bytes.get(), held + count, held);
        held += count;
        if (whole == 0)
            continue;
        appendLines(std::string_view(bytes.get(), whole), codePage, into, view);
        // Past the reach of a line offset the script is too large to carry, which the run
        // control tells as it tells of memory running out.
        if (into.text.size() > std::numeric_limits<LineOffset>::max())
            throw std::bad_alloc();
        std::memmove(bytes.get(), bytes.get() + whole, held - whole);
        held -= whole;
    }
    into.lineStart.push_back(static_cast<LineOffset>(into.text.size()));
}

void cutDialogs(LoadedScript& loaded, ProgressView& view, HeaderRule headers) {
    const ResourceScript& script = loaded.script;
    DialogTable& dialogs = loaded.dialogs;
    dialogs.clear();
    loaded.frame = ScriptFrame{};
    int openHeader = 0; // header line of the dialog being cut, 0 while none is open
    std::u16string_view openName;
    for (int i = 1; i <= script.lineCount(); ++i) {
        pumpOrStop(view);
        const std::u16string_view line = script.line(i);
        if (const std::optional<std::u16string_view> name = headerName(line, headers)) {
            // A second header line before END starts the dialog afresh.
            openHeader = i;
            openName = *name;
        } else if (openHeader != 0 && line == kDialogEnd) {
            // The body is a slice of the script; the window still sees a pump per body line.
            for (int k = openHeader; k <= i; ++k)
                pumpOrStop(view);
            if (dialogs.empty())
                loaded.frame.headEnd = openHeader - 1;
            loaded.frame.tailStart = i + 1;
            dialogs.push_back({openName, script.lines(openHeader, i)});
            openHeader = 0;
        }
        // An END with no open dialog closes some other block and is an ordinary line.
    }
}

void ReadScript(LoadedScript& into, const std::filesystem::path& path, const ScriptReading& reading, ProgressView& view,
                FileSystem& files, const CodePage& codePage, HeaderRule headers) {
    // The file is read once and counted as it is decoded; the loading pass is shown over
    // what was read, so both passes always see the same file.
    loadLines(*files.open(path), codePage, into.script, view);
    const int lineCount = into.script.lineCount();
    view.setBarMaximum(reading.bar, lineCount);

    for (int i = 1; i <= lineCount; ++i) {
        pumpOrStop(view);
        view.setBarPosition(reading.bar, i);
        view.setStatus(status::kLoading);
    }

    view.setStatus(reading.cuttingCaption);
    cutDialogs(into, view, headers);
}

} // namespace velb
