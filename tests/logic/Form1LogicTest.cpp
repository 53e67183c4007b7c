// The main window's logic through a port of plain fields: the window scenarios, run on every
// platform without a toolkit.

#include <Form1Scenarios.h>

#include <gtest/gtest.h>

#include <map>

namespace velb::testing {
namespace {

// The controls as fields, wired to the logic as both toolkits wire theirs.
class FakeForm1 : public Form1Port, public Form1Driver {
public:
    FakeForm1() { m_logic.start(); }

    void setText(std::string_view control, std::u16string_view text) override { m_texts[std::string(control)] = text; }
    void setBar(std::string_view control, int maximum, int position) override {
        m_bars[std::string(control)] = std::to_string(position) + "/" + std::to_string(maximum);
    }
    void setEnabled(std::string_view control, bool enabled) override { m_disabled[std::string(control)] = !enabled; }
    bool isChecked(std::string_view control) override { return m_checked.contains(std::string(control)); }
    std::filesystem::path path(std::string_view control) override { return m_texts[std::string(control)]; }
    std::string focusedControl() override { return m_focus; }
    void giveFocus(std::string_view control) override { m_focus = control; }
    void repaint() override {}
    void pump() override {
        if (m_closeAtPump)
            close();
    }
    void showAbout() override {}
    void close() override {
        m_shown = false;
        m_logic.closed();
    }

    QueuedDialogs& dialogs() override { return m_dialogs; }
    Form1Logic& logic() override { return m_logic; }
    void click(std::string_view control) override {
        if (control.starts_with("Option1_"))
            m_checked.erase(control == "Option1_0" ? "Option1_1" : "Option1_0");
        if (control == "Check1" && m_checked.erase("Check1") != 0)
            return;
        if (control.starts_with("Option1_") || control == "Check1")
            m_checked.emplace(control);
        else if (control == "Command5")
            m_logic.execute();
        else if (control == "Command7")
            m_logic.exit();
        else if (control != "Command6")
            m_logic.browse(static_cast<PathField>(control.back() - '0'));
    }
    void fill(std::string_view field, const std::u16string& path) override { setText(field, path); }
    std::string text(std::string_view control) override { return toUtf8(m_texts[std::string(control)]); }
    std::string bar(std::string_view control) override { return m_bars[std::string(control)]; }
    bool isEnabled(std::string_view control) override { return !m_disabled[std::string(control)]; }
    std::string focused() override { return m_focus; }
    void closeAtNextPump() override { m_closeAtPump = true; }
    bool isShown() override { return m_shown; }

private:
    QueuedDialogs m_dialogs;
    Form1Logic m_logic{*this, m_dialogs, diskFileSystem(), CodePage::system()};
    // As the window starts: the list's first words, the report ticked, separate output.
    std::map<std::string, std::u16string> m_texts{{"Text5", u"這裡將會顯示未替換的對話框名稱。"}};
    std::map<std::string, std::string> m_bars;
    std::map<std::string, bool> m_disabled;
    std::set<std::string, std::less<>> m_checked{"Check1", "Option1_1"};
    std::string m_focus = "Text1";
    bool m_closeAtPump = false;
    bool m_shown = true;
};

class Form1LogicScenario : public ::testing::TestWithParam<Scenario> {};

TEST_P(Form1LogicScenario, SeesWhatItsFileSays) {
    FakeForm1 window;
    const auto [seen, expected] = playScenario(window, GetParam());
    EXPECT_EQ(seen, expected);
}

INSTANTIATE_TEST_SUITE_P(Window, Form1LogicScenario, ::testing::ValuesIn(kLogicScenarios),
                         [](const auto& row) { return std::string(row.param.name); });

} // namespace
} // namespace velb::testing
