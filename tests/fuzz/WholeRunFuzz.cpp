// libFuzzer target: whole runs over scripts cut from the fuzzer's bytes. The bytes up to the
// first and the second NUL are the old English and old Chinese scripts, the rest the new one;
// each run must complete in both output modes, the separate one also reading every header form
// and describing the changes as velb-batch can ask, then once more carrying strings. Then the
// new script is carried over onto itself, which must replace every dialog and write, byte for
// byte, its head, each dialog as the last one of its name followed by an empty line, and its
// tail; and the old English script given as its own translation, string by string, must give
// the new script back line for line.

#include "Execute.h"
#include "ScriptText.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>

namespace {

using velb::OutputMode;

// A window that shows nothing, so the fuzzer's time goes into the run itself.
struct FuzzView : velb::testing::Quiet<velb::RunView> {
    OutputMode mode = OutputMode::Separate;

    void setExecuteAndExitEnabled(bool) override {}
    void clearUnreplacedList() override {}
    std::filesystem::path readPath(velb::PathField field) override {
        return std::array{u"/old_en.rc", u"/old_zh.rc", u"/new_en.rc", u"/out.rc"}[velb::indexOf(field)];
    }
    OutputMode readOutputMode() override { return mode; }
    bool readReportOption() override { return true; }
    void showError(std::u16string_view) override {}
    void showCompletion() override {}
    bool askReadEveryHeaderForm(std::u16string_view) override { return false; }
};

velb::RunOutcome run(const std::array<std::string, 3>& scripts, OutputMode mode, velb::testing::MemoryFileSystem& files,
                     const velb::RunExtras& extras = {}) {
    files.files = {{"/old_en.rc", scripts[0]}, {"/old_zh.rc", scripts[1]}, {"/new_en.rc", scripts[2]}};
    FuzzView view;
    view.mode = mode;
    const velb::RunOutcome outcome = velb::Execute(view, files, velb::CodePage::system(), extras);
    if (outcome.kind != velb::RunOutcome::Kind::Completed) // the disk in memory never fails
        std::abort();
    return outcome;
}

// What the new script must come out as: carried over onto itself, its head, each dialog as the
// last one of its name followed by an empty line, and its tail; as the engine writes it back,
// every line ended with CR LF.
std::pair<std::string, std::string> carriedOverAndWrittenBack(const std::string& script) {
    velb::LoadedScript loaded;
    velb::testing::StringFile file(script);
    velb::testing::QuietView quiet;
    const velb::CodePage& codePage = velb::CodePage::system();
    velb::loadLines(file, codePage, loaded.script, quiet);
    velb::cutDialogs(loaded, quiet, velb::HeaderRule::FixedImpure);
    std::map<std::u16string_view, std::u16string_view> lastOfName;
    for (const velb::Dialog& dialog : loaded.dialogs)
        lastOfName[dialog.name] = dialog.body;
    std::string bytes = codePage.encode(loaded.script.lines(1, loaded.frame.headEnd));
    for (const velb::Dialog& dialog : loaded.dialogs)
        bytes += codePage.encode(lastOfName[dialog.name]) + "\r\n";
    return {bytes + codePage.encode(loaded.script.lines(loaded.frame.tailStart, loaded.script.lineCount())),
            codePage.encode(loaded.script.text)};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    std::array<std::string, 3> scripts;
    for (std::size_t i = 0; i < 2; ++i) {
        const std::size_t nul = std::min(input.find('\0'), input.size());
        scripts[i] = input.substr(0, nul);
        input.remove_prefix(std::min(nul + 1, input.size()));
    }
    scripts[2] = input;
    velb::testing::MemoryFileSystem files;
    run(scripts, OutputMode::Separate, files, {velb::HeaderRule::AnyForm, velb::Carrying::WholeDialogs, true});
    run(scripts, OutputMode::Merged, files);
    const velb::RunExtras strings{velb::HeaderRule::AnyForm, velb::Carrying::Strings, true};
    run(scripts, OutputMode::Separate, files, strings);

    const auto [carriedOver, writtenBack] = carriedOverAndWrittenBack(scripts[2]);
    if (!run({scripts[2], scripts[2], scripts[2]}, OutputMode::Merged, files).unreplacedList.empty())
        std::abort();
    if (files.files["/out.rc"] != carriedOver)
        std::abort();
    run({scripts[0], scripts[0], scripts[2]}, OutputMode::Merged, files, strings);
    if (files.files["/out.rc"] != writtenBack)
        std::abort();
    return 0;
}
