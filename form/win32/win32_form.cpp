#include "form/win32/win32_form.h"

#include "form/win32/control_styles.h"
#include "form/win32/dpi.h"
#include "form/win32/high_contrast.h"
#include "form/win32/win32_text.h"

#include <string>
#include <system_error>

namespace ribi::form::win32 {
namespace {

constexpr wchar_t kClassName[] = L"ribi.Win32Form";
constexpr int kFirstControlId = 100; // clear of IDOK and IDCANCEL, which the dialog manager sends
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

[[noreturn]] void ThrowLastError(const char* what)
{
    throw std::system_error(static_cast<int>(GetLastError()), std::system_category(), what);
}

void RegisterWindowClass(HINSTANCE instance, WNDPROC procedure)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kClassName;
    // A second form in the same process finds the class registered already.
    if (!RegisterClassExW(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        ThrowLastError("RegisterClassExW");
}

} // namespace

Win32Form::Win32Form(Form& form, HICON largeIcon, HICON smallIcon) : form_(form)
{
    const FormDescription& description = form_.Plan().Description();
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    RegisterWindowClass(instance, &Procedure);
    windowBrush_ = Brush(description.background);

    const std::wstring title = ToWide(description.title);
    if (!CreateWindowExW(0, kClassName, title.c_str(), kWindowStyle, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                         CW_USEDEFAULT, nullptr, nullptr, instance, this))
        ThrowLastError("CreateWindowExW");
    try {
        if (largeIcon) SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(largeIcon));
        if (smallIcon) SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon));

        // Created in the order of the description, which is the tab order.
        for (Position position = 0; position < form_.Plan().Count(); ++position) Build(position);

        PlaceLabelsBeforeWhatTheyName();
        Layout(WindowDpi(window_));
    } catch (...) {
        ReleaseControls();
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
        throw;
    }
}

Win32Form::~Win32Form()
{
    ReleaseControls();
    if (!window_) return; // the user closed it
    // The window itself no longer reaches this object either.
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
}

void Win32Form::ReleaseControls()
{
    lists_.clear();
    options_.clear();
    outputs_.clear();
    frames_.clear();
}

void Win32Form::Build(Position position)
{
    const ControlDescription& control = form_.Plan().At(position);
    HWND parent = window_;
    if (!control.container.empty()) {
        if (HWND frame = Control(control.container)) parent = frame;
    }
    bool firstOfItsGroup = true;
    for (const auto& placed : placed_)
        if (placed.description->kind == control.kind && placed.description->container == control.container)
            firstOfItsGroup = false;

    const ControlStyles styles = StylesFor(control, firstOfItsGroup);
    // A text box is shown its text by its control.
    const std::wstring text = control.kind == ControlKind::TextBox ? std::wstring() : ToWide(control.text);
    const HWND handle =
        CreateWindowExW(styles.exStyle, styles.className, text.c_str(), WS_CHILD | styles.style, 0, 0, 0, 0, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstControlId + static_cast<int>(position))),
                        GetModuleHandleW(nullptr), nullptr);
    if (!handle) ThrowLastError("CreateWindowExW");
    placed_.push_back({&control, handle, control.hasBackground ? Brush(control.background) : nullptr});

    switch (control.kind) {
    case ControlKind::TextBox:
        outputs_.push_back(std::make_unique<OutputBoxWindow>(handle, *form_.TextAt(position)));
        outputs_.back()->SetAccessibleName(control.accessibleName);
        break;
    case ControlKind::Frame:
        frames_.push_back(std::make_unique<FrameControl>(handle));
        break;
    case ControlKind::OptionButton:
        options_.push_back(std::make_unique<OptionWindow>(handle, *form_.OptionAt(position)));
        break;
    case ControlKind::ListBox:
        lists_.push_back(std::make_unique<ListBoxWindow>(handle, *form_.ListAt(position)));
        if (control.visible) lists_.back()->SetAccessibleName(control.accessibleName);
        break;
    case ControlKind::Label:
        break;
    }
}

// A screen reader names a control without a text of its own (a list box)
// after the static label just before it in z-order. The z-order is also
// the tab order, which labels do not take part in, so moving them is free.
void Win32Form::PlaceLabelsBeforeWhatTheyName()
{
    for (const auto& label : placed_) {
        if (label.description->kind != ControlKind::Label || label.description->text.empty()) continue;
        for (const auto& target : placed_) {
            const auto& named = *target.description;
            if (!named.visible || !named.tabStop || named.accessibleName != label.description->text) continue;
            if (named.text == named.accessibleName || GetParent(target.handle) != GetParent(label.handle)) continue;
            const HWND before = GetWindow(target.handle, GW_HWNDPREV);
            if (before == label.handle) continue;
            SetWindowPos(label.handle, before ? before : HWND_TOP, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        }
    }
}

void Win32Form::Layout(UINT dpi)
{
    dpi_ = dpi;
    const auto pixels = [dpi](int twips) { return TwipsToPixels(twips, static_cast<int>(dpi)); };
    const auto& font = form_.Plan().Description().font;
    UniqueFont scaled(CreateFontW(FontHeight(font.pointSize, dpi), 0, 0, 0, font.weight, FALSE, FALSE, FALSE,
                                  static_cast<BYTE>(font.charset), OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                  DEFAULT_QUALITY, DEFAULT_PITCH | FF_ROMAN, ToWide(font.family).c_str()));
    for (const auto& placed : placed_) {
        const auto& bounds = placed.description->bounds;
        SetWindowPos(placed.handle, nullptr, pixels(bounds.left), pixels(bounds.top), pixels(bounds.width),
                     pixels(bounds.height), SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(placed.handle, WM_SETFONT, reinterpret_cast<WPARAM>(scaled.get()), TRUE);
    }
    font_ = std::move(scaled); // the old font only now, when no control uses it
    const FormDescription& description = form_.Plan().Description();
    FitClientArea(pixels(description.clientWidth), pixels(description.clientHeight));
}

void Win32Form::FitClientArea(int width, int height)
{
    RECT outer{};
    RECT client{};
    GetWindowRect(window_, &outer);
    GetClientRect(window_, &client);
    const int frameWidth = (outer.right - outer.left) - (client.right - client.left);
    const int frameHeight = (outer.bottom - outer.top) - (client.bottom - client.top);
    SetWindowPos(window_, nullptr, 0, 0, width + frameWidth, height + frameHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Form::Show(int showCommand)
{
    ShowWindow(window_, showCommand);
    UpdateWindow(window_);
    focus_ = GetNextDlgTabItem(window_, nullptr, FALSE);
    if (!focus_) return;
    SetFocus(focus_);
    for (const auto& output : outputs_)
        if (output->Handle() == focus_) output->ShowFromTop();
}

HWND Win32Form::Control(std::u16string_view name, Index index) const
{
    const auto position = form_.Plan().Element(name, index);
    return position && *position < placed_.size() ? placed_[*position].handle : nullptr;
}

HBRUSH Win32Form::Brush(Colour colour)
{
    auto& brush = brushes_[colour.bgr];
    if (!brush) brush.reset(CreateSolidBrush(colour.bgr)); // 0x00BBGGRR is a COLORREF
    return brush.get();
}

const Win32Form::Placed* Win32Form::Find(HWND handle) const
{
    for (const auto& placed : placed_)
        if (placed.handle == handle) return &placed;
    return nullptr;
}

LRESULT Win32Form::ControlColour(HDC dc, HWND control)
{
    const Placed* placed = Find(control);
    if (!placed || !placed->background || HighContrastOn()) return 0;
    SetBkColor(dc, placed->description->background.bgr);
    // The text colour comes with the background: the system's may be light.
    SetTextColor(dc, form_.Plan().Description().foreground.bgr);
    return reinterpret_cast<LRESULT>(placed->background);
}

void Win32Form::Command(HWND control, WORD code)
{
    for (const auto& list : lists_)
        if (list->Handle() == control && code == LBN_SELCHANGE) list->SelectionChanged();
    for (const auto& option : options_)
        if (option->Handle() == control && code == BN_CLICKED) option->Clicked();
    for (const auto& output : outputs_)
        if (output->Handle() == control && code == EN_CHANGE) output->Changed();
}

LRESULT CALLBACK Win32Form::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept
{
    if (message == WM_NCCREATE) {
        auto* created = static_cast<Win32Form*>(reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams);
        created->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
    }
    auto* self = reinterpret_cast<Win32Form*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self) return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->window_ = nullptr;
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return self->OnMessage(message, wParam, lParam);
}

LRESULT Win32Form::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ERASEBKGND: {
        RECT client{};
        GetClientRect(window_, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client,
                 HighContrastOn() ? GetSysColorBrush(COLOR_BTNFACE) : windowBrush_);
        return 1;
    }
    // The views leave the form before the window goes: as it is hidden, a
    // pressed list would lose the mouse and take that for a Click.
    case WM_CLOSE:
    case WM_DESTROY: // destroyed without a close
        ReleaseControls();
        break;
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE: // high contrast turned on or off
        RedrawWindow(window_, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
        break;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLOREDIT:
        if (const LRESULT brush = ControlColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)))
            return brush;
        break;
    case WM_COMMAND:
        if (lParam) Command(reinterpret_cast<HWND>(lParam), HIWORD(wParam));
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            const HWND focused = GetFocus();
            if (focused && IsChild(window_, focused)) focus_ = focused;
        }
        break;
    case WM_SETFOCUS:
        if (focus_ && IsWindow(focus_)) {
            SetFocus(focus_);
            return 0;
        }
        break;
    case kDpiChangedMessage: {
        const auto* suggested = reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(window_, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                     suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
        Layout(HIWORD(wParam));
        return 0;
    }
    default:
        break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

} // namespace ribi::form::win32
