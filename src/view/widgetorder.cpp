// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgetorder.h"

#include "formwidget.h"

#include <algorithm>
#include <vector>

namespace {
bool isWindowed(Kind kind)
{
    return kind == Kind::TextBox || kind == Kind::CommandButton || kind == Kind::Frame || kind == Kind::TabControl;
}

bool takesFocus(Kind kind)
{
    return kind == Kind::TextBox || kind == Kind::CommandButton || kind == Kind::TabControl;
}
} // namespace

// Raising in table order keeps the table's order within each group.
void stackWindowedControls(const FormWidget &window)
{
    for (const auto &control : window.form().controls()) {
        if (isWindowed(control->kind()))
            window.controlWidget(control->name())->raise();
    }
}

void orderTabStops(const FormWidget &window)
{
    std::vector<const Control *> stops;
    for (const auto &control : window.form().controls()) {
        if (takesFocus(control->kind()) && control->design().tabIndex() >= 0)
            stops.push_back(control.get());
    }
    std::stable_sort(stops.begin(), stops.end(), [](const Control *a, const Control *b) {
        return a->design().tabIndex() < b->design().tabIndex();
    });
    for (std::size_t i = 1; i < stops.size(); ++i)
        QWidget::setTabOrder(window.controlWidget(stops[i - 1]->name()), window.controlWidget(stops[i]->name()));
    const auto first = std::find_if(stops.begin(), stops.end(), [&window](const Control *c) {
        return window.form().isReachable(*c);
    });
    if (first != stops.end())
        window.controlWidget((*first)->name())->setFocus();
}
