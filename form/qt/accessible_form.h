#pragma once

// What assistive technology sees of a window built by QtForm: a frame
// whose children are the controls a pupil can see (the hidden catalogue
// lists are not offered), with options and lists that act as clicks do.

#include "form/form_description.h"

#include <QAccessibleWidget>

namespace ribi::form::qt {

class QtForm;

class AccessibleForm final : public QAccessibleWidget {
public:
    explicit AccessibleForm(QtForm* form);

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

private:
    QWidgetList ShownChildren() const;
};

// A frame of the form: a group named by its caption, which is not also the
// label of each option in it (a screen reader would say it twice).
class AccessibleFrame final : public QAccessibleWidget {
public:
    explicit AccessibleFrame(QWidget* frame) : QAccessibleWidget(frame, QAccessible::Grouping) {}
};

// Makes Qt ask this binding first for the accessible side of the form and
// its widgets (the others keep Qt's own), ties each label to the control it
// names, and has each new output of the form's text boxes announced. Call
// it once the form is built from `description`: Qt may have made its own
// interfaces while the widgets were being constructed, and those are
// replaced.
void MakeAccessible(QtForm& form, const FormDescription& description);

} // namespace ribi::form::qt
