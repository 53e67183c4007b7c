#pragma once
// velb-batch run as scripts and CI run it: in a folder of its own, through the platform's
// shell, with what it writes and prints read back.

#include "CodePage.h"
#include "Golden.h"
#include "TemporaryFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace velb::testing {

namespace fs = std::filesystem;

#ifdef _WIN32
// The command is UTF-8; cmd.exe is given it as UTF-16, so Chinese names reach it whole.
inline int runCommand(const std::string& command) {
    return _wsystem(fs::path(std::u8string(command.begin(), command.end())).c_str());
}
// Commands run in cmd.exe, where the code page is the system's (950 under the tests) whatever
// LC_ALL says, and the exit status is the program's.
inline const std::string kChangeFolder = "cd /d ", kSet = "set ", kQuote = "\"";
inline const auto exitStatus = [](int status) { return status; };
#else
inline int runCommand(const std::string& command) {
    return std::system(command.c_str());
}
inline const std::string kChangeFolder = "cd ", kSet = "export ", kQuote = "'";
inline const auto exitStatus = [](int status) { return WIFEXITED(status) ? WEXITSTATUS(status) : -1; };
#endif

// Big5 bytes as UTF-8.
inline std::string inUtf8(const std::string& big5) {
    std::u16string text;
    velb::CodePage(950).decodeAppend(big5, text);
    return velb::CodePage(velb::kUtf8CodePage).encode(text);
}

/// Each line of the text, ended with LF or CR LF, given to `rewrite` and ended with CR LF, as
/// velb-batch ends every line it writes.
template <typename Rewrite> std::string crLfLines(const std::string& text, Rewrite rewrite) {
    std::string lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (line.ends_with('\r'))
            line.pop_back();
        lines += rewrite(line) + "\r\n";
    }
    return lines;
}

inline std::string quoted(const fs::path& path) {
    return kQuote + path.string() + kQuote;
}

// The corpus (../shared/corpus/SOURCES.md): scripts of public projects across releases, raw
// and with every dialog header rewritten to the old form ("-fixed"), which the window reads.
inline constexpr const char* kCorpus[] = {"winmerge-2.5.4-2.6.0", "winmerge-2.1.0.1-2.1.4.0",
                                          "notepad3-5.20.915.1-5.21.227.1"};

class BatchRun : public ::testing::Test {
protected:
    // Runs velb-batch in the temporary folder under the given locale, after a shell command if
    // one is given, its standard output going to the file "stdout" unless another is named;
    // returns its exit status.
    int run(const std::string& arguments, const std::string& locale = "C", const std::string& out = "stdout",
            const std::string& before = "cd .") {
        const std::string command = kChangeFolder + quoted(m_dir) + " && " + before + " && " + kSet +
                                    "LC_ALL=" + locale + "&& " + quoted(m_batch) + " " + arguments + " >" +
                                    quoted(m_dir / out) + " 2>" + quoted(m_dir / "stderr");
        fs::remove(m_dir / "stdout");
        m_arguments = arguments;
        return m_status = exitStatus(runCommand(command));
    }
    /// The last run as a transcript: its arguments, exit status, standard output and error, with
    /// the example scripts written <examples> and this folder <folder>.
    std::string transcript() const {
        return withPathsNamed("$ velb-batch " + m_arguments + "\nexit " + std::to_string(m_status) + "\n" +
                                  output("stdout") + "--- stderr\n" + output("stderr"),
                              {{m_examples, "<examples>"}, {utf8(m_dir), "<folder>"}});
    }
    /// Runs velb-batch with each list of arguments; their transcripts against the file.
    void expectRuns(const std::string& name, std::initializer_list<std::string> argumentLists) {
        std::string seen;
        for (const std::string& arguments : argumentLists) {
            run(arguments);
            seen += transcript();
        }
        expectTranscripts(name, seen);
    }
    /// Transcripts against tests/data/golden/transcripts/<name>.txt.
    static void expectTranscripts(const std::string& name, const std::string& transcripts) {
        EXPECT_EQ(transcripts,
                  velb::testing::golden(fs::path(VELB_GOLDEN) / "transcripts" / (name + ".txt"), transcripts));
    }
    static std::string scripts(const fs::path& dir) {
        return quoted(dir / "old_en.rc") + " " + quoted(dir / "old_zh.rc") + " " + quoted(dir / "new_en.rc");
    }
    // Files written are compared byte for byte; what velb-batch prints is read as text.
    std::string written(const fs::path& name) const { return fileBytes(m_dir / name); }
    std::string output(const char* name) const {
        std::string text = fileBytes(m_dir / name);
        std::erase(text, '\r');
        return text;
    }
    static std::string golden(const fs::path& name) { return fileBytes(fs::path(VELB_GOLDEN) / name); }
    // The report is in the system's code page, unless that has no Chinese (an English
    // Windows's 1252): then it is UTF-8, marked so.
    static std::string goldenReport() {
        const std::string report = golden(u8"separate/Velb報告.txt");
        return velb::CodePage::system().number() == 950 ? report : "\xEF\xBB\xBF" + inUtf8(report);
    }

    const TemporaryFolder m_folder;
    const fs::path m_dir = m_folder.path();
    // Named from the root of their drive: on Windows the temporary folder may be on another.
    const fs::path m_batch = fs::absolute(VELB_BATCH);
    const std::string m_examples = scripts(fs::absolute(VELB_EXAMPLES));
    std::string m_arguments;
    int m_status = -1;
};

} // namespace velb::testing
