// velb-batch: one replacement run from the command line, through the same run control as
// the window. Exit status 0 on success, 1 when the run fails, 2 on a usage error.

#include "CodePage.h"
#include "ConsoleView.h"
#include "Execute.h"
#include "SignalStop.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <cstdio>
#include <filesystem>

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

std::u16string argumentText(const std::string& argument) {
    return std::filesystem::path(argument).u16string();
}

} // namespace

int main(int argc, char** argv) {
    CLI::App app{"Carries the translation of every unchanged dialog over to a new release's resource script.",
                 "velb-batch"};
    // A path may begin with "/" on every platform: it is never read as a Windows-style option.
    app.allow_windows_style_options(false);
    bool merged = false;
    bool noReport = false;
    std::array<std::string, 4> paths;
    app.add_flag("--merged", merged, "write one merged script instead of a translated / untranslated pair");
    app.add_flag("--no-report", noReport, "write no report into the current directory");
    app.add_option("OLD_ENGLISH", paths[0], "the previous release's English script")->required();
    app.add_option("OLD_CHINESE", paths[1], "the previous release's Traditional Chinese script")->required();
    app.add_option("NEW_ENGLISH", paths[2], "the new release's English script")->required();
    app.add_option("OUTPUT", paths[3], "the translated script to write")->required();
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& help) {
        return app.exit(help);
    } catch (const CLI::ParseError& error) {
        app.exit(error);
        return kUsageError;
    }

    velb::BatchRequest request;
    for (std::size_t i = 0; i < paths.size(); ++i)
        request.paths[i] = argumentText(paths[i]);
    request.mode = merged ? velb::OutputMode::Merged : velb::OutputMode::Separate;
    request.report = !noReport;

    velb::stopCleanlyOnSignals();
    velb::ConsoleView view(std::move(request), isatty(fileno(stderr)) ? stderr : nullptr);
    const velb::RunOutcome outcome = velb::Execute(view);
    // Whatever became of the run, the files it wrote and the dialogs it left are told: a report
    // that fails after the outputs were written must not hide them.
    for (const std::filesystem::path& written : outcome.written)
        std::fprintf(stderr, "已寫入 %s\n", written.string().c_str());
    // One line per unreplaced dialog, in the console's own line ends.
    std::string list = velb::toUtf8(outcome.unreplacedList);
    std::erase(list, '\r');
    if (std::fputs(list.c_str(), stdout) == EOF || std::fflush(stdout) != 0) {
        std::fputs("無法輸出未替換的對話框清單。\n", stderr);
        return kRunFailed;
    }
    return outcome.kind == velb::RunOutcome::Kind::Completed ? 0 : kRunFailed;
}
