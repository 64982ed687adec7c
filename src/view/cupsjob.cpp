#include "cupsjob.h"

#include <QString>

#include <cups/cups.h>

bool submitPrintJob(const QString &queue, const QString &pdfFile, const QString &title)
{
    // A job number is CUPS's word that it has the job; 0 is its refusal.
    return cupsPrintFile(queue.toLocal8Bit().constData(), pdfFile.toLocal8Bit().constData(),
                         title.toUtf8().constData(), 0, nullptr) > 0;
}
