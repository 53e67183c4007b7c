#pragma once
// The words the user reads when a file fails: which file, what was being done, and why,
// in Traditional Chinese.

#include "FileSystem.h"

#include <string>

namespace velb {

std::u16string fileErrorMessage(const FileError& error);

} // namespace velb
