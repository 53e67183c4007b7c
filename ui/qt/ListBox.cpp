#include "ListBox.h"

#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocumentFragment>

#include <algorithm>

namespace velb {

namespace {

// Joins two characters so that no line breaks between them; it has no width and no glyph.
constexpr QChar kWordJoiner(0x2060);

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

// The text as laid out: a joiner between every two characters that are not blanks; lines
// end in LF alone.
QString joined(QStringView text) {
    QString layout;
    layout.reserve(text.size() * 2);
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r')
            continue;
        layout += text[i];
        if (i + 1 < text.size() && !isBlank(text[i]) && !isBlank(text[i + 1]))
            layout += kWordJoiner;
    }
    return layout;
}

} // namespace

ListBox::ListBox(const QString& list, QWidget* parent) : QTextEdit(parent) {
    setAcceptRichText(false);
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setLineWrapMode(QTextEdit::WidgetWidth);
    // A word longer than the line is still broken, anywhere.
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Tab moves on to the next control, as in every other field of the window.
    setTabChangesFocus(true);
    setList(list);
}

void ListBox::setList(const QString& list) {
    // During a run the list only grows, and is shown again about every 16 ms. A few new lines
    // are laid out alone, so a long list costs no more at every showing; but a line inserted
    // costs about ten times what a line of a whole new text does, so many new lines are laid
    // out with the rest.
    constexpr qsizetype kAppendFraction = 10;
    const qsizetype added = list.size() - m_list.size();
    if (added > 0 && added < m_list.size() / kAppendFraction && list.startsWith(m_list) && m_list.endsWith(u'\n')) {
        QTextCursor end(document());
        end.movePosition(QTextCursor::End);
        end.insertText(joined(QStringView(list).mid(m_list.size())));
        m_list = list;
        return;
    }
    m_list = list;
    setPlainText(joined(list));
    // Room below each line for the lowest glyph a dialog name holds, the underscore, which
    // the Ming faces set below their own descent, and a pixel of air. One edit block, so the
    // list is laid out once more, not once per line.
    const QFontMetrics metrics = fontMetrics();
    const int underscoreBelow = metrics.tightBoundingRect(QStringLiteral("_")).bottom() + 1 - metrics.descent();
    QTextBlockFormat spacing;
    spacing.setLineHeight(std::max(0, underscoreBelow) + 1, QTextBlockFormat::LineDistanceHeight);
    QTextCursor all(document());
    all.beginEditBlock();
    all.select(QTextCursor::Document);
    all.mergeBlockFormat(spacing);
    all.endEditBlock();
}

QMimeData* ListBox::createMimeDataFromSelection() const {
    auto* copied = new QMimeData;
    copied->setText(textCursor().selection().toPlainText().remove(kWordJoiner));
    return copied;
}

} // namespace velb
