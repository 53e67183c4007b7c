// The main window's controls as its logic reaches them.

#include "Form1.h"
#include "ListBox.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>

namespace velb {

QWidget* Form1::control(std::string_view name) const {
    auto* widget = findChild<QWidget*>(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    Q_ASSERT(widget);
    return widget;
}

void Form1::setText(std::string_view name, std::u16string_view text) {
    QWidget* widget = control(name);
    if (auto* list = qobject_cast<ListBox*>(widget)) {
        list->setList(QStringView(text).toString());
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(QStringView(text).toString());
        label->adjustSize();
    } else {
        static_cast<QLineEdit*>(widget)->setText(QStringView(text).toString());
    }
}

void Form1::setBar(std::string_view name, int maximum, int position) {
    auto* bar = static_cast<QProgressBar*>(control(name));
    bar->setRange(0, maximum);
    bar->setValue(position);
}

void Form1::setEnabled(std::string_view name, bool enabled) {
    control(name)->setEnabled(enabled);
}

bool Form1::isChecked(std::string_view name) {
    return static_cast<QAbstractButton*>(control(name))->isChecked();
}

std::filesystem::path Form1::path(std::string_view name) {
    // Qt's own way from a field to a file name, which never fails on text that has none.
    return QFile::encodeName(static_cast<QLineEdit*>(control(name))->text()).toStdString();
}

std::string Form1::focusedControl() {
    const QWidget* focused = focusWidget();
    return focused ? focused->objectName().toStdString() : std::string();
}

void Form1::giveFocus(std::string_view name) {
    control(name)->setFocus();
}

void Form1::pump() {
    QCoreApplication::processEvents();
}

} // namespace velb
