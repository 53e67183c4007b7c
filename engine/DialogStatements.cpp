#include "DialogStatements.h"

#include <algorithm>
#include <array>
#include <utility>

namespace velb {

namespace {

constexpr std::u16string_view kLineEnd = u"\r\n";
constexpr std::u16string_view kBlanks = u" \t\v\f";

// The control forms whose first field is the control's text, and the generic form, whose
// class and style stand between the ID and the coordinates.
constexpr std::array<std::u16string_view, 14> kTextControls = {
    u"LTEXT",        u"RTEXT",       u"CTEXT",           u"PUSHBUTTON", u"DEFPUSHBUTTON", u"GROUPBOX", u"CHECKBOX",
    u"AUTOCHECKBOX", u"RADIOBUTTON", u"AUTORADIOBUTTON", u"STATE3",     u"AUTO3STATE",    u"ICON",     u"PUSHBOX"};
constexpr std::u16string_view kGenericControl = u"CONTROL";
constexpr std::array<std::u16string_view, 7> kPlainControls = {u"EDITTEXT", u"COMBOBOX", u"LISTBOX", u"SCROLLBAR",
                                                               u"BEDIT",    u"HEDIT",    u"IEDIT"};
constexpr std::array<std::u16string_view, 9> kOptions = {u"STYLE", u"EXSTYLE",  u"CAPTION",         u"FONT",   u"MENU",
                                                         u"CLASS", u"LANGUAGE", u"CHARACTERISTICS", u"VERSION"};
constexpr std::u16string_view kCaption = u"CAPTION";
constexpr std::array<std::u16string_view, 4> kBlockWords = {u"BEGIN", u"END", u"{", u"}"};
constexpr std::array<std::u16string_view, 2> kDialogKeywords = {u"DIALOG", u"DIALOGEX"};
constexpr std::array<std::u16string_view, 9> kMemoryOptions = {
    u"DISCARDABLE", u"MOVEABLE", u"FIXED", u"PURE", u"IMPURE", u"PRELOAD", u"LOADONCALL", u"SHARED", u"NONSHARED"};

template <std::size_t N> bool isOneOf(std::u16string_view word, const std::array<std::u16string_view, N>& words) {
    return std::find(words.begin(), words.end(), word) != words.end();
}

bool startsStatement(std::u16string_view word) {
    return isOneOf(word, kTextControls) || word == kGenericControl || isOneOf(word, kPlainControls) ||
           isOneOf(word, kOptions) || isOneOf(word, kBlockWords);
}

// A statement goes on to the next line when it ends with an operator or a comma, or the
// next line begins with one.
bool continues(const Token& lastOfStatement, const Token& firstOfLine) {
    const std::u16string_view last = lastOfStatement.text;
    const std::u16string_view first = firstOfLine.text;
    return last == u"," || last.back() == u'|' || last.back() == u'+' || first == u"," || first.front() == u'|';
}

// Fields from token `from` on. A string literal ends its field even without a comma behind
// it, as some scripts leave it out between a control's text and its ID.
void splitFields(Statement& statement, std::size_t from, std::vector<Field>& fields) {
    const std::size_t start = fields.size();
    Field field{from, from};
    for (std::size_t i = from; i < statement.tokens.size(); ++i) {
        const Token& token = statement.tokens[i];
        if (token.text == u",") {
            fields.push_back(field);
            field = {i + 1, i + 1};
            continue;
        }
        field.end = i + 1;
        if (token.isString && i + 1 < statement.tokens.size() && statement.tokens[i + 1].text != u",") {
            fields.push_back(field);
            field = {i + 1, i + 1};
        }
    }
    if (field.first < statement.tokens.size() || fields.size() != start)
        fields.push_back(field);
    statement.fields = std::span(fields).subspan(start);
}

bool isSoleString(const Statement& statement, std::size_t field) {
    const Field& f = statement.fields[field];
    return f.end == f.first + 1 && statement.tokens[f.first].isString;
}

// NAME DIALOG[EX] [options] x, y, w, h [, help ID]
void readHeader(Statement& statement, std::vector<Field>& fields) {
    const auto keyword = std::find_if(statement.tokens.begin(), statement.tokens.end(),
                                      [](const Token& token) { return isOneOf(token.text, kDialogKeywords); });
    if (keyword == statement.tokens.end())
        return;
    auto from = keyword + 1;
    while (from != statement.tokens.end() && isOneOf(from->text, kMemoryOptions))
        ++from;
    splitFields(statement, static_cast<std::size_t>(from - statement.tokens.begin()), fields);
    if (statement.fields.size() >= 4)
        statement.coordinateField = 0;
}

void readKeywordStatement(Statement& statement, std::vector<Field>& fields) {
    const std::u16string_view keyword = statement.tokens.front().text;
    statement.kind = Statement::Kind::Other;
    if (isOneOf(keyword, kBlockWords))
        return;
    statement.keyword = keyword;
    splitFields(statement, 1, fields);
    if (isOneOf(keyword, kOptions)) {
        statement.kind = Statement::Kind::Option;
        if (keyword == kCaption && !statement.fields.empty() && isSoleString(statement, 0))
            statement.textField = 0;
        return;
    }
    const bool hasText = isOneOf(keyword, kTextControls) || keyword == kGenericControl;
    const std::size_t id = hasText ? 1 : 0;
    const std::size_t coordinates = keyword == kGenericControl ? 4 : id + 1;
    if (statement.fields.size() < coordinates + 4)
        return; // too short to be read: kept as it stands
    statement.kind = Statement::Kind::Control;
    statement.idField = id;
    statement.coordinateField = coordinates;
    if (hasText && isSoleString(statement, 0))
        statement.textField = 0;
}

void finish(Statement& statement, std::vector<Field>& fields) {
    if (statement.kind == Statement::Kind::Header)
        readHeader(statement, fields);
    else if (startsStatement(statement.tokens.front().text))
        readKeywordStatement(statement, fields);
}

} // namespace

DialogStatements readDialogStatements(std::u16string_view body) {
    DialogStatements dialog;
    dialog.lines.reserve(static_cast<std::size_t>(std::count(body.begin(), body.end(), u'\n')));
    dialog.tokens.reserve(body.size() / 8); // a token and its blanks take some eight characters
    for (std::size_t start = 0; start < body.size();) {
        const std::size_t end = std::min(body.find(kLineEnd, start), body.size());
        dialog.lines.push_back(body.substr(start, end - start));
        start = end + kLineEnd.size();
    }

    // The tokens of all lines go into one array first; each statement is then a run of them.
    struct Run {
        Statement::Kind kind;
        int firstLine, lastLine;
        std::size_t firstToken, endToken;
    };
    std::vector<Run> runs;
    const LineVector lines(dialog.lines);
    Tokenizer tokenizer;
    bool open = false; // the last statement may still go on
    for (int i = 0; i < static_cast<int>(dialog.lines.size()); ++i) {
        const std::u16string_view line = dialog.lines[i];
        const bool commentAround = tokenizer.inComment();
        const int first = i;
        const std::size_t lineStart = dialog.tokens.size();
        tokenizer.split(lines, i, dialog.tokens);
        if (dialog.tokens.size() == lineStart) {
            // A comment line may stand inside a statement; a blank or preprocessor line ends it.
            const std::size_t nonBlank = line.find_first_not_of(kBlanks);
            const bool comment = commentAround || (nonBlank != std::u16string_view::npos && line[nonBlank] == u'/');
            open = open && comment;
            continue;
        }
        const Token& opening = dialog.tokens[lineStart];
        if (open && first > 0 && !startsStatement(opening.text) && continues(dialog.tokens[lineStart - 1], opening)) {
            runs.back().lastLine = i;
            runs.back().endToken = dialog.tokens.size();
            continue;
        }
        runs.push_back(
            {first == 0 ? Statement::Kind::Header : Statement::Kind::Other, first, i, lineStart, dialog.tokens.size()});
        open = true;
    }
    dialog.statements.reserve(runs.size());
    dialog.fields.reserve(dialog.tokens.size() + runs.size()); // no field is split in two, so none moves
    for (const Run& run : runs) {
        Statement& statement = dialog.statements.emplace_back();
        statement.kind = run.kind;
        statement.firstLine = run.firstLine;
        statement.lastLine = run.lastLine;
        statement.tokens = std::span(dialog.tokens).subspan(run.firstToken, run.endToken - run.firstToken);
        finish(statement, dialog.fields);
    }
    return dialog;
}

std::u16string fieldKey(const Statement& statement, std::size_t field) {
    std::u16string key;
    const Field& f = statement.fields[field];
    for (std::size_t i = f.first; i < f.end; ++i) {
        if (i != f.first)
            key += u' ';
        key += statement.tokens[i].text;
    }
    return key;
}

bool sameField(const Statement& a, std::size_t fieldA, const Statement& b, std::size_t fieldB) {
    const Field& fa = a.fields[fieldA];
    const Field& fb = b.fields[fieldB];
    return std::equal(a.tokens.begin() + static_cast<std::ptrdiff_t>(fa.first),
                      a.tokens.begin() + static_cast<std::ptrdiff_t>(fa.end),
                      b.tokens.begin() + static_cast<std::ptrdiff_t>(fb.first),
                      b.tokens.begin() + static_cast<std::ptrdiff_t>(fb.end),
                      [](const Token& x, const Token& y) { return x.text == y.text; });
}

bool takesText(std::u16string_view keyword) {
    return isOneOf(keyword, kTextControls) || keyword == kGenericControl || keyword == kCaption;
}

const Token& textToken(const Statement& statement) {
    return statement.tokens[statement.fields[*statement.textField].first];
}

std::u16string_view statementText(const DialogStatements& dialog, const Statement& statement) {
    const std::u16string_view first = dialog.lines[statement.firstLine];
    const std::u16string_view last = dialog.lines[statement.lastLine];
    return {first.data(), static_cast<std::size_t>(last.data() + last.size() - first.data())};
}

} // namespace velb
