#include "QtModalDialogs.h"

#include "CompletionDialog.h"
#include "Looks.h"

#include <Form1Controls.h>

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

namespace velb {

namespace {

// Qt's form of the filter list: "description(pattern);;…", the pattern already in the description.
const auto kBrowseFilter = QStringLiteral("%1;;%2").arg(QString::fromUtf8(form1::kBrowseFilter[0]),
                                                        QString::fromUtf8(form1::kBrowseFilter[2]));

// A message box takes the system's face, not its owner's: it is given the window's own.
int showBox(QMessageBox& box) {
    box.setFont(mingFont(9));
    return box.exec();
}

} // namespace

std::optional<std::u16string> QtModalDialogs::chooseFile(FileDialog kind, std::u16string_view presetName) {
    // No title of our own: the system's dialogs carry their own.
    QFileDialog dialog(m_owner);
    dialog.setNameFilter(kBrowseFilter);
    dialog.setAcceptMode(kind == FileDialog::Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // The open dialog takes a name that does not exist yet, and the save dialog takes an
    // existing file without asking: the run, not the dialog, finds out what a path holds.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.selectFile(QStringView(presetName).toString());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return QDir::toNativeSeparators(dialog.selectedFiles().constFirst()).toStdU16String();
}

void QtModalDialogs::showError(std::u16string_view message) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("錯誤訊息"), QStringView(message).toString(),
                    QMessageBox::NoButton, m_owner);
    box.addButton(QStringLiteral("確定"), QMessageBox::AcceptRole);
    showBox(box);
}

void QtModalDialogs::showCompletion() {
    CompletionDialog dialog;
    dialog.exec();
}

bool QtModalDialogs::askYesNo(std::u16string_view question) {
    // Qt's own Yes and No, which its Traditional Chinese translations call 是 and 否.
    QMessageBox box(QMessageBox::Question, QStringLiteral("Velbrix"), QStringView(question).toString(),
                    QMessageBox::Yes | QMessageBox::No, m_owner);
    return showBox(box) == QMessageBox::Yes;
}

} // namespace velb
