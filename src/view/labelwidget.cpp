#include "labelwidget.h"

#include <QMouseEvent>

#include <algorithm>

LabelWidget::LabelWidget(QWidget *parent)
    : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    fitText();
}

void LabelWidget::setCaption(const QString &text)
{
    setText(text);
    fitText();
    if (m_showsResult)
        setAccessibleDescription(text);
}

void LabelWidget::showResultOf(const QString &describingCaption)
{
    m_showsResult = true;
    setAccessibleName(describingCaption);
    setAccessibleDescription(text());
}

void LabelWidget::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fitText();
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
    fitText();
}

void LabelWidget::fitText()
{
    if (m_fitting)
        return;
    m_fitting = true;
    // Any stretch, as the other controls ask for it: the same font engine, where Unstretched would
    // load a second one of the same face and size, at a cost on every window's first opening.
    QFont natural = font();
    natural.setStretch(QFont::AnyStretch);
    const QFontMetrics metrics(natural);
    const bool oneLine = height() < 2 * metrics.lineSpacing();
    setWordWrap(!oneLine);
    QFont fitted = natural;
    // Condensed by at most a fifth: beyond that the text had better be clipped.
    if (oneLine && width() > 0) {
        const int needed = metrics.horizontalAdvance(text());
        if (needed > width())
            fitted.setStretch(std::max(80, 100 * width() / needed));
    }
    if (fitted != font())
        setFont(fitted);
    m_fitting = false;
}
