// SPDX-License-Identifier: GPL-3.0-or-later
#include "formbackground.h"

#include "appearance.h"

#include <QPainter>
#include <QWidget>

FormBackground::FormBackground(const Form &form)
    : m_form(form)
{
}

void FormBackground::fill(QWidget &window) const
{
    QPalette background = window.palette();
    background.setColor(QPalette::Window, toQColor(m_form.backColor()));
    window.setPalette(background);
    window.setAutoFillBackground(true);
}

// The scale height divides the client area into bands: bands 1 to 255 run from
// bright blue to black, and what lies below them keeps the back colour.
void FormBackground::paint(QWidget &window, const QRect &client) const
{
    if (!m_form.design().gradient)
        return;
    const int bands = m_form.design().scaleHeight;
    QPainter painter(&window);
    for (int band = 1; band <= 255; ++band) {
        const int top = (band - 1) * client.height() / bands;
        const int bottom = band * client.height() / bands;
        painter.fillRect(client.left(), client.top() + top, client.width(), bottom - top, QColor(0, 0, 255 - band));
    }
}
