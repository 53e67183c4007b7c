#pragma once
// The previous release's translation as a memory of strings: per English literal, the Chinese
// literal that stands for it, when there is exactly one. The old dialogs hold most of it, and
// reading and pairing every one of them would cost more than the whole run; so the memory
// first only notes which old English dialog holds which literal, and reads and pairs a dialog
// the first time a literal it holds is asked for. The answer is the same as if all were read:
// a dialog that does not hold a literal cannot give it a rendering, and a literal found with
// two renderings has no one rendering however many more are read.

#include "OldDialogs.h"

#include <cstddef>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace velb {

class TranslationMemory {
public:
    explicit TranslationMemory(const OldDialogs& old) : m_old(old) {}
    /// One old English literal and the old Chinese literal that stands for it.
    void add(std::u16string_view english, std::u16string_view chinese);
    /// The one Chinese rendering of an English literal, if it has exactly one.
    std::optional<std::u16string_view> rendering(std::u16string_view english);

private:
    struct DialogPair {
        std::u16string_view english;
        std::u16string_view chinese;
        bool read = false;
    };
    struct Rendering {
        std::u16string_view chinese;
        bool ambiguous = false;
    };
    void indexDialogs();
    void readDialog(DialogPair& pair);

    const OldDialogs& m_old;
    bool m_indexed = false;
    std::vector<DialogPair> m_dialogs;
    struct Holder {
        std::size_t hash; ///< of the literal, which the holders are sorted by
        std::u16string_view literal;
        std::size_t dialog;
    };
    std::vector<Holder> m_holders;
    std::unordered_map<std::u16string_view, Rendering> m_renderings;
};

} // namespace velb
