#pragma once
// velb-batch's help and the argument parser's own errors in Traditional Chinese, like every
// other message of the program. The option names stay as they are, for scripts that call it.

#include <CLI/CLI.hpp>

namespace velb {

/// Labels app's help in Chinese and gives it the Chinese errors; call before adding options,
/// whose group it names.
void speakTraditionalChinese(CLI::App& app);

} // namespace velb
