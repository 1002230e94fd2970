#pragma once

// The control operations kept in memory, with the platform's semantics, so
// that the handlers can be tested without a toolkit. Built from the same
// window description as the real windows.

#include "form/control_array.h"
#include "form/controls.h"
#include "window/form_description.h"

#include <memory>
#include <string>
#include <vector>

namespace ribi::testing {

class InMemoryListBox final : public form::ListBox {
public:
    explicit InMemoryListBox(std::vector<std::u16string> items) : items_(std::move(items)) {}
    form::Index ListCount() const override { return static_cast<form::Index>(items_.size()); }
    form::Index ListIndex() const override { return selected_; }
    std::u16string List(form::Index position) const override;

    void Select(form::Index position) { selected_ = position; }
    std::vector<std::u16string>& Items() { return items_; }

private:
    std::vector<std::u16string> items_;
    form::Index selected_ = -1;
};

class InMemoryForm;

class InMemoryOption final : public form::OptionButton {
public:
    InMemoryOption(InMemoryForm& form, form::Index index, std::u16string caption)
        : form_(form), index_(index), caption_(std::move(caption))
    {
    }
    std::u16string Caption() const override { return caption_; }
    bool Value() const override { return value_; }
    void SetValue(bool value) override;

    int clicksRaised = 0;

private:
    friend class InMemoryForm;
    InMemoryForm& form_;
    form::Index index_;
    std::u16string caption_;
    bool value_ = false;
};

class InMemoryTextBox final : public form::TextBox {
public:
    explicit InMemoryTextBox(std::u16string text) : text_(std::move(text)) {}
    std::u16string Text() const override { return text_; }
    void SetText(std::u16string text) override
    {
        text_ = std::move(text);
        ++writes;
    }
    int writes = 0;

private:
    std::u16string text_;
};

class InMemoryForm final : public form::Controls {
public:
    explicit InMemoryForm(const window::FormDescription& description);

    void Connect(form::ClickSink& sink) { sink_ = &sink; }

    form::ListBox& List1(form::Index index) override { return form::ElementAt(lists_, index, "List1"); }
    form::OptionButton& Option1(form::Index index) override { return form::ElementAt(options_, index, "Option1"); }
    form::TextBox& Text1(form::Index index) override { return form::ElementAt(texts_, index, "Text1"); }

    InMemoryListBox& List(form::Index index) { return form::ElementAt(lists_, index, "List1"); }
    InMemoryOption& Option(form::Index index) { return form::ElementAt(options_, index, "Option1"); }
    InMemoryTextBox& Output() { return *texts_.at(0); }

    // What the platform does on a user's click.
    void UserClicksListItem(form::Index position);
    void UserClicksOption(form::Index index);

private:
    friend class InMemoryOption;
    void RaiseOptionClick(form::Index index);

    std::vector<std::unique_ptr<InMemoryListBox>> lists_;
    std::vector<std::unique_ptr<InMemoryOption>> options_;
    std::vector<std::unique_ptr<InMemoryTextBox>> texts_;
    form::ClickSink* sink_ = nullptr;
};

} // namespace ribi::testing
