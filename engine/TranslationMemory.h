#pragma once
// The previous release's translation as a memory of strings: per English literal, the Chinese
// literal that stands for it, when there is exactly one. The old dialogs hold most of it, and
// reading and pairing every one of them for every text would cost more than the whole run; so
// the memory is told first which texts it will be asked for, and reads the old dialogs once
// for all of them, keeping only their renderings. A text asked for later is read for in a pass
// of its own. Most translations differ from their English dialog in the literals alone: such a
// pair is read side by side, without being taken apart into statements.

#include "OldDialogs.h"

#include <optional>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

namespace velb {

class TranslationMemory {
public:
    explicit TranslationMemory(const OldDialogs& old) : m_old(old) {}
    /// One old English literal and the old Chinese literal that stands for it.
    void add(std::u16string_view english, std::u16string_view chinese);
    /// An English literal that rendering() will be asked for.
    void ask(std::u16string_view english);
    /// Every text of a new English dialog, as rendering() may be asked for any of them.
    void askTextsOf(std::u16string_view dialogBody);
    /// The one Chinese rendering of an English literal, if it has exactly one.
    std::optional<std::u16string_view> rendering(std::u16string_view english);

private:
    struct Rendering {
        std::u16string_view chinese;
        bool ambiguous = false;
    };
    void readAsked();
    void readDialog(std::u16string_view english, std::u16string_view chinese);

    const OldDialogs& m_old;
    std::unordered_set<std::u16string_view> m_asked; ///< not yet read for
    std::unordered_set<std::u16string_view> m_read;  ///< read for
    std::unordered_map<std::u16string_view, Rendering> m_renderings;
};

} // namespace velb
