// velb-batch: one replacement run from the command line, through the same run control as
// the window. Exit status 0 on success, 1 when the run fails, 2 on a usage error.

#include "BatchExtras.h"
#include "CodePage.h"
#include "ConsoleText.h"
#include "ConsoleView.h"
#include "ErrorMessages.h"
#include "Execute.h"
#include "SignalStop.h"
#include "UsageText.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <sstream>
#include <string>
#include <utility>
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

// CLI11 words its help, version and errors in UTF-8; they reach a Windows console as text.
int tellParser(const CLI::App& app, const CLI::Error& said) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = app.exit(said, out, err);
    const velb::CodePage utf8(65001);
    std::u16string text;
    utf8.decodeAppend(out.str(), text);
    velb::writeConsoleText(stdout, text);
    text.clear();
    utf8.decodeAppend(err.str(), text);
    velb::writeConsoleText(stderr, text);
    return status;
}

int run(int argc, char** argv) {
    CLI::App app{"將舊版資源檔中未變更對話框的翻譯，套用到新版資源檔。", "velb-batch"};
    velb::speakTraditionalChinese(app);
    // A path may begin with "/" on every platform: it is never read as a Windows-style option.
    app.allow_windows_style_options(false);
    app.set_version_flag("--version", std::string("velb-batch ") + VELB_VERSION, "顯示版本後結束");
    bool merged = false;
    bool noReport = false;
    bool anyDialog = false;
    bool strings = false;
    unsigned codePageNumber = 0;
    std::string changesPath;
    std::array<std::string, 4> paths;
    app.add_flag("--merged", merged, "寫成一個合併的資源檔，而不是已翻譯、未翻譯兩個檔案");
    app.add_flag("--no-report", noReport, "不在目前的資料夾寫入報告");
    app.add_flag("--any-dialog", anyDialog,
                 "也讀取標頭為 NAME DIALOG 或 DIALOGEX 加任何選項的對話框，也就是現今編輯器所寫的形式");
    app.add_flag("--strings", strings, "在有變更的對話框中逐一字串套用翻譯，並讓輸出與新版英文資源檔逐行對應");
    const CLI::Option* changesOption =
        app.add_option("--changes", changesPath,
                       "把每個未替換的對話框需要什麼（原因、差異、舊的翻譯）以 UTF-8 寫入 FILE；"
                       "FILE 為 - 時改寫到標準輸出，取代清單")
            ->type_name("FILE");
    const CLI::Option* codePageOption =
        app.add_option("--code-page", codePageNumber,
                       "以代碼頁 N（950、936、1252、65001 …）讀寫資源檔與報告，而不用系統的代碼頁")
            ->type_name("N");
    const std::pair<const char*, const char*> positionals[] = {
        {"OLD_ENGLISH", "舊版的英文資源檔"},
        {"OLD_CHINESE", "舊版的繁體中文資源檔"},
        {"NEW_ENGLISH", "新版的英文資源檔"},
        {"OUTPUT", "要寫入的新版中文資源檔；未加 --merged 時寫成檔名加上 _已翻譯 與 _未翻譯 的兩個檔案"}};
    for (std::size_t i = 0; i < paths.size(); ++i)
        app.add_option(positionals[i].first, paths[i], positionals[i].second)->required()->type_name("");
    try {
        app.parse(argc, argv);
    } catch (const CLI::Success& helpOrVersion) {
        return tellParser(app, helpOrVersion);
    } catch (const CLI::ParseError& error) {
        tellParser(app, error);
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
