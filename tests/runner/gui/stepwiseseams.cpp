// SPDX-License-Identifier: GPL-3.0-or-later
#include "stepwiseseams.h"

#include <QMessageBox>
#include <QPageSize>
#include <QPushButton>
#include <QTemporaryDir>

StepwiseWaiting::StepwiseWaiting(Answer answer)
    : m_answer(std::move(answer))
{
}

void StepwiseWaiting::answer(QMessageBox &box)
{
    box.setWindowModality(Qt::ApplicationModal);
    box.show();
    if (m_answer)
        m_answer(box);
    else
        box.button(QMessageBox::Ok)->click();
}

bool TrialPrinter::print(const QPixmap &image, const QString &)
{
    if (!m_on)
        return false;
    const QTemporaryDir folder;
    return folder.isValid() && writePdfPage(image, folder.filePath(QStringLiteral("geomira.pdf")), QPageSize(QPageSize::A4));
}
