#include "ChangeDescription.h"

#include "DecimalText.h"
#include "OldDialogs.h"

#include <dtl/dtl.hpp>

#include <algorithm>
#include <vector>

namespace velb {

namespace {

using Lines = std::vector<std::u16string_view>;
constexpr std::u16string_view kLineEnd = u"\r\n";

Lines linesOf(std::u16string_view body) {
    Lines lines;
    for (std::size_t start = 0; start < body.size();) {
        const std::size_t end = body.find(kLineEnd, start);
        lines.push_back(body.substr(start, end - start));
        start = end + kLineEnd.size();
    }
    return lines;
}

// "old_en.rc<TAB>640-668": the script, and the lines the dialog takes in it.
std::u16string placeOf(const NamedScript& script, std::u16string_view body) {
    const int first = script.loaded.script.lineOf(body);
    const auto last = first + static_cast<long long>(std::count(body.begin(), body.end(), u'\n')) - 1;
    return std::u16string(script.name) + u"\t" + decimalText(first) + u"-" + decimalText(last);
}

void appendLine(std::u16string& out, std::u16string_view mark, std::u16string_view line) {
    out.append(mark).append(line).append(u"\n");
}

// The hunks come from the library numbered within the two bodies; they are moved to where the
// bodies stand in their scripts.
void appendDiff(std::u16string& out, const NamedScript& from, std::u16string_view fromBody, const NamedScript& to,
                std::u16string_view toBody) {
    dtl::Diff<std::u16string_view, Lines> diff(linesOf(fromBody), linesOf(toBody));
    diff.compose();
    diff.composeUnifiedHunks();
    const long long fromShift = from.loaded.script.lineOf(fromBody) - 1;
    const long long toShift = to.loaded.script.lineOf(toBody) - 1;
    appendLine(out, u"--- ", placeOf(from, fromBody));
    appendLine(out, u"+++ ", placeOf(to, toBody));
    for (const auto& hunk : diff.getUniHunks()) {
        out.append(u"@@ -" + decimalText(hunk.a + fromShift) + u"," + decimalText(hunk.b) + u" +" +
                   decimalText(hunk.c + toShift) + u"," + decimalText(hunk.d) + u" @@\n");
        for (const auto& [line, info] : hunk.common[0])
            appendLine(out, u" ", line);
        for (const auto& [line, info] : hunk.change)
            appendLine(out, info.type == dtl::SES_ADD ? u"+" : info.type == dtl::SES_DELETE ? u"-" : u" ", line);
        for (const auto& [line, info] : hunk.common[1])
            appendLine(out, u" ", line);
    }
}

} // namespace

std::u16string DescribeChanges(NamedScript oldEnglish, NamedScript oldChinese, NamedScript newEnglish,
                               const MatchResult& match) {
    const OldDialogs old = indexOldDialogs(oldEnglish.loaded.dialogs, oldChinese.loaded.dialogs);

    std::u16string out;
    long long added = 0, changed = 0, untranslated = 0;
    for (const std::size_t index : match.unreplaced) {
        const Dialog& dialog = newEnglish.loaded.dialogs[index];
        out.append(dialog.name).append(u"→ ");
        const auto bodies = old.englishBodies.find(dialog.name);
        if (bodies == old.englishBodies.end()) {
            out.append(u"new\n");
            ++added;
        } else if (isUnchanged(old, dialog)) {
            out.append(u"not translated\n");
            ++untranslated;
        } else {
            out.append(u"changed\n");
            ++changed;
            appendDiff(out, oldEnglish, bodies->second.back(), newEnglish, dialog.body);
            if (const auto translation = old.translation.find(dialog.name); translation != old.translation.end()) {
                appendLine(out, u"=== ", placeOf(oldChinese, translation->second));
                for (const std::u16string_view line : linesOf(translation->second))
                    appendLine(out, u"", line);
            }
        }
        out.append(u"\n");
    }
    const auto carriedOver = static_cast<long long>(newEnglish.loaded.dialogs.size() - match.unreplaced.size());
    out.append(u"carried over " + decimalText(carriedOver) + u", new " + decimalText(added) + u", changed " +
               decimalText(changed) + u", not translated " + decimalText(untranslated) + u"\n");
    return out;
}

} // namespace velb
