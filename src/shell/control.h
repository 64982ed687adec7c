// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "color.h"

#include <string>
#include <vector>

class Form;

enum class Kind {
    Label,
    TextBox,
    CommandButton,
    Frame,
    Line,
    Shape,
    Image,
    Timer,
    Menu,
    TabControl,
};

enum class Align { Left, Right, Center };

// How a line or a shape's outline is stroked.
enum class LineStyle { Solid, Dot, DashDot };

enum class FillStyle {
    Solid,
    Transparent,    // no fill, the default of a shape
    Cross,          // a grid of horizontal and vertical lines in the fill colour
    UpwardDiagonal, // lines rising from lower left to upper right
};

enum class ShapeKind { Rectangle, Square, Oval, Circle, RoundedRectangle, RoundedSquare };

// What a control is for, where a view or a test needs to know it.
enum class Role {
    None,
    Result,   // a label, blank at design time, into which a handler writes a result
    Prompt,   // a label whose caption names a box; the box is describedBy it
    Echo,     // a label that copies what the user types into a box
    Constant, // a hidden box holding a constant of a formula ("3,14")
};

// The properties that change at run time; observers hear of each change.
enum class Property {
    Text, // a label's or button's Caption, a box's Text
    Visible,
    Enabled,
    ForeColor,
    BackColor,
    BorderColor,
    BorderWidth,
    FillStyle,
    Geometry,
    Tab, // the page a tab control shows
};

struct Font {
    std::string face = "MS Sans Serif";
    double points = 8.25;
    bool bold = false;
    bool italic = false;
    bool underline = false;

    bool operator==(const Font &) const = default;
};

// One row of a window's control table: a control as it is designed, set
// through the chained builders. A view reads it to build the control's widget.
class ControlDesign {
public:
    ControlDesign(std::string name, Kind kind);

    ControlDesign &in(std::string container, int page = -1);
    ControlDesign &at(int left, int top, int width, int height);
    ControlDesign &from(int x1, int y1, int x2, int y2);
    ControlDesign &caption(std::string text);
    ControlDesign &fore(Color color);
    ControlDesign &back(Color color);
    ControlDesign &transparent();
    ControlDesign &align(Align alignment);
    ControlDesign &font(Font font);
    ControlDesign &tab(int tabIndex);
    ControlDesign &tip(std::string toolTip);
    // The label whose caption says what this box, tab control or result is:
    // the name a screen reader gives it.
    ControlDesign &describedBy(std::string label);
    ControlDesign &role(Role role);
    ControlDesign &hidden();
    ControlDesign &disabled();
    ControlDesign &borderless();
    ControlDesign &multiLine(bool withScrollBar = false);
    ControlDesign &locked();
    ControlDesign &graphical(Color face);
    ControlDesign &border(Color color, int width = 1, LineStyle style = LineStyle::Solid);
    ControlDesign &fill(FillStyle style, Color color = colors::black);
    ControlDesign &shape(ShapeKind kind);
    ControlDesign &picture(std::string id);
    ControlDesign &interval(int milliseconds);
    ControlDesign &pages(std::vector<std::string> captions);

    const std::string &name() const { return m_name; }
    Kind kind() const { return m_kind; }
    const std::string &container() const { return m_container; }
    int page() const { return m_page; }
    // Position in twips within the container (for a line, its bounding box).
    int left() const { return m_left; }
    int top() const { return m_top; }
    int width() const { return m_width; }
    int height() const { return m_height; }
    int x1() const { return m_x1; }
    int y1() const { return m_y1; }
    int x2() const { return m_x2; }
    int y2() const { return m_y2; }
    const std::string &text() const { return m_text; }
    Color foreColor() const { return m_foreColor; }
    Color backColor() const { return m_backColor; }
    bool isOpaque() const { return m_opaque; }
    Align alignment() const { return m_align; }
    const Font &fontSpec() const { return m_font; }
    int tabIndex() const { return m_tabIndex; }
    const std::string &toolTip() const { return m_toolTip; }
    const std::string &describer() const { return m_describer; }
    Role role() const { return m_role; }
    bool isVisible() const { return m_visible; }
    bool isEnabled() const { return m_enabled; }
    bool hasBorder() const { return m_border; }
    bool isMultiLine() const { return m_multiLine; }
    bool hasScrollBar() const { return m_scrollBar; }
    bool isLocked() const { return m_locked; }
    bool isGraphical() const { return m_graphical; }
    Color borderColor() const { return m_borderColor; }
    int borderWidth() const { return m_borderWidth; }
    LineStyle borderStyle() const { return m_borderStyle; }
    FillStyle fillStyle() const { return m_fillStyle; }
    Color fillColor() const { return m_fillColor; }
    ShapeKind shapeKind() const { return m_shapeKind; }
    const std::string &pictureId() const { return m_picture; }
    int intervalMs() const { return m_interval; }
    const std::vector<std::string> &pageCaptions() const { return m_pages; }

private:
    std::string m_name;
    Kind m_kind;
    std::string m_container;
    int m_page = -1;
    int m_left = 0, m_top = 0, m_width = 0, m_height = 0;
    int m_x1 = 0, m_y1 = 0, m_x2 = 0, m_y2 = 0;
    std::string m_text;
    Color m_foreColor;
    Color m_backColor;
    bool m_opaque = false;
    Align m_align = Align::Left;
    Font m_font;
    int m_tabIndex = -1;
    std::string m_toolTip;
    std::string m_describer;
    Role m_role = Role::None;
    bool m_visible = true;
    bool m_enabled = true;
    bool m_border = true;
    bool m_multiLine = false;
    bool m_scrollBar = false;
    bool m_locked = false;
    bool m_graphical = false;
    Color m_borderColor = colors::windowText;
    int m_borderWidth = 1;
    LineStyle m_borderStyle = LineStyle::Solid;
    FillStyle m_fillStyle = FillStyle::Transparent;
    Color m_fillColor = colors::black;
    ShapeKind m_shapeKind = ShapeKind::Rectangle;
    std::string m_picture;
    int m_interval = 0;
    std::vector<std::string> m_pages;
};

// One control of an open window: its design, and its run-time state, which
// starts as designed and changes through the setters; they tell the form (and
// so the view) of every change.
class Control {
public:
    explicit Control(ControlDesign design);

    const ControlDesign &design() const { return m_design; }
    const std::string &name() const { return m_design.name(); }
    Kind kind() const { return m_design.kind(); }

    const std::string &text() const { return m_text; }
    bool isVisible() const { return m_visible; }
    bool isEnabled() const { return m_enabled; }
    Color foreColor() const { return m_foreColor; }
    Color backColor() const { return m_backColor; }
    Color borderColor() const { return m_borderColor; }
    int borderWidth() const { return m_borderWidth; }
    FillStyle fillStyle() const { return m_fillStyle; }
    int currentPage() const { return m_currentPage; }
    int topTwips() const { return m_top; }
    // Top in the scale of the container: twips, or the units that the form's
    // scale height sets for controls placed directly on the form.
    int top() const;

    // Run-time setters. A caption or text set here runs the control's Change
    // handler at once, also when the value is unchanged or empty.
    void setText(std::string text);
    void setVisible(bool visible);
    void setEnabled(bool enabled);
    void setForeColor(Color color);
    void setBackColor(Color color);
    void setBorderColor(Color color);
    void setBorderWidth(int width);
    void setFillStyle(FillStyle style);
    void setTop(int top);

private:
    friend class Form;
    void changed(Property property);

    Form *m_form = nullptr;
    ControlDesign m_design;
    std::string m_text;
    bool m_visible;
    bool m_enabled;
    Color m_foreColor;
    Color m_backColor;
    Color m_borderColor;
    int m_borderWidth;
    FillStyle m_fillStyle;
    int m_top;
    int m_currentPage = 0;
};

// Factories for the rows of a control table, one per kind.
ControlDesign label(std::string name, std::string caption);
ControlDesign textBox(std::string name, std::string text = {});
ControlDesign button(std::string name, std::string caption);
ControlDesign frame(std::string name, std::string caption);
ControlDesign line(std::string name, int x1, int y1, int x2, int y2);
ControlDesign shapeControl(std::string name, ShapeKind kind);
ControlDesign image(std::string name, std::string pictureId);
ControlDesign timer(std::string name, int milliseconds);
ControlDesign menuItem(std::string name, std::string caption, std::string parent = {});
ControlDesign tabControl(std::string name, std::vector<std::string> captions);
