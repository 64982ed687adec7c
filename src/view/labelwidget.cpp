// SPDX-License-Identifier: GPL-3.0-or-later
#include "labelwidget.h"

#include "shapewidget.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMouseEvent>

#include <algorithm>

LabelWidget::LabelWidget(QWidget *parent)
    : QLabel(parent)
    , m_natural(font())
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
    // A number has no word to wrap at.
    setWordWrap(false);
    setAccessibleName(describingCaption);
    setAccessibleDescription(text());
    fitText();
}

void LabelWidget::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange && !m_fitting) {
        m_natural = font();
        fitText();
    }
}

// A result's only menu: its whole text as the window holds it, for a document or another program.
void LabelWidget::contextMenuEvent(QContextMenuEvent *event)
{
    if (!m_showsResult) {
        QLabel::contextMenuEvent(event);
        return;
    }
    auto *menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QAction *copy = menu->addAction(QStringLiteral("Copia"));
    copy->setEnabled(!text().isEmpty());
    connect(copy, &QAction::triggered, this, [this] { QGuiApplication::clipboard()->setText(text()); });
    menu->popup(event->globalPos());
    event->accept();
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
    QFont natural = m_natural;
    natural.setStretch(QFont::AnyStretch);
    const QFont fitted = m_showsResult ? fittedResult(natural) : fittedCaption(natural);
    if (fitted != font())
        setFont(fitted);
    m_fitting = false;
}

QFont LabelWidget::fittedCaption(const QFont &natural)
{
    const QFontMetrics metrics(natural);
    const bool oneLine = height() < 2 * metrics.lineSpacing();
    setWordWrap(!oneLine);
    // A face with a taller ascent than the window's own (P052 for Book Antiqua) would put the
    // baseline below a box that fitted the letter: such a line is centred on the box instead.
    const Qt::Alignment vertical = oneLine && metrics.ascent() > height() ? Qt::AlignVCenter : Qt::AlignTop;
    setAlignment((alignment() & ~Qt::AlignVertical_Mask) | vertical);
    QFont fitted = natural;
    // Condensed by at most a fifth: beyond that the text had better be clipped.
    const int room = captionRoom();
    if (oneLine && room > 0) {
        const int needed = metrics.horizontalAdvance(text());
        if (needed > room)
            fitted.setStretch(std::max(80, 100 * room / needed));
    }
    return fitted;
}

// The box, less any part of it under the outline of a shape drawn around the caption: the
// closing window's greeting ends at the window's edge, inside its thick frame.
int LabelWidget::captionRoom() const
{
    int right = geometry().right();
    if (parentWidget()) {
        for (const ShapeWidget *shape : parentWidget()->findChildren<ShapeWidget *>(Qt::FindDirectChildrenOnly)) {
            if (!shape->isHidden() && shape->geometry().contains(geometry().center()))
                right = std::min(right, shape->geometry().right() - shape->borderWidth());
        }
    }
    return right - geometry().left() + 1;
}

// A number cut at the edge reads as another number, so the font gets as small as the whole text needs.
QFont LabelWidget::fittedResult(const QFont &natural) const
{
    QFont fitted = natural;
    const qreal room = contentsRect().width();
    if (room <= 0 || text().isEmpty())
        return fitted;
    // Hinting keeps the advance from shrinking exactly with the size: a few steps make sure.
    for (qreal needed = QFontMetricsF(fitted).horizontalAdvance(text());
         needed > room && fitted.pointSizeF() > 1; needed = QFontMetricsF(fitted).horizontalAdvance(text()))
        fitted.setPointSizeF(std::max(1.0, fitted.pointSizeF() * std::min(0.95, room / needed)));
    return fitted;
}
