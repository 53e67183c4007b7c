#include "SmallEdits.h"

#include <algorithm>

namespace velb {

namespace {

constexpr char16_t kMarker = u'&';
constexpr std::u16string_view kTab = u"\\t"; // as a literal writes it
// Punctuation of the wide forms that Chinese text uses; like ASCII symbols it surrounds words.
constexpr std::u16string_view kWideSymbols = u"。：；！？，、…「」『』（）《》〈〉．　";
constexpr std::u16string_view kNarrowPunctuation = u":;!?,";
constexpr std::u16string_view kWidePunctuation = u"：；！？，";

bool isAscii(char16_t c) {
    return c < 0x80;
}

bool isWordCharacter(char16_t c) {
    const bool asciiWord = (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
    return asciiWord || (!isAscii(c) && kWideSymbols.find(c) == std::u16string_view::npos);
}

char16_t lower(char16_t c) {
    return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + (u'a' - u'A')) : c;
}

char16_t upper(char16_t c) {
    return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - (u'a' - u'A')) : c;
}

bool sameIgnoringCase(std::u16string_view a, std::u16string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char16_t x, char16_t y) { return lower(x) == lower(y); });
}

// A text as symbols and blanks around its words.
struct Shape {
    std::u16string prefix;
    std::u16string core;
    std::u16string suffix;
};

Shape shapeOf(std::u16string_view text) {
    const auto first = std::find_if(text.begin(), text.end(), isWordCharacter);
    const auto last = std::find_if(text.rbegin(), text.rend(), isWordCharacter).base();
    if (first >= last)
        return {std::u16string(text), {}, {}};
    return {std::u16string(text.begin(), first), std::u16string(first, last), std::u16string(last, text.end())};
}

// English: the text without its access-key marker, and the key's letter in lower case (0 for
// none). "&&" is an ampersand, not a marker.
std::u16string withoutMarker(std::u16string_view text, char16_t& key) {
    std::u16string plain;
    key = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == kMarker && i + 1 < text.size()) {
            if (text[i + 1] == kMarker) {
                plain += u"&&";
                ++i;
                continue;
            }
            if (key == 0) {
                key = lower(text[i + 1]);
                continue;
            }
        }
        plain += text[i];
    }
    return plain;
}

// The full-width form of a symbol run behind Chinese words: a lone final period is "。", the
// colon and its kin turn wide; an ellipsis and blanks stay.
std::u16string widened(std::u16string_view symbols) {
    std::u16string wide(symbols);
    for (char16_t& c : wide) {
        if (const std::size_t at = kNarrowPunctuation.find(c); at != std::u16string_view::npos)
            c = kWidePunctuation[at];
    }
    const bool lonePeriod = !wide.empty() && wide.back() == u'.' && (wide.size() == 1 || wide[wide.size() - 2] != u'.');
    if (lonePeriod)
        wide.back() = u'。';
    return wide;
}

// The translation's symbols on one side of its words, edited as the English ones were.
std::optional<std::u16string> mirrorAffix(std::u16string_view oldEnglish, std::u16string_view newEnglish,
                                          std::u16string_view chinese, bool wideWords) {
    if (oldEnglish == newEnglish)
        return std::u16string(chinese);
    if (oldEnglish.empty() && chinese.empty())
        return wideWords && newEnglish == u"." ? std::u16string(u"。") : std::u16string(newEnglish);
    if (chinese == oldEnglish)
        return std::u16string(newEnglish);
    if (chinese == widened(oldEnglish))
        return widened(newEnglish);
    return std::nullopt;
}

// The Chinese access key "(&M)", wherever it stands in the text.
struct ChineseKey {
    std::size_t at = std::u16string_view::npos;
    char16_t letter = 0;
    bool found() const { return at != std::u16string_view::npos; }
};
constexpr std::size_t kKeyLength = 4; // "(&M)"

std::optional<ChineseKey> chineseKeyOf(std::u16string_view text) {
    ChineseKey key;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != kMarker)
            continue;
        if (i + 1 < text.size() && text[i + 1] == kMarker) {
            ++i;
            continue;
        }
        const bool bracketed = i > 0 && text[i - 1] == u'(' && i + 2 < text.size() && text[i + 2] == u')';
        if (!bracketed || key.found())
            return std::nullopt; // a marker inside the words, or two keys: not a shape we can edit
        key = {i - 1, text[i + 1]};
    }
    return key;
}

} // namespace

std::optional<std::u16string> mirrorSmallEdit(std::u16string_view oldEnglish, std::u16string_view newEnglish,
                                              std::u16string_view oldChinese) {
    if (oldChinese == oldEnglish)
        return std::u16string(newEnglish); // left in English by the translator: it stays so
    // A menu item's shortcut stands after a tab: the words before it are edited on their own,
    // and the shortcut follows the English where the translator kept it.
    const std::size_t oldTab = oldEnglish.find(kTab), newTab = newEnglish.find(kTab);
    const std::size_t chineseTab = oldChinese.find(kTab);
    if (oldTab != newTab || oldTab != std::u16string_view::npos || chineseTab != std::u16string_view::npos) {
        if (oldTab == std::u16string_view::npos || newTab == std::u16string_view::npos ||
            chineseTab == std::u16string_view::npos)
            return std::nullopt;
        const std::u16string_view oldShortcut = oldEnglish.substr(oldTab),
                                  chineseShortcut = oldChinese.substr(chineseTab);
        if (oldShortcut != newEnglish.substr(newTab) && chineseShortcut != oldShortcut)
            return std::nullopt;
        const std::u16string_view shortcut =
            oldShortcut == newEnglish.substr(newTab) ? chineseShortcut : newEnglish.substr(newTab);
        const std::u16string_view oldWords = oldEnglish.substr(0, oldTab), newWords = newEnglish.substr(0, newTab);
        const std::u16string_view chineseWords = oldChinese.substr(0, chineseTab);
        if (oldWords == newWords)
            return std::u16string(chineseWords) + std::u16string(shortcut);
        const std::optional<std::u16string> words = mirrorSmallEdit(oldWords, newWords, chineseWords);
        return words ? std::optional(*words + std::u16string(shortcut)) : std::nullopt;
    }
    char16_t oldKey = 0, newKey = 0;
    const Shape oldShape = shapeOf(withoutMarker(oldEnglish, oldKey));
    const Shape newShape = shapeOf(withoutMarker(newEnglish, newKey));
    if (oldShape.core.empty() || !sameIgnoringCase(oldShape.core, newShape.core))
        return std::nullopt;

    const std::optional<ChineseKey> key = chineseKeyOf(oldChinese);
    if (!key)
        return std::nullopt;
    std::u16string chinese(oldChinese);
    if (key->found())
        chinese.erase(key->at, kKeyLength);
    const Shape shape = shapeOf(chinese);
    if (shape.core.empty())
        return std::nullopt;
    const bool wideWords = !isAscii(shape.core.back());
    const std::optional<std::u16string> prefix = mirrorAffix(oldShape.prefix, newShape.prefix, shape.prefix, false);
    const std::optional<std::u16string> suffix = mirrorAffix(oldShape.suffix, newShape.suffix, shape.suffix, wideWords);
    if (!prefix || !suffix)
        return std::nullopt;

    // The key keeps its place among the words; a new one goes behind them, as Chinese puts it.
    std::u16string core = shape.core;
    std::size_t keyAt = core.size();
    char16_t letter = 0;
    if (key->found()) {
        if (lower(key->letter) != oldKey)
            return std::nullopt; // the translator chose another letter: unsure what to follow
        keyAt = std::clamp(key->at, shape.prefix.size(), shape.prefix.size() + core.size()) - shape.prefix.size();
        letter = newKey == oldKey ? key->letter : upper(newKey);
    } else if (oldKey == 0 && newKey != 0) {
        letter = upper(newKey);
    }
    if (letter != 0 && newKey != 0)
        core.insert(keyAt, std::u16string(u"(&") + letter + u")");
    return *prefix + core + *suffix;
}

} // namespace velb
