// SPDX-License-Identifier: GPL-3.0-or-later
// The sphere's Stampa button, pressed on the real widgets with the system's
// default printer: the CUPS queue that writes PDF files, set up by
// cups-print.sh, then the same queue refusing jobs. Every window prints through
// the same platform call, whose answer the window rows check for each Stampa button.
#include "form.h"
#include "formwidget.h"
#include "qtplatform.h"
#include "stepwiseseams.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMessageBox>
#include <QPrinterInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>

namespace {
// The printed window and the window on the screen, brought to one size, correlate
// by 0.9 or more; a mirrored window by 0.2 at most, and a blank page not at all.
constexpr double minimumLikeness = 0.7;
constexpr int rasterDpi = 30;
constexpr int minimumImageDpi = 300;

// The sphere's window on the real widgets, printing on the system's default
// printer; Stampa is pressed once, and what it did is logged.
struct Printing {
    Printing() { platform.start("frmSfera"); }
    FormWidget &window() const { return *platform.activeWindow(); }
    void press()
    {
        QTest::mouseClick(window().controlWidget("cmdStampa"), Qt::LeftButton);
        QCoreApplication::processEvents();
    }

    EventLog log;
    int messages = 0;
    StepwiseWaiting waiting{[this](QMessageBox &box) {
        ++messages;
        box.button(QMessageBox::Ok)->click();
    }};
    PrintTarget systemPrinter;
    QtPlatform platform{waiting, systemPrinter, &log};
};

// The one new PDF file in the queue's output folder once cups-pdf has written
// it whole, up to its end-of-file mark; empty while there is none.
QString printedFile(const QDir &output, const QStringList &before)
{
    QStringList added = output.entryList({"*.pdf"}, QDir::Files);
    for (const QString &old : before)
        added.removeOne(old);
    QFile file(added.size() == 1 ? output.filePath(added.first()) : QString());
    const bool whole = file.open(QIODevice::ReadOnly) && file.size() >= 32 && file.seek(file.size() - 32)
        && file.readAll().contains("%%EOF");
    return whole ? file.fileName() : QString();
}

// The PDF file's pages as grey images.
QList<QImage> rasterise(const QString &pdf)
{
    const QTemporaryDir folder;
    QList<QImage> pages;
    if (QProcess::execute("pdftoppm", {"-r", QString::number(rasterDpi), "-gray", pdf, folder.filePath("page")}) == 0)
        for (const QString &file : QDir(folder.path()).entryList({"page*.pgm"}, QDir::Files, QDir::Name))
            pages << QImage(folder.filePath(file)).convertToFormat(QImage::Format_Grayscale8);
    return pages;
}

// The smaller of the pixels per inch across and down of each image in the PDF file.
QList<int> imageResolutions(const QString &pdf)
{
    QProcess list;
    list.start("pdfimages", {"-list", pdf});
    list.waitForFinished();
    QList<int> resolutions;
    // Below two lines of headings, a line for each image, its pixels per inch in the 13th and 14th columns.
    for (const QString &line : QString::fromLocal8Bit(list.readAllStandardOutput()).split('\n').mid(2))
        if (const QStringList columns = line.split(' ', Qt::SkipEmptyParts); columns.size() > 13)
            resolutions << std::min(columns[12].toInt(), columns[13].toInt());
    return resolutions;
}

// The smallest rectangle that holds the pixels clearly not paper white.
QRect inkedArea(const QImage &grey)
{
    QRect area;
    for (int y = 0; y < grey.height(); ++y)
        for (int x = 0; x < grey.width(); ++x)
            if (grey.constScanLine(y)[x] < 240)
                area |= QRect(x, y, 1, 1);
    return area;
}

// How alike two grey images of one size are: the correlation of their pixels, 1 for the same picture.
double likeness(const QImage &a, const QImage &b)
{
    double sumA = 0, sumB = 0, sumAA = 0, sumBB = 0, sumAB = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const double pa = a.constScanLine(y)[x], pb = b.constScanLine(y)[x];
            sumA += pa, sumB += pb, sumAA += pa * pa, sumBB += pb * pb, sumAB += pa * pb;
        }
    const double n = static_cast<double>(a.width()) * a.height();
    return (sumAB - sumA * sumB / n) / std::sqrt((sumAA - sumA * sumA / n) * (sumBB - sumB * sumB / n));
}
} // namespace

class SystemPrintTest : public QObject {
    Q_OBJECT
private slots:
    void printsOnTheDefaultPrinterThenReportsItsRefusal();
};

void SystemPrintTest::printsOnTheDefaultPrinterThenReportsItsRefusal()
{
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    QVERIFY2(!printer.isNull(), "no default printer");
    const QDir output(qEnvironmentVariable("GEOMIRA_PRINT_OUTPUT"));
    const QStringList before = output.entryList({"*.pdf"}, QDir::Files);
    Printing printing;
    QVERIFY(QTest::qWaitForWindowExposed(&printing.window()));
    const QImage shown = printing.window().grabClient(1).toImage().convertToFormat(QImage::Format_Grayscale8);
    printing.press();
    QCOMPARE(printing.log.events, std::vector<std::string>{"print"});
    QCOMPARE(printing.messages, 0);

    // CUPS takes the job and prints it later: wait for its file.
    QString pdf;
    QVERIFY2(QTest::qWaitFor([&] { return !(pdf = printedFile(output, before)).isEmpty(); }, 180000),
             "no PDF file from the print queue");
    const QList<QImage> pages = rasterise(pdf);
    QCOMPARE(pages.size(), 1);
    const QImage &page = pages.first();
    // On the printer's own paper.
    const QSize paper = printer.defaultPageSize().sizePixels(rasterDpi);
    QVERIFY2(std::abs(page.width() - paper.width()) <= 1 && std::abs(page.height() - paper.height()) <= 1,
             "the page is not of the printer's paper size");
    // The page shows the window: undistorted, and like it pixel for pixel once brought to one size.
    const QRect area = inkedArea(page);
    QVERIFY2(area.width() > page.width() / 2, "the printed window does not fill the page's width");
    const double aspect = (static_cast<double>(area.width()) / area.height()) / (static_cast<double>(shown.width()) / shown.height());
    const double like = likeness(page.copy(area), shown.scaled(area.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    qInfo("%s: %dx%d for the window's %dx%d, likeness %.2f", qPrintable(pdf), area.width(), area.height(),
          shown.width(), shown.height(), like);
    QVERIFY2(std::abs(aspect - 1) < 0.03, "the printed window is distorted");
    QVERIFY2(like >= minimumLikeness, "the printed page does not show the window");
    // Sharp on paper: one image of the printer's resolution, not of the screen's.
    const QList<int> resolutions = imageResolutions(pdf);
    QCOMPARE(resolutions.size(), 1);
    qInfo("the window's image: %d dots per inch", resolutions.first());
    QVERIFY2(resolutions.first() >= minimumImageDpi, "the printed window is not sharp");

    // A queue that refuses jobs: CUPS answers at once that it will not print, and
    // the window rows check the message that follows.
    QCOMPARE(QProcess::execute("cupsreject", {printer.printerName()}), 0);
    Printing refused;
    refused.press();
    QVERIFY(refused.log.events.empty());
    QCOMPARE(refused.messages, 1);
}

QTEST_MAIN(SystemPrintTest)
#include "systemprint_test.moc"
