#include "QtModalDialogs.h"

#include "CompletionDialog.h"
#include "Looks.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

namespace velb {

std::optional<QString> QtModalDialogs::chooseFile(QWidget* owner, FileDialog kind, const QString& filter,
                                                  const QString& presetName) {
    // No title of our own: the system's dialogs carry their own.
    QFileDialog dialog(owner);
    dialog.setNameFilter(filter);
    dialog.setAcceptMode(kind == FileDialog::Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // The open dialog takes a name that does not exist yet, and the save dialog takes an
    // existing file without asking: the run, not the dialog, finds out what a path holds.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.selectFile(presetName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
}

void QtModalDialogs::showError(QWidget* owner, const QString& message) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("錯誤訊息"), message, QMessageBox::NoButton, owner);
    box.addButton(QStringLiteral("確定"), QMessageBox::AcceptRole);
    // A message box takes the system's face, not its owner's: it is given the window's own.
    box.setFont(mingFont(9));
    box.exec();
}

void QtModalDialogs::showCompletion() {
    CompletionDialog dialog;
    dialog.exec();
}

} // namespace velb
