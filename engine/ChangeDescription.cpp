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

struct Tally {
    long long added = 0, changed = 0, untranslated = 0;
    long long byStrings = 0, byStringsLeft = 0;
    long long stringsCarried = 0, stringsLeft = 0, byEdit = 0;
};

std::u16string literalLine(std::u16string_view what, const StringNote& note, int dialogLine) {
    return u"    " + std::u16string(what) + u"  " + note.control + u"  第 " + decimalText(dialogLine + note.line) +
           u" 行";
}

void appendNotes(std::u16string& out, const std::vector<StringNote>& notes, int dialogLine);

// A dialog carried string by string: what is left in English, what a mirrored edit gave, and
// where the translator's rectangle gave way to a changed English one.
void appendCarried(std::u16string& out, const CarriedDialog& carried, int dialogLine, std::u16string_view name,
                   Tally& tally) {
    ++tally.byStrings;
    out.append(name).append(u"→ 逐字串承接");
    if (carried.stringsLeft != 0) {
        ++tally.byStringsLeft;
        out.append(u"，" + decimalText(carried.stringsLeft) + u" 個字串未翻譯");
    }
    out.append(u"\n");
    tally.stringsCarried += carried.stringsCarried;
    tally.stringsLeft += carried.stringsLeft;
    for (const StringNote& note : carried.notes)
        tally.byEdit += note.kind == StringNote::Kind::CarriedByEdit ? 1 : 0;
    appendNotes(out, carried.notes, dialogLine);
    out.append(u"\n");
}

// What the translator should know of each string: lines numbered from dialogLine.
void appendNotes(std::u16string& out, const std::vector<StringNote>& notes, int dialogLine) {
    for (const StringNote& note : notes) {
        switch (note.kind) {
        case StringNote::Kind::LeftInEnglish:
            appendLine(out, literalLine(u"未翻譯", note, dialogLine), u"  " + note.to);
            break;
        case StringNote::Kind::CarriedByEdit:
            appendLine(out, literalLine(u"依修改承接", note, dialogLine), u"  " + note.from + u" → " + note.to);
            break;
        case StringNote::Kind::EnglishCoordinates:
            appendLine(out, literalLine(u"英文座標已變更，採用英文座標", note, dialogLine), u"");
            break;
        case StringNote::Kind::TakenFromChinese:
            appendLine(out, literalLine(u"採用中文版", note, dialogLine), u"  " + note.from + u" → " + note.to);
            break;
        }
    }
}

// The string tables, menus and LANGUAGE and code-page lines, carried string by string.
void appendOutside(std::u16string& out, const OutsideCarry& outside) {
    if (outside.notes.empty())
        return;
    out.append(u"字串表、功能表與語言→ 逐字串承接\n");
    appendNotes(out, outside.notes, 1);
    out.append(u"\n");
}

} // namespace

std::u16string DescribeChanges(NamedScript oldEnglish, NamedScript oldChinese, NamedScript newEnglish,
                               const MatchResult& match) {
    const OldDialogs old = indexOldDialogs(oldEnglish.loaded.dialogs, oldChinese.loaded.dialogs);
    const DialogTable& dialogs = newEnglish.loaded.dialogs;
    std::vector<bool> unreplaced(dialogs.size(), false);
    for (const std::size_t index : match.unreplaced)
        unreplaced[index] = true;
    std::vector<const CarriedDialog*> carried(dialogs.size(), nullptr);
    for (const StringCarriedDialog& entry : match.stringCarried)
        carried[entry.index] = &entry.dialog;

    std::u16string out;
    Tally tally;
    for (std::size_t index = 0; index < dialogs.size(); ++index) {
        const Dialog& dialog = dialogs[index];
        if (carried[index]) {
            appendCarried(out, *carried[index], newEnglish.loaded.script.lineOf(dialog.body), dialog.name, tally);
            continue;
        }
        if (!unreplaced[index])
            continue;
        out.append(dialog.name).append(u"→ ");
        const auto bodies = old.englishBodies.find(dialog.name);
        if (bodies == old.englishBodies.end()) {
            out.append(u"新增\n");
            ++tally.added;
        } else if (isUnchanged(old, dialog)) {
            out.append(u"未翻譯\n");
            ++tally.untranslated;
        } else {
            out.append(u"已變更\n");
            ++tally.changed;
            appendDiff(out, oldEnglish, bodies->second.back(), newEnglish, dialog.body);
            if (const auto translation = old.translation.find(dialog.name); translation != old.translation.end()) {
                appendLine(out, u"=== ", placeOf(oldChinese, translation->second));
                for (const std::u16string_view line : linesOf(translation->second))
                    appendLine(out, u"", line);
            }
        }
        out.append(u"\n");
    }
    if (match.carrying == Carrying::Strings)
        appendOutside(out, match.outside);
    const auto whole =
        static_cast<long long>(dialogs.size() - match.unreplaced.size() - tally.byStrings) + tally.byStringsLeft;
    out.append(u"整個承接 " + decimalText(whole) + u" 個，新增 " + decimalText(tally.added) + u" 個，已變更 " +
               decimalText(tally.changed) + u" 個，未翻譯 " + decimalText(tally.untranslated) + u" 個");
    if (match.carrying == Carrying::Strings) {
        out.append(u"；逐字串承接 " + decimalText(tally.byStrings) + u" 個（其中 " + decimalText(tally.byStringsLeft) +
                   u" 個仍有英文字串），承接字串 " + decimalText(tally.stringsCarried) + u" 個（依修改承接 " +
                   decimalText(tally.byEdit) + u" 個），未翻譯字串 " + decimalText(tally.stringsLeft) + u" 個");
        const OutsideCarry& o = match.outside;
        out.append(u"；字串表承接 " + decimalText(o.entriesCarried) + u" 個，未翻譯 " + decimalText(o.entriesLeft) +
                   u" 個；功能表承接 " + decimalText(o.itemsCarried) + u" 個，未翻譯 " + decimalText(o.itemsLeft) +
                   u" 個；其中依修改承接 " + decimalText(o.byEdit) + u" 個；採用中文版的 LANGUAGE 與 code_page 行 " +
                   decimalText(o.linesTaken) + u" 行");
    }
    out.append(u"\n");
    return out;
}

} // namespace velb
