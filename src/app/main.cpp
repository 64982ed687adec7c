// SPDX-License-Identifier: GPL-3.0-or-later
// Geomira: the main window, and from its menu every other window.
#include "applicationsetup.h"
#include "commandline.h"
#include "formwidget.h"
#include "qtplatform.h"

#include <QApplication>
#include <QtGlobal>

#include <iostream>

int main(int argc, char **argv)
{
    if (const auto status = answerCommandLine(argc, argv))
        return *status;
    // Without a display Qt would abort with a message about plugins; say what is missing instead.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        std::cerr << "Geomira ha bisogno di uno schermo grafico: né DISPLAY né WAYLAND_DISPLAY è impostata.\n"
                     "Su una macchina senza, provare: xvfb-run geomira\n"
                     "Geomira needs a graphical display: neither DISPLAY nor WAYLAND_DISPLAY is set.\n"
                     "On a machine without one, try: xvfb-run geomira\n";
        return 1;
    }
    QApplication app(argc, argv);
    setUpApplication();

    QtPlatform platform;
    platform.start("frmGeomira");
    return QApplication::exec();
}
