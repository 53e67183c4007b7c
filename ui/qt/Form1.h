#pragma once
// The main window ("Form1") of the Qt front end: its frames built from the window's tables,
// and its controls as the port of the window's logic (Form1Logic), which does what the
// buttons ask and is the run's view.

#include <Form1Logic.h>

#include <QPointer>
#include <QWidget>

#include <memory>

namespace velb {

class AboutBox;

class Form1 : public QWidget, public Form1Port {
    Q_OBJECT

public:
    /// Scripts are read and written in the system's code page; tests give dialogs that answer
    /// in the user's stead.
    explicit Form1(std::unique_ptr<ModalDialogs> dialogs = nullptr);
    ~Form1() override;

    Form1Logic& logic() { return m_logic; }

    void setText(std::string_view control, std::u16string_view text) override;
    void setBar(std::string_view control, int maximum, int position) override;
    void setEnabled(std::string_view control, bool enabled) override;
    bool isChecked(std::string_view control) override;
    std::filesystem::path path(std::string_view control) override;
    std::string focusedControl() override;
    void giveFocus(std::string_view control) override;
    void repaint() override { QWidget::repaint(); }
    void pump() override;
    void showAbout() override;
    void close() override { QWidget::close(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // One builder per frame of the window, each from its own table (Form1Layout.cpp).
    void buildPathFrame();
    void buildProgressFrame();
    void buildStatusStrip();
    void buildOutputFrame();
    void buildCommandButtons();
    void connectCommands();
    // Execute looks like the default button unless the focus is on another button, which
    // answers Enter itself.
    void showDefaultButton(QWidget* focused);
    QWidget* control(std::string_view name) const;

    std::unique_ptr<ModalDialogs> m_dialogs;
    Form1Logic m_logic;
    QPointer<AboutBox> m_about;
};

} // namespace velb
