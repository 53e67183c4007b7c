#include "Looks.h"

#include "ControlTable.h"

#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QLabel>
#include <QStringList>
#include <QWidget>

// The pictures are compiled into the velb_ui static library, where nothing would make the
// linker keep them without a reference; Q_INIT_RESOURCE must stand outside any namespace.
static void registerPictures() {
    Q_INIT_RESOURCE(velb);
}

namespace velb {

QFont mingFont(double points, bool bold) {
    // Listed in order of preference; Qt takes the first one installed.
    QFont font(QStringList{QStringLiteral("新細明體"), QStringLiteral("PMingLiU"), QStringLiteral("AR PL UMing TW"),
                           QStringLiteral("Noto Serif CJK TC")});
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

namespace {

// The program's icon, shown by all its windows, in every size drawn, so that the desktop need
// not scale one. The first call makes the program's pictures available as resources.
QIcon programIcon() {
    [[maybe_unused]] static const bool registered = (registerPictures(), true);
    QIcon icon;
    for (const QFileInfo& size : QDir(QStringLiteral(":/velb/icons")).entryInfoList())
        icon.addFile(size.filePath());
    return icon;
}

} // namespace

void dressWindow(QWidget* window, const WindowRow& row) {
    window->setObjectName(QString::fromUtf8(row.name));
    window->setWindowTitle(QString::fromUtf8(row.title));
    setClientSize(window, row);
    window->setWindowIcon(programIcon());
    window->setFont(mingFont(9));
}

namespace {

void setColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    auto palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

} // namespace

void applyLooks(QWidget* window, std::span<const ControlLook> looks) {
    for (const auto& look : looks) {
        auto* control = findControl<QWidget>(window, look.name);
        if (look.points > 0)
            control->setFont(mingFont(look.points, look.bold));
        if (look.colour) {
            // Only a line is a plain widget; its colour fills it rather than writing.
            const auto role = qobject_cast<QLabel*>(control) ? QPalette::WindowText : QPalette::Window;
            setColour(control, role, QColor(look.colour->red, look.colour->green, look.colour->blue));
        }
    }
}

} // namespace velb
