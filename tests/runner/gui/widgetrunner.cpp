// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgetrunner.h"

#include "guisession.h"

#include <QApplication>

std::function<std::unique_ptr<Session>()> widgetSessions(int &argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The application lives as long as the maker of sessions, and so outlives every session.
    auto app = std::make_shared<QApplication>(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setQuitOnLastWindowClosed(false);
    return [app]() -> std::unique_ptr<Session> { return std::make_unique<GuiSession>(); };
}
