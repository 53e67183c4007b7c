#pragma once
// The words the user reads when a file fails (which file, what was being done, and why) or
// when the scripts' code page cannot be carried, in Traditional Chinese.

#include "FileSystem.h"
#include "PlatformConverter.h"

#include <span>
#include <string>
#include <string_view>
#include <system_error>

namespace velb {

/// Why a file failed, in the user's words.
struct FileErrorReason {
    std::error_condition condition;
    std::u16string_view words;
};

/// A reason for every error a file operation gives on this platform, in the order they are
/// tried: an error takes the words of the first condition it compares equal to.
std::span<const FileErrorReason> fileErrorReasons();

std::u16string fileErrorMessage(const FileError& error);
std::u16string unsupportedCodePageMessage(const UnsupportedCodePage& error);

} // namespace velb
