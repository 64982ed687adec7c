// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QWidget>

#include <vector>

class QTabBar;

// A row of tabs over a panel. Each page is a plain widget as large as the whole
// control, so that the page's controls are placed from the control's corner,
// tabs included; only the current page shows.
class TabControlWidget : public QWidget {
    Q_OBJECT
public:
    TabControlWidget(const QStringList &captions, QWidget *parent);

    QTabBar *tabBar() const { return m_tabBar; }
    QWidget *page(int index) const { return m_pages.at(static_cast<std::size_t>(index)); }
    int currentPage() const;
    // Shows the page without reporting it as the user's choice.
    void setCurrentPage(int index);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QTabBar *const m_tabBar;
    std::vector<QWidget *> m_pages;
};
