#include "ConsoleView.h"

#include "ConsoleText.h"
#include "DecimalText.h"

#include <cstdio>
#include <utility>

namespace velb {

namespace {
constexpr auto kRedrawInterval = std::chrono::milliseconds(100);
constexpr int kBarWidth = 30;
constexpr std::u16string_view kClearLine = u"\r\033[K";
} // namespace

ConsoleView::ConsoleView(BatchRequest request, std::FILE* progressLine)
    : m_request(std::move(request)), m_progressLine(progressLine) {}

void ConsoleView::setStatus(std::u16string_view status) {
    // Every status the run sets is a constant of the run control, so the view may be kept.
    m_status = status;
}

void ConsoleView::setBarMaximum(Bar bar, int maximum) {
    m_bar = bar;
    m_maximum[indexOf(bar)] = maximum;
}

void ConsoleView::setBarPosition(Bar bar, int position) {
    m_bar = bar;
    m_position[indexOf(bar)] = position;
}

std::filesystem::path ConsoleView::readPath(PathField field) {
    return m_request.paths[indexOf(field)];
}

void ConsoleView::showError(std::u16string_view message) {
    clearProgress();
    writeConsoleText(stderr, std::u16string(message) + u"\n");
}

bool ConsoleView::pumpEvents() {
    if (m_progressLine) {
        const auto now = std::chrono::steady_clock::now();
        if (now - m_lastDrawn >= kRedrawInterval) {
            m_lastDrawn = now;
            drawProgress();
        }
    }
    return true;
}

void ConsoleView::showCompletion() {
    clearProgress();
}

void ConsoleView::clearProgress() {
    if (m_progressLine)
        writeConsoleText(m_progressLine, kClearLine);
}

void ConsoleView::drawProgress() {
    const int maximum = m_maximum[indexOf(m_bar)];
    const int position = m_position[indexOf(m_bar)];
    const int filled = maximum > 0 ? static_cast<int>(static_cast<long long>(position) * kBarWidth / maximum) : 0;
    std::u16string bar(static_cast<std::size_t>(filled), u'#');
    bar.resize(kBarWidth, u' ');
    writeConsoleText(m_progressLine, std::u16string(kClearLine) + std::u16string(m_status) + u" [" + bar + u"] " +
                                         decimalText(position) + u"/" + decimalText(maximum));
}

} // namespace velb
