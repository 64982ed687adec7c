// SPDX-License-Identifier: GPL-3.0-or-later
#include "tabbaraccessible.h"

#include <QPointer>
#include <QTabBar>

namespace {
class TabAccessible final : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    TabAccessible(QTabBar *bar, int index)
        : m_bar(bar)
        , m_index(index)
    {
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this) : nullptr;
    }
    bool isValid() const override { return m_bar && m_index < m_bar->count(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return m_bar->window()->windowHandle(); }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(m_bar.data()); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name ? m_bar->tabText(m_index).remove(QLatin1Char('&')) : QString();
    }
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override
    {
        const QRect tab = m_bar->tabRect(m_index);
        return QRect(m_bar->mapToGlobal(tab.topLeft()), tab.size());
    }
    QAccessible::Role role() const override { return QAccessible::PageTab; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        const bool current = m_index == m_bar->currentIndex();
        state.focusable = state.selectable = true;
        state.selected = current;
        state.invisible = !m_bar->isVisible() || !m_bar->isTabVisible(m_index);
        state.disabled = !m_bar->isEnabled() || !m_bar->isTabEnabled(m_index);
        return state;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &name) override
    {
        if (name == pressAction())
            m_bar->setCurrentIndex(m_index);
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    QPointer<QTabBar> m_bar;
    int m_index;
};
} // namespace

TabBarAccessible::TabBarAccessible(QTabBar *bar)
    : QAccessibleWidget(bar, QAccessible::PageTabList)
{
}

TabBarAccessible::~TabBarAccessible()
{
    for (const QAccessible::Id id : m_tabs)
        QAccessible::deleteAccessibleInterface(id);
}

int TabBarAccessible::childCount() const
{
    return bar()->count();
}

QAccessibleInterface *TabBarAccessible::child(int index) const
{
    if (index < 0 || index >= bar()->count())
        return nullptr;
    while (static_cast<int>(m_tabs.size()) <= index)
        m_tabs.push_back(QAccessible::registerAccessibleInterface(
            new TabAccessible(bar(), static_cast<int>(m_tabs.size()))));
    return QAccessible::accessibleInterface(m_tabs[static_cast<std::size_t>(index)]);
}

int TabBarAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    for (std::size_t i = 0; i < m_tabs.size(); ++i)
        if (QAccessible::accessibleInterface(m_tabs[i]) == child)
            return static_cast<int>(i);
    return -1;
}

QTabBar *TabBarAccessible::bar() const
{
    return static_cast<QTabBar *>(widget());
}
