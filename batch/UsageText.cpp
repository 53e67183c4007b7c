#include "UsageText.h"

#include <regex>
#include <string>

namespace velb {

namespace {

// CLI11 words an error in English with the option and the value inside; each of the errors
// velb-batch can meet is read apart and said again in Chinese.
struct Rendering {
    CLI::ExitCodes error;
    const char* english;
    const char* chinese;
};

constexpr Rendering kRenderings[] = {
    {CLI::ExitCodes::RequiredError, R"((.+) is required)", "少了引數 $1：四個檔案都要給出。"},
    {CLI::ExitCodes::ConversionError, R"(Could not convert: (\S+) = (.*))", "「$2」不是 $1 能接受的值。"},
    {CLI::ExitCodes::ArgumentMismatch, R"((\S+): \d+ required \S* ?missing)", "$1 後面少了它的值。"},
    {CLI::ExitCodes::ArgumentMismatch, R"((\S+): At Most \d+ required but received \d+)", "$1 只能給一次。"},
};

std::string failureMessage(const CLI::App* app, const CLI::Error& error) {
    const std::string english = error.what();
    // An error none of the renderings knows is still told, in CLI11's words.
    std::string message = "引數有誤：" + english;
    // CLI11 lists the arguments it did not expect last first; they are told as they were given.
    if (error.get_exit_code() == static_cast<int>(CLI::ExitCodes::ExtrasError))
        message = "多了無法辨識的引數：" + CLI::detail::join(app->remaining(), " ");
    for (const Rendering& rendering : kRenderings) {
        std::smatch found;
        if (error.get_exit_code() == static_cast<int>(rendering.error) &&
            std::regex_match(english, found, std::regex(rendering.english))) {
            message = found.format(rendering.chinese);
            break;
        }
    }
    return message + "\n執行 " + app->get_name() + " --help 可看說明。\n";
}

} // namespace

void speakTraditionalChinese(CLI::App& app) {
    const auto formatter = app.get_formatter();
    formatter->label("Usage", "用法");
    formatter->label("OPTIONS", "選項");
    formatter->label("Positionals", "引數（都要給出）");
    // Said once by the heading above, since the Chinese word would misalign the columns,
    // which CLI11 counts in bytes.
    formatter->label("REQUIRED", "");
    app.option_defaults()->group("選項");
    app.set_help_flag("-h,--help", "顯示這份說明後結束");
    app.failure_message(failureMessage);
}

} // namespace velb
