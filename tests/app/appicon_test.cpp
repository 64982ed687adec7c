// SPDX-License-Identifier: GPL-3.0-or-later
#include "appicon.h"

#include <QIcon>
#include <QImage>
#include <QTest>

// Every window shows the images rendered from the icon's drawing: the blue-to-black
// gradient, the grey circle and its red centre, at the sizes that window managers
// ask for, the small ones as images of their own.
class AppIconTest final : public QObject {
    Q_OBJECT

private slots:
    void showsTheDrawingAtEachSize()
    {
        const QIcon icon = applicationIcon();
        for (const int size : {16, 32, 48}) {
            const QImage image = icon.pixmap(QSize(size, size), 1.0).toImage();
            QCOMPARE(image.size(), QSize(size, size));
            QVERIFY(size > 32 || icon.availableSizes().contains(QSize(size, size)));
            const QRgb top = image.pixel(size / 2, 0), bottom = image.pixel(size / 2, size - 1);
            const QRgb centre = image.pixel(size / 2, size / 2);
            QVERIFY2(qBlue(top) > 200 && qRed(top) < 60 && qGreen(top) < 60, "blue at the top");
            QVERIFY2(qAlpha(bottom) == 255 && qBlue(bottom) < 60, "black at the bottom");
            QVERIFY2(qRed(centre) > 200 && qGreen(centre) < 80 && qBlue(centre) < 80, "a red centre");
            QVERIFY2(qAlpha(image.pixel(0, 0)) < 128, "rounded corners");
        }
    }
};

QTEST_MAIN(AppIconTest)
#include "appicon_test.moc"
