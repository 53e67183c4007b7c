#include "ConsoleView.h"

#include "CodePage.h"

#include <cstdio>
#include <utility>

namespace velb {

namespace {
constexpr auto kRedrawInterval = std::chrono::milliseconds(100);
constexpr int kBarWidth = 30;
constexpr const char* kClearLine = "\r\033[K";
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
    std::fprintf(stderr, "%s\n", toUtf8(message).c_str());
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
        std::fputs(kClearLine, m_progressLine);
}

void ConsoleView::drawProgress() {
    const int maximum = m_maximum[indexOf(m_bar)];
    const int position = m_position[indexOf(m_bar)];
    const int filled = maximum > 0 ? static_cast<int>(static_cast<long long>(position) * kBarWidth / maximum) : 0;
    std::string bar(static_cast<std::size_t>(filled), '#');
    bar.resize(kBarWidth, ' ');
    std::fprintf(m_progressLine, "%s%s [%s] %d/%d", kClearLine, toUtf8(m_status).c_str(), bar.c_str(), position,
                 maximum);
    std::fflush(m_progressLine);
}

} // namespace velb
