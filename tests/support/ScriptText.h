#pragma once
// Small scripts for the tests and benchmarks, written as UTF-8 source text and turned into
// Big5 bytes, and a view that shows nothing for the passes that need one.

#include "CodePage.h"
#include "MemoryFileSystem.h"
#include "ScriptReader.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace velb::testing {

/// Shows nothing and never stops the run; counts its event pumps. A view of the whole run is
/// made quiet the same way, from RunView.
template <typename View> struct Quiet : View {
    int pumps = 0;
    void setStatus(std::u16string_view) override {}
    void setBarMaximum(Bar, int) override {}
    void setBarPosition(Bar, int) override {}
    void addUnreplaced(std::u16string_view) override {}
    bool pumpEvents() override { return ++pumps > 0; }
};
using QuietView = Quiet<ProgressView>;

inline const CodePage& big5() {
    static const CodePage codePage(950);
    return codePage;
}

/// Big5 bytes of UTF-8 text.
inline std::string big5Bytes(std::string_view utf8) {
    return big5().encode(std::filesystem::path(std::u8string(utf8.begin(), utf8.end())).u16string());
}

/// Loads and cuts a script given as UTF-8 text.
inline void cutScript(std::string_view utf8, LoadedScript& into) {
    QuietView view;
    StringFile file(big5Bytes(utf8));
    loadLines(file, big5(), into.script, view);
    cutDialogs(into, view, HeaderRule::FixedImpure);
}

} // namespace velb::testing
