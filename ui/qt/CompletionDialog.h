#pragma once
// The completion dialog ("Dialog") that closes every run which has written its output:
// one fixed sentence and an OK button, the same whatever the run did. It is made afresh
// for each run and shown modally; the run goes on only when it has been closed.

#include <QDialog>

namespace velb {

class CompletionDialog : public QDialog {
    Q_OBJECT

public:
    explicit CompletionDialog(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace velb
