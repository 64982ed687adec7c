// SPDX-License-Identifier: GPL-3.0-or-later
// geomira-screenshots DIR: saves an image of every window as it opens (each
// page of a tabbed window apart), drawn offscreen, for the README and for
// comparing the windows with their control tables; on another platform if
// QT_QPA_PLATFORM names one.
#include "appearance.h"
#include "catalog.h"
#include "form.h"
#include "formwidget.h"
#include "qtplatform.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>

#include <iostream>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::cerr << "usage: geomira-screenshots DIR\n";
        return 2;
    }
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    QtPlatform platform;
    for (const std::string_view name : windowNames()) {
        FormWidget window(createWindow(name, platform));
        window.form().formEvent(Event::Load);
        window.show();
        QApplication::processEvents();
        const QString stem = qText(name);
        window.grab().save(dir.filePath(stem + QStringLiteral(".png")));
        for (const auto &control : window.form().controls()) {
            if (control->kind() != Kind::TabControl)
                continue;
            for (int page = 1; page < static_cast<int>(control->design().pageCaptions().size()); ++page) {
                window.form().showPage(*control, page);
                QApplication::processEvents();
                window.grab().save(dir.filePath(stem + QStringLiteral("-%1.png").arg(page)));
            }
        }
    }
    return 0;
}
