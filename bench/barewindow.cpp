// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for Geomira's start-up: a bare Qt Widgets window with one menu.
#include "firstpaintprobe.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&Menù"))->addAction(QStringLiteral("Chiudi"));
    window.resize(659, 473);
    window.show();
    exitOnFirstPaint(&window);
    return QApplication::exec();
}
