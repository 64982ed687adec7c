// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

class Control;
class Form;
class QKeyEvent;

// Puts every character typed into a text box through the box's KeyPress
// handler first, which may let it in, change it or swallow it. Keys that type
// nothing (arrows, Delete, Tab, Shift+Insert) reach the box untouched.
class TextBoxFilter : public QObject {
    Q_OBJECT
public:
    TextBoxFilter(Form &form, Control &box, QObject *parent);

    // The character a key press types: Ctrl+letter gives 1 to 26; 0 for none.
    static int characterCode(const QKeyEvent &event);
    // What typing would have made of a change from outside (an assistive tool
    // setting the text): each character gone is a Backspace, each new one a
    // key press, all through the KeyPress handler.
    QString typed(const QString &before, const QString &after);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool reachesBox(int typed) const;

    Form &m_form;
    Control &m_box;
    bool m_replaying = false;
};
