#include "form/win32/control_styles.h"

namespace ribi::form::win32 {

ControlStyles StylesFor(const ControlDescription& control, bool firstOfItsGroup)
{
    const DWORD visible = control.visible ? WS_VISIBLE : 0;
    const DWORD tabStop = control.visible && control.tabStop ? WS_TABSTOP : 0;
    switch (control.kind) {
    case ControlKind::TextBox:
        // No ES_AUTOHSCROLL: long lines wrap at the box's width.
        return {L"EDIT", visible | tabStop | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN,
                WS_EX_CLIENTEDGE};
    case ControlKind::Frame:
        // The options inside are the frame's children; the dialog manager
        // looks into it for Tab and the arrows.
        return {L"BUTTON", visible | BS_GROUPBOX | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT};
    case ControlKind::OptionButton:
        // The tab stop goes where the option's control shows it.
        return {L"BUTTON", visible | BS_AUTORADIOBUTTON | (firstOfItsGroup ? WS_GROUP : 0), 0};
    case ControlKind::ListBox:
        // Unsorted: the positions must match the hidden lists'.
        return {L"LISTBOX", visible | tabStop | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | LBS_HASSTRINGS,
                WS_EX_CLIENTEDGE};
    case ControlKind::Label:
        break;
    }
    return {L"STATIC", visible | SS_NOPREFIX | (control.centred ? SS_CENTER : SS_LEFT), 0};
}

} // namespace ribi::form::win32
