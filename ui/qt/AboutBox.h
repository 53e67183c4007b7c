#pragma once
// The About box ("frmAbout"): the program's name, version, a short description and the
// author line. It is modeless and has no owner, so it can stay open after the main
// window has closed; it deletes itself when closed, and the next About makes it anew.

#include <QDialog>

namespace velb {

class AboutBox : public QDialog {
    Q_OBJECT

public:
    explicit AboutBox(QWidget* parent = nullptr);
};

} // namespace velb
