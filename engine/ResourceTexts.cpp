#include "ResourceTexts.h"

#include "DecimalText.h"

#include <unordered_map>

namespace velb {

namespace {

constexpr std::u16string_view kCodePagePragma = u"#pragma code_page";

bool opensBlock(std::u16string_view word) {
    return word == u"BEGIN" || word == u"{";
}
bool closesBlock(std::u16string_view word) {
    return word == u"END" || word == u"}";
}

// Walks the tokens of the lines outside the dialogs, block by block.
class TextReader {
public:
    TextReader(const Lines& lines, const std::vector<Token>& tokens, bool labelled, std::vector<ResourceText>& texts)
        : m_lines(lines), m_tokens(tokens), m_labelled(labelled), m_texts(texts) {}

    void read() {
        while (m_at < m_tokens.size()) {
            const Token& token = m_tokens[m_at];
            const bool firstOnLine = m_at == 0 || m_tokens[m_at - 1].lastLine != token.line;
            if (firstOnLine && token.text == u"LANGUAGE") {
                readLanguage();
            } else if (firstOnLine && token.text == u"STRINGTABLE") {
                ++m_at;
                readStringTable();
            } else if (firstOnLine && m_at + 1 < m_tokens.size() && m_tokens[m_at + 1].line == token.line &&
                       (m_tokens[m_at + 1].text == u"MENU" || m_tokens[m_at + 1].text == u"MENUEX")) {
                m_at += 2;
                readMenu(std::u16string(token.text));
            } else {
                ++m_at;
            }
        }
    }

private:
    bool atEnd() const { return m_at >= m_tokens.size(); }
    const Token& current() const { return m_tokens[m_at]; }

    void add(ResourceText::Kind kind, std::u16string key, std::u16string label, const Token& literal) {
        const std::size_t occurrence = m_seen[key]++;
        m_texts.push_back(
            {kind, key + u'#' + decimalText(static_cast<long long>(occurrence)), std::move(label), literal});
    }

    // LANGUAGE lang, sublang: the whole line stands for it.
    void readLanguage() {
        const int line = current().line;
        while (!atEnd() && current().line == line)
            ++m_at;
        add(ResourceText::Kind::Language, u"LANGUAGE", u"LANGUAGE", Token{m_lines.at(line), line, 0, false, line});
    }

    // Options and LANGUAGE lines, then BEGIN; nothing when the block never opens.
    bool skipToBlock() {
        while (!atEnd() && !opensBlock(current().text)) {
            if (current().text == u"LANGUAGE" && m_tokens[m_at - 1].lastLine != current().line)
                readLanguage();
            else
                ++m_at;
        }
        if (atEnd())
            return false;
        ++m_at;
        return true;
    }

    // ID [,] "text" ... END; the ID may stand on the line before its text.
    void readStringTable() {
        if (!skipToBlock())
            return;
        std::u16string id;
        for (; !atEnd(); ++m_at) {
            const Token& token = current();
            if (closesBlock(token.text) && !token.isString) {
                ++m_at;
                return;
            }
            if (token.isString) {
                if (!id.empty())
                    add(ResourceText::Kind::StringEntry, u"STRINGTABLE " + id, id, token);
                id.clear();
            } else if (token.text != u",") {
                id += id.empty() ? u"" : u" ";
                id += token.text;
            }
        }
    }

    void readMenu(const std::u16string& name) {
        if (!skipToBlock())
            return;
        // Per open level: the place of the next entry, and the path of popups to it.
        std::vector<std::size_t> places = {0};
        std::vector<std::u16string> path = {name};
        std::u16string pendingPopup;
        while (!atEnd()) {
            const Token& token = current();
            ++m_at;
            if (opensBlock(token.text)) {
                places.push_back(0);
                path.push_back(pendingPopup);
            } else if (closesBlock(token.text)) {
                places.pop_back();
                path.pop_back();
                if (places.empty())
                    return;
            } else if (token.text == u"POPUP" && !atEnd() && current().isString) {
                pendingPopup = std::u16string(current().text);
                add(ResourceText::Kind::MenuItem, name + u" " + placeOf(places), label(path, current().text),
                    current());
                ++places.back();
                ++m_at;
            } else if (token.text == u"MENUITEM" && !atEnd()) {
                readMenuItem(name, places, path);
            }
        }
    }

    // MENUITEM SEPARATOR, or MENUITEM "text" [,] [ID] ...
    void readMenuItem(const std::u16string& name, std::vector<std::size_t>& places,
                      const std::vector<std::u16string>& path) {
        const Token& text = current();
        ++places.back();
        if (!text.isString)
            return;
        ++m_at;
        if (!atEnd() && current().text == u"," && current().line == text.lastLine)
            ++m_at;
        const bool hasId = !atEnd() && !current().isString && current().text != u"," && current().text != u"MENUITEM" &&
                           current().text != u"POPUP" && !opensBlock(current().text) && !closesBlock(current().text);
        if (hasId)
            add(ResourceText::Kind::MenuItem, name + u" " + std::u16string(current().text), label(path, text.text),
                text);
        else
            add(ResourceText::Kind::MenuItem, name + u" " + placeOf(places), label(path, text.text), text);
    }

    static std::u16string placeOf(const std::vector<std::size_t>& places) {
        std::u16string place = u"@";
        for (const std::size_t p : places)
            place += decimalText(static_cast<long long>(p)) + u'.';
        return place;
    }

    std::u16string label(const std::vector<std::u16string>& path, std::u16string_view last) const {
        if (!m_labelled)
            return {};
        std::u16string text;
        for (const std::u16string& step : path)
            text += step + u" > ";
        return text + std::u16string(last);
    }

    const Lines& m_lines;
    const std::vector<Token>& m_tokens;
    bool m_labelled;
    std::vector<ResourceText>& m_texts;
    std::size_t m_at = 0;
    std::unordered_map<std::u16string, std::size_t> m_seen; // per key, how often it has come
};

} // namespace

std::vector<ResourceText> readResourceTexts(const Lines& lines, const std::vector<bool>& inDialog, bool labelled) {
    std::vector<Token> tokens;
    std::vector<ResourceText> texts;
    std::size_t codePages = 0;
    Tokenizer tokenizer;
    for (int i = 0; i < lines.count(); ++i) {
        if (inDialog[i])
            continue;
        if (!tokenizer.inComment() && isPreprocessorLine(lines.at(i))) {
            const std::u16string_view line = lines.at(i);
            if (line.substr(line.find(u'#')).starts_with(kCodePagePragma)) {
                texts.push_back({ResourceText::Kind::CodePage,
                                 u"code_page#" + decimalText(static_cast<long long>(codePages++)),
                                 std::u16string(kCodePagePragma.substr(1)), Token{line, i, 0, false, i}});
            }
            continue;
        }
        tokenizer.split(lines, i, tokens);
    }
    TextReader(lines, tokens, labelled, texts).read();
    return texts;
}

} // namespace velb
