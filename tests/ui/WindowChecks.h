#pragma once
// The start-up check every window shares: a window is laid out from a table of twips
// rectangles, so each test row names a control, the text it first shows and its rectangle
// from the window's corner. At 96 DPI a pixel is 15 twips, and a click at the centre of
// that rectangle must land on the control, which catches a wrong row or container offset.

#include <QtTest>
#include <QtWidgets>

inline void checkStartUp(const QWidget& window, const QString& title, QSize size, const char* focused) {
    QFETCH(QString, text);
    QFETCH(QRect, twips);
    QCOMPARE(window.windowTitle(), title);
    QCOMPARE(window.size(), size);
    QVERIFY(!(window.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QCOMPARE(window.focusWidget(), window.findChild<QWidget*>(focused));
    auto* control = window.findChild<QWidget*>(QTest::currentDataTag());
    QVERIFY(control);
    const char* property = control->inherits("QGroupBox")        ? "title"
                           : control->inherits("QPlainTextEdit") ? "plainText"
                                                                 : "text";
    QCOMPARE(control->property(property).toString(), text);
    const auto* hit = window.childAt((twips.x() + twips.width() / 2) / 15, (twips.y() + twips.height() / 2) / 15);
    QVERIFY(hit == control || control->isAncestorOf(hit));
}
