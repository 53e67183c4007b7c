#pragma once
// A dialog read as resource statements: the header, the optional statements (STYLE, CAPTION,
// FONT …) and the controls, each a run of whole lines cut into comma-separated fields of
// tokens. Real scripts stretch the resource compiler's grammar, so the reader is total: a
// line it cannot place is kept as an opaque statement, and the lines themselves are never
// touched. Every token is a view into the dialog's text with its line and column, so a
// statement can be written back by replacing single fields in the lines it came from.

#include "RcTokens.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velb {

/// The tokens of one field, [first, end) into Statement::tokens; commas are not in them.
struct Field {
    std::size_t first = 0;
    std::size_t end = 0;
};

struct Statement {
    enum class Kind {
        Header,  ///< the dialog's first line: name, DIALOG or DIALOGEX, options, coordinates
        Option,  ///< STYLE, EXSTYLE, CAPTION, FONT, MENU, CLASS …
        Control, ///< a control in one of its forms, with enough fields to find its coordinates
        Other,   ///< BEGIN, END, braces, and what the reader cannot place
    };
    Kind kind = Kind::Other;
    int firstLine = 0; ///< from 0, within the dialog
    int lastLine = 0;
    std::u16string_view keyword;                ///< LTEXT, CONTROL, CAPTION …; empty for the header and opaque lines
    std::span<const Token> tokens;              ///< into DialogStatements::tokens
    std::span<const Field> fields;              ///< into DialogStatements::fields
    std::optional<std::size_t> textField;       ///< the field of the control's or caption's text
    std::optional<std::size_t> idField;         ///< the control's ID
    std::optional<std::size_t> coordinateField; ///< the first of x, y, w, h
};

/// The statements hold views into the tokens and fields, so the whole is moved, never copied.
struct DialogStatements {
    std::vector<std::u16string_view> lines; ///< the dialog's lines, without line ends
    std::vector<Token> tokens;
    std::vector<Field> fields;
    std::vector<Statement> statements; ///< in order; lines of comments and blanks stand in none

    DialogStatements() = default;
    DialogStatements(DialogStatements&&) = default;
    DialogStatements& operator=(DialogStatements&&) = default;
    DialogStatements(const DialogStatements&) = delete;
    DialogStatements& operator=(const DialogStatements&) = delete;
};

/// Reads a dialog body (its header line through END, each line followed by CR LF).
DialogStatements readDialogStatements(std::u16string_view body);

/// The tokens of a field joined by single blanks: the same key however the field is laid out.
std::u16string fieldKey(const Statement& statement, std::size_t field);

/// Whether two fields hold the same tokens.
bool sameField(const Statement& a, std::size_t fieldA, const Statement& b, std::size_t fieldB);

/// Whether statements of this keyword hold a text as their first field: the controls with a
/// text and CAPTION.
bool takesText(std::u16string_view keyword);

/// The literal of a statement's text; the statement must have a text field.
const Token& textToken(const Statement& statement);

/// The lines firstLine..lastLine of a statement as one view into the dialog body.
std::u16string_view statementText(const DialogStatements& dialog, const Statement& statement);

} // namespace velb
