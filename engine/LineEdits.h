#pragma once
// Writing lines back with a few pieces replaced: a carried text or coordinate in place of the
// English one, the rest of each line byte for byte as it stood, so a line is never laid out
// anew.

#include "RcTokens.h"
#include "ResourceScript.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace velb {

/// A piece of the lines, from column `begin` of `line` to column `end` of `lastLine`, and
/// what stands there instead.
struct Replacement {
    int line = 0;
    std::size_t begin = 0;
    int lastLine = 0;
    std::size_t end = 0;
    std::u16string text;
};

/// A script's lines, read where they stand in its text.
class ScriptLines : public Lines {
public:
    explicit ScriptLines(const ResourceScript& script) : m_script(script) {}
    int count() const override { return m_script.lineCount(); }
    std::u16string_view at(int line) const override { return m_script.line(line + 1); }

private:
    const ResourceScript& m_script;
};

/// The place of a token, with what is to stand there instead.
Replacement replacing(const Token& token, const Lines& lines, std::u16string text);

/// Appends lines first..last (from 0), each followed by CR LF, with the replacements made.
/// The replacements lie within those lines and do not overlap; they are sorted here.
void appendReplaced(const Lines& lines, int first, int last, std::vector<Replacement>& replacements,
                    std::u16string& out);

} // namespace velb
