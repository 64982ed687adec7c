// SPDX-License-Identifier: GPL-3.0-or-later
#include "formwidget.h"

#include "accessibility.h"
#include "accessiblenames.h"
#include "appearance.h"
#include "controlwidgets.h"
#include "labelwidget.h"
#include "tabcontrolwidget.h"
#include "textboxfilter.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTextEdit>
#include <QTimer>

#include <algorithm>
#include <vector>

namespace {
// A new control's state, each look shown once (one palette for its five colours and strokes). The
// place comes first: a child shown before it is placed would first be sized to fit its contents.
constexpr Property creationOrder[] = {
    Property::Geometry, Property::Text, Property::Enabled, Property::ForeColor, Property::Tab, Property::Visible,
};

// Windowed controls always lie above the graphical ones of their container.
bool isWindowed(Kind kind)
{
    return kind == Kind::TextBox || kind == Kind::CommandButton || kind == Kind::Frame || kind == Kind::TabControl;
}

bool takesFocus(Kind kind)
{
    return kind == Kind::TextBox || kind == Kind::CommandButton || kind == Kind::TabControl;
}
} // namespace

FormWidget::FormWidget(std::unique_ptr<Form> form)
    : QWidget(nullptr)
    , m_form(std::move(form))
{
    installAccessibility();
    setObjectName(qText(m_form->name()));
    createMenu();
    createControls();
    stackWindowedControls();
    orderTabStops();
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
    const auto found = m_actions.find(name);
    return found == m_actions.end() ? nullptr : found->second;
}

QTimer *FormWidget::timer(std::string_view name) const
{
    const auto found = m_timers.find(name);
    return found == m_timers.end() ? nullptr : found->second;
}

QRect FormWidget::clientRect() const
{
    return QRect(0, m_menuBar ? m_menuBar->height() : 0, twipsToPixels(m_form->clientWidth()), twipsToPixels(m_form->clientHeight()));
}

QPixmap FormWidget::grabClient()
{
    return grab(clientRect());
}

void FormWidget::unload()
{
    m_unloading = true;
    for (const auto &[name, timer] : m_timers)
        timer->stop();
    hide();
    emit unloaded();
    deleteLater();
}

// Items with items under them open a menu; the others are commands, also in the bar itself.
void FormWidget::createMenu()
{
    std::map<std::string, QMenu *, std::less<>> menus;
    const auto &controls = m_form->controls();
    for (const auto &item : controls) {
        Control &control = *item;
        if (control.kind() != Kind::Menu)
            continue;
        if (!m_menuBar)
            m_menuBar = new QMenuBar(this);
        const bool opensMenu = std::any_of(controls.begin(), controls.end(), [&](const auto &other) {
            return other->kind() == Kind::Menu && other->design().container() == control.name();
        });
        QMenu *parentMenu = control.design().container().empty() ? nullptr : menus.at(control.design().container());
        const QString caption = qText(control.text());
        QAction *action = nullptr;
        if (opensMenu) {
            QMenu *menu = parentMenu ? parentMenu->addMenu(caption) : m_menuBar->addMenu(caption);
            menus.emplace(control.name(), menu);
            action = menu->menuAction();
        } else if (parentMenu) {
            action = parentMenu->addAction(caption);
        } else {
            action = m_menuBar->addAction(caption);
        }
        action->setObjectName(qText(control.name()));
        // The handler may run a window's modal loop: it runs just after the activation returns, so that
        // an assistive tool that activated the item has its answer at once. A child window opened
        // in between keeps the menu from acting, as it keeps the user from it.
        connect(action, &QAction::triggered, this, [this, &control] {
            QMetaObject::invokeMethod(
                this, [this, &control] {
                    if (!QApplication::activeModalWidget())
                        m_form->click(control);
                },
                Qt::QueuedConnection);
        });
        m_actions.emplace(control.name(), action);
        mirrorMenu(control, Property::Visible);
        mirrorMenu(control, Property::Enabled);
    }
    if (m_menuBar)
        m_menuBar->setGeometry(0, 0, twipsToPixels(m_form->clientWidth()), m_menuBar->sizeHint().height());
}

// Containers come before their controls in the table, so each finds its place built.
void FormWidget::createControls()
{
    for (const auto &item : m_form->controls()) {
        Control &control = *item;
        if (control.kind() == Kind::Menu)
            continue;
        if (control.kind() == Kind::Timer) {
            auto *timer = new QTimer(this);
            timer->setObjectName(qText(control.name()));
            timer->setTimerType(Qt::PreciseTimer);
            timer->setInterval(control.design().intervalMs());
            connect(timer, &QTimer::timeout, this, [this, &control] { m_form->timerElapsed(control); });
            m_timers.emplace(control.name(), timer);
            mirrorTimer(control);
            continue;
        }
        QWidget *widget = createControlWidget(*m_form, control, containerOf(control));
        widget->setObjectName(qText(control.name()));
        if (!control.design().toolTip().empty())
            widget->setToolTip(qText(control.design().toolTip()));
        m_widgets.emplace(control.name(), widget);
        for (const Property property : creationOrder)
            mirror(control, property);
        connectInput(control, widget);
    }
}

// A text set from outside goes through the key filter as if typed, and the box then shows what the model took.
void FormWidget::takeOutsideEdit(Control &box, QLineEdit *line, const QString &text)
{
    auto *filter = line->findChild<TextBoxFilter *>(QString(), Qt::FindDirectChildrenOnly);
    m_form->edit(box, filter->typed(qText(box.text()), text).toStdString());
    showText(box, line);
}

void FormWidget::connectInput(Control &control, QWidget *widget)
{
    QWidget *mouseTarget = widget;
    switch (control.kind()) {
    case Kind::Label:
        connect(static_cast<LabelWidget *>(widget), &LabelWidget::clicked, this, [this, &control] {
            m_form->click(control);
        });
        break;
    case Kind::TextBox:
        if (auto *area = qobject_cast<QTextEdit *>(widget)) {
            connect(area, &QTextEdit::textChanged, this, [this, &control, area] {
                m_form->edit(control, toModelLines(area->toPlainText()));
            });
            mouseTarget = area->viewport();
        } else {
            auto *line = static_cast<QLineEdit *>(widget);
            connect(line, &QLineEdit::textEdited, this, [this, &control](const QString &text) {
                m_form->edit(control, text.toStdString());
            });
            // Typing, pasting and undoing leave an undo history; setText, the way an assistive tool
            // edits a box, leaves none (the model's own writes come with signals blocked).
            connect(line, &QLineEdit::textChanged, this, [this, &control, line](const QString &text) {
                if (!line->isUndoAvailable() && !line->isRedoAvailable())
                    takeOutsideEdit(control, line, text);
            });
        }
        break;
    case Kind::CommandButton:
        connect(static_cast<QPushButton *>(widget), &QPushButton::clicked, this, [this, &control] {
            m_form->click(control);
        });
        m_inputOf.emplace(widget, &control);
        widget->installEventFilter(this);
        break;
    case Kind::TabControl:
        connect(static_cast<TabControlWidget *>(widget)->tabBar(), &QTabBar::currentChanged, this,
                [this, &control](int page) { m_form->showPage(control, page); });
        break;
    default:
        break;
    }
    if (m_form->hasHandler(control, Event::MouseMove)) {
        mouseTarget->setMouseTracking(true);
        m_inputOf.emplace(mouseTarget, &control);
        mouseTarget->installEventFilter(this);
    }
}

// Raising in table order keeps the table's order within each group.
void FormWidget::stackWindowedControls()
{
    for (const auto &control : m_form->controls()) {
        if (isWindowed(control->kind()))
            controlWidget(control->name())->raise();
    }
    if (m_menuBar)
        m_menuBar->raise();
}

void FormWidget::orderTabStops()
{
    std::vector<const Control *> stops;
    for (const auto &control : m_form->controls()) {
        if (takesFocus(control->kind()) && control->design().tabIndex() >= 0)
            stops.push_back(control.get());
    }
    std::stable_sort(stops.begin(), stops.end(), [](const Control *a, const Control *b) {
        return a->design().tabIndex() < b->design().tabIndex();
    });
    for (std::size_t i = 1; i < stops.size(); ++i)
        setTabOrder(controlWidget(stops[i - 1]->name()), controlWidget(stops[i]->name()));
    const auto first = std::find_if(stops.begin(), stops.end(), [this](const Control *c) { return m_form->isReachable(*c); });
    if (first != stops.end())
        controlWidget((*first)->name())->setFocus();
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
        setFixedSize(size);
        break;
    case BorderStyle::None:
        setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
        setFixedSize(size);
        break;
    case BorderStyle::Sizable:
        resize(size);
        break;
    }
    QPalette background = palette();
    background.setColor(QPalette::Window, toQColor(m_form->backColor()));
    setPalette(background);
    setAutoFillBackground(true);
    setMouseTracking(m_form->hasFormHandler(Event::MouseMove));
    if (const QScreen *shownOn = screen())
        move(shownOn->availableGeometry().center() - rect().center());
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
        mirrorMenu(control, property);
        return;
    }
    if (control.kind() == Kind::Timer) {
        mirrorTimer(control);
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



void FormWidget::mirrorMenu(const Control &control, Property property)
{
    QAction *action = menuAction(control.name());
    switch (property) {
    case Property::Text:
        action->setText(qText(control.text()));
        break;
    case Property::Visible:
        action->setVisible(control.isVisible());
        break;
    case Property::Enabled:
        action->setEnabled(control.isEnabled());
        break;
    default:
        break;
    }
}

void FormWidget::mirrorTimer(const Control &control)
{
    QTimer *ticker = timer(control.name());
    if (control.isEnabled() && control.design().intervalMs() > 0 && !m_unloading) {
        if (!ticker->isActive())
            ticker->start();
    } else {
        ticker->stop();
    }
}

bool FormWidget::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        m_form->formEvent(Event::Activate);
    return QWidget::event(event);
}

bool FormWidget::eventFilter(QObject *watched, QEvent *event)
{
    const auto input = m_inputOf.find(watched);
    if (input == m_inputOf.end())
        return false;
    Control &control = *input->second;
    if (event->type() == QEvent::MouseMove && static_cast<QWidget *>(watched)->isEnabled()) {
        m_form->mouseMove(control);
    } else if (event->type() == QEvent::KeyPress && control.kind() == Kind::CommandButton) {
        // Enter presses the focused button, as the keyboard user expects.
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            static_cast<QPushButton *>(watched)->click();
            return true;
        }
    }
    return false;
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

// Bands 1 to 255 run from bright blue to black; the last 256th keeps the background.
void FormWidget::paintEvent(QPaintEvent *)
{
    m_form->formEvent(Event::Paint);
    if (!m_form->design().gradient)
        return;
    QPainter painter(this);
    const QRect client = clientRect();
    for (int band = 1; band <= 255; ++band) {
        const int top = (band - 1) * client.height() / 256;
        const int bottom = band * client.height() / 256;
        painter.fillRect(client.left(), client.top() + top, client.width(), bottom - top, QColor(0, 0, 255 - band));
    }
}
