#include "OutputWriter.h"

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

} // namespace

void writeOutput(const LoadedScript& newEnglish, const MatchResult& match, const std::filesystem::path& outputPath,
                 FileSystem& files, std::vector<std::filesystem::path>& written, const CodePage& codePage) {
    const ResourceScript& script = newEnglish.script;
    const std::u16string_view head = script.lines(1, newEnglish.frame.headEnd);
    const std::u16string_view tail = script.lines(newEnglish.frame.tailStart, script.lineCount());

    // Each dialog is followed by one empty line; an empty entry leaves the empty line alone.
    auto assembleDialogs = [&](const std::vector<std::u16string_view>& dialogs) {
        std::string bytes;
        bytes.reserve(script.text.size());
        codePage.encodeAppend(head, bytes);
        for (const std::u16string_view dialog : dialogs) {
            codePage.encodeAppend(dialog, bytes);
            bytes += kLineEnd;
        }
        codePage.encodeAppend(tail, bytes);
        return bytes;
    };
    // Line for line as the new script, the text between dialogs kept; an empty entry leaves
    // an empty line in the dialog's place.
    auto assembleInPlace = [&](const std::vector<std::u16string_view>& dialogs) {
        std::string bytes;
        bytes.reserve(script.text.size());
        std::size_t copied = 0;
        for (std::size_t i = 0; i < dialogs.size(); ++i) {
            const std::u16string_view body = newEnglish.dialogs[i].body;
            const auto begin = static_cast<std::size_t>(body.data() - script.text.data());
            codePage.encodeAppend(std::u16string_view(script.text).substr(copied, begin - copied), bytes);
            codePage.encodeAppend(dialogs[i].empty() ? kEmptyLine : dialogs[i], bytes);
            copied = begin + body.size();
        }
        codePage.encodeAppend(std::u16string_view(script.text).substr(copied), bytes);
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
