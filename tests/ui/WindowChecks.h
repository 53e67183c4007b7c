#pragma once
// The start-up check every window shares: its title, its fixed size with no minimize or
// maximize box, the control that has the focus, and the text each control first shows,
// written out here so that a typo in a caption fails.

#include <QtTest>
#include <QtWidgets>

inline void checkStartUp(const QWidget& window, const QString& title, QSize size, const char* focused,
                         const std::vector<std::pair<const char*, QString>>& texts) {
    QCOMPARE(window.windowTitle(), title);
    QCOMPARE(window.size(), size);
    QVERIFY(!(window.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QCOMPARE(window.focusWidget(), window.findChild<QWidget*>(focused));
    for (const auto& [name, text] : texts) {
        const auto* control = window.findChild<QWidget*>(name);
        QVERIFY2(control, name);
        const char* property = control->inherits("QGroupBox")        ? "title"
                               : control->inherits("QPlainTextEdit") ? "plainText"
                                                                     : "text";
        QCOMPARE(control->property(property).toString(), text);
    }
}
