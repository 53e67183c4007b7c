// Real scripts of public projects across releases (LF line ends, blocks ending in END
// before the first dialog), as a translator would feed them. Skipped where they are absent.

#include "DialogMatcher.h"
#include "MemoryFileSystem.h"
#include "NestedScan.h"
#include "OutputWriter.h"
#include "ScriptText.h"

#include <gtest/gtest.h>

namespace velb {
namespace {

namespace fs = std::filesystem;
using testing::big5;
using testing::RecordingView;

class Corpus : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        m_dir = fs::path(VELB_CORPUS_DIR) / GetParam();
        if (!fs::exists(m_dir))
            GTEST_SKIP() << m_dir << " is absent";
    }
    void read(const char* name, LoadedScript& into) const {
        RecordingView view;
        view.paths[0] = (m_dir / name).u16string();
        ReadScript(into, {PathField::OldEnglish, Bar::OldEnglish, std::nullopt, u""}, view, diskFileSystem(), big5());
    }

    fs::path m_dir;
};

TEST_P(Corpus, EveryDialogIsCutWithItsOwnName) {
    for (const char* name : {"old_en.rc", "old_zh.rc", "new_en.rc"}) {
        LoadedScript loaded;
        read(name, loaded);
        int headers = 0;
        for (int i = 1; i <= loaded.script.lineCount(); ++i)
            headers += loaded.script.line(i).find(u"DIALOG FIXED IMPURE") != std::u16string_view::npos;
        ASSERT_GT(headers, 0) << name;
        EXPECT_EQ(loaded.dialogs.size(), static_cast<std::size_t>(headers)) << name;
        for (const Dialog& dialog : loaded.dialogs) {
            EXPECT_TRUE(dialog.body.starts_with(dialog.name)) << name;
            EXPECT_TRUE(dialog.body.ends_with(u"\r\nEND\r\n")) << name;
        }
        EXPECT_GT(loaded.frame.headEnd, 0) << name;
    }
}

TEST_P(Corpus, UnchangedDialogsTakeTheirTranslation) {
    LoadedScript oldEnglish, oldChinese, newEnglish;
    read("old_en.rc", oldEnglish);
    read("old_zh.rc", oldChinese);
    read("new_en.rc", newEnglish);
    RecordingView view;
    const MatchResult match = MatchDialogs(oldEnglish.dialogs, oldChinese.dialogs, newEnglish.dialogs, view);
    EXPECT_EQ(match.replacementTable,
              reference::NestedScan(oldEnglish.dialogs, oldChinese.dialogs, newEnglish.dialogs));
    const auto replaced = std::count_if(match.replacementTable.begin(), match.replacementTable.end(),
                                        [](std::u16string_view entry) { return !entry.empty(); });
    EXPECT_GT(replaced, 0);
    EXPECT_EQ(replaced + static_cast<std::ptrdiff_t>(match.untranslated.size()),
              static_cast<std::ptrdiff_t>(newEnglish.dialogs.size()));
}

TEST_P(Corpus, ScriptCarriedOverOntoItselfKeepsEveryDialog) {
    // A script that is its own previous release and translation: the output, read again,
    // has the same dialogs.
    LoadedScript script;
    read("new_en.rc", script);
    RecordingView view;
    view.mode = OutputMode::Merged;
    const MatchResult match = MatchDialogs(script.dialogs, script.dialogs, script.dialogs, view);
    EXPECT_TRUE(match.unreplacedList.empty());
    testing::MemoryFileSystem files;
    WriteOutput(script, match, u"/out.rc", files, big5());

    LoadedScript written;
    testing::StringFile output(files.files["/out.rc"]);
    LoadLines(output, big5(), written.script, view);
    CutDialogs(written, view);
    ASSERT_EQ(written.dialogs.size(), script.dialogs.size());
    for (std::size_t i = 0; i < script.dialogs.size(); ++i)
        EXPECT_TRUE(written.dialogs[i].body == script.dialogs[i].body) << i;
}

INSTANTIATE_TEST_SUITE_P(Fixed, Corpus,
                         ::testing::Values("winmerge-2.5.4-2.6.0-fixed", "winmerge-2.1.0.1-2.1.4.0-fixed",
                                           "notepad3-5.20.915.1-5.21.227.1-fixed"));

} // namespace
} // namespace velb
