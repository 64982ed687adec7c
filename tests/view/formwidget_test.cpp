// SPDX-License-Identifier: GPL-3.0-or-later
#include "appearance.h"
#include "catalog.h"
#include "form.h"
#include "formwidget.h"
#include "qtplatform.h"
#include "stepwiseseams.h"

#include <QImage>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {
// A window with one control of every kind, and handlers that count.
class Sampler final : public Form {
public:
    explicit Sampler(Platform &platform)
        : Form(platform, {.name = "frmSampler", .caption = "Sampler", .clientWidth = 9000, .clientHeight = 6000},
               {
                   image("imgPortrait", "portrait").at(7500, 4500, 1500, 1500),
                   frame("fraBox", "Riquadro").at(600, 600, 3000, 1500).fore(colors::red),
                   tabControl("tabPages", {"Uno", "Due"}).at(4200, 600, 3000, 2100).tab(3),
                   textBox("txtPage0").at(150, 600, 1200, 300).in("tabPages", 0).tab(4).tip("Misura"),
                   line("linDiag", 150, 150, 1500, 900).border(colors::navy, 3, LineStyle::DashDot),
                   textBox("txtName").describedBy("lblName").at(1500, 4200, 1500, 300).tab(1),
                   label("lblName", "&Nome:").at(150, 4200, 1800, 300).tab(0),
                   button("cmdOk", "&Calcola").at(3300, 4200, 1200, 375).tab(2),
                   textBox("txtNotes").describedBy("lblName").at(150, 4800, 3000, 900).multiLine(true).tab(6),
               })
    {
        on("cmdOk", Event::Click, [this] { ++pressed; });
    }

    int pressed = 0;
    void closeBox() override { ++closeBoxes; }
    int closeBoxes = 0;
};

Sampler &samplerOf(FormWidget &window)
{
    return static_cast<Sampler &>(window.form());
}

// Whether `lower` lies below `upper` among their parent's children.
bool isStackedBelow(const QWidget *lower, const QWidget *upper)
{
    const QObjectList &siblings = lower->parent()->children();
    return siblings.indexOf(lower) < siblings.indexOf(upper);
}
} // namespace

class FormWidgetTest : public QObject {
    Q_OBJECT

private slots:
    void init() { m_platform = std::make_unique<QtPlatform>(m_waiting, m_printer); }
    void cleanup() { m_platform.reset(); }

        void stacksGraphicsBelowWindowedControls();
    void enterAndEscapeStayInTheBox_data();
    void enterAndEscapeStayInTheBox();
    void paintsTheGradientOnTheMainWindow();
    void markerShownBeforeAMessageIsOnScreenWhileItIsUp();
    void blockingModalWaitsForTheWindowToUnload();

private:
    std::unique_ptr<Sampler> makeSampler() { return std::make_unique<Sampler>(*m_platform); }
    std::function<void(QMessageBox &)> m_answer;
    StepwiseWaiting m_waiting{[this](QMessageBox &box) { m_answer(box); }};
    TrialPrinter m_printer;
    std::unique_ptr<QtPlatform> m_platform;
};

void FormWidgetTest::stacksGraphicsBelowWindowedControls()
{
    FormWidget window(makeSampler());
    // Graphics stay below windowed controls (lblName though it comes after txtName in
    // the table); among windowed controls the table's order holds.
    const std::pair<const char *, const char *> stacked[] = {
        {"lblName", "txtName"}, {"linDiag", "fraBox"}, {"imgPortrait", "cmdOk"}, {"fraBox", "txtName"}, {"txtName", "cmdOk"}};
    for (const auto &[lower, upper] : stacked)
        QVERIFY2(isStackedBelow(window.controlWidget(lower), window.controlWidget(upper)), lower);
    QVERIFY(window.controlWidget("linDiag")->testAttribute(Qt::WA_TransparentForMouseEvents));
}

void FormWidgetTest::enterAndEscapeStayInTheBox_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");
    QTest::newRow("Enter, one line") << "txtPage0" << int(Qt::Key_Return) << "";
    QTest::newRow("Escape, one line") << "txtPage0" << int(Qt::Key_Escape) << "";
    QTest::newRow("Enter, multi-line") << "txtNotes" << int(Qt::Key_Return) << "\r\n";
    QTest::newRow("Escape, multi-line") << "txtNotes" << int(Qt::Key_Escape) << "";
}

void FormWidgetTest::enterAndEscapeStayInTheBox()
{
    QFETCH(QString, box);
    QFETCH(int, key);
    QFETCH(QString, text);
    FormWidget window(makeSampler());
    Sampler &model = samplerOf(window);
    window.show();
    QWidget *widget = window.controlWidget(box.toStdString());
    widget->setFocus();
    QTest::keyClick(widget, static_cast<Qt::Key>(key));
    QCOMPARE(QString::fromStdString(model.find(box.toStdString())->text()), text);
    QVERIFY(window.isVisible());
    QCOMPARE(model.pressed, 0);
    QCOMPARE(model.closeBoxes, 0);
}

void FormWidgetTest::paintsTheGradientOnTheMainWindow()
{
    FormWidget window(createWindow("frmGeomira", *m_platform));
    window.show();
    const QImage client = window.grabClient().toImage();
    const int height = client.height();
    const auto at = [&](int y) { return client.pixelColor(2, y); };
    QCOMPARE(at(0), QColor(0, 0, 254));
    QCOMPARE(at(height * 128 / 256), QColor(0, 0, 126));
    QCOMPARE(at(height * 254 / 256 + 1), QColor(0, 0, 0));
    QCOMPARE(at(height - 1), toQColor(colors::buttonFace));
    QCOMPARE(window.clientRect().top(), window.findChild<QMenuBar *>()->height());
}

void FormWidgetTest::markerShownBeforeAMessageIsOnScreenWhileItIsUp()
{
    // The sphere shows its red diameter first, then finds the diameter missing.
    m_platform->start("frmGeomira");
    m_platform->showModal("frmSfera");
    FormWidget *sphere = m_platform->activeWindow();
    QWidget *diameter = sphere->controlWidget("Line4");
    QVERIFY(!diameter->isVisible());
    bool shownDuringMessage = false;
    m_answer = [&](QMessageBox &box) {
        shownDuringMessage = diameter->isVisible();
        box.button(QMessageBox::Ok)->click();
    };
    QTest::mouseClick(sphere->controlWidget("Command2"), Qt::LeftButton);
    QVERIFY(shownDuringMessage);
}

void FormWidgetTest::blockingModalWaitsForTheWindowToUnload()
{
    Waiting desktop;
    EventLog log;
    QtPlatform platform(desktop, m_printer, &log);
    platform.start("frmGeomira");
    QString message;
    // While the about window waits, its OK raises a message box, whose OK comes next.
    QTimer::singleShot(0, platform.mainWindow(), [&] {
        QCOMPARE(platform.activeWindow()->objectName(), QStringLiteral("frmIo"));
        QTimer::singleShot(0, platform.mainWindow(), [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            message = box->text();
            box->button(QMessageBox::Ok)->click();
        });
        platform.showMessage("Attenzione", "Geomira");
        QTest::mouseClick(platform.activeWindow()->controlWidget("Command1"), Qt::LeftButton);
    });
    platform.showModal("frmIo");
    QCOMPARE(message, QStringLiteral("Attenzione"));
    QCOMPARE(log.events, (std::vector<std::string>{"show frmIo", "close frmIo"}));
    QCOMPARE(platform.activeWindow(), platform.mainWindow());
}

QTEST_MAIN(FormWidgetTest)
#include "formwidget_test.moc"
