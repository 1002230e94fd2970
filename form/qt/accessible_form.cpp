#include "form/qt/accessible_form.h"

#include "form/qt/accessible_list.h"
#include "form/qt/accessible_option.h"
#include "form/qt/announcer.h"
#include "form/qt/list_box_widget.h"
#include "form/qt/option_widget.h"
#include "form/qt/qt_form.h"

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>

namespace ribi::form::qt {

AccessibleForm::AccessibleForm(QtForm* form) : QAccessibleWidget(form, QAccessible::Window) {}

QWidgetList AccessibleForm::ShownChildren() const
{
    QWidgetList shown;
    for (QObject* object : widget()->children()) {
        auto* child = qobject_cast<QWidget*>(object);
        if (child && !child->isWindow() && !child->isHidden()) shown.append(child);
    }
    return shown;
}

int AccessibleForm::childCount() const
{
    return static_cast<int>(ShownChildren().size());
}

QAccessibleInterface* AccessibleForm::child(int index) const
{
    const QWidgetList shown = ShownChildren();
    return index >= 0 && index < shown.size() ? QAccessible::queryAccessibleInterface(shown.at(index)) : nullptr;
}

int AccessibleForm::indexOfChild(const QAccessibleInterface* child) const
{
    return child ? static_cast<int>(ShownChildren().indexOf(qobject_cast<QWidget*>(child->object()))) : -1;
}

namespace {

QGroupBox* FormFrame(QObject* object)
{
    auto* frame = qobject_cast<QGroupBox*>(object);
    return frame && dynamic_cast<QtForm*>(frame->parentWidget()) ? frame : nullptr;
}

bool HasBindingInterface(QObject* object)
{
    return dynamic_cast<QtForm*>(object) || dynamic_cast<OptionWidget*>(object) ||
           dynamic_cast<ListBoxWidget*>(object) || FormFrame(object);
}

QAccessibleInterface* BindingInterfaces(const QString&, QObject* object)
{
    if (auto* form = dynamic_cast<QtForm*>(object)) return new AccessibleForm(form);
    if (auto* option = dynamic_cast<OptionWidget*>(object)) return new AccessibleOption(option);
    if (auto* list = dynamic_cast<ListBoxWidget*>(object)) return new AccessibleList(list);
    if (auto* frame = FormFrame(object)) return new AccessibleFrame(frame);
    return nullptr;
}

bool IsBindingInterface(QAccessibleInterface* iface)
{
    return dynamic_cast<AccessibleForm*>(iface) || dynamic_cast<AccessibleOption*>(iface) ||
           dynamic_cast<AccessibleList*>(iface) || dynamic_cast<AccessibleFrame*>(iface);
}

// A base class's constructor may have asked for the widget's interface
// before the widget was one of ours; that one is dropped.
void ReplaceEarlierInterface(QWidget* widget)
{
    if (!HasBindingInterface(widget)) return;
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    if (iface && !IsBindingInterface(iface)) QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(iface));
}

// A label's buddy is what Qt reports as labelled by it, and the other way.
void LinkLabels(QtForm& form, const FormDescription& description)
{
    for (const ControlDescription& control : description.controls) {
        if (control.kind != ControlKind::Label || control.labelFor.empty()) continue;
        auto* label = form.findChild<QLabel*>(QtForm::ObjectName(control.name, control.index));
        auto* named = form.findChild<QWidget*>(QtForm::ObjectName(control.labelFor, 0));
        if (label && named) label->setBuddy(named);
    }
}

} // namespace

void MakeAccessible(QtForm& form, const FormDescription& description)
{
    LinkLabels(form, description);
    QAccessible::removeFactory(BindingInterfaces);
    QAccessible::installFactory(BindingInterfaces);
    ReplaceEarlierInterface(&form);
    for (QWidget* widget : form.findChildren<QWidget*>()) ReplaceEarlierInterface(widget);
    for (QPlainTextEdit* output : form.findChildren<QPlainTextEdit*>()) new Announcer(*output);
}

} // namespace ribi::form::qt
