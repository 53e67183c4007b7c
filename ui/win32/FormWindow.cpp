#include "FormWindow.h"

#include "WideText.h"

#include <commctrl.h>

#include <algorithm>
#include <cassert>
#include <climits>
#include <cmath>
#include <map>
#include <string>

namespace velb::win32 {

namespace {

constexpr wchar_t kClassName[] = L"VelbForm";
constexpr int kFirstControlId = 100;

HINSTANCE instance() {
    return GetModuleHandleW(nullptr);
}

void registerClass(WNDPROC procedure) {
    static const bool registered = [procedure] {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_PROGRESS_CLASS | ICC_STANDARD_CLASSES};
        InitCommonControlsEx(&controls);
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = procedure;
        windowClass.cbWndExtra = DLGWINDOWEXTRA;
        windowClass.hInstance = instance();
        windowClass.hIcon = LoadIconW(instance(), L"IDI_ICON1");
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.lpszClassName = kClassName;
        return RegisterClassExW(&windowClass) != 0;
    }();
    assert(registered);
}

// The boxes belong to this hidden window rather than to the main window: they stay out of
// the taskbar, and the About box outlives the main window.
HWND hiddenOwner() {
    static const HWND owner =
        CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance(), nullptr);
    return owner;
}

struct Look {
    DWORD style;
    DWORD extendedStyle;
};

Look windowLook(FormWindow::Kind kind) {
    // Neither kind has a sizing border, a minimize box or a maximize box.
    if (kind == FormWindow::Kind::Main)
        return {WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, WS_EX_APPWINDOW | WS_EX_CONTROLPARENT};
    return {WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT};
}

struct ControlClass {
    const wchar_t* name;
    DWORD style;
    DWORD extendedStyle;
};

ControlClass controlClass(ControlKind kind) {
    switch (kind) {
    case ControlKind::Frame:
        return {L"BUTTON", BS_GROUPBOX, 0};
    case ControlKind::Label:
    case ControlKind::WrappedText:
        return {L"STATIC", SS_LEFT | SS_NOPREFIX, 0};
    case ControlKind::TextBox:
        return {L"EDIT", ES_AUTOHSCROLL | ES_READONLY | WS_TABSTOP, WS_EX_CLIENTEDGE};
    case ControlKind::TextArea:
        return {L"EDIT", ES_MULTILINE | ES_AUTOVSCROLL | ES_READONLY | WS_VSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
    case ControlKind::Button:
        return {L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0};
    case ControlKind::OptionButton:
        return {L"BUTTON", BS_AUTORADIOBUTTON, 0};
    case ControlKind::CheckBox:
        return {L"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP, 0};
    case ControlKind::ProgressBar:
        return {PROGRESS_CLASSW, 0, 0};
    case ControlKind::Picture:
        return {L"STATIC", SS_ICON | SS_CENTERIMAGE, WS_EX_CLIENTEDGE};
    case ControlKind::Image:
        return {L"STATIC", SS_ICON | SS_CENTERIMAGE, 0};
    case ControlKind::Line:
        return {L"STATIC", 0, 0};
    }
    return {};
}

// The rows of all tables in tab order, each with its rectangle on the window's client area:
// the dialog manager moves the focus in the order the controls were made, and a frame, made
// before what it holds, is drawn behind it.
std::vector<std::pair<const ControlRow*, TwipsRect>>
inTabOrder(std::initializer_list<std::span<const ControlRow>> tables) {
    std::map<std::string, TwipsRect, std::less<>> placed;
    std::vector<std::pair<const ControlRow*, TwipsRect>> rows;
    for (const auto table : tables) {
        for (const auto& row : table) {
            auto rect = row.rect;
            if (row.container) {
                const auto& container = placed.at(row.container);
                rect.left += container.left;
                rect.top += container.top;
            }
            placed[row.name] = rect;
            rows.emplace_back(&row, rect);
        }
    }
    std::ranges::stable_sort(
        rows, {}, [](const auto& row) { return row.first->tabIndex == kNoTab ? INT_MAX : row.first->tabIndex; });
    return rows;
}

} // namespace

FormWindow::FormWindow(const WindowRow& window, Kind kind, std::initializer_list<std::span<const ControlRow>> tables,
                       std::span<const ControlLook> looks) {
    registerClass(procedure);
    const HDC screen = GetDC(nullptr);
    m_dotsPerInchX = GetDeviceCaps(screen, LOGPIXELSX);
    m_dotsPerInchY = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);

    const auto look = windowLook(kind);
    RECT frame{0, 0, twipsToPixels(window.clientWidth, m_dotsPerInchX),
               twipsToPixels(window.clientHeight, m_dotsPerInchY)};
    AdjustWindowRectEx(&frame, look.style, FALSE, look.extendedStyle);
    CreateWindowExW(look.extendedStyle, kClassName, widen(window.title).c_str(), look.style, CW_USEDEFAULT,
                    CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top,
                    kind == Kind::Box ? hiddenOwner() : nullptr, nullptr, instance(), this);
    assert(m_window);
    build(tables);
    applyLooks(looks);
}

FormWindow::~FormWindow() {
    // Messages sent while the window goes away must not reach a half-destroyed object.
    SetWindowLongPtrW(m_window, DWLP_USER, 0);
    DestroyWindow(m_window);
}

HWND FormWindow::control(std::string_view name) const {
    const auto found = std::ranges::find_if(m_controls, [name](const Control& c) { return c.row->name == name; });
    assert(found != m_controls.end());
    return found->handle;
}

void FormWindow::build(std::initializer_list<std::span<const ControlRow>> tables) {
    const HFONT defaultFont = font(9, false);
    ControlKind previous = ControlKind::Frame;
    for (const auto& [row, rect] : inTabOrder(tables)) {
        auto kind = controlClass(row->kind);
        // The option buttons are one group, which arrow keys move through; every other
        // control starts a group of its own.
        if (row->kind != ControlKind::OptionButton || previous != ControlKind::OptionButton)
            kind.style |= WS_GROUP;
        previous = row->kind;
        const int id = kFirstControlId + static_cast<int>(m_controls.size());
        const HWND handle = CreateWindowExW(
            kind.extendedStyle, kind.name, widen(row->caption).c_str(), WS_CHILD | WS_VISIBLE | kind.style,
            twipsToPixels(rect.left, m_dotsPerInchX), twipsToPixels(rect.top, m_dotsPerInchY),
            twipsToPixels(rect.width, m_dotsPerInchX), twipsToPixels(rect.height, m_dotsPerInchY), m_window,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance(), nullptr);
        SendMessageW(handle, WM_SETFONT, reinterpret_cast<WPARAM>(defaultFont), FALSE);
        if (row->kind == ControlKind::ProgressBar)
            SendMessageW(handle, PBM_SETRANGE32, 0, 100);
        if (row->kind == ControlKind::Picture || row->kind == ControlKind::Image) {
            if (!m_picture)
                m_picture.reset(static_cast<HICON>(
                    LoadImageW(instance(), widen(row->caption).c_str(), IMAGE_ICON, 32, 32, LR_DEFAULTCOLOR)));
            SendMessageW(handle, STM_SETICON, reinterpret_cast<WPARAM>(m_picture.get()), 0);
            // Setting an icon fits the control to it; the design's box is larger.
            SetWindowPos(handle, nullptr, 0, 0, twipsToPixels(rect.width, m_dotsPerInchX),
                         twipsToPixels(rect.height, m_dotsPerInchY), SWP_NOMOVE | SWP_NOZORDER);
        }
        m_controls.push_back({row, handle, {}, nullptr});
    }
}

void FormWindow::applyLooks(std::span<const ControlLook> looks) {
    for (const auto& look : looks) {
        auto found = std::ranges::find(m_controls, control(look.name), &Control::handle);
        if (look.points > 0)
            SendMessageW(found->handle, WM_SETFONT, reinterpret_cast<WPARAM>(font(look.points, look.bold)), FALSE);
        if (look.colour) {
            found->colour = RGB(look.colour->red, look.colour->green, look.colour->blue);
            if (found->row->kind == ControlKind::Line)
                found->fill = m_brushes.emplace_back(CreateSolidBrush(*found->colour)).get();
        }
    }
    for (const auto& control : m_controls) {
        if (control.row->kind == ControlKind::Label)
            fitLabel(control.handle);
    }
}

HFONT FormWindow::font(double points, bool bold) {
    // The face the windows were designed with, in the Big5 character set; where the system
    // lacks it, the font mapper picks another Ming face for that character set.
    m_fonts.emplace_back(CreateFontW(-static_cast<int>(std::lround(points * m_dotsPerInchY / 72)), 0, 0, 0,
                                     bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, CHINESEBIG5_CHARSET,
                                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_ROMAN,
                                     L"新細明體"));
    return m_fonts.back().get();
}

void FormWindow::fitLabel(HWND label) const {
    const auto text = windowText(label);
    const HDC context = GetDC(label);
    const auto previous = SelectObject(context, reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32W(context, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(context, previous);
    ReleaseDC(label, context);
    SetWindowPos(label, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);
}

void FormWindow::show(std::string_view focused) {
    RECT frame{};
    GetWindowRect(m_window, &frame);
    RECT area{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    SetWindowPos(m_window, nullptr, area.left + (area.right - area.left - width) / 2,
                 area.top + (area.bottom - area.top - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ShowWindow(m_window, SW_SHOW);
    SetForegroundWindow(m_window);
    // Through the dialog manager, so the default button follows the focus.
    SendMessageW(m_window, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control(focused)), TRUE);
}

void FormWindow::close() {
    ShowWindow(m_window, SW_HIDE);
    closed();
    // A message loop waiting for the last window to close looks again.
    PostThreadMessageW(GetCurrentThreadId(), WM_NULL, 0, 0);
}

LRESULT CALLBACK FormWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* form = static_cast<FormWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        form->m_window = window;
        SetWindowLongPtrW(window, DWLP_USER, reinterpret_cast<LONG_PTR>(form));
    }
    auto* form = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(window, DWLP_USER));
    return form ? form->handle(message, wParam, lParam) : DefDlgProcW(window, message, wParam, lParam);
}

LRESULT FormWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        // Button clicks, and the dialog manager's Enter (IDOK) and Esc (IDCANCEL).
        if (HIWORD(wParam) == BN_CLICKED) {
            command(LOWORD(wParam), reinterpret_cast<HWND>(lParam));
            return 0;
        }
        break;
    case WM_CLOSE:
        close();
        return 0;
    case WM_CTLCOLORSTATIC:
        if (const auto brush = colourStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)))
            return brush;
        break;
    default:
        break;
    }
    return DefDlgProcW(m_window, message, wParam, lParam);
}

LRESULT FormWindow::colourStatic(HDC context, HWND handle) {
    const auto found = std::ranges::find(m_controls, handle, &Control::handle);
    if (found == m_controls.end() || !found->colour)
        return 0;
    if (found->fill)
        return reinterpret_cast<LRESULT>(found->fill);
    SetTextColor(context, *found->colour);
    SetBkColor(context, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

} // namespace velb::win32
