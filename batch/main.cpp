// velb-batch: one replacement run from the command line, through the same run control as
// the window. Exit status 0 on success, 1 when the run fails, 2 on a usage error.

#include "BatchExtras.h"
#include "CodePage.h"
#include "ConsoleText.h"
#include "ConsoleView.h"
#include "ErrorMessages.h"
#include "Execute.h"
#include "SignalStop.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#ifdef _WIN32
#include <io.h>
#define isatty _isatty
#define fileno _fileno
#else
#include <unistd.h>
#endif

namespace {

constexpr int kUsageError = 2;
constexpr int kRunFailed = 1;
constexpr std::string_view kStandardOutput = "-";

// A path argument: on Windows the UTF-8 that the wide command line was turned into; elsewhere
// the bytes themselves are the name, text or not.
std::filesystem::path argumentPath(const std::string& argument) {
#ifdef _WIN32
    return std::u8string(argument.begin(), argument.end());
#else
    return argument;
#endif
}

int run(int argc, char** argv) {
    CLI::App app{"Carries the translation of every unchanged dialog over to a new release's resource script.",
                 "velb-batch"};
    // A path may begin with "/" on every platform: it is never read as a Windows-style option.
    app.allow_windows_style_options(false);
    app.set_version_flag("--version", std::string("velb-batch ") + VELB_VERSION);
    bool merged = false;
    bool noReport = false;
    bool anyDialog = false;
    bool strings = false;
    unsigned codePageNumber = 0;
    std::string changesPath;
    std::array<std::string, 4> paths;
    app.add_flag("--merged", merged, "write one merged script instead of a translated / untranslated pair");
    app.add_flag("--no-report", noReport, "write no report into the current directory");
    app.add_flag("--any-dialog", anyDialog,
                 "also take dialogs whose header is NAME DIALOG or DIALOGEX with any options, as editors write today");
    app.add_flag("--strings", strings,
                 "carry the translation string by string into dialogs that changed, and lay the output out line "
                 "for line as the new script");
    const CLI::Option* changesOption =
        app.add_option("--changes", changesPath,
                       "write what each unreplaced dialog needs (why, the diff, the old translation) to FILE in "
                       "UTF-8, or with - to standard output in place of the list")
            ->type_name("FILE");
    const CLI::Option* codePageOption = app.add_option(
        "--code-page", codePageNumber,
        "read and write the scripts and the report in code page N (950, 936, 1252, 65001 ...) instead of the system's");
    app.add_option("OLD_ENGLISH", paths[0], "the previous release's English script")->required();
    app.add_option("OLD_CHINESE", paths[1], "the previous release's Traditional Chinese script")->required();
    app.add_option("NEW_ENGLISH", paths[2], "the new release's English script")->required();
    app.add_option("OUTPUT", paths[3], "the translated script to write")->required();
    try {
        app.parse(argc, argv);
    } catch (const CLI::Success& helpOrVersion) {
        return app.exit(helpOrVersion);
    } catch (const CLI::ParseError& error) {
        app.exit(error);
        return kUsageError;
    }

    // A code page whose text the engine cannot carry exactly stops the run before it starts.
    std::optional<velb::CodePage> requested;
    const velb::CodePage* codePage = nullptr;
    try {
        codePage = codePageOption->count() != 0 ? &requested.emplace(codePageNumber) : &velb::CodePage::system();
    } catch (const velb::UnsupportedCodePage& error) {
        velb::writeConsoleText(stderr, velb::unsupportedCodePageMessage(error) + u"\n");
        return codePageOption->count() != 0 ? kUsageError : kRunFailed;
    }

    velb::BatchRequest request;
    for (std::size_t i = 0; i < paths.size(); ++i)
        request.paths[i] = argumentPath(paths[i]);
    request.mode = merged ? velb::OutputMode::Merged : velb::OutputMode::Separate;
    request.report = !noReport;

    velb::stopCleanlyOnSignals();
    const bool progressLine = isatty(fileno(stderr)) && velb::enableProgressEscapes(stderr);
    velb::ConsoleView view(request, progressLine ? stderr : nullptr);
    velb::RunExtras extras;
    extras.headers = anyDialog ? velb::HeaderRule::AnyForm : velb::HeaderRule::FixedImpure;
    extras.carrying = strings ? velb::Carrying::Strings : velb::Carrying::WholeDialogs;
    extras.describeChanges = changesOption->count() != 0;
    const bool changesInPlaceOfList = extras.describeChanges && changesPath == kStandardOutput;
    const velb::RunOutcome outcome = velb::Execute(view, velb::diskFileSystem(), *codePage, extras);
    velb::tellPassedOverHeaders(outcome, {request.paths[0], request.paths[1], request.paths[2]});
    // Whatever became of the run, the files it wrote and the dialogs it left are told: a report
    // that fails after the outputs were written must not hide them.
    for (const std::filesystem::path& written : outcome.written)
        velb::writeConsoleText(stderr, u"已寫入 " + velb::displayName(written) + u"\n");
    // One line per unreplaced dialog, in the console's own line ends.
    std::u16string list = outcome.unreplacedList;
    std::erase(list, u'\r');
    if (!velb::writeConsoleText(stdout, changesInPlaceOfList ? outcome.changes : list)) {
        velb::writeConsoleText(stderr,
                               changesInPlaceOfList ? u"無法輸出變更說明。\n" : u"無法輸出未替換的對話框清單。\n");
        return kRunFailed;
    }
    // Like the list, the changes are told whenever matching was done, even if the run failed later.
    const bool changesToFile = extras.describeChanges && !changesInPlaceOfList && !outcome.changes.empty();
    if (changesToFile && !velb::writeChangesFile(outcome.changes, argumentPath(changesPath)))
        return kRunFailed;
    return outcome.kind == velb::RunOutcome::Kind::Completed ? 0 : kRunFailed;
}

} // namespace

#ifdef _WIN32
// The wide command line, so that a name in any script reaches the program whole, whatever
// the ANSI code page; CLI11 reads it as UTF-8.
int wmain(int argc, wchar_t** wideArgv) {
    std::vector<std::string> arguments;
    for (int i = 0; i < argc; ++i)
        arguments.push_back(velb::toUtf8(reinterpret_cast<const char16_t*>(wideArgv[i])));
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    return run(argc, argv.data());
}
#else
int main(int argc, char** argv) {
    return run(argc, argv);
}
#endif
