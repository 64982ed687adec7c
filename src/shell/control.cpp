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

Control::Control(std::string name, Kind kind)
    : m_name(std::move(name))
    , m_kind(kind)
    , m_foreColor(defaultFore(kind))
    , m_backColor(defaultBack(kind))
    , m_opaque(kind == Kind::Label)
{
}

Control &Control::in(std::string container, int page)
{
    m_container = std::move(container);
    m_page = page;
    return *this;
}

Control &Control::at(int left, int top, int width, int height)
{
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
    return *this;
}

Control &Control::from(int x1, int y1, int x2, int y2)
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

Control &Control::caption(std::string text)
{
    m_text = std::move(text);
    return *this;
}

Control &Control::fore(Color color)
{
    m_foreColor = color;
    return *this;
}

Control &Control::back(Color color)
{
    m_backColor = color;
    return *this;
}

Control &Control::transparent()
{
    m_opaque = false;
    return *this;
}

Control &Control::align(Align alignment)
{
    m_align = alignment;
    return *this;
}

Control &Control::font(Font font)
{
    m_font = std::move(font);
    return *this;
}

Control &Control::tab(int tabIndex)
{
    m_tabIndex = tabIndex;
    return *this;
}

Control &Control::tip(std::string toolTip)
{
    m_toolTip = std::move(toolTip);
    return *this;
}

Control &Control::describedBy(std::string label)
{
    m_describer = std::move(label);
    return *this;
}

Control &Control::role(Role role)
{
    m_role = role;
    return *this;
}

Control &Control::hidden()
{
    m_visible = false;
    return *this;
}

Control &Control::disabled()
{
    m_enabled = false;
    return *this;
}

Control &Control::borderless()
{
    m_border = false;
    return *this;
}

Control &Control::multiLine(bool withScrollBar)
{
    m_multiLine = true;
    m_scrollBar = withScrollBar;
    return *this;
}

Control &Control::locked()
{
    m_locked = true;
    return *this;
}

Control &Control::graphical(Color face)
{
    m_graphical = true;
    m_backColor = face;
    return *this;
}

Control &Control::border(Color color, int width, LineStyle style)
{
    m_borderColor = color;
    m_borderWidth = width;
    m_borderStyle = style;
    return *this;
}

Control &Control::fill(FillStyle style, Color color)
{
    m_fillStyle = style;
    m_fillColor = color;
    return *this;
}

Control &Control::shape(ShapeKind kind)
{
    m_shapeKind = kind;
    return *this;
}

Control &Control::picture(std::string id)
{
    m_picture = std::move(id);
    return *this;
}

Control &Control::interval(int milliseconds)
{
    m_interval = milliseconds;
    return *this;
}

Control &Control::pages(std::vector<std::string> captions)
{
    m_pages = std::move(captions);
    return *this;
}

int Control::top() const
{
    const int scale = m_form && m_container.empty() ? m_form->design().scaleHeight : 0;
    if (scale == 0)
        return m_top;
    return static_cast<int>(std::lround(static_cast<double>(m_top) * scale / m_form->clientHeight()));
}

void Control::setTop(int top)
{
    const int scale = m_form && m_container.empty() ? m_form->design().scaleHeight : 0;
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

Control label(std::string name, std::string caption)
{
    return std::move(Control(std::move(name), Kind::Label).caption(std::move(caption)));
}

Control textBox(std::string name, std::string text)
{
    return std::move(Control(std::move(name), Kind::TextBox).caption(std::move(text)));
}

Control button(std::string name, std::string caption)
{
    return std::move(Control(std::move(name), Kind::CommandButton).caption(std::move(caption)));
}

Control frame(std::string name, std::string caption)
{
    return std::move(Control(std::move(name), Kind::Frame).caption(std::move(caption)));
}

Control line(std::string name, int x1, int y1, int x2, int y2)
{
    return std::move(Control(std::move(name), Kind::Line).from(x1, y1, x2, y2));
}

Control shapeControl(std::string name, ShapeKind kind)
{
    return std::move(Control(std::move(name), Kind::Shape).shape(kind));
}

Control image(std::string name, std::string pictureId)
{
    return std::move(Control(std::move(name), Kind::Image).picture(std::move(pictureId)));
}

Control timer(std::string name, int milliseconds)
{
    return std::move(Control(std::move(name), Kind::Timer).interval(milliseconds));
}

Control menuItem(std::string name, std::string caption, std::string parent)
{
    return std::move(Control(std::move(name), Kind::Menu).caption(std::move(caption)).in(std::move(parent)));
}

Control tabControl(std::string name, std::vector<std::string> captions)
{
    return std::move(Control(std::move(name), Kind::TabControl).pages(std::move(captions)));
}
