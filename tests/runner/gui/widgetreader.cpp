// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgetreader.h"

#include "appearance.h"
#include "controlwidgets.h"
#include "formwidget.h"
#include "linewidget.h"
#include "shapewidget.h"
#include "tabcontrolwidget.h"

#include <QAction>
#include <QGroupBox>
#include <QTextEdit>
#include <QTimer>

#include <cmath>

namespace {
std::string shown(const QColor &color)
{
    return formatColor(fromQColor(color));
}

std::optional<std::string> readWidget(const FormWidget &window, const Control &model, Readable property)
{
    const QWidget &widget = *window.controlWidget(model.name());
    const auto *line = qobject_cast<const LineWidget *>(&widget);
    const auto *shape = qobject_cast<const ShapeWidget *>(&widget);
    // Graphics show their outline and fill, not the colours of a windowed control.
    const bool graphic = line || shape || model.kind() == Kind::Image;
    switch (property) {
    case Readable::Caption:
    case Readable::Text: return quote(shownText(widget));
    case Readable::ToolTipText: return quote(widget.toolTip().toStdString());
    case Readable::Visible: return formatBool(!widget.isHidden());
    case Readable::Enabled: return formatBool(!widget.testAttribute(Qt::WA_ForceDisabled));
    case Readable::ForeColor:
    case Readable::BackColor:
        if (graphic)
            break;
        return shown(widget.palette().color(QPalette::Active, property == Readable::ForeColor ? foreRole(model.kind())
                                                                                              : backRole(model.kind())));
    case Readable::BorderColor:
        if (line || shape)
            return shown(line ? line->color() : shape->borderColor());
        break;
    case Readable::BorderWidth:
        if (line || shape)
            return std::to_string(line ? line->penWidth() : shape->borderWidth());
        break;
    case Readable::FillColor:
        if (shape)
            return shown(shape->fillColor());
        break;
    case Readable::FillStyle:
        if (shape)
            return formatFill(shape->fillStyle());
        break;
    case Readable::Tab:
        if (const auto *tabs = qobject_cast<const TabControlWidget *>(&widget))
            return std::to_string(tabs->currentPage());
        break;
    case Readable::Top:
    case Readable::Left: {
        const QPoint at = shownAt(window, model);
        if (property == Readable::Left)
            return std::to_string(at.x() * twipsPerPixel);
        const double twips = at.y() * twipsPerPixel;
        const Form &form = window.form();
        // The window's own scale, when it has one, measures the controls placed on it.
        if (model.design().container().empty() && form.design().scaleHeight != 0)
            return std::to_string(std::lround(twips * form.design().scaleHeight / form.clientHeight()));
        return std::to_string(static_cast<int>(twips));
    }
    }
    return std::nullopt;
}
} // namespace

std::optional<std::string> readShown(const FormWidget &window, std::string_view control, Readable property)
{
    if (control == "form")
        return property == Readable::Caption ? std::optional(quote(window.windowTitle().toStdString())) : std::nullopt;
    const Control *model = window.form().find(control);
    if (!model)
        return std::nullopt;
    if (const QAction *action = window.menuAction(control)) {
        switch (property) {
        case Readable::Caption:
        case Readable::Text: return quote(action->text().toStdString());
        case Readable::Visible: return formatBool(action->isVisible());
        case Readable::Enabled: return formatBool(action->isEnabled());
        default: return std::nullopt;
        }
    }
    if (const QTimer *timer = window.timer(control))
        return property == Readable::Enabled ? std::optional(formatBool(timer->isActive())) : std::nullopt;
    return readWidget(window, *model, property);
}

std::string shownColor(std::string_view canonical)
{
    return shown(toQColor(static_cast<Color>(std::stoul(std::string(canonical.substr(2)), nullptr, 16))));
}

std::string shownText(const QWidget &widget)
{
    if (const auto *area = qobject_cast<const QTextEdit *>(&widget))
        return toModelLines(area->toPlainText());
    const char *property = qobject_cast<const QGroupBox *>(&widget) ? "title" : "text";
    return widget.property(property).toString().toStdString();
}

QPoint shownAt(const FormWidget &window, const Control &control)
{
    const QWidget &widget = *window.controlWidget(control.name());
    const auto *line = qobject_cast<const LineWidget *>(&widget);
    const QPoint at = line ? line->box().topLeft() : widget.pos();
    return control.design().container().empty() ? at - window.clientRect().topLeft() : at;
}
