#pragma once
// A read-only box of several lines with a vertical scroll bar, wrapped as on the system the
// window was designed for: at blanks, and only where a line has none anywhere at all. Qt
// would also break between any two Chinese characters ("IDD_OPTIONS  →未" / "替換"), so the
// box joins them for its layout alone: what the box lists, and what is copied from it, is
// the text it was given. Its lines leave room for descenders, which Qt's plain-text box lets
// the next line paint over.

#include <QTextEdit>

namespace velb {

class ListBox : public QTextEdit {
    Q_OBJECT
    Q_PROPERTY(QString list READ list WRITE setList)

public:
    explicit ListBox(const QString& list, QWidget* parent);

    QString list() const { return m_list; }
    void setList(const QString& list);

protected:
    QMimeData* createMimeDataFromSelection() const override;

private:
    QString m_list;
};

} // namespace velb
