#include "DialogHeader.h"

#include <algorithm>
#include <array>

namespace velb {

namespace {

constexpr std::u16string_view kFixedImpure = u"DIALOG FIXED IMPURE";
constexpr std::u16string_view kFixedImpureNameEnd = u" DIALOG FIXED IMPURE";
constexpr std::u16string_view kBlanks = u" \t";
constexpr std::u16string_view kNameEnd = u" \t,";
constexpr std::array<std::u16string_view, 2> kKeywords = {u"DIALOG", u"DIALOGEX"};
constexpr std::array<std::u16string_view, 9> kMemoryOptions = {
    u"DISCARDABLE", u"MOVEABLE", u"FIXED", u"PURE", u"IMPURE", u"PRELOAD", u"LOADONCALL", u"SHARED", u"NONSHARED"};

bool holdsFixedImpure(std::u16string_view line) {
    return line.find(kFixedImpure) != std::u16string_view::npos;
}

// Everything in front of the word DIALOG, with the blank that stands directly before it;
// empty when no blank stands there.
std::u16string_view fixedImpureName(std::u16string_view header) {
    const std::size_t blank = header.find(kFixedImpureNameEnd);
    return blank == std::u16string_view::npos ? std::u16string_view() : header.substr(0, blank + 1);
}

template <std::size_t N> bool isOneOf(std::u16string_view word, const std::array<std::u16string_view, N>& words) {
    return std::find(words.begin(), words.end(), word) != words.end();
}

bool beginsCoordinate(char16_t c) {
    return (c >= u'0' && c <= u'9') || c == u'+' || c == u'-' || c == u'(' || (c >= u'a' && c <= u'z') ||
           (c >= u'A' && c <= u'Z');
}

std::size_t afterBlanks(std::u16string_view line, std::size_t from) {
    return std::min(line.find_first_not_of(kBlanks, from), line.size());
}

std::u16string_view wordAt(std::u16string_view line, std::size_t from) {
    return line.substr(from, std::min(line.find_first_of(kBlanks, from), line.size()) - from);
}

// NAME DIALOG[EX] [options] coordinates. The options are taken as far as they go, so an option
// word is never read as the first coordinate: "IDD_X DIALOG DISCARDABLE" alone opens nothing.
std::optional<std::u16string_view> otherFormName(std::u16string_view line) {
    const std::size_t nameEnd = line.find_first_of(kNameEnd);
    if (nameEnd == 0 || nameEnd == std::u16string_view::npos || line[nameEnd] == u',')
        return std::nullopt;
    std::size_t at = afterBlanks(line, nameEnd);
    const std::u16string_view keyword = wordAt(line, at);
    if (!isOneOf(keyword, kKeywords))
        return std::nullopt;
    const std::u16string_view name = line.substr(0, at);
    at += keyword.size();
    for (;;) {
        const std::size_t next = afterBlanks(line, at);
        if (next == line.size())
            return std::nullopt;
        const std::u16string_view word = wordAt(line, next);
        if (!isOneOf(word, kMemoryOptions))
            return beginsCoordinate(word.front()) ? std::optional(name) : std::nullopt;
        at = next + word.size();
    }
}

} // namespace

std::optional<std::u16string_view> headerName(std::u16string_view line, HeaderRule rule) {
    if (holdsFixedImpure(line))
        return fixedImpureName(line);
    if (rule == HeaderRule::AnyForm)
        return otherFormName(line);
    return std::nullopt;
}

int countOtherFormHeaders(const ResourceScript& script) {
    int count = 0;
    for (int i = 1; i <= script.lineCount(); ++i) {
        const std::u16string_view line = script.line(i);
        if (!holdsFixedImpure(line) && otherFormName(line))
            ++count;
    }
    return count;
}

} // namespace velb
