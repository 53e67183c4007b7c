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

/// Lines numbered from 0, as the tokenizer and the line writer read them: a dialog's, held in
/// a vector, or a whole script's, read where they stand.
class Lines {
public:
    virtual ~Lines() = default;
    virtual int count() const = 0;
    virtual std::u16string_view at(int line) const = 0;
};

class LineVector : public Lines {
public:
    explicit LineVector(const std::vector<std::u16string_view>& lines) : m_lines(lines) {}
    int count() const override { return static_cast<int>(m_lines.size()); }
    std::u16string_view at(int line) const override { return m_lines[line]; }

private:
    const std::vector<std::u16string_view>& m_lines;
};

/// Splits lines into tokens line by line. A block comment may run over several lines, so the
/// splitter keeps that one piece of state.
class Tokenizer {
public:
    /// Appends the tokens of line `at`; none for a blank, comment-only or preprocessor line. A
    /// literal that goes on takes the lines it runs over, and `at` is moved to the last of them.
    void split(const Lines& lines, int& at, std::vector<Token>& tokens);
    bool inComment() const { return m_inComment; }

private:
    bool m_inComment = false;
};

/// Whether a line is a preprocessor line (#include, #pragma …).
bool isPreprocessorLine(std::u16string_view line);

} // namespace velb
