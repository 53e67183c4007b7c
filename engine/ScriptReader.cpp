#include "ScriptReader.h"

#include "DialogHeader.h"

#include <algorithm>
#include <sys/mman.h>
#include <cstdint>

namespace velb {

namespace {

constexpr std::u16string_view kDialogEnd = u"END";
constexpr std::u16string_view kLoadingCaption = u"讀取中...";
constexpr std::size_t kLargestRead = 1 << 20;
constexpr std::size_t kSmallestRead = 4096;

} // namespace

void loadLines(InputFile& file, const CodePage& codePage, ResourceScript& into, ProgressView& view) {
    into.text.clear();
    into.lineStart.clear();
    into.text.reserve(file.size() + file.size() / 16 + 2);
    {
        auto a = (reinterpret_cast<std::uintptr_t>(into.text.data()) + 4095) & ~std::uintptr_t(4095);
        auto e = reinterpret_cast<std::uintptr_t>(into.text.data() + into.text.capacity()) & ~std::uintptr_t(4095);
        if (e > a) madvise(reinterpret_cast<void*>(a), e - a, MADV_HUGEPAGE);
    }
    // The file is read in pieces between lines, so no read keeps the window waiting long.
    // CR and LF never stand inside a double-byte character, so the bytes can be split into
    // lines before they are decoded.
    // A small file is read in a piece its own size: each read first grows the buffer, and
    // zero-filling a megabyte for a script of a few lines would cost more than the script.
    const std::size_t readSize = std::clamp(file.size() + 1, kSmallestRead, kLargestRead);
    std::string bytes;
    std::size_t begin = 0;   // first byte of the next line
    std::size_t scanned = 0; // bytes from begin up to here hold no terminator
    bool atEnd = false;
    while (!atEnd || begin < bytes.size()) {
        std::size_t end = std::max(begin, scanned);
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        // A line is whole when its terminator is in the buffer, and a CR is known to stand
        // alone or before an LF.
        const bool whole = end + 1 < bytes.size() || (end < bytes.size() && bytes[end] == '\n');
        if (!whole && !atEnd) {
            bytes.erase(0, begin);
            scanned = end - begin;
            begin = 0;
            const std::size_t kept = bytes.size();
            bytes.resize(kept + readSize);
            const std::size_t count = file.read(std::span(bytes).subspan(kept));
            bytes.resize(kept + count);
            atEnd = count == 0;
            continue;
        }
        pumpOrStop(view);
        into.lineStart.push_back(into.text.size());
        codePage.decodeAppend(std::string_view(bytes).substr(begin, end - begin), into.text);
        into.text += u"\r\n";
        const bool crLf = end + 1 < bytes.size() && bytes[end] == '\r' && bytes[end + 1] == '\n';
        begin = std::min(end + (crLf ? 2 : 1), bytes.size());
    }
    into.lineStart.push_back(into.text.size());
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
        view.setStatus(kLoadingCaption);
    }

    view.setStatus(reading.cuttingCaption);
    cutDialogs(into, view, headers);
}

} // namespace velb
