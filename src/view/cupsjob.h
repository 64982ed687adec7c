// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QString;

// Hands a PDF file to a CUPS queue as one print job. CUPS prints it later; the
// answer says whether it took the job, which it refuses when the queue does not
// accept jobs, the server is gone or the user may not print there.
bool submitPrintJob(const QString &queue, const QString &pdfFile, const QString &title);
