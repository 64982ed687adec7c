// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QLabel>

// A caption that reports clicks, which Qt's label does not. Its text wraps at
// word boundaries, unless the label is only one line high: then the line is
// condensed a little where the substitute font runs wider than the box, rather
// than losing its tail to a hidden second line or to the edge. A result is
// never cut: its font shrinks until the whole number fits, and a right click
// offers to copy it. An echo of a typed value shrinks its font too.
class LabelWidget : public QLabel {
    Q_OBJECT
public:
    explicit LabelWidget(QWidget *parent);

    // Where the window places the label; a result may grow to the right of it.
    void place(const QRect &box);
    void setCaption(const QString &text);
    // Makes the label a result's: a screen reader names it after the caption
    // that says what it shows, and reads the number it shows after the name.
    void showResultOf(const QString &describingCaption);
    // Makes the label an echo of what is typed into a box: one line, its font
    // as small as the text needs down to about 6 points, then the text ends in
    // an ellipsis and a screen reader reads the whole of it as the description.
    void showEcho();

signals:
    void clicked();

protected:
    void changeEvent(QEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    enum class Fit { Caption, Echo, Result };

    void fitText();
    QFont fittedCaption(const QFont &natural);
    int captionRoom() const;
    QFont fittedEcho(const QFont &natural);
    QFont fittedResult(const QFont &natural);
    int freeRight() const;

    // The font the window asks for; fitting only ever draws with a narrower or smaller one.
    QFont m_natural;
    // The box the window placed the label in.
    QRect m_placed;
    Fit m_fit = Fit::Caption;
    bool m_pressed = false;
    bool m_fitting = false;
    bool m_elided = false;
};
