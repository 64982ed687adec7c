// SPDX-License-Identifier: GPL-3.0-or-later
#include "textboxfilter.h"

#include "form.h"
#include "keys.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace {
using keys::backspace;
using keys::enter;
using keys::escape;

Qt::Key keyFor(int code)
{
    switch (code) {
    case backspace: return Qt::Key_Backspace;
    case enter: return Qt::Key_Return;
    case escape: return Qt::Key_Escape;
    default: return Qt::Key_unknown;
    }
}
} // namespace

TextBoxFilter::TextBoxFilter(Form &form, Control &box, QObject *parent)
    : QObject(parent)
    , m_form(form)
    , m_box(box)
{
}

int TextBoxFilter::characterCode(const QKeyEvent &event)
{
    const int key = event.key();
    if ((event.modifiers() & Qt::ControlModifier) && key >= Qt::Key_A && key <= Qt::Key_Z)
        return key - Qt::Key_A + 1;
    if (event.text().isEmpty() || key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Delete)
        return 0;
    return event.text().at(0).unicode();
}

// Enter and Escape never reach the window; only a multi-line box takes Enter, as a line break.
bool TextBoxFilter::reachesBox(int typed) const
{
    return typed != 0 && typed != escape && (typed != enter || (m_box.design().isMultiLine() && !m_box.design().isLocked()));
}

QString TextBoxFilter::typed(const QString &before, const QString &after)
{
    qsizetype prefix = 0;
    while (prefix < before.size() && prefix < after.size() && before[prefix] == after[prefix])
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < before.size() - prefix && suffix < after.size() - prefix
           && before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    const QString gone = before.mid(prefix, before.size() - prefix - suffix);
    QString kept;
    for (qsizetype i = gone.size(); i-- > 0;) {
        if (m_form.keyPress(m_box, backspace) != backspace)
            kept.prepend(gone[i]);
    }
    QString added;
    for (const QChar character : after.mid(prefix, after.size() - prefix - suffix)) {
        const int code = m_form.keyPress(m_box, character.unicode());
        if (code == backspace)
            added.chop(1);
        else if (reachesBox(code))
            added += QChar(code);
    }
    return before.left(prefix) + kept + added + before.right(suffix);
}

bool TextBoxFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || m_replaying)
        return false;
    const auto *press = static_cast<QKeyEvent *>(event);
    const int code = characterCode(*press);
    if (code == 0)
        return false;
    const int typed = m_form.keyPress(m_box, code);
    if (!reachesBox(typed))
        return true;
    if (typed == code)
        return false;
    // The handler changed the character: the box gets the new one instead.
    QKeyEvent replacement(QEvent::KeyPress, keyFor(typed), Qt::NoModifier, QString(QChar(typed)));
    m_replaying = true;
    QCoreApplication::sendEvent(watched, &replacement);
    m_replaying = false;
    return true;
}
