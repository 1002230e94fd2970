#pragma once

// The control operations kept in memory, with the platform's semantics, so
// that the handlers can be tested without a toolkit. Built from the same
// plan as the real windows.

#include "form/option_group.h"
#include "form/planned_controls.h"
#include "form/refresh_once.h"

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

class InMemoryOption final : public form::GroupedOptionButton<InMemoryOption> {
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
    void SetTabStop(bool) override {} // no focus in memory

    InMemoryForm& form_;
    form::Index index_;
    std::u16string caption_;
    bool value_ = false;
};

// Counts its writes, and its refreshes as a screen would get them.
class InMemoryTextBox final : public form::TextBox {
public:
    explicit InMemoryTextBox(std::u16string text) : text_(std::move(text)) {}
    std::u16string Text() const override { return text_; }
    void SetText(std::u16string text) override
    {
        text_ = std::move(text);
        ++writes;
        refreshing_.Written();
    }
    form::RefreshOnce& Refreshing() { return refreshing_; }
    int writes = 0;
    int refreshes = 0;

private:
    std::u16string text_;
    form::RefreshOnce refreshing_{[this] { ++refreshes; }};
};

class InMemoryForm final
    : public form::PlannedControls<std::unique_ptr<InMemoryListBox>, std::unique_ptr<InMemoryOption>,
                                   std::unique_ptr<InMemoryTextBox>> {
public:
    // `description` must outlive the form.
    explicit InMemoryForm(const form::FormDescription& description);

    // The same elements, with their in-memory operations.
    InMemoryListBox& List1(form::Index index) override { return form::ElementAt(plan_, lists_, u"List1", index); }
    InMemoryOption& Option1(form::Index index) override { return form::ElementAt(plan_, options_, u"Option1", index); }
    InMemoryTextBox& Output() { return form::ElementAt(plan_, texts_, u"Text1", 0); }

    // What the platform does on a user's click.
    void UserClicksListItem(form::Index position);
    void UserClicksOption(form::Index index);

private:
    friend class InMemoryOption;
    void RaiseOptionClick(form::Index index);
};

} // namespace ribi::testing
