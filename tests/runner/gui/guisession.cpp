// SPDX-License-Identifier: GPL-3.0-or-later
#include "guisession.h"

#include "appearance.h"
#include "controlwidgets.h"
#include "form.h"
#include "formwidget.h"
#include "keys.h"
#include "linewidget.h"
#include "propertyvalue.h"
#include "shapewidget.h"
#include "tabcontrolwidget.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {
// After each step, as after each of the user's actions, Qt catches up, and the
// windows closed by the step go, as the program's event loop lets them go.
void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The key that types a character: Backspace, Enter and Escape have their own,
// the other control codes are Ctrl with a letter.
void sendCharacter(QWidget *box, int code)
{
    switch (code) {
    case keys::backspace: QTest::keyClick(box, Qt::Key_Backspace); return;
    case keys::enter: QTest::keyClick(box, Qt::Key_Return); return;
    case keys::escape: QTest::keyClick(box, Qt::Key_Escape); return;
    default: break;
    }
    if (code >= 1 && code <= 26) {
        QTest::keyClick(box, static_cast<Qt::Key>(Qt::Key_A + code - 1), Qt::ControlModifier);
        return;
    }
    const char32_t character = static_cast<char32_t>(code);
    const Qt::Key key = code < 0x100 ? static_cast<Qt::Key>(QChar(code).toUpper().unicode()) : Qt::Key_unknown;
    QTest::sendKeyEvent(QTest::Click, box, key, QString::fromUcs4(&character, 1), Qt::NoModifier);
}

// Where typing goes: the end of the text, as the caret is when the user comes to type more.
void moveCaretToEnd(QWidget *box)
{
    box->setFocus();
    QTest::keyClick(box, Qt::Key_End, qobject_cast<QTextEdit *>(box) ? Qt::ControlModifier : Qt::NoModifier);
}

void sendMouseMove(QWidget *target, QPoint at)
{
    QMouseEvent move(QEvent::MouseMove, at, target->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
}

QString textOf(const QWidget *widget)
{
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        return label->text();
    if (const auto *button = qobject_cast<const QPushButton *>(widget))
        return button->text();
    if (const auto *frame = qobject_cast<const QGroupBox *>(widget))
        return frame->title();
    if (const auto *line = qobject_cast<const QLineEdit *>(widget))
        return line->text();
    if (const auto *area = qobject_cast<const QTextEdit *>(widget))
        return QString::fromStdString(toModelLines(area->toPlainText()));
    return {};
}
} // namespace

GuiSession::GuiSession()
    : m_waiting([this](QMessageBox &box) {
        const std::string prompt = box.text().toStdString();
        const std::string title = box.windowTitle().toStdString();
        m_log.events.push_back(messageEvent(prompt, title));
        QTest::mouseClick(box.button(QMessageBox::Ok), Qt::LeftButton);
    })
    , m_platform(m_waiting, m_printer, &m_log)
{
    m_platform.start("frmGeomira");
    settle();
}

GuiSession::~GuiSession() = default;

FormWidget &GuiSession::window() const
{
    FormWidget *active = m_platform.activeWindow();
    if (!active)
        throw ScenarioError("the program has ended");
    return *active;
}

QWidget *GuiSession::find(std::string_view control) const
{
    FormWidget &active = window();
    QWidget *widget = active.findChild<QWidget *>(qText(control));
    if (!widget)
        throw ScenarioError("no control " + std::string(control) + " in " + active.objectName().toStdString());
    return widget;
}

QWidget *GuiSession::reachable(std::string_view control) const
{
    if (m_platform.hasEnded())
        return nullptr;
    QWidget *widget = find(control);
    return widget->isVisible() && widget->isEnabled() ? widget : nullptr;
}

void GuiSession::menu(std::string_view item)
{
    FormWidget *active = m_platform.activeWindow();
    // While a child window is open the menu takes no input.
    if (!active || active != m_platform.mainWindow())
        return;
    auto *action = active->findChild<QAction *>(qText(item));
    if (!action)
        throw ScenarioError("no control " + std::string(item) + " in " + active->objectName().toStdString());
    // An item under a disabled or hidden one cannot be reached either.
    for (QObject *holder = action; holder; holder = holder->parent()) {
        const auto *menu = qobject_cast<QMenu *>(holder);
        const QAction *step = menu ? menu->menuAction() : qobject_cast<QAction *>(holder);
        if (step && (!step->isEnabled() || !step->isVisible()))
            return;
    }
    action->trigger();
    settle();
}

void GuiSession::typeCode(std::string_view control, int code)
{
    if (QWidget *box = reachable(control)) {
        moveCaretToEnd(box);
        sendCharacter(box, code);
    }
    settle();
}

void GuiSession::type(std::string_view control, std::string_view chars)
{
    for (const char32_t character : qText(chars).toUcs4())
        typeCode(control, static_cast<int>(character));
}

void GuiSession::key(std::string_view control, int code)
{
    typeCode(control, code);
}

void GuiSession::paste(std::string_view control, std::string_view text)
{
    if (QWidget *box = reachable(control)) {
        QGuiApplication::clipboard()->setText(qText(text));
        moveCaretToEnd(box);
        QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
        QGuiApplication::clipboard()->clear();
    }
    settle();
}

void GuiSession::clear(std::string_view control)
{
    QWidget *box = reachable(control);
    if (auto *line = qobject_cast<QLineEdit *>(box)) {
        line->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
    } else if (auto *area = qobject_cast<QTextEdit *>(box)) {
        area->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
    }
    settle();
}

void GuiSession::click(std::string_view control)
{
    if (QWidget *target = reachable(control))
        QTest::mouseClick(target, Qt::LeftButton);
    settle();
}

void GuiSession::mouseMove(std::string_view control)
{
    if (m_platform.hasEnded())
        return;
    if (control == "form") {
        // Any spot of the client area that no control covers.
        FormWidget &active = window();
        const QRect client = active.clientRect();
        for (int y = client.top(); y <= client.bottom(); y += 4) {
            for (int x = client.left(); x <= client.right(); x += 4) {
                if (!active.childAt(x, y)) {
                    sendMouseMove(&active, QPoint(x, y));
                    settle();
                    return;
                }
            }
        }
        throw ScenarioError("no free background in " + active.objectName().toStdString());
    }
    if (QWidget *target = reachable(control)) {
        if (auto *area = qobject_cast<QAbstractScrollArea *>(target))
            target = area->viewport();
        sendMouseMove(target, target->rect().center());
    }
    settle();
}

void GuiSession::showTab(int page)
{
    FormWidget *active = m_platform.activeWindow();
    if (!active)
        return;
    for (TabControlWidget *tabs : active->findChildren<TabControlWidget *>()) {
        if (!tabs->isVisible() || !tabs->isEnabled())
            continue;
        QTabBar *bar = tabs->tabBar();
        if (page >= 0 && page < bar->count())
            QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->tabRect(page).center());
        settle();
        return;
    }
    throw ScenarioError(active->objectName().toStdString() + " has no tab control");
}

void GuiSession::closeBox()
{
    if (FormWidget *active = m_platform.activeWindow())
        active->close();
    settle();
}

void GuiSession::setPrinter(bool on)
{
    m_printer.switchOn(on);
}

void GuiSession::wait(int milliseconds)
{
    QTest::qWait(milliseconds);
    // A busy machine may hold back a timer whose interval has run out: let it fire
    // now, as the time waited says it has. Firing may end the program.
    const auto overdue = [this] {
        const FormWidget *active = m_platform.activeWindow();
        if (!active)
            return false;
        for (const auto &control : active->form().controls()) {
            const QTimer *timer = control->kind() == Kind::Timer ? active->timer(control->name()) : nullptr;
            if (timer && timer->remainingTime() == 0)
                return true;
        }
        return false;
    };
    [[maybe_unused]] const bool caughtUp = QTest::qWaitFor([&] { return !overdue(); }, 1000);
}

std::string GuiSession::activeWindow()
{
    const FormWidget *active = m_platform.activeWindow();
    return active ? active->objectName().toStdString() : "none";
}

std::string GuiSession::read(std::string_view control, std::string_view property)
{
    FormWidget &active = window();
    if (control == "form" && property == "Caption")
        return quote(active.windowTitle().toStdString());
    const Control *model = active.form().find(control);
    if (!model)
        throw ScenarioError("no control " + std::string(control) + " in " + active.objectName().toStdString());
    if (model->kind() == Kind::Menu) {
        const auto *action = active.findChild<QAction *>(qText(control));
        if (property == "Caption" || property == "Text")
            return quote(action->text().toStdString());
        if (property == "Visible")
            return formatBool(action->isVisible());
        if (property == "Enabled")
            return formatBool(action->isEnabled());
    } else if (model->kind() == Kind::Timer) {
        if (property == "Enabled")
            return formatBool(active.findChild<QTimer *>(qText(control))->isActive());
    } else {
        return readWidget(control, property);
    }
    throw ScenarioError("no property " + std::string(property) + " of " + std::string(control));
}

std::string GuiSession::readWidget(std::string_view control, std::string_view property) const
{
    FormWidget &active = window();
    const Control &model = *active.form().find(control);
    const QWidget *widget = find(control);
    const auto *line = qobject_cast<const LineWidget *>(widget);
    const auto *shape = qobject_cast<const ShapeWidget *>(widget);
    const std::optional<ReadableProperty> readableProperty = readable(property);
    if (!readableProperty)
        throw ScenarioError("no property " + std::string(property));
    switch (readableProperty->which) {
    case Readable::Caption:
    case Readable::Text: return quote(textOf(widget).toStdString());
    case Readable::ToolTipText: return quote(widget->toolTip().toStdString());
    case Readable::Visible: return formatBool(!widget->isHidden());
    case Readable::Enabled: return formatBool(!widget->testAttribute(Qt::WA_ForceDisabled));
    case Readable::ForeColor:
        return formatColor(fromQColor(widget->palette().color(QPalette::Active, foreRole(model.kind()))));
    case Readable::BackColor:
        return formatColor(fromQColor(widget->palette().color(QPalette::Active, backRole(model.kind()))));
    case Readable::BorderColor:
        if (line || shape)
            return formatColor(fromQColor(line ? line->color() : shape->borderColor()));
        break;
    case Readable::BorderWidth:
        if (line || shape)
            return std::to_string(line ? line->penWidth() : shape->borderWidth());
        break;
    case Readable::FillColor:
        if (shape)
            return formatColor(fromQColor(shape->fillColor()));
        break;
    case Readable::FillStyle:
        if (shape)
            return formatFill(shape->fillStyle());
        break;
    case Readable::Tab:
        if (const auto *tabs = qobject_cast<const TabControlWidget *>(widget))
            return std::to_string(tabs->currentPage());
        break;
    case Readable::Top:
    case Readable::Left: {
        QPoint at = line ? line->box().topLeft() : widget->pos();
        const bool onWindow = model.design().container().empty();
        if (onWindow)
            at -= active.clientRect().topLeft();
        const bool top = readableProperty->which == Readable::Top;
        const int twips = (top ? at.y() : at.x()) * twipsPerPixel;
        const Form &form = active.form();
        // The window's own scale, when it has one, measures the controls placed on it.
        if (top && onWindow && form.design().scaleHeight != 0)
            return std::to_string(std::lround(static_cast<double>(twips) * form.design().scaleHeight / form.clientHeight()));
        return std::to_string(twips);
    }
    }
    throw ScenarioError("no property " + std::string(property) + " of " + std::string(control));
}

std::string GuiSession::showColor(std::string_view canonical)
{
    const Color color = static_cast<Color>(std::stoul(std::string(canonical.substr(2)), nullptr, 16));
    return colors::isSystem(color) ? formatColor(fromQColor(toQColor(color))) : std::string(canonical);
}

std::vector<std::string> GuiSession::takeEvents()
{
    return std::exchange(m_log.events, {});
}
