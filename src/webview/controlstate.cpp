// SPDX-License-Identifier: GPL-3.0-or-later
#include "controlstate.h"

#include "form.h"
#include "look.h"
#include "spokennames.h"

#include <algorithm>
#include <string>

using emscripten::val;

namespace {
const char *kindName(Kind kind)
{
    switch (kind) {
    case Kind::Label: return "label";
    case Kind::TextBox: return "textbox";
    case Kind::CommandButton: return "button";
    case Kind::Frame: return "frame";
    case Kind::Line: return "line";
    case Kind::Shape: return "shape";
    case Kind::Image: return "image";
    case Kind::Timer: return "timer";
    case Kind::Menu: return "menu";
    case Kind::TabControl: return "tabs";
    }
    return "";
}

const char *roleName(Role role)
{
    switch (role) {
    case Role::Result: return "result";
    case Role::Prompt: return "prompt";
    case Role::Echo: return "echo";
    case Role::Constant: return "constant";
    case Role::None: break;
    }
    return "";
}

const char *fillName(FillStyle style)
{
    switch (style) {
    case FillStyle::Solid: return "solid";
    case FillStyle::Cross: return "cross";
    case FillStyle::UpwardDiagonal: return "upward-diagonal";
    case FillStyle::Transparent: break;
    }
    return "transparent";
}

const char *strokeName(LineStyle style)
{
    switch (style) {
    case LineStyle::Dot: return "dot";
    case LineStyle::DashDot: return "dashdot";
    case LineStyle::Solid: break;
    }
    return "solid";
}

const char *shapeName(ShapeKind kind)
{
    switch (kind) {
    case ShapeKind::Square: return "square";
    case ShapeKind::Oval: return "oval";
    case ShapeKind::Circle: return "circle";
    case ShapeKind::RoundedRectangle: return "rounded";
    case ShapeKind::RoundedSquare: return "roundedsquare";
    case ShapeKind::Rectangle: break;
    }
    return "rectangle";
}

const char *alignName(Align align)
{
    switch (align) {
    case Align::Right: return "right";
    case Align::Center: return "center";
    case Align::Left: break;
    }
    return "left";
}

val fontOf(const Font &font)
{
    val result = val::object();
    result.set("family", std::string(freeFace(font.face)));
    result.set("points", font.points);
    result.set("bold", font.bold);
    result.set("italic", font.italic);
    result.set("underline", font.underline);
    return result;
}

val controlDesign(const Form &form, const Control &control)
{
    const ControlDesign &d = control.design();
    val row = controlState(control);
    row.set("kind", kindName(d.kind()));
    row.set("container", d.container());
    row.set("page", d.page());
    row.set("left", twipsToPixels(d.left()));
    row.set("width", twipsToPixels(d.width()));
    row.set("height", twipsToPixels(d.height()));
    if (d.kind() == Kind::Line) {
        // The ends, and the corner of their bounding box that the line's Left and Top place.
        row.set("x1", twipsToPixels(d.x1()));
        row.set("y1", twipsToPixels(d.y1()));
        row.set("x2", twipsToPixels(d.x2()));
        row.set("y2", twipsToPixels(d.y2()));
        row.set("minX", twipsToPixels(std::min(d.x1(), d.x2())));
        row.set("minY", twipsToPixels(std::min(d.y1(), d.y2())));
    }
    row.set("opaque", d.isOpaque());
    row.set("align", alignName(d.alignment()));
    row.set("font", fontOf(d.fontSpec()));
    row.set("tabIndex", d.tabIndex());
    row.set("tip", d.toolTip());
    row.set("role", roleName(d.role()));
    row.set("describer", d.describer());
    row.set("accessibleName", spoken::describedName(form, control));
    row.set("border", d.hasBorder());
    row.set("multiLine", d.isMultiLine());
    row.set("scrollBar", d.hasScrollBar());
    row.set("locked", d.isLocked());
    row.set("graphical", d.isGraphical());
    row.set("stroke", strokeName(d.borderStyle()));
    row.set("fillColor", d.fillColor());
    row.set("shape", shapeName(d.shapeKind()));
    row.set("picture", d.pictureId());
    row.set("pictureName", std::string(pictureDescription(d.pictureId())));
    row.set("interval", d.intervalMs());
    val pages = val::array();
    for (const std::string &caption : d.pageCaptions())
        pages.call<void>("push", caption);
    row.set("pages", pages);
    row.set("keyFiltered", form.hasHandler(control, Event::KeyPress));
    row.set("mouseMove", form.hasHandler(control, Event::MouseMove));
    return row;
}
} // namespace

val windowDesign(const Form &form)
{
    val window = val::object();
    window.set("name", form.name());
    window.set("caption", form.caption());
    window.set("accessibleName", spoken::windowNameOf(form));
    window.set("width", twipsToPixels(form.clientWidth()));
    window.set("height", twipsToPixels(form.clientHeight()));
    window.set("titleBar", form.border() != BorderStyle::None);
    window.set("back", form.backColor());
    window.set("scaleHeight", form.design().scaleHeight);
    window.set("gradient", form.design().gradient);
    window.set("mouseMove", form.hasFormHandler(Event::MouseMove));
    val controls = val::array();
    for (const auto &control : form.controls())
        controls.call<void>("push", controlDesign(form, *control));
    window.set("controls", controls);
    return window;
}

val controlState(const Control &control)
{
    val state = val::object();
    state.set("name", control.name());
    state.set("text", control.text());
    state.set("visible", control.isVisible());
    state.set("enabled", control.isEnabled());
    state.set("fore", control.foreColor());
    state.set("back", control.backColor());
    state.set("borderColor", control.borderColor());
    state.set("borderWidth", control.borderWidth());
    state.set("fillStyle", fillName(control.fillStyle()));
    state.set("top", twipsToPixels(control.topTwips()));
    state.set("currentPage", control.currentPage());
    return state;
}
