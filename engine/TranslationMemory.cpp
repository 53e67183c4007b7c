#include "TranslationMemory.h"

#include "ControlPairing.h"
#include "DialogStatements.h"

#include <algorithm>

namespace velb {

namespace {

// The literal without an L before its quote, so that both spellings find each other.
std::u16string_view withoutPrefix(std::u16string_view literal) {
    return literal.starts_with(u'L') ? literal.substr(1) : literal;
}

// Where the literal whose quote stands at `at` ends, past its closing quote; npos when the
// line ends first. A backslash escapes what follows it, even a line end, as the tokenizer reads.
std::size_t literalEnd(std::u16string_view text, std::size_t at) {
    for (std::size_t end = at + 1; end < text.size(); ++end) {
        const char16_t c = text[end];
        if (c == u'\\') {
            ++end;
        } else if (c == u'"') {
            if (end + 1 < text.size() && text[end + 1] == u'"')
                ++end;
            else
                return end + 1;
        } else if (c == u'\r' || c == u'\n') {
            return std::u16string_view::npos;
        }
    }
    return std::u16string_view::npos;
}

// Whether a line opens with a statement whose first literal is its text.
bool opensWithText(std::u16string_view line) {
    const std::size_t first = line.find_first_not_of(u" \t");
    if (first == std::u16string_view::npos)
        return false;
    const std::size_t end = line.find_first_of(u" \t\"", first);
    const std::u16string_view word = line.substr(first, end == std::u16string_view::npos ? end : end - first);
    return takesText(word);
}

// The text of each statement that opens its line with its keyword: the first literal on
// the line. A text on a line of its own, after its keyword's, is not found so; it is one of
// those that a statement wrapped by hand may hold.
template <typename Found> void eachText(std::u16string_view body, Found found) {
    for (std::size_t start = 0; start < body.size();) {
        const std::size_t end = std::min(body.find(u'\n', start), body.size());
        const std::u16string_view line = body.substr(start, end - start);
        if (opensWithText(line)) {
            const std::size_t quote = line.find(u'"');
            const std::size_t close = quote == std::u16string_view::npos ? quote : literalEnd(line, quote);
            if (close != std::u16string_view::npos)
                found(line.substr(quote, close - quote));
        }
        start = end + 1;
    }
}

// Most translations differ from their English dialog in the literals alone. Such a pair is
// read side by side, each text with the text at its place, as pairing would pair them; false,
// with nothing added, when anything else differs.
template <typename Pair> bool readSideBySide(std::u16string_view english, std::u16string_view chinese, Pair pair) {
    std::vector<std::pair<std::u16string_view, std::u16string_view>> texts;
    std::size_t e = 0, c = 0, lineStart = 0;
    bool firstOfLine = true;
    while (e < english.size() && c < chinese.size()) {
        if (english[e] == u'"' && chinese[c] == u'"') {
            const std::size_t englishEnd = literalEnd(english, e), chineseEnd = literalEnd(chinese, c);
            if (englishEnd == std::u16string_view::npos || chineseEnd == std::u16string_view::npos)
                return false;
            if (firstOfLine && opensWithText(english.substr(lineStart, e - lineStart)))
                texts.emplace_back(english.substr(e, englishEnd - e), chinese.substr(c, chineseEnd - c));
            firstOfLine = false;
            e = englishEnd;
            c = chineseEnd;
            continue;
        }
        if (english[e] != chinese[c])
            return false;
        if (english[e] == u'\n') {
            lineStart = e + 1;
            firstOfLine = true;
        }
        ++e;
        ++c;
    }
    if (e != english.size() || c != chinese.size())
        return false;
    for (const auto& [from, to] : texts)
        pair(from, to);
    return true;
}

} // namespace

void TranslationMemory::add(std::u16string_view english, std::u16string_view chinese) {
    const auto [entry, added] = m_renderings.try_emplace(withoutPrefix(english), Rendering{chinese});
    if (!added && entry->second.chinese != chinese)
        entry->second.ambiguous = true;
}

void TranslationMemory::ask(std::u16string_view english) {
    const std::u16string_view key = withoutPrefix(english);
    if (!m_read.contains(key))
        m_asked.insert(key);
}

void TranslationMemory::askTextsOf(std::u16string_view dialogBody) {
    eachText(dialogBody, [this](std::u16string_view text) { ask(text); });
}

void TranslationMemory::readAsked() {
    for (const auto& [name, chineseBody] : m_old.translation) {
        if (const auto englishBodies = m_old.englishBodies.find(name); englishBodies != m_old.englishBodies.end())
            readDialog(englishBodies->second.back(), chineseBody);
    }
    m_read.insert(m_asked.begin(), m_asked.end());
    m_asked.clear();
}

// The renderings of the texts asked for that an old English dialog and its translation give.
void TranslationMemory::readDialog(std::u16string_view englishBody, std::u16string_view chineseBody) {
    const auto addText = [this](std::u16string_view from, std::u16string_view to) {
        if (m_asked.contains(withoutPrefix(from)))
            add(from, to);
    };
    if (readSideBySide(englishBody, chineseBody, addText))
        return;
    bool holdsAsked = false;
    eachText(englishBody,
             [&](std::u16string_view text) { holdsAsked = holdsAsked || m_asked.contains(withoutPrefix(text)); });
    if (!holdsAsked)
        return;
    const DialogStatements english = readDialogStatements(englishBody);
    const DialogStatements chinese = readDialogStatements(chineseBody);
    const std::vector<int> partner = pairStatements(english, chinese, Confirmation::Coordinates);
    for (std::size_t i = 0; i < partner.size(); ++i) {
        const Statement& from = english.statements[i];
        if (partner[i] >= 0 && from.textField && chinese.statements[partner[i]].textField)
            addText(textToken(from).text, textToken(chinese.statements[partner[i]]).text);
    }
}

std::optional<std::u16string_view> TranslationMemory::rendering(std::u16string_view english) {
    ask(english);
    if (!m_asked.empty())
        readAsked();
    const auto found = m_renderings.find(withoutPrefix(english));
    if (found == m_renderings.end() || found->second.ambiguous)
        return std::nullopt;
    return found->second.chinese;
}

} // namespace velb
