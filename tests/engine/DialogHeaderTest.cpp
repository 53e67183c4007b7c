// Dialog header lines under both rules: the forms resource editors write, the lines that only
// look like them, and the names.

#include "DialogHeader.h"

#include <gtest/gtest.h>

#include <optional>

namespace velb {
namespace {

struct HeaderCase {
    std::u16string_view line;
    std::optional<std::u16string_view> fixedImpure; // the name under the window's rule
    std::optional<std::u16string_view> anyForm;     // the name under HeaderRule::AnyForm
};

constexpr auto kNone = std::nullopt;

TEST(HeaderName, EachRuleTakesItsLinesAndNamesThem) {
    const HeaderCase cases[] = {
        {u"IDD_OPEN DIALOGEX 0, 0, 352, 98", kNone, u"IDD_OPEN "},
        {u"IDD_VSS DIALOG DISCARDABLE  0, 0, 258, 149", kNone, u"IDD_VSS "},
        {u"IDD_GOTO\tDIALOG\tMOVEABLE PURE LOADONCALL DISCARDABLE\t0, 0, 150, 45", kNone, u"IDD_GOTO\t"},
        {u"100  DIALOGEX PRELOAD SHARED NONSHARED FIXED IMPURE -1, +2, 3, 4", kNone, u"100  "},
        {u"IDD_A DIALOG (0), 0, 1, 1", kNone, u"IDD_A "},
        {u"IDD_A DIALOGEX X_POS, 0, 1, 1", kNone, u"IDD_A "},
        {u"IDD_A DIALOG DISCARDABLE,0", kNone, u"IDD_A "}, // a word that only begins like an option
        // "DIALOG FIXED IMPURE" anywhere stays a header line named as the window names it.
        {u"IDD_A DIALOG FIXED IMPURE  0, 0, 1, 1", u"IDD_A ", u"IDD_A "},
        {u"IDD_A\tDIALOG FIXED IMPURE 0, 0, 1, 1", u"", u""},
        {u"// DIALOG FIXED IMPURE", u"// ", u"// "},
        // Design-info entries, comments, headers without coordinates and other near misses.
        {u"    IDD_ABOUTBOX, DIALOG", kNone, kNone},
        {u"IDD_ABOUTBOX, DIALOG 0, 0", kNone, kNone},
        {u" IDD_A DIALOG 0, 0, 1, 1", kNone, kNone},
        {u"// Dialog", kNone, kNone},
        {u"// OPEN DIALOG", kNone, kNone},
        {u"IDD_A DIALOGEX", kNone, kNone},
        {u"IDD_A DIALOGEX \t", kNone, kNone},
        {u"IDD_A DIALOG DISCARDABLE", kNone, kNone},
        {u"IDD_A DIALOG MOVEABLE PURE ", kNone, kNone},
        {u"IDD_A dialog 0, 0, 1, 1", kNone, kNone},
        {u"IDD_A DIALOGS 0, 0, 1, 1", kNone, kNone},
        {u"IDD_A DIALOGEX,0, 0, 1, 1", kNone, kNone},
        {u"IDD_A DIALOG *0, 0, 1, 1", kNone, kNone},
        {u"DIALOG 0, 0, 1, 1", kNone, kNone},
        {u"", kNone, kNone},
    };
    for (const HeaderCase& c : cases) {
        const std::string shown(c.line.begin(), c.line.end());
        EXPECT_EQ(headerName(c.line, HeaderRule::FixedImpure), c.fixedImpure) << shown;
        EXPECT_EQ(headerName(c.line, HeaderRule::AnyForm), c.anyForm) << shown;
    }
}

} // namespace
} // namespace velb
