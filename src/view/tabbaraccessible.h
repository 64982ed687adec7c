// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>

#include <vector>

class QTabBar;

// A tab control's row of tabs, as a screen reader sees it: a list of page
// tabs, each pressable, the current one selected. The row holds the focus, and
// no tab says it does (Qt's own tabs say the current one is focused wherever
// the focus is).
class TabBarAccessible final : public QAccessibleWidget {
public:
    explicit TabBarAccessible(QTabBar *bar);
    ~TabBarAccessible() override;

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;

private:
    QTabBar *bar() const;

    mutable std::vector<QAccessible::Id> m_tabs; // made as a reader asks for them
};
