#include "ControlTable.h"

#include "CaptionFrame.h"
#include "ListBox.h"

#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <vector>

namespace velb {

namespace {

constexpr const char* kTabIndexProperty = "tabIndex";

// A label that keeps fitting its one line of text when a window gives it its own font
// after it was built.
class FittedLabel : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void changeEvent(QEvent* event) override {
        QLabel::changeEvent(event);
        if (event->type() == QEvent::FontChange)
            adjustSize();
    }
};

QLabel* makePicture(const char* name, QWidget* parent) {
    auto* picture = new QLabel(parent);
    picture->setPixmap(QPixmap(QStringLiteral(":/velb/%1.gif").arg(QString::fromUtf8(name))));
    picture->setAlignment(Qt::AlignCenter);
    return picture;
}

QWidget* makeControl(const ControlRow& row, QWidget* parent) {
    const auto caption = QString::fromUtf8(row.caption);
    switch (row.kind) {
    case ControlKind::Frame:
        return new CaptionFrame(caption, parent);
    case ControlKind::Label:
        return new FittedLabel(caption, parent);
    case ControlKind::WrappedText: {
        auto* label = new QLabel(caption, parent);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    }
    case ControlKind::TextBox: {
        auto* field = new QLineEdit(caption, parent);
        field->setReadOnly(true);
        return field;
    }
    case ControlKind::TextArea:
        return new ListBox(caption, parent);
    case ControlKind::Button: {
        auto* button = new QPushButton(caption, parent);
        // A button with the focus answers Enter itself; only elsewhere does Enter reach
        // the window's default button.
        button->setAutoDefault(true);
        return button;
    }
    case ControlKind::OptionButton: {
        // A group of option buttons is one tab stop, at its selected button.
        auto* option = new QRadioButton(caption, parent);
        option->setFocusPolicy(Qt::ClickFocus);
        QObject::connect(option, &QRadioButton::toggled, option, [option](bool selected) {
            option->setFocusPolicy(selected ? Qt::StrongFocus : Qt::ClickFocus);
        });
        return option;
    }
    case ControlKind::CheckBox:
        return new QCheckBox(caption, parent);
    case ControlKind::ProgressBar: {
        auto* bar = new QProgressBar(parent);
        bar->setRange(0, 100);
        bar->setValue(0);
        bar->setTextVisible(false);
        return bar;
    }
    case ControlKind::Picture: {
        auto* picture = makePicture(row.caption, parent);
        picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        picture->setLineWidth(2);
        return picture;
    }
    case ControlKind::Image:
        return makePicture(row.caption, parent);
    case ControlKind::Line: {
        auto* line = new QWidget(parent);
        line->setAutoFillBackground(true);
        return line;
    }
    }
    return nullptr;
}

// Qt's check marks and its underlined access keys need a few pixels more than the design
// gave: such a box grows to its own height about the same middle line.
void fitHeight(QWidget* box) {
    const int height = box->sizeHint().height();
    if (height <= box->height())
        return;
    const auto geometry = box->geometry();
    box->setGeometry(geometry.x(), geometry.center().y() - height / 2, geometry.width(), height);
}

// Pixels for a length in twips on the screen of window, horizontally or vertically.
int twipsToPixels(int twips, const QWidget* window, Qt::Orientation orientation) {
    const int dpi = orientation == Qt::Horizontal ? window->logicalDpiX() : window->logicalDpiY();
    return velb::twipsToPixels(twips, dpi);
}

QRect twipsToPixels(const TwipsRect& rect, const QWidget* window) {
    return {twipsToPixels(rect.left, window, Qt::Horizontal), twipsToPixels(rect.top, window, Qt::Vertical),
            twipsToPixels(rect.width, window, Qt::Horizontal), twipsToPixels(rect.height, window, Qt::Vertical)};
}

} // namespace

void setClientSize(QWidget* window, const WindowRow& row) {
    window->setFixedSize(twipsToPixels(row.clientWidth, window, Qt::Horizontal),
                         twipsToPixels(row.clientHeight, window, Qt::Vertical));
}

void buildControls(QWidget* window, std::span<const ControlRow> rows) {
    for (const auto& row : rows) {
        auto* parent = row.container ? window->findChild<QWidget*>(QString::fromUtf8(row.container)) : window;
        Q_ASSERT(parent);
        auto* control = makeControl(row, parent);
        control->setObjectName(QString::fromUtf8(row.name));
        control->setGeometry(twipsToPixels(row.rect, window));
        if (row.kind == ControlKind::Label)
            control->adjustSize();
        if (row.kind == ControlKind::CheckBox || row.kind == ControlKind::OptionButton)
            fitHeight(control);
        if (row.tabIndex != kNoTab)
            control->setProperty(kTabIndexProperty, row.tabIndex);
    }
}

void chainTabOrder(QWidget* window) {
    std::vector<QWidget*> chain;
    for (auto* control : window->findChildren<QWidget*>()) {
        if (control->property(kTabIndexProperty).isValid() && control->focusPolicy() != Qt::NoFocus)
            chain.push_back(control);
    }
    std::ranges::sort(chain, {}, [](const QWidget* control) { return control->property(kTabIndexProperty).toInt(); });
    for (std::size_t i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

} // namespace velb
