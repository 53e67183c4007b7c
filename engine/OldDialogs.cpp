#include "OldDialogs.h"

#include <algorithm>
#include <cstring>

namespace velb {

namespace {

// Equality of whole bodies, compared as bytes: the character-by-character compare of
// u16string_view is several times slower on bodies of thousands of characters.
bool sameText(std::u16string_view a, std::u16string_view b) {
    return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(char16_t)) == 0;
}

} // namespace

OldDialogs indexOldDialogs(const DialogTable& oldEnglish, const DialogTable& oldChinese) {
    OldDialogs old;
    for (const Dialog& dialog : oldEnglish)
        old.englishBodies[dialog.name].push_back(dialog.body);
    for (const Dialog& dialog : oldChinese)
        old.translation[dialog.name] = dialog.body;
    return old;
}

bool isUnchanged(const OldDialogs& old, const Dialog& dialog) {
    const auto bodies = old.englishBodies.find(dialog.name);
    return bodies != old.englishBodies.end() &&
           std::any_of(bodies->second.begin(), bodies->second.end(),
                       [&dialog](std::u16string_view body) { return sameText(body, dialog.body); });
}

bool isUnchangedFromLast(const OldDialogs& old, const Dialog& dialog) {
    const auto bodies = old.englishBodies.find(dialog.name);
    return bodies != old.englishBodies.end() && sameText(bodies->second.back(), dialog.body);
}

} // namespace velb
