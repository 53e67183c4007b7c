#include "StringCarry.h"

#include "ControlPairing.h"
#include "DialogStatements.h"
#include "LineEdits.h"
#include "SmallEdits.h"

#include <algorithm>

namespace velb {

namespace {

constexpr std::u16string_view kLineEnd = u"\r\n";
constexpr std::size_t kCorners = 4; // x, y, w and h

bool holdsWords(const Statement& statement) {
    return statement.textField && !insideQuotes(textToken(statement).text).empty();
}

// The place of one field in the dialog's lines, when the field stands on one line.
struct Span {
    int line = 0;
    std::size_t begin = 0;
    std::size_t end = 0;
};

std::optional<Span> spanOf(const Statement& statement, std::size_t field) {
    const Field& f = statement.fields[field];
    if (f.first == f.end)
        return std::nullopt;
    const Token& first = statement.tokens[f.first];
    const Token& last = statement.tokens[f.end - 1];
    if (first.line != last.line)
        return std::nullopt;
    return Span{first.line, first.column, last.column + last.text.size()};
}

std::u16string_view textAt(const DialogStatements& dialog, const Span& span) {
    return dialog.lines[span.line].substr(span.begin, span.end - span.begin);
}

} // namespace

// The three dialogs of one name, read and paired.
struct DialogTriple {
    DialogStatements english;
    DialogStatements oldEnglish;
    DialogStatements oldChinese;
    std::vector<int> toOldEnglish; // per new statement
    std::vector<int> toOldChinese; // per old English statement
};

namespace {

class DialogCarrier {
public:
    DialogCarrier(const Dialog& newEnglish, const DialogTriple& triple, TranslationMemory& memory)
        : m_name(newEnglish.name), m_triple(triple), m_memory(memory) {}

    CarriedDialog carry() {
        const DialogStatements& english = m_triple.english;
        int nextLine = 0; // lines outside every statement are the new English ones
        for (std::size_t k = 0; k < english.statements.size(); ++k) {
            const Statement& statement = english.statements[k];
            for (; nextLine < statement.firstLine; ++nextLine)
                appendLine(english.lines[nextLine]);
            writeStatement(statement, m_triple.toOldEnglish[k]);
            nextLine = statement.lastLine + 1;
        }
        for (; nextLine < static_cast<int>(english.lines.size()); ++nextLine)
            appendLine(english.lines[nextLine]);
        return std::move(m_result);
    }

private:
    void appendLine(std::u16string_view line) { m_result.text.append(line).append(kLineEnd); }

    void writeStatement(const Statement& statement, int oldIndex) {
        const int chineseIndex = oldIndex < 0 ? -1 : m_triple.toOldChinese[oldIndex];
        const Statement* old = oldIndex < 0 ? nullptr : &m_triple.oldEnglish.statements[oldIndex];
        const Statement* chinese = chineseIndex < 0 ? nullptr : &m_triple.oldChinese.statements[chineseIndex];
        const bool sameId =
            chinese &&
            (!old->idField || (chinese->idField && sameField(*old, *old->idField, *chinese, *chinese->idField)));
        if (sameId && statementText(m_triple.english, statement) == statementText(m_triple.oldEnglish, *old)) {
            // The English did not change: the translator's statement stands as it is, unless
            // its ID is not the English one.
            for (int line = chinese->firstLine; line <= chinese->lastLine; ++line)
                appendLine(m_triple.oldChinese.lines[line]);
            m_result.stringsCarried += holdsWords(statement) ? 1 : 0;
            return;
        }
        std::vector<Replacement> replacements;
        if (holdsWords(statement))
            carryStatementText(statement, old, chinese, replacements);
        if (statement.coordinateField && old && chinese && old->coordinateField && chinese->coordinateField)
            carryRectangle(statement, *old, *chinese, replacements);
        appendReplaced(LineVector(m_triple.english.lines), statement.firstLine, statement.lastLine, replacements,
                       m_result.text);
    }

    void carryStatementText(const Statement& statement, const Statement* old, const Statement* chinese,
                            std::vector<Replacement>& replacements) {
        const Token& english = textToken(statement);
        const bool paired = chinese && old->textField && chinese->textField;
        const std::optional<CarriedText> text =
            carryText(english.text, paired ? textToken(*old).text : std::u16string_view(),
                      paired ? textToken(*chinese).text : std::u16string_view(), m_memory);
        if (!text) {
            ++m_result.stringsLeft;
            note(StringNote::Kind::LeftInEnglish, statement, english, {}, std::u16string(english.text));
            return;
        }
        ++m_result.stringsCarried;
        if (text->byEdit)
            note(StringNote::Kind::CarriedByEdit, statement, english, std::u16string(textToken(*chinese).text),
                 text->literal);
        if (text->literal != english.text)
            replacements.push_back(replacing(english, LineVector(m_triple.english.lines), text->literal));
    }

    // Each of the translator's x, y, w and h is kept where the English one stayed; one the
    // translator left alone keeps the new English text, so nothing changes that need not.
    void carryRectangle(const Statement& statement, const Statement& old, const Statement& chinese,
                        std::vector<Replacement>& replacements) {
        const std::size_t at = *statement.coordinateField, oldAt = *old.coordinateField;
        const std::size_t chineseAt = *chinese.coordinateField;
        bool translatorLost = false;
        for (std::size_t i = 0; i < kCorners; ++i) {
            if (sameField(chinese, chineseAt + i, old, oldAt + i))
                continue;
            if (!sameField(statement, at + i, old, oldAt + i)) {
                translatorLost = true;
                continue;
            }
            const auto target = spanOf(statement, at + i);
            const auto source = spanOf(chinese, chineseAt + i);
            if (target && source) {
                replacements.push_back({target->line, target->begin, target->line, target->end,
                                        std::u16string(textAt(m_triple.oldChinese, *source))});
            }
        }
        if (translatorLost)
            note(StringNote::Kind::EnglishCoordinates, statement, statement.tokens.front(), {}, {});
    }

    void note(StringNote::Kind kind, const Statement& statement, const Token& at, std::u16string from,
              std::u16string to) {
        std::u16string control = statement.idField                           ? fieldKey(statement, *statement.idField)
                                 : statement.kind == Statement::Kind::Header ? std::u16string(m_name)
                                                                             : std::u16string(statement.keyword);
        while (!control.empty() && (control.back() == u' ' || control.back() == u'\t'))
            control.pop_back();
        m_result.notes.push_back({kind, std::move(control), at.line, std::move(from), std::move(to)});
    }

    std::u16string_view m_name;
    const DialogTriple& m_triple;
    TranslationMemory& m_memory;
    CarriedDialog m_result;
};

} // namespace

std::u16string_view insideQuotes(std::u16string_view literal) {
    const std::size_t open = literal.find(u'"');
    return literal.substr(open + 1, literal.size() - open - 2);
}

std::optional<CarriedText> carryText(std::u16string_view english, std::u16string_view oldEnglish,
                                     std::u16string_view oldChinese, TranslationMemory& memory) {
    if (!oldChinese.empty() && oldEnglish == english)
        return CarriedText{std::u16string(oldChinese)};
    // A literal found elsewhere or edited keeps what stands before the English quote (an L, or
    // nothing): a rendering read side by side was kept from its quote on.
    const std::u16string_view prefix = english.substr(0, english.find(u'"'));
    if (const auto rendering = memory.rendering(english)) {
        const std::size_t quote = rendering->find(u'"');
        if (quote == std::u16string_view::npos || prefix.size() == english.size())
            return CarriedText{std::u16string(*rendering)};
        return CarriedText{std::u16string(prefix).append(rendering->substr(quote))};
    }
    if (oldChinese.empty())
        return std::nullopt;
    const auto edited = mirrorSmallEdit(insideQuotes(oldEnglish), insideQuotes(english), insideQuotes(oldChinese));
    if (!edited)
        return std::nullopt;
    return CarriedText{std::u16string(prefix) + u'"' + *edited + u'"', true};
}

StringCarrier::StringCarrier(const Dialog& newEnglish, std::u16string_view oldEnglish, std::u16string_view oldChinese)
    : m_dialog(&newEnglish), m_triple(new DialogTriple{readDialogStatements(newEnglish.body),
                                                       readDialogStatements(oldEnglish),
                                                       readDialogStatements(oldChinese),
                                                       {},
                                                       {}}) {
    m_triple->toOldEnglish = pairStatements(m_triple->english, m_triple->oldEnglish, Confirmation::Text);
    m_triple->toOldChinese = pairStatements(m_triple->oldEnglish, m_triple->oldChinese, Confirmation::Coordinates);
}

StringCarrier::~StringCarrier() = default;

CarriedDialog StringCarrier::carry(TranslationMemory& memory) const {
    return DialogCarrier(*m_dialog, *m_triple, memory).carry();
}

} // namespace velb
