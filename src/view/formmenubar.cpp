// SPDX-License-Identifier: GPL-3.0-or-later
#include "formmenubar.h"

#include "appearance.h"
#include "controlwidgets.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>

#include <algorithm>

// Items with items under them open a menu; the others are commands, also in the bar itself.
FormMenuBar::FormMenuBar(Form &form, QWidget &window)
{
    std::map<std::string, QMenu *, std::less<>> menus;
    const auto &controls = form.controls();
    for (const auto &item : controls) {
        Control &control = *item;
        if (control.kind() != Kind::Menu)
            continue;
        if (!m_menuBar)
            m_menuBar = new QMenuBar(&window);
        const bool opensMenu = std::any_of(controls.begin(), controls.end(), [&](const auto &other) {
            return other->kind() == Kind::Menu && other->design().container() == control.name();
        });
        QMenu *parentMenu = control.design().container().empty() ? nullptr : menus.at(control.design().container());
        const QString caption = qText(control.text());
        QAction *action = nullptr;
        if (opensMenu) {
            QMenu *menu = parentMenu ? parentMenu->addMenu(caption) : m_menuBar->addMenu(caption);
            menus.emplace(control.name(), menu);
            action = menu->menuAction();
        } else if (parentMenu) {
            action = parentMenu->addAction(caption);
        } else {
            action = m_menuBar->addAction(caption);
        }
        action->setObjectName(qText(control.name()));
        // The handler may run a window's modal loop: it runs just after the activation returns, so that
        // an assistive tool that activated the item has its answer at once. A child window opened
        // in between keeps the menu from acting, as it keeps the user from it.
        QObject::connect(action, &QAction::triggered, &window, [&window, &form, &control] {
            QMetaObject::invokeMethod(
                &window, [&form, &control] {
                    if (!QApplication::activeModalWidget())
                        form.click(control);
                },
                Qt::QueuedConnection);
        });
        m_actions.emplace(control.name(), action);
        mirror(control, Property::Visible);
        mirror(control, Property::Enabled);
    }
    if (m_menuBar)
        m_menuBar->setGeometry(0, 0, twipsToPixels(form.clientWidth()), m_menuBar->sizeHint().height());
}

QAction *FormMenuBar::action(std::string_view name) const
{
    const auto found = m_actions.find(name);
    return found == m_actions.end() ? nullptr : found->second;
}

int FormMenuBar::height() const
{
    return m_menuBar ? m_menuBar->height() : 0;
}

void FormMenuBar::raise()
{
    if (m_menuBar)
        m_menuBar->raise();
}

void FormMenuBar::mirror(const Control &control, Property property)
{
    QAction *item = action(control.name());
    switch (property) {
    case Property::Text:
        item->setText(qText(control.text()));
        break;
    case Property::Visible:
        item->setVisible(control.isVisible());
        break;
    case Property::Enabled:
        item->setEnabled(control.isEnabled());
        break;
    default:
        break;
    }
}
