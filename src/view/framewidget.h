// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGroupBox>

// A frame drawn flat in its own colour: an etched edge with the caption over
// it, where the style would shade the inside of the box.
class FrameWidget : public QGroupBox {
    Q_OBJECT
public:
    explicit FrameWidget(QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
};
