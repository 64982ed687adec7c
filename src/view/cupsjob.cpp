// SPDX-License-Identifier: GPL-3.0-or-later
#include "cupsjob.h"

#include <QLibrary>
#include <QString>

namespace {
// libcups's own signature; no options are passed, so they stay opaque here.
using PrintFile = int (*)(const char *queue, const char *file, const char *title, int optionCount, void *options);
} // namespace

bool submitPrintJob(const QString &queue, const QString &pdfFile, const QString &title)
{
    // CUPS's library is loaded when the first page is printed, not at start:
    // it brings some thirty libraries with it that no window needs. Qt keeps it
    // loaded from then on, so each later page only looks the function up.
    const auto printFile = reinterpret_cast<PrintFile>(QLibrary::resolve(QStringLiteral("cups"), 2, "cupsPrintFile"));
    if (!printFile)
        return false;
    // A job number is CUPS's word that it has the job; 0 is its refusal.
    return printFile(queue.toLocal8Bit().constData(), pdfFile.toLocal8Bit().constData(), title.toUtf8().constData(), 0,
                     nullptr) > 0;
}
