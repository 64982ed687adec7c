// Every print button of every window, pressed on the real widgets with the
// system's default printer: a CUPS queue that writes PDF files, and then no
// printer at all. cups-print.sh sets up the queue and runs the two tests.
#include "catalog.h"
#include "form.h"
#include "formwidget.h"
#include "printbuttons.h"
#include "qtplatform.h"
#include "tabcontrolwidget.h"

#include <QAbstractButton>
#include <QAction>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrinterInfo>
#include <QProcess>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include <chrono>
#include <cmath>

#include <memory>
#include <string>
#include <vector>

namespace {
// A printed page has at least this share of its pixels inked, where a blank one has
// none: a window scaled to the width of an A4 or Letter page covers two fifths or more.
constexpr double minimumInkedShare = 0.10;
// The printed window and the window on the screen, brought to one size, correlate
// by 0.9 or more; a mirrored window by 0.2 at most.
constexpr double minimumLikeness = 0.7;

// Where the test's queue writes its PDF files.
QString outputFolder()
{
    return qEnvironmentVariable("GEOMIRA_PRINT_OUTPUT");
}

struct Message {
    QString text;
    QString title;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
};

// One window of the program on the real widgets, printing on the system's default printer.
class PrintingWindow {
public:
    explicit PrintingWindow(const PrintButton &print)
        : m_platform(QtPlatform::Modality::NonBlocking, QtPlatform::Printer::System)
        , m_buttonName(print.button)
    {
        m_platform.setListener([this](const std::string &event) { events << QString::fromStdString(event); });
        m_platform.setMessageHandler([this](QMessageBox &box) {
            messages.push_back({box.text(), box.windowTitle(), box.icon(), box.standardButtons()});
            if (QAbstractButton *ok = box.button(QMessageBox::Ok))
                ok->click();
        });
        m_platform.start(print.window);
    }

    FormWidget &window() const { return *m_platform.activeWindow(); }
    Control &button() const { return *window().form().find(m_buttonName); }
    QWidget *buttonWidget() const { return window().controlWidget(m_buttonName); }

    // Brings the button within the user's reach: a button on a tab page is
    // reached by clicking its tab, and one that waits for a result (those of
    // the holes window) is enabled as the result would enable it. Whether the
    // model then counts it within reach.
    bool reach()
    {
        for (Control *control = &button(); control;) {
            control->setEnabled(true);
            control->setVisible(true);
            Control *holder = control->container().empty() ? nullptr : window().form().find(control->container());
            if (holder && holder->kind() == Kind::TabControl && holder->currentPage() != control->page()) {
                auto *tabs = qobject_cast<TabControlWidget *>(window().controlWidget(holder->name()));
                QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, Qt::NoModifier,
                                  tabs->tabBar()->tabRect(control->page()).center());
            }
            control = holder;
        }
        QCoreApplication::processEvents();
        return window().form().isReachable(button());
    }

    void press()
    {
        QTest::mouseClick(buttonWidget(), Qt::LeftButton);
        QCoreApplication::processEvents();
    }

    QStringList events;
    std::vector<Message> messages;

private:
    QtPlatform m_platform;
    std::string m_buttonName;
};

QString textOf(const QWidget *widget)
{
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        return label->text();
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->text();
    if (const auto *line = qobject_cast<const QLineEdit *>(widget))
        return line->text();
    if (const auto *area = qobject_cast<const QTextEdit *>(widget))
        return area->toPlainText();
    if (const auto *frame = qobject_cast<const QGroupBox *>(widget))
        return frame->title();
    return {};
}

// All that the user can see of a window, one line per control, from its model and from its widgets.
QStringList stateOf(const FormWidget &window)
{
    QStringList lines{QStringLiteral("caption %1").arg(window.windowTitle())};
    for (const auto &owned : window.form().controls()) {
        const Control &control = *owned;
        const QString name = QString::fromStdString(control.name());
        lines << QStringLiteral("%1 model text=%2 visible=%3 enabled=%4 fore=%5 back=%6 border=%7/%8 fill=%9 top=%10 page=%11")
                     .arg(name, QString::fromStdString(control.text()))
                     .arg(control.isVisible())
                     .arg(control.isEnabled())
                     .arg(control.foreColor())
                     .arg(control.backColor())
                     .arg(control.borderColor())
                     .arg(control.borderWidth())
                     .arg(static_cast<int>(control.fillStyle()))
                     .arg(control.top())
                     .arg(control.currentPage());
        if (const QWidget *widget = window.controlWidget(control.name()))
            lines << QStringLiteral("%1 widget text=%2 hidden=%3 enabled=%4 at=%5,%6")
                         .arg(name, textOf(widget))
                         .arg(widget->isHidden())
                         .arg(widget->isEnabled())
                         .arg(widget->x())
                         .arg(widget->y());
        if (const QAction *item = window.menuAction(control.name()))
            lines << QStringLiteral("%1 item text=%2 visible=%3 enabled=%4")
                         .arg(name, item->text())
                         .arg(item->isVisible())
                         .arg(item->isEnabled());
        if (const QTimer *timer = window.timer(control.name()))
            lines << QStringLiteral("%1 timer active=%2").arg(name).arg(timer->isActive());
    }
    return lines;
}

QStringList pdfFiles()
{
    return QDir(outputFolder()).entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name);
}

// cups-pdf writes the file while the job runs: it is whole once it ends with the end-of-file mark.
bool isWhole(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() < 32)
        return false;
    file.seek(file.size() - 32);
    return file.readAll().contains("%%EOF");
}

constexpr int rasterDpi = 30;

// The PDF file's pages as grey images.
QList<QImage> rasterise(const QString &pdf)
{
    const QTemporaryDir folder;
    const QString prefix = folder.filePath(QStringLiteral("page"));
    QProcess pdftoppm;
    pdftoppm.start(QStringLiteral("pdftoppm"), {"-r", QString::number(rasterDpi), "-gray", pdf, prefix});
    if (!pdftoppm.waitForFinished(60000) || pdftoppm.exitStatus() != QProcess::NormalExit || pdftoppm.exitCode() != 0)
        return {};
    QList<QImage> pages;
    for (const QString &file : QDir(folder.path()).entryList({QStringLiteral("page*.pgm")}, QDir::Files, QDir::Name))
        pages << QImage(QDir(folder.path()).filePath(file));
    return pages;
}

// The pixels that are clearly not paper white: how many, and the smallest rectangle that holds them.
struct Ink {
    qsizetype pixels = 0;
    QRect area;
};

Ink inkOf(const QImage &grey)
{
    Ink ink;
    for (int y = 0; y < grey.height(); ++y) {
        const uchar *row = grey.constScanLine(y);
        for (int x = 0; x < grey.width(); ++x) {
            if (row[x] < 240) {
                ++ink.pixels;
                ink.area |= QRect(x, y, 1, 1);
            }
        }
    }
    return ink;
}

// How alike two grey images of one size are: the correlation of their pixels, 1 for the same picture.
double likeness(const QImage &a, const QImage &b)
{
    double sumA = 0, sumB = 0, sumAA = 0, sumBB = 0, sumAB = 0;
    for (int y = 0; y < a.height(); ++y) {
        const uchar *rowA = a.constScanLine(y);
        const uchar *rowB = b.constScanLine(y);
        for (int x = 0; x < a.width(); ++x) {
            const double pa = rowA[x], pb = rowB[x];
            sumA += pa;
            sumB += pb;
            sumAA += pa * pa;
            sumBB += pb * pb;
            sumAB += pa * pb;
        }
    }
    const double n = static_cast<double>(a.width()) * a.height();
    const double covariance = sumAB - sumA * sumB / n;
    return covariance / std::sqrt((sumAA - sumA * sumA / n) * (sumBB - sumB * sumB / n));
}

void addPrintButtonRows()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("button");
    for (const PrintButton &print : printButtons()) {
        const QString window = QString::fromStdString(print.window);
        const QString button = QString::fromStdString(print.button);
        QTest::newRow(qPrintable(window + '.' + button)) << window << button;
    }
}
} // namespace

class SystemPrintTest : public QObject {
    Q_OBJECT
private slots:
    void printButtonsAreTheStampaButtons();
    void printsOnTheDefaultPrinter_data() { addPrintButtonRows(); }
    void printsOnTheDefaultPrinter();
    void reportsAPrintFailure_data() { addPrintButtonRows(); }
    void reportsAPrintFailure();
};

// The buttons found by what they do are the buttons captioned "Stampa" in every window.
void SystemPrintTest::printButtonsAreTheStampaButtons()
{
    QStringList found;
    for (const PrintButton &print : printButtons())
        found << QString::fromStdString(print.window + '.' + print.button);
    QStringList captioned;
    QtPlatform platform(QtPlatform::Modality::NonBlocking, QtPlatform::Printer::Off);
    for (const std::string_view name : windowNames()) {
        const std::unique_ptr<Form> form = createWindow(name, platform);
        for (const auto &control : form->controls())
            if (control->kind() == Kind::CommandButton && QString::fromStdString(control->text()).remove('&') == "Stampa")
                captioned << QString::fromStdString(form->name() + '.' + control->name());
    }
    QVERIFY(!found.isEmpty());
    QCOMPARE(found, captioned);
}

void SystemPrintTest::printsOnTheDefaultPrinter()
{
    QFETCH(QString, window);
    QFETCH(QString, button);
    if (outputFolder().isEmpty())
        QSKIP("needs the CUPS queue that cups-print.sh sets up (GEOMIRA_PRINT_OUTPUT)");
    QVERIFY2(!QPrinterInfo::defaultPrinter().isNull(), "no default printer");
    PrintingWindow printing({window.toStdString(), button.toStdString()});
    QVERIFY(QTest::qWaitForWindowExposed(&printing.window()));
    QVERIFY(printing.reach());
    QVERIFY(printing.buttonWidget()->isVisible() && printing.buttonWidget()->isEnabled());
    const QPixmap image = printing.window().grabClient();

    const QStringList before = pdfFiles();
    printing.press();
    QCOMPARE(printing.events, QStringList{"print"});
    QCOMPARE(printing.messages.size(), std::size_t{0});

    // CUPS takes the job and prints it later: wait for its file. All the prints
    // together have three minutes, so that a queue that prints nothing fails soon.
    static const QDeadlineTimer allPrinted(std::chrono::minutes(3));
    QStringList added;
    const auto printed = [&] {
        added = pdfFiles();
        for (const QString &old : before)
            added.removeOne(old);
        return !added.isEmpty() && isWhole(QDir(outputFolder()).filePath(added.first()));
    };
    QVERIFY2(QTest::qWaitFor(printed, static_cast<int>(allPrinted.remainingTime())), "no PDF file from the print queue");
    QCOMPARE(added.size(), 1);

    const QList<QImage> pages = rasterise(QDir(outputFolder()).filePath(added.first()));
    QCOMPARE(pages.size(), 1);
    // On the printer's own paper.
    const QSize paper = QPrinterInfo::defaultPrinter().defaultPageSize().sizePixels(rasterDpi);
    QVERIFY2(std::abs(pages.first().width() - paper.width()) <= 1 && std::abs(pages.first().height() - paper.height()) <= 1,
             "the page is not of the printer's paper size");
    const QImage page = pages.first().convertToFormat(QImage::Format_Grayscale8);
    const auto [inked, area] = inkOf(page);
    const qsizetype all = qsizetype{page.width()} * page.height();
    // The page shows the window: undistorted, and like it pixel for pixel once brought to one size.
    const double aspect = static_cast<double>(area.width()) / area.height();
    const double windowAspect = static_cast<double>(image.width()) / image.height();
    const QImage shown = image.toImage().convertToFormat(QImage::Format_Grayscale8)
                             .scaled(area.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const double likeness = ::likeness(page.copy(area), shown);
    qInfo("%s: 1 page, %lld of %lld pixels inked (%.0f%%), %dx%d of them as the window's %dx%d, likeness %.2f",
          added.first().toUtf8().constData(), static_cast<long long>(inked), static_cast<long long>(all),
          100.0 * static_cast<double>(inked) / all, area.width(), area.height(), image.width(), image.height(),
          likeness);
    QVERIFY2(inked >= minimumInkedShare * all, "the printed page is blank");
    QVERIFY2(std::abs(aspect / windowAspect - 1) < 0.03, "the printed window is distorted");
    QVERIFY2(likeness >= minimumLikeness, "the printed page does not show the window");
}

// cups-print.sh runs it where printing cannot work.
void SystemPrintTest::reportsAPrintFailure()
{
    QFETCH(QString, window);
    QFETCH(QString, button);
    if (outputFolder().isEmpty())
        QSKIP("needs the CUPS server that cups-print.sh sets up (GEOMIRA_PRINT_OUTPUT)");
    PrintingWindow printing({window.toStdString(), button.toStdString()});
    QVERIFY(QTest::qWaitForWindowExposed(&printing.window()));
    QVERIFY(printing.reach());
    const QStringList before = stateOf(printing.window());

    printing.press();
    QCOMPARE(printing.events, QStringList{});
    QCOMPARE(printing.messages.size(), std::size_t{1});
    const Message &message = printing.messages.front();
    QCOMPARE(message.text, QStringLiteral("C'è un problema di stampa!"));
    QCOMPARE(message.title, QStringLiteral("Verificare lo stato della stampante"));
    QCOMPARE(message.icon, QMessageBox::Warning);
    QCOMPARE(message.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));

    QCOMPARE(stateOf(printing.window()), before);
}

QTEST_MAIN(SystemPrintTest)
#include "systemprint_test.moc"
