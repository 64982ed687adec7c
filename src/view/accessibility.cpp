// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessibility.h"

#include "imagewidget.h"
#include "linewidget.h"
#include "shapewidget.h"
#include "tabbaraccessible.h"
#include "tabcontrolwidget.h"

#include <QAbstractScrollArea>
#include <QAccessibleWidget>
#include <QMenu>
#include <QTabBar>

namespace {
// A picture without a name is one the program cannot draw: it shows nothing.
bool isDecorative(const QWidget *widget)
{
    if (const auto *image = qobject_cast<const ImageWidget *>(widget))
        return image->accessibleName().isEmpty();
    return qobject_cast<const LineWidget *>(widget) || qobject_cast<const ShapeWidget *>(widget);
}

// A window, frame or tab page, whose children are listed without the drawing.
class ContainerAccessible final : public QAccessibleWidget {
public:
    ContainerAccessible(QWidget *widget, QAccessible::Role role)
        : QAccessibleWidget(widget, role)
    {
    }

    QAccessible::Role role() const override
    {
        if (widget()->isWindow())
            return widget()->windowModality() == Qt::NonModal ? QAccessible::Window : QAccessible::Dialog;
        return QAccessibleWidget::role();
    }

    int childCount() const override { return static_cast<int>(listed().size()); }

    QAccessibleInterface *child(int index) const override
    {
        const QWidgetList children = listed();
        return index >= 0 && index < children.size() ? QAccessible::queryAccessibleInterface(children.at(index))
                                                     : nullptr;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child ? static_cast<int>(listed().indexOf(qobject_cast<QWidget *>(child->object()))) : -1;
    }

private:
    // As Qt lists a widget's children: other windows and popup menus stand apart.
    QWidgetList listed() const
    {
        QWidgetList children;
        for (QObject *child : widget()->children()) {
            auto *w = qobject_cast<QWidget *>(child);
            if (w && !w->isWindow() && !qobject_cast<QMenu *>(w) && !isDecorative(w))
                children.append(w);
        }
        return children;
    }
};

// A widget whose focus goes to another (a tab control's to its tabs, a text area's drawing
// surface to the area): the other says it is focused, so that a reader hears of one focus only.
class FocusLender final : public QAccessibleWidget {
public:
    using QAccessibleWidget::QAccessibleWidget;

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.focused = false;
        return state;
    }
};

QAccessibleInterface *accessibleOf(const QString &className, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return nullptr;
    if (className == QLatin1String("FormWidget"))
        return new ContainerAccessible(widget, QAccessible::Window);
    if (className == QLatin1String("FrameWidget"))
        return new ContainerAccessible(widget, QAccessible::Grouping);
    if (className == QLatin1String("QWidget") && qobject_cast<TabControlWidget *>(widget->parentWidget()))
        return new ContainerAccessible(widget, QAccessible::Pane);
    if (className == QLatin1String("TabControlWidget"))
        return new FocusLender(widget, QAccessible::Grouping);
    if (className == QLatin1String("QTabBar") && qobject_cast<TabControlWidget *>(widget->parentWidget()))
        return new TabBarAccessible(static_cast<QTabBar *>(widget));
    if (auto *area = qobject_cast<QAbstractScrollArea *>(widget->parentWidget()); area && area->viewport() == widget)
        return new FocusLender(widget, QAccessible::Client);
    if (className == QLatin1String("ImageWidget"))
        return new QAccessibleWidget(widget, QAccessible::Graphic);
    return nullptr;
}
} // namespace

void installAccessibility()
{
    QAccessible::installFactory(&accessibleOf);
}
