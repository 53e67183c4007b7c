// Dialog header lines under both rules, beyond the forms of the batch tests' scripts: options
// and signs, the window's names kept, and lines that only look like headers.

#include "DialogHeader.h"

#include <gtest/gtest.h>

#include <tuple>

namespace velb {
namespace {

TEST(HeaderName, EachRuleTakesItsLinesAndNamesThem) {
    using Name = std::optional<std::u16string_view>;
    // A line, its name under the window's rule and under HeaderRule::AnyForm.
    const std::tuple<std::u16string_view, Name, Name> cases[] = {
        {u"100  DIALOGEX PRELOAD SHARED NONSHARED FIXED IMPURE -1, (2), 3, 4", {}, u"100  "},
        {u"IDD_A DIALOG (X_POS), 0, 1, 1", {}, u"IDD_A "},
        {u"IDD_A\tDIALOG FIXED IMPURE 0, 0, 1, 1", u"", u""},
        {u"IDD_A, DIALOG 0, 0, 1, 1", {}, {}},
        {u" IDD_A DIALOG 0, 0, 1, 1", {}, {}},
        {u"IDD_A DIALOG MOVEABLE PURE \t", {}, {}}, // an option is never the first coordinate
        {u"IDD_A dialog 0, 0, 1, 1", {}, {}},
        {u"IDD_A DIALOGS 0, 0, 1, 1", {}, {}},
        {u"IDD_A DIALOGEX,0, 0, 1, 1", {}, {}},
        {u"IDD_A DIALOG *0, 0, 1, 1", {}, {}},
    };
    for (const auto& [line, fixedImpure, anyForm] : cases) {
        EXPECT_EQ(headerName(line, HeaderRule::FixedImpure), fixedImpure) << std::string(line.begin(), line.end());
        EXPECT_EQ(headerName(line, HeaderRule::AnyForm), anyForm) << std::string(line.begin(), line.end());
    }
}

} // namespace
} // namespace velb
