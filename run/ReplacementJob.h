#pragma once
// The data of one run of the Execute command. It lives for the duration of the click and
// is dropped when it returns; nothing is carried from one run to the next.

#include "DialogMatcher.h"
#include "ResourceScript.h"

namespace velb {

struct ReplacementJob {
    LoadedScript oldEnglish;
    LoadedScript oldChinese;
    LoadedScript newEnglish;
    MatchResult match;
};

} // namespace velb
