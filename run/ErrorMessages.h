#pragma once
// The words the user reads when a file fails (which file, what was being done, and why) or
// when the scripts' code page cannot be carried, in Traditional Chinese.

#include "FileSystem.h"
#include "PlatformConverter.h"

#include <string>

namespace velb {

std::u16string fileErrorMessage(const FileError& error);
std::u16string unsupportedCodePageMessage(const UnsupportedCodePage& error);

} // namespace velb
