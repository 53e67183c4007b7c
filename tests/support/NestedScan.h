#pragma once
// The plain nested scan that matching must agree with: for each new dialog, every old
// English dialog of the same name and body, and for each of those every old Chinese dialog
// of that name, the last hit deciding. Quadratic; kept as the reference for the tests and
// the benchmark of the indexed matcher.

#include "ResourceScript.h"

#include <string_view>
#include <vector>

namespace velb::reference {

/// Per new dialog, the old Chinese body that replaces it, or empty.
inline std::vector<std::u16string_view> nestedScan(const DialogTable& oldEnglish, const DialogTable& oldChinese,
                                                   const DialogTable& newEnglish) {
    std::vector<std::u16string_view> table(newEnglish.size());
    for (std::size_t i = 0; i < newEnglish.size(); ++i) {
        for (const Dialog& english : oldEnglish) {
            if (newEnglish[i].name != english.name || newEnglish[i].body != english.body)
                continue;
            for (const Dialog& chinese : oldChinese) {
                if (english.name == chinese.name)
                    table[i] = chinese.body;
            }
        }
    }
    return table;
}

} // namespace velb::reference
