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
    return c == u' ' || c == u'\t' || c == u'\n';
}

// The text as laid out: a joiner between every two characters that are not blanks.
QString joined(const QString& text) {
    QString layout;
    layout.reserve(text.size() * 2);
    for (qsizetype i = 0; i < text.size(); ++i) {
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
    m_list = list;
    setPlainText(joined(list));
    // Room below each line for the lowest glyph a dialog name holds, the underscore, which
    // the Ming faces set below their own descent, and a pixel of air.
    const QFontMetrics metrics = fontMetrics();
    const int underscoreBelow = metrics.tightBoundingRect(QStringLiteral("_")).bottom() + 1 - metrics.descent();
    QTextBlockFormat spacing;
    spacing.setLineHeight(std::max(0, underscoreBelow) + 1, QTextBlockFormat::LineDistanceHeight);
    QTextCursor all(document());
    all.select(QTextCursor::Document);
    all.mergeBlockFormat(spacing);
}

QMimeData* ListBox::createMimeDataFromSelection() const {
    auto* data = new QMimeData;
    data->setText(textCursor().selection().toPlainText().remove(kWordJoiner));
    return data;
}

} // namespace velb
