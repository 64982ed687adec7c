// SPDX-License-Identifier: GPL-3.0-or-later
#include "qtplatform.h"

#include "accessibility.h"
#include "appearance.h"
#include "catalog.h"
#include "formwidget.h"

#include <QApplication>
#include <QMessageBox>
#include <QWindow>

#include <algorithm>
#include <utility>

namespace {
// A printed window fills the width of an A4 or Letter page: drawn at four
// image pixels to the window's pixel, it prints at about 330 dots per inch.
constexpr qreal printPixelRatio = 4;
} // namespace

QtPlatform::QtPlatform()
    : QtPlatform(m_desktopWaiting, m_defaultPrinter)
{
}

QtPlatform::QtPlatform(Waiting &waiting, PrintTarget &printer, EventListener *listener)
    : m_waiting(waiting)
    , m_printer(printer)
    , m_listener(listener)
{
    installAccessibility();
}

// The windows are top-level widgets without a parent: those still open go with
// the program, and so do those closed a moment ago and waiting to be deleted.
QtPlatform::~QtPlatform()
{
    for (FormWidget *window : m_open)
        delete window;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void QtPlatform::start(std::string_view formName)
{
    FormWidget *window = load(formName);
    if (!window)
        return;
    m_main = window;
    window->form().formEvent(Event::Load);
    if (isOpen(window))
        window->show();
}

FormWidget *QtPlatform::activeWindow() const
{
    return m_open.empty() ? nullptr : m_open.back();
}

FormWidget *QtPlatform::mainWindow() const
{
    return isOpen(m_main) ? m_main.data() : nullptr;
}

void QtPlatform::beep()
{
    QApplication::beep();
    report("beep");
}

void QtPlatform::showMessage(std::string_view prompt, std::string_view title)
{
    QMessageBox box(QMessageBox::Warning, qText(title), qText(prompt), QMessageBox::Ok, activeWindow());
    m_waiting.answer(box);
}

bool QtPlatform::print(const Form &form)
{
    const auto window = std::find_if(m_open.begin(), m_open.end(), [&](FormWidget *w) { return &w->form() == &form; });
    if (window == m_open.end() || !m_printer.print((*window)->grabClient(printPixelRatio), (*window)->windowTitle()))
        return false;
    report("print");
    return true;
}

bool QtPlatform::canShow(std::string_view formName) const
{
    return hasWindow(formName);
}

void QtPlatform::showModal(std::string_view formName)
{
    FormWidget *window = load(formName);
    if (!window)
        return;
    report("show " + window->form().name());
    window->setWindowModality(Qt::ApplicationModal);
    // The window manager keeps it over the main window, and out of the task bar.
    if (m_main) {
        window->winId();
        window->windowHandle()->setTransientParent(m_main->windowHandle());
    }
    window->form().formEvent(Event::Load);
    // Its Load may have unloaded it, or ended the program.
    if (!isOpen(window))
        return;
    window->show();
    m_waiting.whileOpen(*window);
}

void QtPlatform::unload(Form &form)
{
    const auto open = std::find_if(m_open.begin(), m_open.end(), [&](FormWidget *w) { return &w->form() == &form; });
    if (open == m_open.end())
        return;
    FormWidget *window = *open;
    m_open.erase(open);
    report("close " + form.name());
    window->unload();
}

void QtPlatform::endProgram()
{
    if (m_ended)
        return;
    m_ended = true;
    report("end");
    const std::vector<FormWidget *> open = std::exchange(m_open, {});
    for (auto window = open.rbegin(); window != open.rend(); ++window)
        (*window)->unload();
    m_waiting.programEnded();
}

FormWidget *QtPlatform::load(std::string_view formName)
{
    std::unique_ptr<Form> form = createWindow(formName, *this);
    if (!form)
        return nullptr;
    auto *window = new FormWidget(std::move(form));
    m_open.push_back(window);
    return window;
}

bool QtPlatform::isOpen(const FormWidget *window) const
{
    return window && std::find(m_open.begin(), m_open.end(), window) != m_open.end();
}

void QtPlatform::report(const std::string &event) const
{
    if (m_listener)
        m_listener->heard(event);
}
