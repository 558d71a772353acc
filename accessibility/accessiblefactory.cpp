// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#include "accessiblefactory.h"

#include "announcer.h"
#include "multilinetextboxaccessible.h"
#include "textboxaccessible.h"

#include <QAccessible>
#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QLabel>
#include <QLineEdit>
#include <QMetaEnum>
#include <QTextEdit>

namespace {
constexpr auto RoleClassInfo = "AccessibleRole";

class LinkAccessible final : public QAccessibleWidget
{
public:
    explicit LinkAccessible(QWidget *link)
        : QAccessibleWidget(link, QAccessible::Link)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        const auto *label = qobject_cast<const QLabel *>(widget());
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty() && label)
            return label->text();
        return QAccessibleWidget::text(kind);
    }

    // Press comes first: assistive technology takes the first action as the
    // one a click does.
    QStringList actionNames() const override { return QStringList{pressAction()} + QAccessibleWidget::actionNames(); }

    void doAction(const QString &actionName) override
    {
        if (actionName == pressAction())
            QMetaObject::invokeMethod(widget(), "click");
        else
            QAccessibleWidget::doAction(actionName);
    }
};

// A notification that is never on the screen, named by the sentence it
// carries: only screen readers meet it, when it says it comes into view.
class AnnouncementAccessible final : public QAccessibleObject
{
public:
    explicit AnnouncementAccessible(Announcer *announcer)
        : QAccessibleObject(announcer)
    {
    }

    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(object()->parent()); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override { return {}; }
    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name ? static_cast<Announcer *>(object())->sentence() : QString();
    }
};

// A form is a top-level window of a class derived straight from QWidget;
// Qt itself calls such a widget a client area, which screen readers do not
// announce as a window.
bool isForm(const QWidget &widget)
{
    return widget.isWindow() && widget.metaObject()->superClass() == &QWidget::staticMetaObject;
}

// The role a control's class declares, or NoRole.
QAccessible::Role declaredRole(const QMetaObject &metaObject)
{
    const int index = metaObject.indexOfClassInfo(RoleClassInfo);
    if (index < 0)
        return QAccessible::NoRole;
    bool known = false;
    const int role = QMetaEnum::fromType<QAccessible::Role>().keyToValue(metaObject.classInfo(index).value(), &known);
    return known ? QAccessible::Role(role) : QAccessible::NoRole;
}

QAccessibleInterface *accessibleInterface(const QString &className, QObject *object)
{
    // Qt asks once per class up the hierarchy; answering for the object's
    // own class is enough.
    if (!object || className != QLatin1String(object->metaObject()->className()))
        return nullptr;
    if (auto *announcer = qobject_cast<Announcer *>(object))
        return new AnnouncementAccessible(announcer);
    if (!object->isWidgetType())
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    if (auto *box = qobject_cast<QLineEdit *>(widget))
        return new TextBoxAccessible(box);
    if (auto *box = qobject_cast<QTextEdit *>(widget))
        return new MultiLineTextBoxAccessible(box);
    switch (declaredRole(*widget->metaObject())) {
    case QAccessible::Link:
        return new LinkAccessible(widget);
    case QAccessible::Graphic:
        return new QAccessibleWidget(widget, QAccessible::Graphic);
    default:
        break;
    }
    if (isForm(*widget))
        return new QAccessibleWidget(widget, QAccessible::Window);
    return nullptr;
}
}

void installAccessibleFactory()
{
    QAccessible::installFactory(accessibleInterface);
}
