#pragma once
// The main window's scenarios, written once: each is run against the window's logic through a
// fake port and against each toolkit's real window, and writes down what the user sees. The
// log is compared with tests/data/windows/scenarios/<name>.txt, the same file for all of them.

#include "Form1Driver.h"
#include "Golden.h"
#include "TemporaryFolder.h"

#include <filesystem>
#include <string>
#include <vector>

namespace velb::testing {

/// What a scenario saw, with the paths of the moment written as <folder> and <data>.
class ScenarioLog {
public:
    explicit ScenarioLog(Form1Driver& window) : m_window(window) {}

    void add(const std::string& line) {
        m_lines.push_back(
            withPathsNamed(line, {{m_folder, "<folder>"}, {m_data, "<data>"}, {m_examples, "<examples>"}}));
    }
    void folder(const std::filesystem::path& path) { m_folder = utf8(path); }
    /// The status line, each bar as position/maximum, and which of Execute and Exit are enabled.
    void state(const char* when) {
        std::string line = std::string(when) + ": " + m_window.text("Label1");
        for (const char* bar : {"ProgressBar1", "ProgressBar2", "ProgressBar3", "ProgressBar4"})
            line += " " + m_window.bar(bar);
        add(line + (m_window.isEnabled("Command5") ? " Execute" : "") +
            (m_window.isEnabled("Command7") ? " Exit" : ""));
    }
    /// What the modal dialogs were asked and shown since the last time.
    void dialogs() {
        for (std::string& line : m_window.dialogs().shown)
            add("dialog: " + line);
        m_window.dialogs().shown.clear();
    }
    void files(const TemporaryFolder& folder) {
        std::string line = "files:";
        for (const std::string& name : folder.files())
            line += " " + name;
        add(line);
    }
    std::string text() const { return joinedLines(m_lines); }

private:
    Form1Driver& m_window;
    std::vector<std::string> m_lines;
    std::string m_folder;
    std::string m_data = utf8(std::filesystem::absolute(VELB_TEST_DATA));
    std::string m_examples = utf8(std::filesystem::absolute(VELB_EXAMPLES));
};

/// The three scripts of a folder, and new.rc in folder as the output.
inline std::vector<std::u16string> scriptPaths(const std::filesystem::path& in, const TemporaryFolder& folder) {
    return {(in / "old_en.rc").u16string(), (in / "old_zh.rc").u16string(), (in / "new_en.rc").u16string(),
            (folder.path() / "new.rc").u16string()};
}

inline void fillAll(Form1Driver& window, const std::vector<std::u16string>& paths) {
    for (int i = 0; i < 4; ++i)
        window.fill("Text" + std::to_string(i + 1), paths[i]);
}

inline void startsReady(Form1Driver& window, ScenarioLog& log) {
    log.state("at start");
    log.add("focus: " + window.focused());
    for (const char* option : {"Check1", "Option1_0", "Option1_1"})
        log.add(std::string(option) + (window.isChecked(option) ? " set" : " clear"));
    log.add("list: " + window.text("Text5"));
}

// Execute with every path field empty, then with each filled in turn.
inline void missingPaths(Form1Driver& window, ScenarioLog& log) {
    for (int filled = 1; filled <= 4; ++filled) {
        window.click("Command5");
        window.fill("Text" + std::to_string(filled), u"x.rc");
    }
    log.dialogs();
    log.state("after");
}

// Separate output with the report, as the window starts, then merged without the report; the
// paths through Browse, each starting from the one chosen last, whichever box it went into.
inline void runsThroughBrowse(Form1Driver& window, ScenarioLog& log) {
    TemporaryFolder folder;
    log.folder(folder.path());
    for (const bool merged : {false, true}) {
        folder.empty();
        const auto paths = scriptPaths(std::filesystem::absolute(VELB_EXAMPLES), folder);
        window.dialogs().fileAnswers.assign(paths.begin(), paths.end());
        for (int i = 1; i <= 4; ++i)
            window.click("Command" + std::to_string(i));
        window.click("Command1"); // cancelled: the box keeps its path, not the one chosen last
        log.dialogs();
        for (const char* field : {"Text1", "Text2", "Text3", "Text4"})
            log.add(std::string(field) + ": " + window.text(field));
        if (merged) {
            window.click("Option1_0");
            window.click("Check1");
        }
        window.dialogs().whileCompletionOpen = [&] { log.state("completion open"); };
        window.click("Command5");
        log.dialogs();
        log.state("after");
        log.add("list: " + window.text("Text5"));
        log.files(folder);
        // As a new script without dialogs leaves it: a bar of no length is shown empty.
        window.dialogs().whileCompletionOpen = [] {};
        window.logic().setBarMaximum(Bar::Matching, 0);
        window.logic().showCompletion();
        log.state("no dialogs");
        log.dialogs();
    }
}

inline void closingDuringARunStopsIt(Form1Driver& window, ScenarioLog& log) {
    TemporaryFolder folder;
    fillAll(window, scriptPaths(std::filesystem::absolute(VELB_EXAMPLES), folder));
    window.closeAtNextPump();
    window.click("Command5");
    log.dialogs();
    log.add(window.isShown() ? "shown" : "closed");
    log.files(folder); // nothing half-written
}

// Scripts of today's header forms: the window asks, and reads them only on 是. On 是 it writes
// what velb-batch --any-dialog --strings writes for them.
inline void todaysHeaderForms(Form1Driver& window, ScenarioLog& log) {
    TemporaryFolder folder;
    log.folder(folder.path());
    for (const bool yes : {false, true}) {
        folder.empty();
        fillAll(window, scriptPaths(std::filesystem::absolute(VELB_TEST_DATA) / "strings", folder));
        window.dialogs().yesNoAnswers = {yes};
        window.click("Command5");
        log.dialogs();
        log.add("list: " + window.text("Text5"));
        log.files(folder);
        for (const char8_t* name : {u8"new_已翻譯.rc", u8"new_未翻譯.rc"}) {
            const bool same = fileBytes(folder.path() / name) ==
                              fileBytes(std::filesystem::absolute(VELB_TEST_DATA) / "golden/strings" / name);
            log.add(reinterpret_cast<const char*>(name) +
                    std::string(same ? " as velb-batch writes it" : " unlike velb-batch's"));
        }
    }
}

// (Where Tab goes is in the windows' snapshots.)
inline void keyboard(Form1Driver& window, ScenarioLog& log) {
    // Enter in a path box reaches the default button, Execute; Esc does nothing.
    window.press(Form1Driver::Key::Enter);
    window.press(Form1Driver::Key::Escape);
    log.dialogs();
    log.add(window.isShown() ? "shown" : "closed");
    for (int i = 0; i < 2; ++i) {
        window.press(Form1Driver::Key::AltE);
        log.add(std::string("Alt+E: Check1") + (window.isChecked("Check1") ? " set" : " clear"));
    }
}

// Enter during a run presses nothing, not even the focused button; after the run the focus is
// where it was, and Enter on Execute starts the next run.
inline void enterDuringARun(Form1Driver& window, ScenarioLog& log) {
    TemporaryFolder folder;
    fillAll(window, scriptPaths(std::filesystem::absolute(VELB_EXAMPLES), folder));
    window.giveFocus("Command6");
    window.pressAtNextPump(Form1Driver::Key::Enter);
    window.click("Command5");
    log.dialogs();
    log.add("About boxes: " + std::to_string(window.aboutBoxesShown()));
    log.add("focus: " + window.focused());
    window.giveFocus("Command5");
    window.press(Form1Driver::Key::Enter);
    log.dialogs();
}

// Enter closes the About box; then one box, brought to the front by a second click, outlives
// the main window until Esc.
inline void aboutBoxLife(Form1Driver& window, ScenarioLog& log) {
    window.click("Command6");
    window.press(Form1Driver::Key::Enter);
    log.add("About boxes after Enter: " + std::to_string(window.aboutBoxesShown()));
    window.click("Command6");
    window.click("Command6");
    log.add("About boxes: " + std::to_string(window.aboutBoxesShown()));
    window.click("Command7");
    log.add(std::string(window.isShown() ? "shown" : "closed") +
            ", About boxes: " + std::to_string(window.aboutBoxesShown()));
    window.press(Form1Driver::Key::Escape);
    log.add("About boxes after Esc: " + std::to_string(window.aboutBoxesShown()));
}

struct Scenario {
    const char* name;
    void (*run)(Form1Driver&, ScenarioLog&);
};

inline const Scenario kLogicScenarios[] = {
    {"starts_ready", startsReady},
    {"missing_paths", missingPaths},
    {"runs_through_browse", runsThroughBrowse},
    {"closing_during_a_run", closingDuringARunStopsIt},
    {"todays_header_forms", todaysHeaderForms},
};
/// Those that need the keyboard or the About box.
inline const Scenario kWindowScenarios[] = {
    {"keyboard", keyboard},
    {"enter_during_a_run", enterDuringARun},
    {"about_box", aboutBoxLife},
};

/// Runs a scenario against a fresh window and returns its log and the golden file's text.
inline std::pair<std::string, std::string> playScenario(Form1Driver& window, const Scenario& scenario) {
    ScenarioLog log(window);
    scenario.run(window, log);
    return {log.text(), golden(std::filesystem::absolute(VELB_TEST_DATA) / "windows/scenarios" /
                                   (std::string(scenario.name) + ".txt"),
                               log.text())};
}

} // namespace velb::testing
