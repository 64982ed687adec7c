// SPDX-License-Identifier: GPL-3.0-or-later
#include "control.h"

#include "form.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {
Color defaultFore(Kind kind)
{
    switch (kind) {
    case Kind::Label:
    case Kind::CommandButton:
    case Kind::Frame:
        return colors::buttonText;
    default:
        return colors::windowText;
    }
}

Color defaultBack(Kind kind)
{
    return kind == Kind::TextBox ? colors::windowBack : colors::buttonFace;
}
} // namespace

ControlDesign::ControlDesign(std::string name, Kind kind)
    : m_name(std::move(name))
    , m_kind(kind)
    , m_foreColor(defaultFore(kind))
    , m_backColor(defaultBack(kind))
    , m_opaque(kind == Kind::Label)
{
}

ControlDesign &ControlDesign::in(std::string container, int page)
{
    m_container = std::move(container);
    m_page = page;
    return *this;
}

ControlDesign &ControlDesign::at(int left, int top, int width, int height)
{
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
    return *this;
}

ControlDesign &ControlDesign::from(int x1, int y1, int x2, int y2)
{
    m_x1 = x1;
    m_y1 = y1;
    m_x2 = x2;
    m_y2 = y2;
    m_left = std::min(x1, x2);
    m_top = std::min(y1, y2);
    m_width = std::abs(x2 - x1);
    m_height = std::abs(y2 - y1);
    return *this;
}

ControlDesign &ControlDesign::caption(std::string text)
{
    m_text = std::move(text);
    return *this;
}

ControlDesign &ControlDesign::fore(Color color)
{
    m_foreColor = color;
    return *this;
}

ControlDesign &ControlDesign::back(Color color)
{
    m_backColor = color;
    return *this;
}

ControlDesign &ControlDesign::transparent()
{
    m_opaque = false;
    return *this;
}

ControlDesign &ControlDesign::align(Align alignment)
{
    m_align = alignment;
    return *this;
}

ControlDesign &ControlDesign::font(Font font)
{
    m_font = std::move(font);
    return *this;
}

ControlDesign &ControlDesign::tab(int tabIndex)
{
    m_tabIndex = tabIndex;
    return *this;
}

ControlDesign &ControlDesign::tip(std::string toolTip)
{
    m_toolTip = std::move(toolTip);
    return *this;
}

ControlDesign &ControlDesign::describedBy(std::string label)
{
    m_describer = std::move(label);
    return *this;
}

ControlDesign &ControlDesign::role(Role role)
{
    m_role = role;
    return *this;
}

ControlDesign &ControlDesign::hidden()
{
    m_visible = false;
    return *this;
}

ControlDesign &ControlDesign::disabled()
{
    m_enabled = false;
    return *this;
}

ControlDesign &ControlDesign::borderless()
{
    m_border = false;
    return *this;
}

ControlDesign &ControlDesign::multiLine(bool withScrollBar)
{
    m_multiLine = true;
    m_scrollBar = withScrollBar;
    return *this;
}

ControlDesign &ControlDesign::locked()
{
    m_locked = true;
    return *this;
}

ControlDesign &ControlDesign::graphical(Color face)
{
    m_graphical = true;
    m_backColor = face;
    return *this;
}

ControlDesign &ControlDesign::border(Color color, int width, LineStyle style)
{
    m_borderColor = color;
    m_borderWidth = width;
    m_borderStyle = style;
    return *this;
}

ControlDesign &ControlDesign::fill(FillStyle style, Color color)
{
    m_fillStyle = style;
    m_fillColor = color;
    return *this;
}

ControlDesign &ControlDesign::shape(ShapeKind kind)
{
    m_shapeKind = kind;
    return *this;
}

ControlDesign &ControlDesign::picture(std::string id)
{
    m_picture = std::move(id);
    return *this;
}

ControlDesign &ControlDesign::interval(int milliseconds)
{
    m_interval = milliseconds;
    return *this;
}

ControlDesign &ControlDesign::pages(std::vector<std::string> captions)
{
    m_pages = std::move(captions);
    return *this;
}

Control::Control(ControlDesign design)
    : m_design(std::move(design))
    , m_text(m_design.text())
    , m_visible(m_design.isVisible())
    , m_enabled(m_design.isEnabled())
    , m_foreColor(m_design.foreColor())
    , m_backColor(m_design.backColor())
    , m_borderColor(m_design.borderColor())
    , m_borderWidth(m_design.borderWidth())
    , m_fillStyle(m_design.fillStyle())
    , m_top(m_design.top())
{
}

int Control::top() const
{
    const int scale = m_form && m_design.container().empty() ? m_form->design().scaleHeight : 0;
    if (scale == 0)
        return m_top;
    return static_cast<int>(std::lround(static_cast<double>(m_top) * scale / m_form->clientHeight()));
}

void Control::setTop(int top)
{
    const int scale = m_form && m_design.container().empty() ? m_form->design().scaleHeight : 0;
    m_top = scale == 0 ? top
                       : static_cast<int>(std::lround(static_cast<double>(top) * m_form->clientHeight() / scale));
    changed(Property::Geometry);
}

void Control::setText(std::string text)
{
    m_text = std::move(text);
    changed(Property::Text);
    if (m_form)
        m_form->raise(*this, Event::Change);
}

void Control::setVisible(bool visible)
{
    m_visible = visible;
    changed(Property::Visible);
}

void Control::setEnabled(bool enabled)
{
    m_enabled = enabled;
    changed(Property::Enabled);
}

void Control::setForeColor(Color color)
{
    m_foreColor = color;
    changed(Property::ForeColor);
}

void Control::setBackColor(Color color)
{
    m_backColor = color;
    changed(Property::BackColor);
}

void Control::setBorderColor(Color color)
{
    m_borderColor = color;
    changed(Property::BorderColor);
}

void Control::setBorderWidth(int width)
{
    m_borderWidth = width;
    changed(Property::BorderWidth);
}

void Control::setFillStyle(FillStyle style)
{
    m_fillStyle = style;
    changed(Property::FillStyle);
}

void Control::changed(Property property)
{
    if (m_form)
        m_form->notify(*this, property);
}

ControlDesign label(std::string name, std::string caption)
{
    return std::move(ControlDesign(std::move(name), Kind::Label).caption(std::move(caption)));
}

ControlDesign textBox(std::string name, std::string text)
{
    return std::move(ControlDesign(std::move(name), Kind::TextBox).caption(std::move(text)));
}

ControlDesign button(std::string name, std::string caption)
{
    return std::move(ControlDesign(std::move(name), Kind::CommandButton).caption(std::move(caption)));
}

ControlDesign frame(std::string name, std::string caption)
{
    return std::move(ControlDesign(std::move(name), Kind::Frame).caption(std::move(caption)));
}

ControlDesign line(std::string name, int x1, int y1, int x2, int y2)
{
    return std::move(ControlDesign(std::move(name), Kind::Line).from(x1, y1, x2, y2));
}

ControlDesign shapeControl(std::string name, ShapeKind kind)
{
    return std::move(ControlDesign(std::move(name), Kind::Shape).shape(kind));
}

ControlDesign image(std::string name, std::string pictureId)
{
    return std::move(ControlDesign(std::move(name), Kind::Image).picture(std::move(pictureId)));
}

ControlDesign timer(std::string name, int milliseconds)
{
    return std::move(ControlDesign(std::move(name), Kind::Timer).interval(milliseconds));
}

ControlDesign menuItem(std::string name, std::string caption, std::string parent)
{
    return std::move(ControlDesign(std::move(name), Kind::Menu).caption(std::move(caption)).in(std::move(parent)));
}

ControlDesign tabControl(std::string name, std::vector<std::string> captions)
{
    return std::move(ControlDesign(std::move(name), Kind::TabControl).pages(std::move(captions)));
}
