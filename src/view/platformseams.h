// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

class FormWidget;
class QMessageBox;
class QPageSize;
class QPixmap;
class QString;

// Where the desktop program and a driver of its windows part ways. Each class
// behaves as the desktop does; a driver that steps through the program itself
// overrides what it needs.

// How the program waits for the user.
class Waiting {
public:
    virtual ~Waiting() = default;
    // A message box is up: returns once the user has answered it.
    virtual void answer(QMessageBox &box);
    // A modal window has just been shown: returns once it has closed.
    virtual void whileOpen(FormWidget &window);
    // The last window has gone: the program's event loop ends.
    virtual void programEnded();
};

// Where a printed page goes: the system's default printer.
class PrintTarget {
public:
    virtual ~PrintTarget() = default;
    // One page showing the window's image; false if it was not printed.
    virtual bool print(const QPixmap &image, const QString &title);
};

// Who hears of what the user would see or hear.
class EventListener {
public:
    virtual ~EventListener() = default;
    // "beep", "print", "show NAME", "close NAME", "end".
    virtual void heard(const std::string &event) = 0;
};

// Writes one page into a PDF file, the image filling as much of it as it can
// without being distorted; false if the file was not written.
bool writePdfPage(const QPixmap &image, const QString &file, const QPageSize &pageSize);
