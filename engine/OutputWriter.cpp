#include "OutputWriter.h"

namespace velb {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
#ifdef _WIN32
constexpr std::u16string_view kSeparators = u"\\/";
#else
constexpr std::u16string_view kSeparators = u"/";
#endif

char16_t lowerAscii(char16_t c) {
    return c >= u'A' && c <= u'Z' ? c + (u'a' - u'A') : c;
}

std::filesystem::path pathOf(std::u16string_view text) {
    return std::filesystem::path(std::u16string(text));
}

// The name of one file of a separate pair.
std::u16string separateOutputName(std::u16string_view outputPath, std::u16string_view suffix) {
    // Only the file name is searched: cutting at a folder named "my.rcfiles" would write
    // outside the chosen folder.
    const std::size_t lastSeparator = outputPath.find_last_of(kSeparators);
    const std::size_t nameStart = lastSeparator == std::u16string_view::npos ? 0 : lastSeparator + 1;
    std::size_t baseEnd = outputPath.size();
    for (std::size_t i = nameStart; i + 3 <= outputPath.size(); ++i) {
        if (outputPath[i] == u'.' && lowerAscii(outputPath[i + 1]) == u'r' && lowerAscii(outputPath[i + 2]) == u'c') {
            baseEnd = i;
            break;
        }
    }
    return std::u16string(outputPath.substr(0, baseEnd)).append(suffix);
}

} // namespace

void writeOutput(const LoadedScript& newEnglish, const MatchResult& match, std::u16string_view outputPath,
                 FileSystem& files, std::vector<std::filesystem::path>& written, const CodePage& codePage) {
    const ResourceScript& script = newEnglish.script;
    const std::u16string_view head = script.lines(1, newEnglish.frame.headEnd);
    const std::u16string_view tail = script.lines(newEnglish.frame.tailStart, script.lineCount());

    // Each dialog is followed by one empty line; an empty entry leaves the empty line alone.
    auto assemble = [&](const std::vector<std::u16string_view>& dialogs) {
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

    if (match.mode == OutputMode::Merged) {
        const std::filesystem::path path = pathOf(outputPath);
        files.replace(path, assemble(match.replacementTable));
        written.push_back(path);
        return;
    }
    const std::string translated = assemble(match.replacementTable);
    const std::string untranslated = assemble(match.untranslated);
    const std::filesystem::path translatedPath = pathOf(separateOutputName(outputPath, u"_已翻譯.rc"));
    const std::filesystem::path untranslatedPath = pathOf(separateOutputName(outputPath, u"_未翻譯.rc"));
    files.replace(translatedPath, translated);
    written.push_back(translatedPath);
    files.replace(untranslatedPath, untranslated);
    written.push_back(untranslatedPath);
}

} // namespace velb
