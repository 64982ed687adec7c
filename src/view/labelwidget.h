#pragma once

#include <QLabel>

// A caption that reports clicks, which Qt's label does not. Its text wraps at
// word boundaries, unless the label is only one line high: then the line shows
// whole (clipped at the edge) instead of losing its tail to a hidden second line.
class LabelWidget : public QLabel {
    Q_OBJECT
public:
    explicit LabelWidget(QWidget *parent);

signals:
    void clicked();

protected:
    void changeEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void updateWrapping();

    bool m_pressed = false;
};
