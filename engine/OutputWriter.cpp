#include "OutputWriter.h"

#include "LineEdits.h"

#include <algorithm>

namespace velb {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::u16string_view kEmptyLine = u"\r\n";
// The output path is taken apart in the file system's own form, so that a name whose bytes
// are no text still names its pair.
using NativeString = std::filesystem::path::string_type;
using NativeChar = std::filesystem::path::value_type;
#ifdef _WIN32
constexpr std::wstring_view kSeparators = L"\\/";
#else
constexpr std::string_view kSeparators = "/";
#endif

NativeChar lowerAscii(NativeChar c) {
    return c >= 'A' && c <= 'Z' ? static_cast<NativeChar>(c + ('a' - 'A')) : c;
}

// The name of one file of a separate pair.
std::filesystem::path separateOutputName(const std::filesystem::path& outputPath, std::u16string_view suffix) {
    const NativeString& path = outputPath.native();
    // Only the file name is searched: cutting at a folder named "my.rcfiles" would write
    // outside the chosen folder.
    const std::size_t lastSeparator = path.find_last_of(kSeparators);
    const std::size_t nameStart = lastSeparator == NativeString::npos ? 0 : lastSeparator + 1;
    std::size_t baseEnd = path.size();
    for (std::size_t i = nameStart; i + 3 <= path.size(); ++i) {
        if (path[i] == '.' && lowerAscii(path[i + 1]) == 'r' && lowerAscii(path[i + 2]) == 'c') {
            baseEnd = i;
            break;
        }
    }
    return std::filesystem::path(path.substr(0, baseEnd)) += std::filesystem::path(suffix);
}

// The new script's lines outside its dialogs as they are written: with the texts carried
// into them when strings are carried, else as they stand.
class OutsideLines {
public:
    OutsideLines(const ResourceScript& script, const MatchResult& match, const CodePage& codePage)
        : m_script(script), m_lines(script), m_edits(match.outside.edits), m_codePage(codePage) {
        std::sort(m_edits.begin(), m_edits.end(),
                  [](const Replacement& a, const Replacement& b) { return a.line < b.line; });
    }

    /// Appends lines first..last (from 1) in bytes.
    void append(int first, int last, std::string& bytes) const {
        const auto within = [](const Replacement& edit, int line) { return edit.line < line; };
        const auto begin = std::lower_bound(m_edits.begin(), m_edits.end(), first - 1, within);
        const auto end = std::lower_bound(begin, m_edits.end(), last, within);
        if (begin == end) {
            m_codePage.encodeAppend(m_script.lines(first, last), bytes);
            return;
        }
        std::vector<Replacement> edits(begin, end);
        std::u16string text;
        appendReplaced(m_lines, first - 1, last - 1, edits, text);
        m_codePage.encodeAppend(text, bytes);
    }

private:
    const ResourceScript& m_script;
    const ScriptLines m_lines;
    std::vector<Replacement> m_edits;
    const CodePage& m_codePage;
};

} // namespace

void writeOutput(const LoadedScript& newEnglish, const MatchResult& match, const std::filesystem::path& outputPath,
                 FileSystem& files, std::vector<std::filesystem::path>& written, const CodePage& codePage) {
    const ResourceScript& script = newEnglish.script;
    const OutsideLines outside(script, match, codePage);

    // Each dialog is followed by one empty line; an empty entry leaves the empty line alone.
    auto assembleDialogs = [&](const std::vector<std::u16string_view>& dialogs) {
        std::string bytes;
        bytes.reserve(script.text.size());
        outside.append(1, newEnglish.frame.headEnd, bytes);
        for (const std::u16string_view dialog : dialogs) {
            codePage.encodeAppend(dialog, bytes);
            bytes += kLineEnd;
        }
        outside.append(newEnglish.frame.tailStart, script.lineCount(), bytes);
        return bytes;
    };
    // Line for line as the new script, the text between dialogs kept; an empty entry leaves
    // an empty line in the dialog's place.
    auto assembleInPlace = [&](const std::vector<std::u16string_view>& dialogs) {
        std::string bytes;
        bytes.reserve(script.text.size());
        int nextLine = 1;
        for (std::size_t i = 0; i < dialogs.size(); ++i) {
            const std::u16string_view body = newEnglish.dialogs[i].body;
            const int first = script.lineOf(body);
            outside.append(nextLine, first - 1, bytes);
            codePage.encodeAppend(dialogs[i].empty() ? kEmptyLine : dialogs[i], bytes);
            nextLine = first + static_cast<int>(std::count(body.begin(), body.end(), u'\n'));
        }
        outside.append(nextLine, script.lineCount(), bytes);
        return bytes;
    };
    auto assemble = [&](const std::vector<std::u16string_view>& dialogs) {
        return match.carrying == Carrying::Strings ? assembleInPlace(dialogs) : assembleDialogs(dialogs);
    };

    if (match.mode == OutputMode::Merged) {
        files.replace(outputPath, assemble(match.replacementTable));
        written.push_back(outputPath);
        return;
    }
    const std::string translated = assemble(match.replacementTable);
    // The dialogs still to translate stand on their own, each followed by an empty line.
    const std::string untranslated = assembleDialogs(match.untranslated);
    const std::filesystem::path translatedPath = separateOutputName(outputPath, u"_已翻譯.rc");
    const std::filesystem::path untranslatedPath = separateOutputName(outputPath, u"_未翻譯.rc");
    files.replace(translatedPath, translated);
    written.push_back(translatedPath);
    files.replace(untranslatedPath, untranslated);
    written.push_back(untranslatedPath);
}

} // namespace velb
