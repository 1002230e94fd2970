#pragma once

// The page's objects as the program holds them: each in a slot of a table
// on the page's side (form/web/dom.js), reached through a few imported
// functions. A handle owns its slot; property names are ASCII, texts UTF-16,
// as the program holds them, so a text crosses as a copy.

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

extern "C" {
// Each of these four gives a new slot, or 0 where the page has no object.
int ribi_dom_object(int object, const char* property); // no property: the object itself
int ribi_dom_by_id(const char16_t* id, int length);
int ribi_dom_create(int parent, const char* tag); // appended to the parent
int ribi_dom_query(int element, const char* selector);
void ribi_dom_release(int slot);
bool ribi_dom_same(int a, int b);
void ribi_dom_set_text(int object, const char* property, const char16_t* text, int length);
void ribi_dom_set_number(int object, const char* property, double value);
double ribi_dom_number(int object, const char* property); // NaN where it is not a number
int ribi_dom_text(int object, const char* property, bool lowerCase, char16_t* buffer, int capacity);
void ribi_dom_attribute(int element, const char* name, const char16_t* value, int length); // no value: removed
void ribi_dom_class(int element, const char* name, bool on);
void ribi_dom_call(int object, const char* method, double first, double second);
void ribi_dom_focus(int element, bool preventScroll);
double ribi_dom_top(int element);
int ribi_dom_listener(std::uintptr_t listener);
void ribi_dom_listen(int target, const char* type, int listener, bool on);
int ribi_dom_call_soon(int listener, int milliseconds);
void ribi_console_error(const char* line);
}

namespace ribi::form::web {

class Js {
public:
    Js() = default;
    explicit Js(int slot) : slot_(slot) {}
    ~Js()
    {
        if (slot_ > kFixedSlots) ribi_dom_release(slot_);
    }
    Js(Js&& other) noexcept : slot_(std::exchange(other.slot_, 0)) {}
    Js& operator=(Js&& other) noexcept
    {
        std::swap(slot_, other.slot_);
        return *this;
    }
    Js(const Js&) = delete;
    Js& operator=(const Js&) = delete;

    // The window, the document, and the event being handled.
    static Js Window() { return Js(1); }
    static Js Document() { return Js(2); }
    static Js Event() { return Js(3); }

    int Slot() const { return slot_; }
    bool IsNull() const { return slot_ == 0; }

    Js Get(const char* property) const { return Js(ribi_dom_object(slot_, property)); }
    Js Copy() const { return Js(ribi_dom_object(slot_, nullptr)); }
    double Number(const char* property) const { return ribi_dom_number(slot_, property); }
    int Int(const char* property) const { return static_cast<int>(Number(property)); }
    bool Flag(const char* property) const { return Number(property) != 0; }
    std::u16string Text(const char* property, bool lowerCase = false) const;
    void Set(const char* property, std::u16string_view text) const
    {
        ribi_dom_set_text(slot_, property, text.data(), static_cast<int>(text.size()));
    }
    void Set(const char* property, double value) const { ribi_dom_set_number(slot_, property, value); }
    void SetAttribute(const char* name, std::u16string_view value) const
    {
        ribi_dom_attribute(slot_, name, value.data(), static_cast<int>(value.size()));
    }
    void RemoveAttribute(const char* name) const { ribi_dom_attribute(slot_, name, nullptr, 0); }
    void SetClass(const char* name, bool on = true) const { ribi_dom_class(slot_, name, on); }
    void Call(const char* method, double first = 0, double second = 0) const
    {
        ribi_dom_call(slot_, method, first, second);
    }
    Js Query(const char* selector) const { return Js(ribi_dom_query(slot_, selector)); }
    bool operator==(const Js& other) const { return ribi_dom_same(slot_, other.slot_); }

private:
    static constexpr int kFixedSlots = 3;
    int slot_ = 0;
};

inline std::u16string Js::Text(const char* property, bool lowerCase) const
{
    std::u16string text(32, u'\0');
    for (;;) {
        const int length = ribi_dom_text(slot_, property, lowerCase, text.data(), static_cast<int>(text.size()));
        const bool whole = static_cast<std::size_t>(length) <= text.size();
        text.resize(static_cast<std::size_t>(length));
        if (whole) return text;
    }
}

} // namespace ribi::form::web
