#include "appearance.h"
#include "catalog.h"
#include "form.h"
#include "formwidget.h"
#include "linewidget.h"
#include "qtplatform.h"
#include "shapewidget.h"
#include "tabcontrolwidget.h"

#include <QAccessible>
#include <QAction>
#include <QGroupBox>
#include <QImage>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include <cctype>
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
                   menuItem("mnuFile", "&File"),
                   menuItem("mnuOpen", "Apri", "mnuFile"),
                   menuItem("mnuHelp", "&Aiuto"),
                   image("imgPortrait", "portrait").at(7500, 4500, 1500, 1500),
                   frame("fraBox", "Riquadro").at(600, 600, 3000, 1500).fore(colors::red),
                   label("lblInFrame", "Dentro").at(150, 300, 1200, 300).in("fraBox"),
                   tabControl("tabPages", {"Uno", "Due"}).at(4200, 600, 3000, 2100).tab(3),
                   textBox("txtPage0").at(150, 600, 1200, 300).in("tabPages", 0).tab(4).tip("Misura"),
                   button("cmdPage1", "Pagina").at(150, 600, 1200, 300).in("tabPages", 1).tab(5),
                   line("linDiag", 150, 150, 1500, 900).border(colors::navy, 3, LineStyle::DashDot),
                   shapeControl("shpRing", ShapeKind::Circle).at(300, 3000, 1500, 900)
                       .border(colors::teal, 2).fill(FillStyle::Cross, colors::red),
                   textBox("txtName").describedBy("lblName").at(1500, 4200, 1500, 300).tab(1),
                   label("lblName", "&Nome:").at(150, 4200, 1800, 300).tab(0),
                   button("cmdOk", "&Calcola").at(3300, 4200, 1200, 375).tab(2),
                   textBox("txtNotes").describedBy("lblName").at(150, 4800, 3000, 900).multiLine(true).tab(6),
                   timer("tmrTick", 20),
               })
    {
        on("mnuOpen", Event::Click, [this] { ++opened; });
        on("mnuHelp", Event::Click, [this] { ++helped; });
        on("cmdOk", Event::Click, [this] { ++pressed; });
        on("lblName", Event::Click, [this] { ++labelClicks; });
        on("tmrTick", Event::Timer, [this] { ++ticks; });
        on("txtName", Event::MouseMove, [this] { ++hovers; });
        onForm(Event::MouseMove, [this] { ++backgroundHovers; });
        // Letters go in upper case, digits not at all.
        onKeyPress("txtName", [](int &code) {
            code = std::isdigit(code) ? 0 : std::toupper(code);
        });
    }

    int opened = 0, helped = 0, pressed = 0, labelClicks = 0, ticks = 0, hovers = 0, backgroundHovers = 0;
    void closeBox() override { ++closeBoxes; }
    int closeBoxes = 0;
};

Sampler &samplerOf(FormWidget &window)
{
    return static_cast<Sampler &>(window.form());
}

QPoint pixelsOf(int left, int top)
{
    return QPoint(left / 15, top / 15);
}

// Whether `lower` lies below `upper` among their parent's children.
bool isStackedBelow(const QWidget *lower, const QWidget *upper)
{
    const QObjectList &siblings = lower->parent()->children();
    return siblings.indexOf(lower) < siblings.indexOf(upper);
}

// The widget that Tab moves to from `widget`.
QWidget *nextTabStop(QWidget *widget)
{
    do
        widget = widget->nextInFocusChain();
    while (!(widget->focusPolicy() & Qt::TabFocus) || widget->isHidden());
    return widget;
}
} // namespace

class FormWidgetTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_platform = std::make_unique<QtPlatform>(QtPlatform::Modality::NonBlocking, QtPlatform::Printer::Off);
        m_events.clear();
        m_platform->setListener([this](const std::string &event) { m_events.push_back(event); });
    }
    void cleanup() { m_platform.reset(); }

    void namesEveryControlAfterTheTable();
    void placesControlsInTheirContainers_data();
    void placesControlsInTheirContainers();
    void stacksGraphicsBelowWindowedControls();
    void showsOnlyTheCurrentTabPage();
    void buildsTheMenuFromTheItems();
    void runsTimersAndForwardsClicksAndMoves();
    void ordersTabStopsAndNamesForScreenReaders();
    void keyPressHandlerFiltersTyping_data();
    void keyPressHandlerFiltersTyping();
    void enterAndEscapeStayInTheBox_data();
    void enterAndEscapeStayInTheBox();
    void mirrorsModelChangesAtOnce();
    void bannerTakesNoTyping();
    void paintsTheGradientOnTheMainWindow();
    void closeBoxAsksTheModel();
    void messageBoxHasTheWarningIconAndOk();
    void markerShownBeforeAMessageIsOnScreenWhileItIsUp();
    void printsOnlyWithAPrinter();
    void lineHasTheBoxOfItsEndsWhicheverComesFirst();
    void blockingModalWaitsForTheWindowToUnload();

private:
    std::unique_ptr<Sampler> makeSampler() { return std::make_unique<Sampler>(*m_platform); }
    std::unique_ptr<QtPlatform> m_platform;
    std::vector<std::string> m_events;
};

void FormWidgetTest::namesEveryControlAfterTheTable()
{
    FormWidget window(makeSampler());
    QCOMPARE(window.objectName(), QStringLiteral("frmSampler"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Sampler"));
    for (const auto &control : window.form().controls()) {
        const QString name = QString::fromStdString(control->name());
        switch (control->kind()) {
        case Kind::Menu: QVERIFY2(window.findChild<QAction *>(name), qPrintable(name)); break;
        case Kind::Timer: QVERIFY2(window.findChild<QTimer *>(name), qPrintable(name)); break;
        default: QVERIFY2(window.findChild<QWidget *>(name) == window.controlWidget(control->name()), qPrintable(name));
        }
    }
    QVERIFY(qobject_cast<QLineEdit *>(window.controlWidget("txtName")));
    QVERIFY(qobject_cast<QTextEdit *>(window.controlWidget("txtNotes")));
    QVERIFY(qobject_cast<QGroupBox *>(window.controlWidget("fraBox")));
    QVERIFY(qobject_cast<LineWidget *>(window.controlWidget("linDiag")));
    QVERIFY(qobject_cast<ShapeWidget *>(window.controlWidget("shpRing")));
}

void FormWidgetTest::placesControlsInTheirContainers_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QRect>("geometry");
    // The client area starts below the menu bar; frames and tab pages place from their own corner.
    QTest::newRow("on the window") << "txtName" << "frmSampler" << QRect(pixelsOf(1500, 4200), QSize(100, 20));
    QTest::newRow("in a frame") << "lblInFrame" << "fraBox" << QRect(pixelsOf(150, 300), QSize(80, 20));
    QTest::newRow("on a tab page") << "txtPage0" << "tabPages" << QRect(pixelsOf(150, 600), QSize(80, 20));
    QTest::newRow("a shape") << "shpRing" << "frmSampler" << QRect(pixelsOf(300, 3000), QSize(100, 60));
}

void FormWidgetTest::placesControlsInTheirContainers()
{
    QFETCH(QString, control);
    QFETCH(QString, container);
    QFETCH(QRect, geometry);
    FormWidget window(makeSampler());
    const QWidget *widget = window.controlWidget(control.toStdString());
    const QWidget *holder = container == window.objectName() ? static_cast<QWidget *>(&window)
                                                             : window.controlWidget(container.toStdString());
    QCOMPARE(widget->mapTo(holder, QPoint()) - (holder == &window ? window.clientRect().topLeft() : QPoint()),
             geometry.topLeft());
    QCOMPARE(widget->size(), geometry.size());
    QVERIFY(window.clientRect().top() > 0);
    QCOMPARE(window.clientRect().size(), QSize(600, 400));
}

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

void FormWidgetTest::showsOnlyTheCurrentTabPage()
{
    FormWidget window(makeSampler());
    window.show();
    auto *tabs = qobject_cast<TabControlWidget *>(window.controlWidget("tabPages"));
    QVERIFY(tabs);
    QCOMPARE(tabs->tabBar()->count(), 2);
    QCOMPARE(tabs->page(0)->geometry(), tabs->rect());
    QVERIFY(window.controlWidget("txtPage0")->isVisible());
    QVERIFY(!window.controlWidget("cmdPage1")->isVisible());

    window.form().showPage(*window.form().find("tabPages"), 1);
    QCOMPARE(tabs->currentPage(), 1);
    QVERIFY(!window.controlWidget("txtPage0")->isVisible());
    QVERIFY(window.controlWidget("cmdPage1")->isVisible());

    QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, Qt::NoModifier, tabs->tabBar()->tabRect(0).center());
    QCOMPARE(window.form().find("tabPages")->currentPage(), 0);
    QVERIFY(window.controlWidget("txtPage0")->isVisible());
}

void FormWidgetTest::buildsTheMenuFromTheItems()
{
    FormWidget window(makeSampler());
    Sampler &model = samplerOf(window);
    QAction *file = window.menuAction("mnuFile");
    QAction *open = window.menuAction("mnuOpen");
    QAction *help = window.menuAction("mnuHelp");
    QVERIFY(file->menu());
    QCOMPARE(file->text(), QStringLiteral("&File"));
    QVERIFY(!help->menu());
    auto *bar = window.findChild<QMenuBar *>();
    QCOMPARE(bar->actions(), (QList<QAction *>{file, help}));
    QCOMPARE(file->menu()->actions(), QList<QAction *>{open});

    open->trigger();
    help->trigger();
    QCOMPARE(model.opened, 1);
    QCOMPARE(model.helped, 1);
    model.find("mnuOpen")->setEnabled(false);
    QVERIFY(!open->isEnabled());
    model.find("mnuOpen")->setText("Apri file");
    QCOMPARE(open->text(), QStringLiteral("Apri file"));
}

void FormWidgetTest::runsTimersAndForwardsClicksAndMoves()
{
    FormWidget window(makeSampler());
    Sampler &model = samplerOf(window);
    window.show();
    auto *timer = window.timer("tmrTick");
    QVERIFY(timer->isActive());
    QCOMPARE(timer->timerType(), Qt::PreciseTimer);
    QTRY_VERIFY(model.ticks >= 2);
    model.find("tmrTick")->setEnabled(false);
    QVERIFY(!timer->isActive());

    QTest::mouseClick(window.controlWidget("cmdOk"), Qt::LeftButton);
    QTest::mouseClick(window.controlWidget("lblName"), Qt::LeftButton);
    QCOMPARE(model.pressed, 1);
    QCOMPARE(model.labelClicks, 1);
    QTest::keyClick(window.controlWidget("cmdOk"), Qt::Key_Return);
    QCOMPARE(model.pressed, 2);
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    // The access key presses the button as a click would, after showing it down a moment.
    QTest::keyClick(&window, Qt::Key_C, Qt::AltModifier);
    QTRY_COMPARE(model.pressed, 3);

    const auto moveMouse = [](QWidget *target, QPoint at) {
        QMouseEvent move(QEvent::MouseMove, at, target->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(target, &move);
    };
    QWidget *name = window.controlWidget("txtName");
    QVERIFY(name->hasMouseTracking());
    QVERIFY(!window.controlWidget("cmdOk")->hasMouseTracking());
    moveMouse(name, QPoint(5, 5));
    QCOMPARE(model.hovers, 1);
    QCOMPARE(model.backgroundHovers, 0);
    const QPoint free = window.clientRect().bottomLeft() + QPoint(2, -2);
    QVERIFY(!window.childAt(free));
    moveMouse(&window, free);
    QCOMPARE(model.backgroundHovers, 1);
    // A shape takes no mouse input: over it the mouse is over the background.
    const QWidget *ring = window.controlWidget("shpRing");
    const QPoint overRing = ring->mapTo(&window, ring->rect().center());
    QVERIFY(!window.childAt(overRing));
    moveMouse(&window, overRing);
    QCOMPARE(model.backgroundHovers, 2);
}

void FormWidgetTest::ordersTabStopsAndNamesForScreenReaders()
{
    FormWidget window(makeSampler());
    QCOMPARE(window.focusWidget(), window.controlWidget("txtName"));
    QWidget *stop = window.controlWidget("txtName");
    for (const char *next : {"cmdOk", "tabPages", "txtPage0", "cmdPage1", "txtNotes"}) {
        stop = nextTabStop(stop);
        QWidget *expected = window.controlWidget(next);
        QCOMPARE(stop, expected->focusProxy() ? expected->focusProxy() : expected);
    }
    QCOMPARE(window.controlWidget("txtName")->accessibleName(), QStringLiteral("Nome:"));
    QCOMPARE(window.controlWidget("cmdOk")->accessibleName(), QStringLiteral("Calcola"));
    // The drawing stays out of what a screen reader lists; the picture is there, named.
    QAccessibleInterface *root = QAccessible::queryAccessibleInterface(&window);
    QObjectList listed;
    for (int i = 0; i < root->childCount(); ++i)
        listed << root->child(i)->object();
    QVERIFY(!listed.contains(window.controlWidget("shpRing")));
    QVERIFY(!listed.contains(window.controlWidget("linDiag")));
    QVERIFY(listed.contains(window.controlWidget("imgPortrait")));
    QVERIFY(!window.controlWidget("imgPortrait")->accessibleName().isEmpty());
    QCOMPARE(window.controlWidget("txtNotes")->accessibleName(), QStringLiteral("Nome:"));
    // No label on its page: the box falls back to its tooltip.
    QCOMPARE(window.controlWidget("txtPage0")->accessibleName(), QStringLiteral("Misura"));
}

void FormWidgetTest::keyPressHandlerFiltersTyping_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("letters change case") << "ab" << "AB";
    QTest::newRow("digits are swallowed") << "a1b2" << "AB";
    QTest::newRow("backspace deletes") << "abc\b" << "AB";
}

void FormWidgetTest::keyPressHandlerFiltersTyping()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    FormWidget window(makeSampler());
    auto *box = qobject_cast<QLineEdit *>(window.controlWidget("txtName"));
    for (const QChar c : typed) {
        if (c == QLatin1Char('\b'))
            QTest::keyClick(box, Qt::Key_Backspace);
        else
            QTest::keyClick(box, c.toLatin1());
    }
    QCOMPARE(box->text(), shown);
    QCOMPARE(window.form().find("txtName")->text(), shown.toStdString());
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

void FormWidgetTest::mirrorsModelChangesAtOnce()
{
    FormWidget window(createWindow("frmIo", *m_platform));
    Form &form = window.form();
    QWidget *caption = window.controlWidget("Label1");
    QVERIFY(caption->isHidden());
    form.find("Label1")->setVisible(true);
    QVERIFY(!caption->isHidden());

    FormWidget sample(makeSampler());
    Sampler &model = samplerOf(sample);
    auto *name = qobject_cast<QLineEdit *>(sample.controlWidget("txtName"));
    model.find("txtName")->setText("12,5");
    QCOMPARE(name->text(), QStringLiteral("12,5"));
    model.find("txtName")->setForeColor(colors::red);
    model.find("txtName")->setBackColor(colors::lightYellow);
    QCOMPARE(name->palette().color(QPalette::Text), QColor(255, 0, 0));
    QCOMPARE(name->palette().color(QPalette::Base), QColor(255, 255, 128));
    model.find("cmdOk")->setEnabled(false);
    QVERIFY(!sample.controlWidget("cmdOk")->isEnabled());
    model.find("txtNotes")->setText("uno\r\ndue");
    QCOMPARE(qobject_cast<QTextEdit *>(sample.controlWidget("txtNotes"))->toPlainText(), QStringLiteral("uno\ndue"));

    auto *ring = qobject_cast<ShapeWidget *>(sample.controlWidget("shpRing"));
    QCOMPARE(ring->fillStyle(), FillStyle::Cross);
    model.find("shpRing")->setFillStyle(FillStyle::Solid);
    model.find("shpRing")->setBorderWidth(5);
    model.find("shpRing")->setBorderColor(colors::maroon);
    QCOMPARE(ring->fillStyle(), FillStyle::Solid);
    QCOMPARE(ring->borderWidth(), 5);
    QCOMPARE(ring->borderColor(), QColor(128, 0, 0));
    model.find("shpRing")->setTop(1500);
    QCOMPARE(ring->y() - sample.clientRect().top(), 100);

    auto *diagonal = qobject_cast<LineWidget *>(sample.controlWidget("linDiag"));
    QCOMPARE(diagonal->box(), QRect(QPoint(10, 10) + sample.clientRect().topLeft(), QSize(91, 51)));
    model.find("linDiag")->setBorderColor(colors::red);
    QCOMPARE(diagonal->color(), QColor(255, 0, 0));
}

void FormWidgetTest::bannerTakesNoTyping()
{
    FormWidget window(createWindow("frmGeomira", *m_platform));
    auto *banner = qobject_cast<QLineEdit *>(window.controlWidget("Text1"));
    QTest::keyClicks(banner, "12ab, -");
    QTest::keyClick(banner, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(banner->text(), QStringLiteral("Geomira"));
    auto *signature = qobject_cast<QTextEdit *>(window.controlWidget("Text2"));
    QTest::keyClick(signature, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(signature, " x1");
    QCOMPARE(window.form().find("Text2")->text(), "Geomira Varonel x1");
}

void FormWidgetTest::paintsTheGradientOnTheMainWindow()
{
    FormWidget window(createWindow("frmGeomira", *m_platform));
    window.show();
    const QImage client = window.grabClient().toImage();
    const int height = client.height();
    QCOMPARE(height, 454);
    const auto at = [&](int y) { return client.pixelColor(2, y); };
    QCOMPARE(at(0), QColor(0, 0, 254));
    QCOMPARE(at(height * 128 / 256), QColor(0, 0, 126));
    QCOMPARE(at(height * 254 / 256 + 1), QColor(0, 0, 0));
    QCOMPARE(at(height - 1), toQColor(colors::buttonFace));
    QCOMPARE(window.clientRect().top(), window.findChild<QMenuBar *>()->height());
}

void FormWidgetTest::closeBoxAsksTheModel()
{
    m_platform->start("frmGeomira");
    m_platform->mainWindow()->close();
    QCOMPARE(m_events, (std::vector<std::string>{"close frmGeomira", "end"}));
    QVERIFY(m_platform->hasEnded());
    QCOMPARE(m_platform->activeWindow(), nullptr);

    FormWidget window(makeSampler());
    Sampler &model = samplerOf(window);
    window.show();
    QVERIFY(!window.close());
    QVERIFY(window.isVisible());
    QCOMPARE(model.closeBoxes, 1);
}

void FormWidgetTest::messageBoxHasTheWarningIconAndOk()
{
    QString seen;
    m_platform->setMessageHandler([&seen](QMessageBox &box) {
        seen = box.windowTitle() + '|' + box.text();
        QCOMPARE(box.icon(), QMessageBox::Warning);
        QCOMPARE(box.buttons().size(), 1);
        QVERIFY(box.isVisible());
        box.button(QMessageBox::Ok)->click();
    });
    m_platform->showMessage("Inserire il raggio!", "Geomira");
    QCOMPARE(seen, QStringLiteral("Geomira|Inserire il raggio!"));
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
    m_platform->setMessageHandler([&](QMessageBox &box) {
        shownDuringMessage = diameter->isVisible();
        box.button(QMessageBox::Ok)->click();
    });
    QTest::mouseClick(sphere->controlWidget("Command2"), Qt::LeftButton);
    QVERIFY(shownDuringMessage);
}

void FormWidgetTest::printsOnlyWithAPrinter()
{
    m_platform->start("frmGeomira");
    const Form &form = m_platform->mainWindow()->form();
    QVERIFY(!m_platform->print(form));
    m_platform->setPrinter(QtPlatform::Printer::PdfFile);
    QVERIFY(m_platform->print(form));
    QCOMPARE(m_events, std::vector<std::string>{"print"});
    if (!QPrinterInfo::defaultPrinter().isNull())
        QSKIP("this machine has a printer");
    m_platform->setPrinter(QtPlatform::Printer::System);
    QVERIFY(!m_platform->print(form));
}

void FormWidgetTest::blockingModalWaitsForTheWindowToUnload()
{
    QtPlatform platform(QtPlatform::Modality::Blocking, QtPlatform::Printer::Off);
    std::vector<std::string> events;
    platform.setListener([&events](const std::string &event) { events.push_back(event); });
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
    QCOMPARE(events, (std::vector<std::string>{"show frmIo", "close frmIo"}));
    QCOMPARE(platform.activeWindow(), platform.mainWindow());
}

void FormWidgetTest::lineHasTheBoxOfItsEndsWhicheverComesFirst()
{
    QWidget holder;
    const QPoint left(10, 80);
    const QPoint right(100, 20);
    LineWidget rising(&holder);
    rising.setEnds(left, right);
    LineWidget falling(&holder);
    falling.setEnds(right, left);
    QCOMPARE(rising.box(), QRect(QPoint(10, 20), QPoint(100, 80)));
    QCOMPARE(falling.box(), rising.box());
    QCOMPARE(falling.geometry(), rising.geometry());
}

QTEST_MAIN(FormWidgetTest)
#include "formwidget_test.moc"
