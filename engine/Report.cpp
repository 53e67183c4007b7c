#include "Report.h"

#include "DecimalText.h"

#include <algorithm>
#include <cstdlib>

namespace velb {

namespace {

constexpr std::u16string_view kFileName = u"Velb報告.txt";
constexpr std::u16string_view kContact = u"velbrix@example.com";

std::u16string reportText(int oldEnglishCount, int oldChineseCount, std::u16string_view unreplacedList) {
    // Counts stay full width: a narrower matched-against count would wrap past 32767.
    const int matchedAgainst = std::min(oldEnglishCount, oldChineseCount);
    const long long unusable = std::llabs(static_cast<long long>(oldEnglishCount) - oldChineseCount);
    std::u16string text;
    text.append(u"Velbrix 替換報告 v1.1\r\n")
        .append(43, u'-')
        .append(u"\r\n")
        .append(u"舊版英文讀入: ")
        .append(decimalText(oldEnglishCount))
        .append(u" 個\r\n")
        .append(u"舊版中文讀入: ")
        .append(decimalText(oldChineseCount))
        .append(u" 個\r\n")
        .append(u"\r\n")
        .append(u"實際用於比對: ")
        .append(decimalText(matchedAgainst))
        .append(u" 個，無法使用: ")
        .append(decimalText(unusable))
        .append(u" 個\r\n")
        .append(u"\r\n")
        .append(u"除了某些對話框外，其餘皆替換成功!\r\n")
        .append(u"\r\n")
        .append(u"以下為詳細清單: \r\n")
        .append(u"\r\n")
        .append(unreplacedList)
        .append(u"\r\n")
        .append(u"如果您有任何問題，請來信 ")
        .append(kContact);
    return text;
}

} // namespace

std::filesystem::path writeReport(int oldEnglishCount, int oldChineseCount, std::u16string_view unreplacedList,
                                  FileSystem& files, const CodePage& codePage) {
    std::filesystem::path reportPath(std::u16string{kFileName});
    try {
        // The folder's name stays in the file system's own form, whatever bytes it holds.
        reportPath = files.currentDirectory() / reportPath;
    } catch (const FileError& error) {
        // A current folder that was deleted, or cannot be named, leaves the report nowhere to go.
        throw FileError(FileError::Operation::Write, reportPath, error.code());
    }
    const std::u16string text = reportText(oldEnglishCount, oldChineseCount, unreplacedList);
    std::string bytes = codePage.encode(text);
    std::u16string carried;
    codePage.decodeAppend(bytes, carried);
    if (carried != text) {
        // A code page without Chinese (an English Windows's 1252) would turn the report's words
        // into rows of '?'. The report is then UTF-8, marked so that every editor reads it.
        static const CodePage utf8(kUtf8CodePage);
        bytes = "\xEF\xBB\xBF" + utf8.encode(text);
    }
    files.replace(reportPath, bytes);
    return reportPath;
}

} // namespace velb
