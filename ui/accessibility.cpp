#include "ui/accessibility.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace velmora::ui {

namespace {

constexpr const char* kRoleProperty = "velmoraAccessibleRole";

QAccessibleInterface* RoleFactory(const QString& /*classname*/, QObject* object)
{
    if (!object->isWidgetType()) {
        return nullptr;
    }
    const QVariant role = object->property(kRoleProperty);
    if (!role.isValid()) {
        return nullptr;
    }
    return new QAccessibleWidget(static_cast<QWidget*>(object),
                                 static_cast<QAccessible::Role>(role.toInt()));
}

} // namespace

void SetAccessibleRole(QWidget* widget, QAccessible::Role role)
{
    static const bool installed = [] {
        QAccessible::installFactory(RoleFactory);
        return true;
    }();
    (void)installed;
    widget->setProperty(kRoleProperty, static_cast<int>(role));
}

} // namespace velmora::ui
