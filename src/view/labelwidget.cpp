// SPDX-License-Identifier: GPL-3.0-or-later
#include "labelwidget.h"

#include "shapewidget.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

#include <algorithm>
#include <cmath>

namespace {
// The smallest sizes that still read well on a screen of 96 dots per inch.
constexpr qreal legibleResultPoints = 7;
constexpr qreal legibleEchoPoints = 5.5;

qreal advance(const QFont &font, const QString &text)
{
    return QFontMetricsF(font).horizontalAdvance(text);
}

// The font, made smaller until the text fits the room or the font reaches the floor.
QFont shrunkToFit(QFont font, const QString &text, qreal room, qreal floor)
{
    // Hinting keeps the advance from shrinking exactly with the size: a few steps make sure.
    for (qreal needed = advance(font, text); needed > room && font.pointSizeF() > floor; needed = advance(font, text))
        font.setPointSizeF(std::max(floor, font.pointSizeF() * std::min(0.95, room / needed)));
    return font;
}
} // namespace

LabelWidget::LabelWidget(QWidget *parent)
    : QLabel(parent)
    , m_natural(font())
{
    setTextFormat(Qt::PlainText);
    fitText();
}

void LabelWidget::place(const QRect &box)
{
    m_placed = box;
    setGeometry(box);
    fitText();
}

void LabelWidget::setCaption(const QString &text)
{
    setText(text);
    fitText();
    if (m_fit == Fit::Result)
        setAccessibleDescription(text);
}

void LabelWidget::showResultOf(const QString &describingCaption)
{
    m_fit = Fit::Result;
    // A number has no word to wrap at.
    setWordWrap(false);
    setAccessibleName(describingCaption);
    setAccessibleDescription(text());
    fitText();
}

void LabelWidget::showEcho()
{
    m_fit = Fit::Echo;
    setWordWrap(false);
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
    if (m_fit != Fit::Result) {
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

// An echo too long for its box at the smallest legible size ends in an ellipsis where
// it is drawn; the label's text stays whole.
void LabelWidget::paintEvent(QPaintEvent *event)
{
    if (!m_elided) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    drawFrame(&painter);
    const QRect room = contentsRect();
    const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, room.width());
    style()->drawItemText(&painter, room, alignment(), palette(), isEnabled(), shown, foregroundRole());
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
    QFont fitted;
    switch (m_fit) {
    case Fit::Caption:
        fitted = fittedCaption(natural);
        break;
    case Fit::Echo:
        fitted = fittedEcho(natural);
        break;
    case Fit::Result:
        fitted = fittedResult(natural);
        break;
    }
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

QFont LabelWidget::fittedEcho(const QFont &natural)
{
    const qreal room = contentsRect().width();
    const QFont fitted = shrunkToFit(natural, text(), room, std::min(natural.pointSizeF(), legibleEchoPoints));
    const bool elided = advance(fitted, text()) > room;
    if (elided != m_elided) {
        m_elided = elided;
        update();
    }
    setAccessibleDescription(m_elided ? text() : QString());
    return fitted;
}

// A number cut at the edge reads as another number, so the font gets as small as
// the whole text needs; but before it gets too small to read, the label grows to
// the right over free space, and back when the number is short again.
QFont LabelWidget::fittedResult(const QFont &natural)
{
    QRect box = m_placed;
    const int chrome = width() - contentsRect().width();
    const qreal legible = std::min(natural.pointSizeF(), legibleResultPoints);
    QFont fitted = shrunkToFit(natural, text(), box.width() - chrome, legible);
    const qreal needed = advance(fitted, text());
    if (needed > box.width() - chrome) {
        const int wanted = static_cast<int>(std::ceil(needed)) + chrome;
        box.setWidth(std::clamp(wanted, box.width(), freeRight() - box.left() + 1));
        fitted = shrunkToFit(fitted, text(), box.width() - chrome, 1);
    }
    if (box != geometry())
        setGeometry(box);
    return fitted;
}

// The rightmost column a result may grow to: its container's edge, or the
// nearest control to the right of its box on any of its lines.
int LabelWidget::freeRight() const
{
    const QWidget *container = parentWidget();
    if (!container)
        return m_placed.right();
    int right = container->contentsRect().right();
    for (const QWidget *other : container->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        const QRect at = other->geometry();
        if (other != this && at.left() > m_placed.right() && at.top() <= m_placed.bottom() && at.bottom() >= m_placed.top())
            right = std::min(right, at.left() - 1);
    }
    return std::max(right, m_placed.right());
}
