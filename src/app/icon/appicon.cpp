// SPDX-License-Identifier: GPL-3.0-or-later
#include "appicon.h"

#include <QIcon>
#include <QSize>
#include <QString>

QIcon applicationIcon()
{
    // Only the names are recorded here: an image is read when a window asks for its size.
    QIcon icon;
    for (const int size : {GEOMIRA_WINDOW_ICON_SIZES})
        icon.addFile(QStringLiteral(":/icon/%1.png").arg(size), QSize(size, size));
    return icon;
}
