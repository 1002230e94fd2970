#pragma once

// The views of the form's controls on the page. The page's side
// (form/web/page_views.js) draws them, knowing each control's element by the
// control's position in the form's plan, and sends the pupil's presses, keys
// and typing straight to the controls, through the functions
// page_views.cpp exports. Texts cross as UTF-16, as the program holds them,
// ending in NUL unless a length is given.

#include "form/list_box_control.h"
#include "form/option_button_control.h"
#include "form/text_box_control.h"
#include "form/views.h"

#include <string>
#include <string_view>

extern "C" {
// The window, its landmark and its live regions; colours are 0xRRGGBB.
void ribi_page_window(const char16_t* id, const char16_t* title, int width, int height, int background,
                      const char16_t* font, int fontPixels, int fontWeight);
// Each control's element, in the window (`parent` -1) or in a frame.
void ribi_page_label(int position, int parent, const char16_t* id, const char16_t* text, bool heading, bool centred);
void ribi_page_frame(int position, int parent, const char16_t* id, const char16_t* text);
void ribi_page_option(int position, int parent, const char16_t* id, const char16_t* group, const char16_t* caption,
                      ribi::form::OptionButtonControl* option);
void ribi_page_list(int position, int parent, const char16_t* id, ribi::form::ListBoxControl* list); // null: hidden
void ribi_page_row(int position, const char16_t* id, const char16_t* name);
void ribi_page_box(int position, int parent, const char16_t* id, const char16_t* text, ribi::form::TextBoxControl* box);
// Where the page holds no element drawn for it already: its place, in CSS
// pixels, its colour (-1: the window's) and its accessible name.
void ribi_page_place(int position, bool visible, int left, int top, int width, int height, int background,
                     const char16_t* name);
void ribi_page_focus_first(int position);
void ribi_page_ready();
void ribi_page_close(); // no event reaches a control from now on

void ribi_page_show_selection(int position, int row);
void ribi_page_check(int position, bool checked);
void ribi_page_tab_stop(int position, bool tabStop);
void ribi_page_focus(int position);
void ribi_page_show_text(int position, const char16_t* text, int length);
int ribi_page_typed_text(int position, char16_t* buffer, int capacity); // its length, which may exceed capacity
void ribi_console_error(const char* line);
}

namespace ribi::form::web {

// Each view is attached to its control for as long as it lives.
class ListBoxElement final : public ListBoxView {
public:
    ListBoxElement(int position, ListBoxControl& list);
    ~ListBoxElement() override { list_.Attach(nullptr); }
    ListBoxElement(const ListBoxElement&) = delete;
    ListBoxElement& operator=(const ListBoxElement&) = delete;

    void ShowSelection(Index row) override { ribi_page_show_selection(position_, row); }

private:
    int position_;
    ListBoxControl& list_;
};

class OptionElement final : public OptionButtonView {
public:
    OptionElement(int position, OptionButtonControl& option);
    ~OptionElement() override { option_.Attach(nullptr); }
    OptionElement(const OptionElement&) = delete;
    OptionElement& operator=(const OptionElement&) = delete;

    void ShowChecked(bool checked) override { ribi_page_check(position_, checked); }
    void ShowTabStop(bool tabStop) override { ribi_page_tab_stop(position_, tabStop); }
    void TakeFocus() override { ribi_page_focus(position_); }

private:
    int position_;
    OptionButtonControl& option_;
};

// A <textarea> holds LF line breaks alone; a page drawn with the window
// holds the box's first text already, perhaps typed into since.
class OutputBoxElement final : public TextBoxView {
public:
    OutputBoxElement(int position, TextBoxControl& box);
    ~OutputBoxElement() override { box_.Attach(nullptr, LineBreaks::Lf); }
    OutputBoxElement(const OutputBoxElement&) = delete;
    OutputBoxElement& operator=(const OutputBoxElement&) = delete;

    void ShowText(std::u16string_view text) override;
    std::u16string TypedText() const override;

private:
    int position_;
    TextBoxControl& box_;
};

} // namespace ribi::form::web
