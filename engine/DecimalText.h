#pragma once
// Numbers as the user reads them in the report, the changes file and the console: decimal
// digits, no sign unless negative, no leading zeros, no group separators.

#include <string>

namespace velb {

inline std::u16string decimalText(long long value) {
    const std::string digits = std::to_string(value);
    return std::u16string(digits.begin(), digits.end());
}

} // namespace velb
