// SPDX-License-Identifier: GPL-3.0-or-later
#include "applicationsetup.h"

#include "appicon.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QPixmapCache>
#include <QTranslator>

void setUpApplication()
{
    QApplication::setStyle(QStringLiteral("Fusion"));
    // Fusion caches its drawings of buttons, boxes and frames under keys that
    // carry each widget's own palette, so a closed window's drawings are never
    // found again, and their churn kept the heap growing by some kilobytes a
    // window. These small windows draw as fast without the cache.
    QPixmapCache::setCacheLimit(0);
    QApplication::setWindowIcon(applicationIcon());
    // Desktops match the windows to the desktop entry and its icon by this name.
    QApplication::setDesktopFileName(QStringLiteral(GEOMIRA_APP_ID));
    // The program ends when its windows say so: the main window goes before the greeting comes.
    QApplication::setQuitOnLastWindowClosed(false);
    // Qt's own texts (a box's right-click menu, say) in Italian like the program's, whatever the locale.
    auto *qtTexts = new QTranslator(qApp);
    if (qtTexts->load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qt"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(qtTexts);
}
