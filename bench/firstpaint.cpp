// SPDX-License-Identifier: GPL-3.0-or-later
// Geomira's start as the program makes it (the application set up as Geomira's,
// the main window loaded by the platform), ending at the main window's first
// paint with the clock printed: the start-up benchmark's measure of the program.
#include "applicationsetup.h"
#include "firstpaintprobe.h"
#include "formwidget.h"
#include "qtplatform.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    setUpApplication();

    QtPlatform platform;
    platform.start("frmGeomira");
    exitOnFirstPaint(platform.mainWindow());
    return QApplication::exec();
}
