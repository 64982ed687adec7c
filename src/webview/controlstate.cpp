// SPDX-License-Identifier: GPL-3.0-or-later
#include "controlstate.h"

#include "form.h"
#include "json.h"
#include "look.h"
#include "spokennames.h"

#include <algorithm>
#include <string>

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

// Each kind of control gets the properties that its element shows.
JsonObject stateOf(const Control &control)
{
    JsonObject state;
    state.add("name", control.name());
    state.add("text", control.text());
    state.add("visible", control.isVisible());
    state.add("enabled", control.isEnabled());
    state.add("top", twipsToPixels(control.topTwips()));
    switch (control.design().kind()) {
    case Kind::Shape:
        state.add("fillStyle", fillName(control.fillStyle()));
        [[fallthrough]];
    case Kind::Line:
        state.add("borderColor", control.borderColor());
        state.add("borderWidth", control.borderWidth());
        [[fallthrough]];
    case Kind::Image:
    case Kind::Timer:
    case Kind::Menu:
        return state;
    case Kind::TabControl:
        state.add("currentPage", control.currentPage());
        break;
    case Kind::Label:
    case Kind::TextBox:
    case Kind::CommandButton:
    case Kind::Frame:
        break;
    }
    state.add("fore", control.foreColor());
    state.add("back", control.backColor());
    return state;
}

std::string fontOf(const Font &font)
{
    return JsonObject()
        .add("family", freeFace(font.face))
        .add("points", font.points)
        .add("bold", font.bold)
        .add("italic", font.italic)
        .add("underline", font.underline)
        .text();
}

// Each kind of control gets the fields that the page's element of that kind reads.
std::string controlDesign(const Form &form, const Control &control)
{
    const ControlDesign &d = control.design();
    const Kind kind = d.kind();
    JsonObject row = stateOf(control);
    row.add("kind", kindName(kind));
    row.add("container", d.container());
    row.add("page", d.page());
    row.add("left", twipsToPixels(d.left()));
    row.add("width", twipsToPixels(d.width()));
    row.add("height", twipsToPixels(d.height()));
    row.add("tip", d.toolTip());
    row.add("role", roleName(d.role()));
    row.add("mouseMove", form.hasHandler(control, Event::MouseMove));
    switch (kind) {
    case Kind::Line:
        // The ends, and the corner of their bounding box that the line's Left and Top place.
        row.add("x1", twipsToPixels(d.x1()));
        row.add("y1", twipsToPixels(d.y1()));
        row.add("x2", twipsToPixels(d.x2()));
        row.add("y2", twipsToPixels(d.y2()));
        row.add("minX", twipsToPixels(std::min(d.x1(), d.x2())));
        row.add("minY", twipsToPixels(std::min(d.y1(), d.y2())));
        row.add("stroke", strokeName(d.borderStyle()));
        return row.text();
    case Kind::Shape:
        row.add("stroke", strokeName(d.borderStyle()));
        row.add("fillColor", d.fillColor());
        row.add("shape", shapeName(d.shapeKind()));
        return row.text();
    case Kind::Image:
        row.add("picture", d.pictureId());
        row.add("pictureName", pictureDescription(d.pictureId()));
        return row.text();
    case Kind::Timer:
        row.add("interval", d.intervalMs());
        return row.text();
    case Kind::Menu:
        return row.text();
    case Kind::Label:
        row.add("opaque", d.isOpaque());
        break;
    case Kind::TextBox:
        row.add("border", d.hasBorder());
        row.add("multiLine", d.isMultiLine());
        row.add("scrollBar", d.hasScrollBar());
        row.add("locked", d.isLocked());
        row.add("keyFiltered", form.hasHandler(control, Event::KeyPress));
        break;
    case Kind::CommandButton:
        row.add("graphical", d.isGraphical());
        break;
    case Kind::TabControl: {
        std::string pages = "[";
        for (const std::string &caption : d.pageCaptions())
            pages += (pages.size() > 1 ? "," : "") + jsonString(caption);
        row.addRaw("pages", pages + ']');
        break;
    }
    case Kind::Frame:
        break;
    }
    row.add("align", alignName(d.alignment()));
    row.addRaw("font", fontOf(d.fontSpec()));
    row.add("tabIndex", d.tabIndex());
    row.add("accessibleName", spoken::describedName(form, control));
    return row.text();
}
} // namespace

std::string windowDesign(const Form &form)
{
    JsonObject window;
    window.add("name", form.name());
    window.add("caption", form.caption());
    window.add("accessibleName", spoken::windowNameOf(form));
    window.add("width", twipsToPixels(form.clientWidth()));
    window.add("height", twipsToPixels(form.clientHeight()));
    window.add("titleBar", form.border() != BorderStyle::None);
    window.add("back", form.backColor());
    window.add("scaleHeight", form.design().scaleHeight);
    window.add("gradient", form.design().gradient);
    window.add("mouseMove", form.hasFormHandler(Event::MouseMove));
    std::string controls = "[";
    for (const auto &control : form.controls())
        controls += (controls.size() > 1 ? "," : "") + controlDesign(form, *control);
    window.addRaw("controls", controls + ']');
    return window.text();
}

std::string controlState(const Control &control)
{
    return stateOf(control).text();
}
