#pragma once
// The tokens of a resource script's lines: string literals, commas, and runs of anything
// else, with comments and preprocessor lines left out. A literal may go on over several lines,
// each ending with a backslash; it is then one token whose text runs over the line ends, as
// the lines stand one after another in one buffer.

#include <cstddef>
#include <string_view>
#include <vector>

namespace velb {

struct Token {
    std::u16string_view text;
    int line = 0;           ///< from 0, within the lines read
    std::size_t column = 0; ///< from 0, within that line
    bool isString = false;  ///< a whole string literal, quotes (and an L before them) included
    int lastLine = 0;       ///< the line it ends on: line itself but for a literal that goes on
};

/// Splits lines into tokens line by line. A block comment may run over several lines, so the
/// splitter keeps that one piece of state.
class Tokenizer {
public:
    /// The tokens of line `at`; none for a blank, comment-only or preprocessor line. A literal
    /// that goes on takes the lines it runs over, and `at` is moved to the last of them.
    std::vector<Token> split(const std::vector<std::u16string_view>& lines, int& at);
    bool inComment() const { return m_inComment; }

private:
    bool m_inComment = false;
};

/// Whether a line is a preprocessor line (#include, #pragma …).
bool isPreprocessorLine(std::u16string_view line);

} // namespace velb
