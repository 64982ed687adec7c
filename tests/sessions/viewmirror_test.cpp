// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog.h"
#include "controlwidgets.h"
#include "form.h"
#include "formwidget.h"
#include "guisession.h"
#include "randomactions.h"
#include "randomsession.h"
#include "widgetreader.h"

#include <QApplication>
#include <QTest>

#include <unistd.h>

#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {
constexpr int actionsPerSession = 100;

QtMessageHandler qtTestHandler = nullptr;

// The offscreen platform cannot size a window to its hints and says so for every
// window opened; the test's other messages go on to Qt Test.
void dropSizeHintNotices(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (!message.contains(QLatin1String("propagateSizeHints")))
        qtTestHandler(type, context, message);
}

std::string pixels(QPoint at)
{
    return std::to_string(at.x()) + "," + std::to_string(at.y());
}

// The active window's widgets against the model behind them: every property
// a scenario reads, as the reader of the widget runner reads it.
std::optional<std::string> mirrorMismatch(const QtPlatform &program)
{
    const FormWidget *window = program.activeWindow();
    if (!window)
        return std::nullopt;
    const Form &form = window->form();
    if (!window->isVisible())
        return form.name() + " is active but not on screen";
    if (const std::string title = *readShown(*window, "form", Readable::Caption); title != quote(form.caption()))
        return form.name() + " is titled " + title;
    for (const auto &control : form.controls()) {
        const Control &c = *control;
        const auto mismatch = [&](std::string_view property, const std::string &shown, const std::string &held) {
            return form.name() + "." + c.name() + "." + std::string(property) + ": the widget shows " + shown
                + ", the model holds " + held;
        };
        for (const ReadableProperty &property : readableProperties()) {
            const std::optional<std::string> shown = readShown(*window, c.name(), property.which);
            // Positions are whole pixels (below); a plain button has the system's face, whatever its BackColor.
            const bool plainFace = c.kind() == Kind::CommandButton && !c.design().isGraphical() && property.which == Readable::BackColor;
            if (!shown || property.which == Readable::Top || property.which == Readable::Left || plainFace)
                continue;
            std::string held = readModel(c, property.which);
            if (property.kind == ValueKind::Color)
                held = shownColor(held);
            if (*shown != held)
                return mismatch(property.name, *shown, held);
        }
        if (c.kind() == Kind::Menu || c.kind() == Kind::Timer)
            continue;
        const QPoint at = shownAt(*window, c);
        const QPoint held(twipsToPixels(c.design().left()), twipsToPixels(c.topTwips()));
        if (at != held)
            return mismatch("position", pixels(at), pixels(held));
        const QWidget &widget = *window->controlWidget(c.name());
        if (c.kind() == Kind::Label && widget.autoFillBackground() != c.design().isOpaque())
            return mismatch("opaque", formatBool(widget.autoFillBackground()), formatBool(c.design().isOpaque()));
    }
    return std::nullopt;
}
} // namespace

class ViewMirrorTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QApplication::setStyle(QStringLiteral("Fusion"));
        // A session's program ends with its windows closed; the next one starts in the same application.
        QApplication::setQuitOnLastWindowClosed(false);
        qtTestHandler = qInstallMessageHandler(dropSizeHintNotices);
    }

    // A long session leaves no closed window behind: once Qt's caches have
    // filled (some 150 cycles), 300 more open-close cycles keep as many windows
    // and nearly as much memory (each window left would hold over a megabyte).
    void closedWindowsGoAsTheyClose()
    {
        const auto residentKiB = [] {
            long size = 0, pages = 0;
            std::ifstream("/proc/self/statm") >> size >> pages;
            return pages * (sysconf(_SC_PAGESIZE) / 1024);
        };
        GuiSession session;
        const auto cycles = [&session](int count) {
            for (int cycle = 0; cycle < count; ++cycle) {
                session.menu("mnuCono");
                QCOMPARE(session.activeWindow(), "frmCono");
                session.click("cmdChiudi");
            }
        };
        cycles(150);
        const qsizetype windows = QApplication::topLevelWidgets().size();
        const long before = residentKiB();
        cycles(300);
        QCOMPARE(QApplication::topLevelWidgets().size(), windows);
        QCOMPARE_LT(residentKiB() - before, 8 * 1024);
    }

    void widgetsShowTheirModelAfterEveryAction_data()
    {
        QTest::addColumn<QString>("window");
        for (const std::string_view name : windowNames())
            QTest::newRow(std::string(name).c_str()) << QString::fromUtf8(name.data(), name.size());
    }

    // Random sessions through the real widgets, which must show what their
    // models hold after every action, besides keeping the rules of every session.
    void widgetsShowTheirModelAfterEveryAction()
    {
        QFETCH(QString, window);
        const std::string name = window.toStdString();
        const std::vector<std::uint32_t> seeds = sessionSeeds("GEOMIRA_MIRROR_SESSIONS", 30);
        long actions = 0;
        for (const std::uint32_t seed : seeds) {
            auto session = std::make_unique<GuiSession>();
            const QtPlatform &program = session->platform();
            SeededBytes bytes(seed, name);
            const SessionOutcome outcome = runRandomSession(std::move(session), bytes, name, actionsPerSession,
                                                            [&program](Session &) { return mirrorMismatch(program); });
            // The windows of the ended program go now, not with the next one's.
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            actions += outcome.actions;
            if (outcome.fault)
                QFAIL(failureReport(name, seed, outcome).c_str());
        }
        qInfo("%s: %zu sessions, %ld actions checked on the widgets", name.c_str(), seeds.size(), actions);
    }
};

QTEST_MAIN(ViewMirrorTest)
#include "viewmirror_test.moc"
