#include "form/web/page_views.h"

#include <emscripten/emscripten.h>

namespace ribi::form::web {

ListBoxElement::ListBoxElement(int position, ListBoxControl& list) : position_(position), list_(list)
{
    list_.Attach(this);
}

OptionElement::OptionElement(int position, OptionButtonControl& option) : position_(position), option_(option)
{
    option_.Attach(this);
}

OutputBoxElement::OutputBoxElement(int position, TextBoxControl& box) : position_(position), box_(box)
{
    box_.Attach(this, LineBreaks::Lf, true);
}

void OutputBoxElement::ShowText(std::u16string_view text)
{
    ribi_page_show_text(position_, text.data(), static_cast<int>(text.size()));
}

std::u16string OutputBoxElement::TypedText() const
{
    std::u16string text(1024, u'\0');
    for (;;) {
        const auto length =
            static_cast<std::size_t>(ribi_page_typed_text(position_, text.data(), static_cast<int>(text.size())));
        const bool whole = length <= text.size();
        text.resize(length);
        if (whole) return text;
    }
}

} // namespace ribi::form::web

// What the page calls with the pupil's input. Each returns, where it can
// change that, whether the list is still pressed.
using ribi::form::Index;
using ribi::form::ListBoxControl;
extern "C" {

EMSCRIPTEN_KEEPALIVE bool ribi_list_press(ListBoxControl* list, Index row, bool second)
{
    // The second press of a double click is not a press on the row shown.
    if (second)
        list->SecondPress(row);
    else
        list->Press(row);
    return list->Pressed();
}

EMSCRIPTEN_KEEPALIVE void ribi_list_move(ListBoxControl* list, Index row)
{
    list->Move(row);
}

EMSCRIPTEN_KEEPALIVE bool ribi_list_release(ListBoxControl* list)
{
    list->Release();
    return list->Pressed();
}

EMSCRIPTEN_KEEPALIVE bool ribi_list_cancel(ListBoxControl* list)
{
    list->Cancelled();
    return list->Pressed();
}

// The row a key moves to: one of the list's keys (-1 for none), else a
// letter (0 for none); -1 for a key the list does not take.
EMSCRIPTEN_KEEPALIVE Index ribi_list_key(const ListBoxControl* list, int key, char16_t letter, Index pageRows)
{
    if (key >= 0) return list->KeyTarget(static_cast<ListBoxControl::Key>(key), pageRows);
    return letter != 0 ? list->RowStartingWith(letter) : Index{-1};
}

EMSCRIPTEN_KEEPALIVE void ribi_list_select(ListBoxControl* list, Index row)
{
    list->Selected(row);
}

EMSCRIPTEN_KEEPALIVE void ribi_option_click(ribi::form::OptionButtonControl* option)
{
    option->Clicked();
}

EMSCRIPTEN_KEEPALIVE bool ribi_option_arrow(ribi::form::OptionButtonControl* option, bool forward)
{
    return option->Arrow(forward);
}

EMSCRIPTEN_KEEPALIVE void ribi_box_typed(ribi::form::TextBoxControl* box)
{
    box->Typed();
}
}
