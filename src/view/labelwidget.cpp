#include "labelwidget.h"

#include <QMouseEvent>

LabelWidget::LabelWidget(QWidget *parent)
    : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    updateWrapping();
}

void LabelWidget::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        updateWrapping();
}

void LabelWidget::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

// A click is a press and a release on the label, as with a button.
void LabelWidget::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        emit clicked();
}

void LabelWidget::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    updateWrapping();
}

void LabelWidget::updateWrapping()
{
    setWordWrap(height() >= 2 * fontMetrics().lineSpacing());
}
