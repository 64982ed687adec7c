// SPDX-License-Identifier: GPL-3.0-or-later
#include "tabcontrolwidget.h"

#include <QPainter>
#include <QSignalBlocker>
#include <QTabBar>
#include <qdrawutil.h>

TabControlWidget::TabControlWidget(const QStringList &captions, QWidget *parent)
    : QWidget(parent)
    , m_tabBar(new QTabBar(this))
{
    m_tabBar->setExpanding(true);
    m_tabBar->setUsesScrollButtons(false);
    m_tabBar->setDrawBase(false);
    setFocusProxy(m_tabBar);
    for (const QString &caption : captions) {
        m_tabBar->addTab(caption);
        QWidget *page = new QWidget(this);
        page->setAccessibleName(caption);
        page->setVisible(m_pages.empty());
        m_pages.push_back(page);
    }
    // The pages cover the strip too; the tabs must stay clickable above them.
    m_tabBar->raise();
}

int TabControlWidget::currentPage() const
{
    return m_tabBar->currentIndex();
}

void TabControlWidget::setCurrentPage(int index)
{
    const QSignalBlocker blocker(m_tabBar);
    m_tabBar->setCurrentIndex(index);
    for (std::size_t i = 0; i < m_pages.size(); ++i)
        m_pages[i]->setVisible(static_cast<int>(i) == index);
}

void TabControlWidget::resizeEvent(QResizeEvent *)
{
    m_tabBar->setGeometry(0, 0, width(), m_tabBar->sizeHint().height());
    for (QWidget *page : m_pages)
        page->setGeometry(rect());
}

// A raised panel below the strip, left in the control's own colour.
void TabControlWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    qDrawShadePanel(&painter, rect().adjusted(0, m_tabBar->height() - 1, 0, 0), palette(), false, 1);
}
