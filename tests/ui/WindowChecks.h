#pragma once
// The checks every window shares: at start-up its title, its fixed size with no minimize or
// maximize box, the control that has the focus, and the text each control first shows,
// written out in WindowExpectations.h so that a typo in a caption fails; once shown, its place
// on the screen.

#include <WindowExpectations.h>

#include <QtTest>
#include <QtWidgets>

#include <span>

// A shown window's frame stands in the middle of its screen, to the pixel.
inline void checkCentred(const QWidget& window) {
    const QRect area = window.screen()->availableGeometry();
    const QRect frame = window.frameGeometry();
    QCOMPARE(frame.topLeft() - area.topLeft(),
             QPoint((area.width() - frame.width()) / 2, (area.height() - frame.height()) / 2));
}

inline void checkStartUp(const QWidget& window, const QString& title, QSize size, const char* focused,
                         std::span<const velb::testing::NamedText> texts) {
    QCOMPARE(window.windowTitle(), title);
    QCOMPARE(window.size(), size);
    QVERIFY(!(window.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QCOMPARE(window.focusWidget(), window.findChild<QWidget*>(focused));
    for (const auto& [name, text] : texts) {
        const auto* control = window.findChild<QWidget*>(name);
        QVERIFY2(control, name);
        const char* property = control->inherits("QGroupBox")       ? "title"
                               : control->inherits("velb::ListBox") ? "list"
                                                                    : "text";
        QCOMPARE(control->property(property).toString(), QString::fromUtf8(text));
    }
}
