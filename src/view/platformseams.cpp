// SPDX-License-Identifier: GPL-3.0-or-later
#include "platformseams.h"

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

void Waiting::answer(QMessageBox &box)
{
    box.exec();
}

void Waiting::whileOpen(FormWidget &window)
{
    QEventLoop loop;
    QObject::connect(&window, &FormWidget::unloaded, &loop, &QEventLoop::quit);
    loop.exec();
}

void Waiting::programEnded()
{
    QCoreApplication::exit(0);
}

// The page is made as a PDF file and then handed to the queue: Qt's own print
// jobs pass for printed even when CUPS refuses them.
bool PrintTarget::print(const QPixmap &image, const QString &title)
{
    const QPrinterInfo queue = QPrinterInfo::defaultPrinter();
    const QTemporaryDir folder;
    if (queue.isNull() || !folder.isValid())
        return false;
    const QString file = folder.filePath(QStringLiteral("geomira.pdf"));
    return writePdfPage(image, file, queue.defaultPageSize()) && submitPrintJob(queue.printerName(), file, title);
}

bool writePdfPage(const QPixmap &image, const QString &file, const QPageSize &pageSize)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    printer.setPageSize(pageSize);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRect page = painter.viewport();
    const QSize imageSize = image.deviceIndependentSize().toSize();
    const QSize printed = imageSize.scaled(page.size(), Qt::KeepAspectRatio);
    painter.setViewport(QRect(page.topLeft(), printed));
    painter.setWindow(QRect(QPoint(), imageSize));
    painter.drawPixmap(0, 0, image);
    return painter.end() && printer.printerState() != QPrinter::Error && QFileInfo(file).size() > 0;
}
