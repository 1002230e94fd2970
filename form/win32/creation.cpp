#include "form/win32/creation.h"

namespace ribi::form::win32 {

Creation CreationFor(const ControlDescription& control, bool firstOfItsGroup)
{
    const DWORD visible = control.visible ? WS_VISIBLE : 0;
    const DWORD tabStop = control.visible && control.tabStop ? WS_TABSTOP : 0;
    switch (control.kind) {
    case ControlKind::TextBox:
        // No ES_AUTOHSCROLL: long lines wrap at the box's width.
        return {L"EDIT", visible | tabStop | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN,
                WS_EX_CLIENTEDGE};
    case ControlKind::Label:
        return {L"STATIC", visible | SS_NOPREFIX | (control.centred ? SS_CENTER : SS_LEFT), 0};
    case ControlKind::Frame:
        // The options inside are the frame's children; the dialog manager
        // looks into it for Tab and the arrows.
        return {L"BUTTON", visible | BS_GROUPBOX | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT};
    case ControlKind::OptionButton:
        // The tab stop goes to the selected option, set once the group is known.
        return {L"BUTTON", visible | BS_AUTORADIOBUTTON | (firstOfItsGroup ? WS_GROUP : 0), 0};
    case ControlKind::ListBox:
        // Unsorted: the positions must match the hidden lists'.
        return {L"LISTBOX", visible | tabStop | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | LBS_HASSTRINGS,
                WS_EX_CLIENTEDGE};
    }
    return {L"STATIC", visible, 0};
}

} // namespace ribi::form::win32
