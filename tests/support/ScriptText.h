#pragma once
// Small scripts for the tests, written as UTF-8 source text and turned into Big5 bytes.

#include "CodePage.h"
#include "MemoryFileSystem.h"
#include "RecordingView.h"
#include "ScriptReader.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace velb::testing {

inline const CodePage& big5() {
    static const CodePage codePage("CP950");
    return codePage;
}

/// Big5 bytes of UTF-8 text.
inline std::string big5Bytes(std::string_view utf8) {
    const std::u8string u8(utf8.begin(), utf8.end());
    return big5().encode(std::filesystem::path(u8).u16string());
}

/// Loads and cuts a script given as UTF-8 text.
inline void cutScript(std::string_view utf8, LoadedScript& into) {
    RecordingView view;
    StringFile file(big5Bytes(utf8));
    LoadLines(file, big5(), into.script, view);
    CutDialogs(into, view);
}

inline std::string utf8(std::u16string_view text) {
    return toUtf8(text);
}

} // namespace velb::testing
