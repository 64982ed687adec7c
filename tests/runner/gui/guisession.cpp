// SPDX-License-Identifier: GPL-3.0-or-later
#include "guisession.h"

#include "appearance.h"
#include "form.h"
#include "formwidget.h"
#include "keys.h"
#include "tabcontrolwidget.h"
#include "widgetreader.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QClipboard>
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
#include <map>
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
    static const std::map<int, Qt::Key> ownKeys{
        {keys::backspace, Qt::Key_Backspace}, {keys::enter, Qt::Key_Return}, {keys::escape, Qt::Key_Escape}};
    if (const auto own = ownKeys.find(code); own != ownKeys.end())
        QTest::keyClick(box, own->second);
    else if (code >= 1 && code <= 26)
        QTest::keyClick(box, static_cast<Qt::Key>(Qt::Key_A + code - 1), Qt::ControlModifier);
    else {
        const char32_t character = static_cast<char32_t>(code);
        const Qt::Key key = code < 0x100 ? static_cast<Qt::Key>(QChar(code).toUpper().unicode()) : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Click, box, key, QString::fromUcs4(&character, 1), Qt::NoModifier);
    }
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

void GuiSession::key(std::string_view control, int code)
{
    if (QWidget *box = reachable(control)) {
        moveCaretToEnd(box);
        sendCharacter(box, code);
    }
    settle();
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
    if (qobject_cast<QLineEdit *>(box) || qobject_cast<QTextEdit *>(box)) {
        QMetaObject::invokeMethod(box, "selectAll");
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

void GuiSession::wait(int milliseconds)
{
    QTest::qWait(milliseconds);
    // A busy machine may hold back a timer whose interval has run out: let it fire
    // now, as the time waited says it has. Firing may end the program.
    const auto overdue = [this] {
        const FormWidget *active = m_platform.activeWindow();
        const QList<QTimer *> timers = active ? active->findChildren<QTimer *>() : QList<QTimer *>();
        return std::any_of(timers.begin(), timers.end(), [](const QTimer *timer) { return timer->remainingTime() == 0; });
    };
    [[maybe_unused]] const bool caughtUp = QTest::qWaitFor([&] { return !overdue(); }, 1000);
}

std::string GuiSession::read(std::string_view control, Readable property)
{
    FormWidget &active = window();
    if ((control != "form" || property != Readable::Caption) && !active.form().find(control))
        throw ScenarioError("no control " + std::string(control) + " in " + active.objectName().toStdString());
    const std::optional<std::string> shown = readShown(active, control, property);
    if (!shown)
        throw ScenarioError("no property " + std::string(nameOf(property)) + " of " + std::string(control));
    return *shown;
}

Form *GuiSession::activeForm()
{
    FormWidget *active = m_platform.activeWindow();
    return active ? &active->form() : nullptr;
}

void GuiSession::open(std::string_view window)
{
    m_platform.showModal(window);
    settle();
}

std::string GuiSession::activeWindow()
{
    const FormWidget *active = m_platform.activeWindow();
    return active ? active->objectName().toStdString() : "none";
}
