// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QWidget>

// A picture of the program's own, drawn by id and scaled to the control.
class ImageWidget : public QWidget {
    Q_OBJECT
public:
    ImageWidget(QString pictureId, QWidget *parent);

    QString pictureId() const { return m_pictureId; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_pictureId;
};
