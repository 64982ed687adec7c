// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form.h"

#include <QObject>

#include <map>

class QLineEdit;
class QWidget;

// Passes the user's clicks, edits, page changes, keys and mouse moves on a
// window's widgets to its model.
class FormInput final : public QObject {
    Q_OBJECT
public:
    explicit FormInput(Form &form);

    void wire(Control &control, QWidget *widget);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void takeOutsideEdit(Control &box, QLineEdit *line, const QString &text);

    Form &m_form;
    // The widgets that receive a control's mouse moves and keys (a text area's viewport, say).
    std::map<const QObject *, Control *> m_inputOf;
};
