#include "applicationsetup.h"

#include "appicon.h"

#include <QApplication>
#include <QIcon>

void setUpApplication()
{
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setWindowIcon(applicationIcon());
    // Desktops match the windows to the desktop entry and its icon by this name.
    QApplication::setDesktopFileName(QStringLiteral(GEOMIRA_APP_ID));
    // The program ends when its windows say so: the main window goes before the greeting comes.
    QApplication::setQuitOnLastWindowClosed(false);
}
