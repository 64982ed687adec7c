// SPDX-License-Identifier: GPL-3.0-or-later
#include "appearance.h"
#include "catalog.h"
#include "controlwidgets.h"
#include "form.h"
#include "formwidget.h"
#include "guisession.h"
#include "linewidget.h"
#include "propertyvalue.h"
#include "randomactions.h"
#include "randomsession.h"
#include "shapewidget.h"
#include "tabcontrolwidget.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QVariant>

#include <unistd.h>

#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>
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

// The text that a label, button, frame or box shows, as the model writes it.
std::string shownText(const QWidget &widget)
{
    if (const auto *area = qobject_cast<const QTextEdit *>(&widget))
        return toModelLines(area->toPlainText());
    const char *property = qobject_cast<const QGroupBox *>(&widget) ? "title" : "text";
    return widget.property(property).toString().toStdString();
}

// A property as the widget shows it and as the model holds it, in a scenario's writing.
struct Shown {
    const char *property;
    std::string widget;
    std::string model;
};

template <typename Value>
std::string written(const Value &value)
{
    if constexpr (std::is_same_v<Value, bool>)
        return formatBool(value);
    else if constexpr (std::is_same_v<Value, QColor>)
        return formatColor(fromQColor(value));
    else
        return std::to_string(value);
}

// A model's colour as Qt can show it.
std::string shownColour(Color colour)
{
    return written(toQColor(colour));
}

std::vector<Shown> widgetProperties(const FormWidget &window, const Control &c, const QWidget &widget)
{
    const Kind kind = c.kind();
    const bool hasText = kind == Kind::Label || kind == Kind::TextBox || kind == Kind::CommandButton
        || kind == Kind::Frame;
    // Where the control's top left corner is in its container, in pixels.
    const auto *line = qobject_cast<const LineWidget *>(&widget);
    const QPoint at = line ? line->box().topLeft() : widget.pos();
    const QPoint offset = c.design().container().empty() ? window.clientRect().topLeft() : QPoint();
    const QPoint held = offset + QPoint(twipsToPixels(c.design().left()), twipsToPixels(c.topTwips()));
    std::vector<Shown> shown{
        {"Caption", shownText(widget), hasText ? c.text() : std::string()},
        {"Visible", written(!widget.isHidden()), written(c.isVisible())},
        {"Enabled", written(!widget.testAttribute(Qt::WA_ForceDisabled)), written(c.isEnabled())},
        {"Left", written(at.x()), written(held.x())},
        {"Top", written(at.y()), written(held.y())},
    };
    const auto *shape = qobject_cast<const ShapeWidget *>(&widget);
    if (line) {
        shown.push_back({"BorderColor", written(line->color()), shownColour(c.borderColor())});
        shown.push_back({"BorderWidth", written(line->penWidth()), written(c.borderWidth())});
    } else if (shape) {
        shown.push_back({"BorderColor", written(shape->borderColor()), shownColour(c.borderColor())});
        shown.push_back({"BorderWidth", written(shape->borderWidth()), written(c.borderWidth())});
        shown.push_back({"FillStyle", formatFill(shape->fillStyle()), formatFill(c.fillStyle())});
        shown.push_back({"FillColor", written(shape->fillColor()), shownColour(c.design().fillColor())});
    } else if (kind != Kind::Image) {
        const QPalette &palette = widget.palette();
        shown.push_back({"ForeColor", written(palette.color(QPalette::Active, foreRole(kind))), shownColour(c.foreColor())});
        // A plain button has the system's face, whatever its BackColor.
        if (kind != Kind::CommandButton || c.design().isGraphical())
            shown.push_back(
                {"BackColor", written(palette.color(QPalette::Active, backRole(kind))), shownColour(c.backColor())});
        if (kind == Kind::Label)
            shown.push_back({"opaque", written(widget.autoFillBackground()), written(c.design().isOpaque())});
    }
    if (const auto *tabs = qobject_cast<const TabControlWidget *>(&widget))
        shown.push_back({"Tab", written(tabs->currentPage()), written(c.currentPage())});
    return shown;
}

std::vector<Shown> properties(const FormWidget &window, const Control &c)
{
    if (c.kind() == Kind::Timer)
        return {{"running", written(window.timer(c.name())->isActive()), written(c.isEnabled() && c.design().intervalMs() > 0)}};
    if (c.kind() != Kind::Menu)
        return widgetProperties(window, c, *window.controlWidget(c.name()));
    const QAction &action = *window.menuAction(c.name());
    return {{"Caption", action.text().toStdString(), c.text()},
            {"Visible", written(action.isVisible()), written(c.isVisible())},
            {"Enabled", written(action.isEnabled()), written(c.isEnabled())}};
}

// The active window's widgets against the model behind them.
std::optional<std::string> mirrorMismatch(const QtPlatform &program)
{
    const FormWidget *window = program.activeWindow();
    if (!window)
        return std::nullopt;
    const Form &form = window->form();
    if (!window->isVisible())
        return form.name() + " is active but not on screen";
    if (window->windowTitle().toStdString() != form.caption())
        return form.name() + " is titled " + quote(window->windowTitle().toStdString());
    for (const auto &control : form.controls()) {
        for (const Shown &shown : properties(*window, *control)) {
            if (shown.widget != shown.model)
                return form.name() + "." + control->name() + "." + shown.property + ": the widget shows "
                    + quote(shown.widget) + ", the model holds " + quote(shown.model);
        }
    }
    return std::nullopt;
}
} // namespace

// A session on the real windows, reached through their platform.
ProgramAccess programAccess(GuiSession &program)
{
    QtPlatform &platform = program.platform();
    return {[&platform] { return platform.activeWindow() ? &platform.activeWindow()->form() : nullptr; },
            [&platform](std::string_view window) {
                platform.showModal(window);
                QCoreApplication::processEvents();
            }};
}

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
