// SPDX-License-Identifier: GPL-3.0-or-later
#include "appicon.h"

#include <QIcon>
#include <QImage>
#include <QTest>

// Every window shows the images rendered from the icon's drawing: the blue-to-black
// gradient, the grey circle and its red centre, at the sizes that window managers ask for.
class AppIconTest final : public QObject {
    Q_OBJECT

private slots:
    void carriesTheSmallSizesAsImagesOfTheirOwn()
    {
        const QList<QSize> sizes = applicationIcon().availableSizes();
        QVERIFY(sizes.contains(QSize(16, 16)));
        QVERIFY(sizes.contains(QSize(32, 32)));
    }

    void showsTheDrawingAtEachSize_data()
    {
        QTest::addColumn<int>("size");
        for (const int size : {16, 32, 48})
            QTest::addRow("%d", size) << size;
    }

    void showsTheDrawingAtEachSize()
    {
        QFETCH(int, size);
        const QImage image = applicationIcon().pixmap(QSize(size, size), 1.0).toImage();
        QCOMPARE(image.size(), QSize(size, size));

        const QRgb top = image.pixel(size / 2, 0);
        QVERIFY2(qBlue(top) > 200 && qRed(top) < 60 && qGreen(top) < 60, "blue at the top");
        const QRgb bottom = image.pixel(size / 2, size - 1);
        QVERIFY2(qAlpha(bottom) == 255 && qBlue(bottom) < 60, "black at the bottom");
        const QRgb centre = image.pixel(size / 2, size / 2);
        QVERIFY2(qRed(centre) > 200 && qGreen(centre) < 80 && qBlue(centre) < 80, "a red centre");
        QVERIFY2(qAlpha(image.pixel(0, 0)) < 128, "rounded corners");
    }
};

QTEST_MAIN(AppIconTest)
#include "appicon_test.moc"
