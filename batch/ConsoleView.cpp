#include "ConsoleView.h"

#include "CodePage.h"

#include <cstdio>
#include <utility>

namespace velb {

namespace {
constexpr auto kRedrawInterval = std::chrono::milliseconds(100);
constexpr int kBarWidth = 30;
int index(Bar bar) {
    return static_cast<int>(bar) - 1;
}
} // namespace

ConsoleView::ConsoleView(BatchRequest request, bool showProgress)
    : m_request(std::move(request)), m_showProgress(showProgress) {}

void ConsoleView::setStatus(std::u16string_view status) {
    // Every status the run sets is a constant of the run control, so the view may be kept.
    m_status = status;
}

void ConsoleView::setBarMaximum(Bar bar, int maximum) {
    m_bar = bar;
    m_maximum[index(bar)] = maximum;
}

void ConsoleView::setBarPosition(Bar bar, int position) {
    m_bar = bar;
    m_position[index(bar)] = position;
}

std::u16string ConsoleView::readPath(PathField field) {
    return m_request.paths[static_cast<int>(field) - 1];
}

void ConsoleView::showError(std::u16string_view message) {
    if (m_showProgress)
        std::fputs("\r\033[K", stderr);
    std::fprintf(stderr, "%s\n", toUtf8(message).c_str());
}

bool ConsoleView::pumpEvents() {
    if (m_showProgress) {
        const auto now = std::chrono::steady_clock::now();
        if (now - m_lastDrawn >= kRedrawInterval) {
            m_lastDrawn = now;
            drawProgress();
        }
    }
    return true;
}

void ConsoleView::showCompletion() {
    if (m_showProgress)
        std::fputs("\r\033[K", stderr);
}

void ConsoleView::drawProgress() {
    const int maximum = m_maximum[index(m_bar)];
    const int position = m_position[index(m_bar)];
    const int filled = maximum > 0 ? static_cast<int>(static_cast<long long>(position) * kBarWidth / maximum) : 0;
    std::string bar(static_cast<std::size_t>(filled), '#');
    bar.resize(kBarWidth, ' ');
    std::fprintf(stderr, "\r\033[K%s [%s] %d/%d", toUtf8(m_status).c_str(), bar.c_str(), position, maximum);
    std::fflush(stderr);
}

} // namespace velb
