#pragma once
// The main window ("Form1") of the Windows front end, built from the same tables as the Qt
// window, and its controls as the port of the window's logic (Form1Logic), which does what the
// buttons ask and is the run's view.

#include "AboutBox.h"
#include "FormWindow.h"

#include <Form1Logic.h>

#include <memory>

namespace velb::win32 {

class Form1 : public FormWindow, public Form1Port {
public:
    /// Scripts are read and written in the system's code page; tests give dialogs that answer
    /// in the user's stead.
    explicit Form1(std::unique_ptr<ModalDialogs> dialogs = nullptr);
    ~Form1() override;

    /// Shows the window centred on the screen with the focus on Text1.
    void show();
    /// The About box, while it is open.
    const AboutBox* aboutBox() const { return m_about && m_about->isShown() ? m_about.get() : nullptr; }
    Form1Logic& logic() { return m_logic; }

    void setText(std::string_view control, std::u16string_view text) override;
    void setBar(std::string_view control, int maximum, int position) override;
    void setEnabled(std::string_view control, bool enabled) override;
    bool isChecked(std::string_view control) override;
    std::filesystem::path path(std::string_view control) override;
    std::string focusedControl() override;
    void giveFocus(std::string_view control) override;
    void repaint() override;
    void pump() override;
    void showAbout() override;
    void close() override { FormWindow::close(); }

private:
    void command(int id, HWND control) override;
    void closed() override { m_logic.closed(); }
    // The option group is one tab stop, at its selected button.
    void selectOption(HWND option);

    std::unique_ptr<ModalDialogs> m_dialogs;
    Form1Logic m_logic;
    std::unique_ptr<AboutBox> m_about;
};

} // namespace velb::win32
