// SPDX-License-Identifier: GPL-3.0-or-later
#include "formwidget.h"

#include "accessiblenames.h"
#include "appearance.h"
#include "controlwidgets.h"
#include "tabcontrolwidget.h"
#include "widgetorder.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>

namespace {
// A new control's state, each look shown once (one palette for its five colours and strokes). The
// place comes first: a child shown before it is placed would first be sized to fit its contents.
constexpr Property creationOrder[] = {
    Property::Geometry, Property::Text, Property::Enabled, Property::ForeColor, Property::Tab, Property::Visible,
};
} // namespace

FormWidget::FormWidget(std::unique_ptr<Form> form)
    : QWidget(nullptr)
    , m_form(std::move(form))
    , m_menuBar(*m_form, *this)
    , m_timers(*m_form, *this)
    , m_input(*m_form)
    , m_background(*m_form)
{
    setObjectName(qText(m_form->name()));
    createControls();
    stackWindowedControls(*this);
    m_menuBar.raise();
    orderTabStops(*this);
    setUpWindow();
    m_observer = m_form->observe([this](const Control &control, Property property) { mirror(control, property); });
}

FormWidget::~FormWidget()
{
    m_form->unobserve(m_observer);
    // The model goes before QWidget's destructor deletes the children: none of
    // their last signals may reach it.
    for (QObject *child : findChildren<QObject *>())
        child->blockSignals(true);
}

QWidget *FormWidget::controlWidget(std::string_view name) const
{
    const auto found = m_widgets.find(name);
    return found == m_widgets.end() ? nullptr : found->second;
}

QAction *FormWidget::menuAction(std::string_view name) const
{
    return m_menuBar.action(name);
}

QTimer *FormWidget::timer(std::string_view name) const
{
    return m_timers.timer(name);
}

QRect FormWidget::clientRect() const
{
    return QRect(0, m_menuBar.height(), twipsToPixels(m_form->clientWidth()), twipsToPixels(m_form->clientHeight()));
}

QPixmap FormWidget::grabClient(qreal pixelRatio)
{
    const QRect client = clientRect();
    QPixmap image(client.size() * pixelRatio);
    image.setDevicePixelRatio(pixelRatio);
    render(&image, QPoint(), QRegion(client));
    return image;
}

void FormWidget::unload()
{
    m_unloading = true;
    m_timers.stopForGood();
    hide();
    emit unloaded();
    deleteLater();
}

// Containers come before their controls in the table, so each finds its place built.
void FormWidget::createControls()
{
    for (const auto &item : m_form->controls()) {
        Control &control = *item;
        if (control.kind() == Kind::Menu || control.kind() == Kind::Timer)
            continue;
        QWidget *widget = createControlWidget(*m_form, control, containerOf(control));
        widget->setObjectName(qText(control.name()));
        if (!control.design().toolTip().empty())
            widget->setToolTip(qText(control.design().toolTip()));
        m_widgets.emplace(control.name(), widget);
        for (const Property property : creationOrder)
            mirror(control, property);
        m_input.wire(control, widget);
    }
}

void FormWidget::setUpWindow()
{
    setWindowTitle(qText(m_form->caption()));
    setAccessibleName(windowNameOf(*m_form));
    const QRect client = clientRect();
    const QSize size(client.width(), client.bottom() + 1);
    switch (m_form->border()) {
    case BorderStyle::FixedSingle:
        setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                       | Qt::WindowCloseButtonHint);
        keepSize(size);
        break;
    case BorderStyle::None:
        setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
        keepSize(size);
        break;
    case BorderStyle::Sizable:
        resize(size);
        break;
    }
    m_background.fill(*this);
    setMouseTracking(m_form->hasFormHandler(Event::MouseMove));
    if (const QScreen *shownOn = screen())
        move(shownOn->availableGeometry().center() - rect().center());
}

// A Wayland compositor may give any window another size (maximised or tiled, or a screen smaller
// than the window), and Qt 6.4 ends the program when the window's limits do not allow that size.
// There the window only starts at its size: the controls keep their places, what lies beyond them
// shows the back colour, and a smaller window shows less.
void FormWidget::keepSize(QSize size)
{
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        resize(size);
    else
        setFixedSize(size);
}

QWidget *FormWidget::containerOf(const Control &control) const
{
    if (control.design().container().empty())
        return const_cast<FormWidget *>(this);
    QWidget *holder = m_widgets.at(control.design().container());
    if (auto *tabs = qobject_cast<TabControlWidget *>(holder))
        return tabs->page(control.design().page());
    return holder;
}

void FormWidget::mirror(const Control &control, Property property)
{
    if (control.kind() == Kind::Menu) {
        m_menuBar.mirror(control, property);
        return;
    }
    if (control.kind() == Kind::Timer) {
        m_timers.mirror(control);
        return;
    }
    QWidget *widget = controlWidget(control.name());
    switch (property) {
    case Property::Text:
        showText(control, widget);
        break;
    case Property::Visible:
        widget->setVisible(control.isVisible());
        break;
    case Property::Enabled:
        widget->setEnabled(control.isEnabled());
        break;
    case Property::ForeColor:
    case Property::BackColor:
    case Property::BorderColor:
    case Property::BorderWidth:
    case Property::FillStyle:
        showLook(control, widget);
        break;
    case Property::Geometry:
        placeWidget(control, widget, control.design().container().empty() ? clientRect().topLeft() : QPoint());
        break;
    case Property::Tab:
        if (auto *tabs = qobject_cast<TabControlWidget *>(widget))
            tabs->setCurrentPage(control.currentPage());
        break;
    }
}

bool FormWidget::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        m_form->formEvent(Event::Activate);
    return QWidget::event(event);
}

void FormWidget::closeEvent(QCloseEvent *event)
{
    if (m_unloading)
        return;
    // The close box belongs to the model, which unloads the window through the platform or not at all.
    event->ignore();
    m_form->closeBox();
}

void FormWidget::mouseMoveEvent(QMouseEvent *event)
{
    if (!childAt(event->position().toPoint()))
        m_form->formEvent(Event::MouseMove);
}

void FormWidget::resizeEvent(QResizeEvent *)
{
    m_form->formEvent(Event::Resize);
}

void FormWidget::paintEvent(QPaintEvent *)
{
    m_form->formEvent(Event::Paint);
    m_background.paint(*this, clientRect());
}
