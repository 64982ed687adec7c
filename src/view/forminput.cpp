// SPDX-License-Identifier: GPL-3.0-or-later
#include "forminput.h"

#include "appearance.h"
#include "controlwidgets.h"
#include "labelwidget.h"
#include "tabcontrolwidget.h"
#include "textboxfilter.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTextEdit>

FormInput::FormInput(Form &form)
    : m_form(form)
{
}

void FormInput::wire(Control &control, QWidget *widget)
{
    QWidget *mouseTarget = widget;
    switch (control.kind()) {
    case Kind::Label:
        connect(static_cast<LabelWidget *>(widget), &LabelWidget::clicked, this, [this, &control] {
            m_form.click(control);
        });
        break;
    case Kind::TextBox:
        if (auto *area = qobject_cast<QTextEdit *>(widget)) {
            connect(area, &QTextEdit::textChanged, this, [this, &control, area] {
                m_form.edit(control, toModelLines(area->toPlainText()));
            });
            mouseTarget = area->viewport();
        } else {
            auto *line = static_cast<QLineEdit *>(widget);
            connect(line, &QLineEdit::textEdited, this, [this, &control](const QString &text) {
                m_form.edit(control, text.toStdString());
            });
            // Typing, pasting and undoing leave an undo history; setText, the way an assistive tool
            // edits a box, leaves none (the model's own writes come with signals blocked).
            connect(line, &QLineEdit::textChanged, this, [this, &control, line](const QString &text) {
                if (!line->isUndoAvailable() && !line->isRedoAvailable())
                    takeOutsideEdit(control, line, text);
            });
        }
        break;
    case Kind::CommandButton:
        connect(static_cast<QPushButton *>(widget), &QPushButton::clicked, this, [this, &control] {
            m_form.click(control);
        });
        m_inputOf.emplace(widget, &control);
        widget->installEventFilter(this);
        break;
    case Kind::TabControl:
        connect(static_cast<TabControlWidget *>(widget)->tabBar(), &QTabBar::currentChanged, this,
                [this, &control](int page) { m_form.showPage(control, page); });
        break;
    default:
        break;
    }
    if (m_form.hasHandler(control, Event::MouseMove)) {
        mouseTarget->setMouseTracking(true);
        m_inputOf.emplace(mouseTarget, &control);
        mouseTarget->installEventFilter(this);
    }
}

// A text set from outside goes through the key filter as if typed, and the box then shows what the model took.
void FormInput::takeOutsideEdit(Control &box, QLineEdit *line, const QString &text)
{
    auto *filter = line->findChild<TextBoxFilter *>(QString(), Qt::FindDirectChildrenOnly);
    m_form.edit(box, filter->typed(qText(box.text()), text).toStdString());
    showText(box, line);
}

bool FormInput::eventFilter(QObject *watched, QEvent *event)
{
    const auto input = m_inputOf.find(watched);
    if (input == m_inputOf.end())
        return false;
    Control &control = *input->second;
    if (event->type() == QEvent::MouseMove && static_cast<QWidget *>(watched)->isEnabled()) {
        m_form.mouseMove(control);
    } else if (event->type() == QEvent::KeyPress && control.kind() == Kind::CommandButton) {
        // Enter presses the focused button, as the keyboard user expects.
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            static_cast<QPushButton *>(watched)->click();
            return true;
        }
    }
    return false;
}
