// SPDX-License-Identifier: MIT
#include "formsaccessibility.h"

#include "linklabel.h"
#include "picturebox.h"

#include <QAccessible>
#include <QAccessibleWidget>

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
    if (!object || !object->isWidgetType() || className != QLatin1String(object->metaObject()->className()))
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
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
