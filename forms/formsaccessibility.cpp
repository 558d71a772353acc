// SPDX-License-Identifier: MIT
#include "formsaccessibility.h"

#include "announcer.h"
#include "linklabel.h"
#include "picturebox.h"
#include "textboxaccessible.h"

#include <QAccessible>
#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QLineEdit>
#include <QTextEdit>

namespace {
class LinkLabelAccessible final : public QAccessibleWidget
{
public:
    explicit LinkLabelAccessible(LinkLabel *label)
        : QAccessibleWidget(label, QAccessible::Link)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
            return label()->text();
        return QAccessibleWidget::text(kind);
    }

    // Press comes first: assistive technology takes the first action as the
    // one a click does.
    QStringList actionNames() const override { return QStringList{pressAction()} + QAccessibleWidget::actionNames(); }

    void doAction(const QString &actionName) override
    {
        if (actionName == pressAction())
            label()->click();
        else
            QAccessibleWidget::doAction(actionName);
    }

private:
    LinkLabel *label() const { return static_cast<LinkLabel *>(widget()); }
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

QAccessibleInterface *formsAccessibleInterface(const QString &className, QObject *object)
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
    if (auto *link = qobject_cast<LinkLabel *>(widget))
        return new LinkLabelAccessible(link);
    if (qobject_cast<PictureBox *>(widget))
        return new QAccessibleWidget(widget, QAccessible::Graphic);
    if (isForm(*widget))
        return new QAccessibleWidget(widget, QAccessible::Window);
    return nullptr;
}
}

void installFormsAccessibility()
{
    QAccessible::installFactory(formsAccessibleInterface);
}
