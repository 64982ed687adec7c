// SPDX-License-Identifier: GPL-3.0-or-later
#include "qtplatform.h"

#include "appearance.h"
#include "catalog.h"
#include "cupsjob.h"
#include "formwidget.h"

#include <QApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <utility>

namespace {
// The image fills as much of the page as it can without being distorted.
bool paintOn(QPrinter &printer, const QPixmap &image)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRect page = painter.viewport();
    const QSize imageSize = image.deviceIndependentSize().toSize();
    const QSize printed = imageSize.scaled(page.size(), Qt::KeepAspectRatio);
    painter.setViewport(QRect(page.topLeft(), printed));
    painter.setWindow(QRect(QPoint(), imageSize));
    painter.drawPixmap(0, 0, image);
    return painter.end() && printer.printerState() != QPrinter::Error;
}
} // namespace

QtPlatform::QtPlatform(Modality modality, Printer printer)
    : m_modality(modality)
    , m_printer(printer)
{
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
    if (m_modality == Modality::Blocking) {
        box.exec();
        return;
    }
    box.setWindowModality(Qt::ApplicationModal);
    box.show();
    if (m_messageHandler)
        m_messageHandler(box);
}

bool QtPlatform::print(const Form &form)
{
    const auto window = std::find_if(m_open.begin(), m_open.end(), [&](FormWidget *w) { return &w->form() == &form; });
    if (window == m_open.end() || m_printer == Printer::Off)
        return false;
    QPrinterInfo queue;
    if (m_printer == Printer::System) {
        queue = QPrinterInfo::defaultPrinter();
        if (queue.isNull())
            return false;
    }
    // The page is made as a PDF file and then handed to the queue: Qt's own
    // print jobs pass for printed even when CUPS refuses them.
    const QTemporaryDir folder;
    if (!folder.isValid())
        return false;
    const QString file = folder.filePath(QStringLiteral("geomira.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    if (!queue.isNull())
        printer.setPageSize(queue.defaultPageSize());
    bool printed = paintOn(printer, (*window)->grabClient()) && QFileInfo(file).size() > 0;
    if (printed && !queue.isNull())
        printed = submitPrintJob(queue.printerName(), file, (*window)->windowTitle());
    if (printed)
        report("print");
    return printed;
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
    window->form().formEvent(Event::Load);
    // Its Load may have unloaded it, or ended the program.
    if (!isOpen(window))
        return;
    window->show();
    if (m_modality == Modality::Blocking) {
        QEventLoop loop;
        QObject::connect(window, &FormWidget::unloaded, &loop, &QEventLoop::quit);
        loop.exec();
    }
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
    // Only the program's own event loops are left here; a driver keeps Qt running for the next program.
    if (m_modality == Modality::Blocking)
        QCoreApplication::exit(0);
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
        m_listener(event);
}
