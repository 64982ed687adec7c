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
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include <unistd.h>

#include <fstream>
#include <memory>
#include <optional>
#include <string>

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

std::string shownText(const QWidget *widget)
{
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        return label->text().toStdString();
    if (const auto *button = qobject_cast<const QPushButton *>(widget))
        return button->text().toStdString();
    if (const auto *frame = qobject_cast<const QGroupBox *>(widget))
        return frame->title().toStdString();
    if (const auto *line = qobject_cast<const QLineEdit *>(widget))
        return line->text().toStdString();
    if (const auto *area = qobject_cast<const QTextEdit *>(widget))
        return toModelLines(area->toPlainText());
    return {};
}

// The first property of one control that its widget shows otherwise than the model holds it.
class ControlMirror {
public:
    ControlMirror(const FormWidget &window, const Control &control)
        : m_window(window)
        , m_control(control)
    {
    }

    std::optional<std::string> mismatch()
    {
        switch (m_control.kind()) {
        case Kind::Menu: menuItem(); break;
        case Kind::Timer: timer(); break;
        default: widget(*m_window.controlWidget(m_control.name())); break;
        }
        return m_mismatch;
    }

private:
    void compare(std::string_view property, const std::string &shown, const std::string &held)
    {
        if (shown != held && !m_mismatch)
            m_mismatch = m_control.name() + "." + std::string(property) + ": the widget shows " + quote(shown)
                + ", the model holds " + quote(held);
    }

    void compare(std::string_view property, bool shown, bool held)
    {
        compare(property, formatBool(shown), formatBool(held));
    }

    void compare(std::string_view property, int shown, int held)
    {
        compare(property, std::to_string(shown), std::to_string(held));
    }

    void compareColour(std::string_view property, const QColor &shown, Color held)
    {
        compare(property, formatColor(fromQColor(shown)), formatColor(fromQColor(toQColor(held))));
    }

    void menuItem()
    {
        const QAction &action = *m_window.menuAction(m_control.name());
        compare("Caption", action.text().toStdString(), m_control.text());
        compare("Visible", action.isVisible(), m_control.isVisible());
        compare("Enabled", action.isEnabled(), m_control.isEnabled());
    }

    void timer()
    {
        compare("running", m_window.timer(m_control.name())->isActive(),
                m_control.isEnabled() && m_control.intervalMs() > 0);
    }

    void widget(const QWidget &shown)
    {
        compare("Caption", shownText(&shown), m_control.kind() == Kind::Label || m_control.kind() == Kind::TextBox
                                                   || m_control.kind() == Kind::CommandButton
                                                   || m_control.kind() == Kind::Frame
                                               ? m_control.text()
                                               : std::string());
        compare("Visible", !shown.isHidden(), m_control.isVisible());
        compare("Enabled", !shown.testAttribute(Qt::WA_ForceDisabled), m_control.isEnabled());
        position(shown);
        if (const auto *line = qobject_cast<const LineWidget *>(&shown)) {
            compareColour("BorderColor", line->color(), m_control.borderColor());
            compare("BorderWidth", line->penWidth(), m_control.borderWidth());
        } else if (const auto *shape = qobject_cast<const ShapeWidget *>(&shown)) {
            compareColour("BorderColor", shape->borderColor(), m_control.borderColor());
            compare("BorderWidth", shape->borderWidth(), m_control.borderWidth());
            compare("FillStyle", formatFill(shape->fillStyle()), formatFill(m_control.fillStyle()));
            compareColour("FillColor", shape->fillColor(), m_control.fillColor());
        } else if (m_control.kind() != Kind::Image) {
            colours(shown);
        }
        if (const auto *tabs = qobject_cast<const TabControlWidget *>(&shown))
            compare("Tab", tabs->currentPage(), m_control.currentPage());
    }

    void colours(const QWidget &shown)
    {
        const QPalette &palette = shown.palette();
        compareColour("ForeColor", palette.color(QPalette::Active, foreRole(m_control.kind())), m_control.foreColor());
        // A plain button has the system's face, whatever its BackColor.
        if (m_control.kind() != Kind::CommandButton || m_control.isGraphical())
            compareColour("BackColor", palette.color(QPalette::Active, backRole(m_control.kind())),
                          m_control.backColor());
        if (m_control.kind() == Kind::Label)
            compare("opaque", shown.autoFillBackground(), m_control.isOpaque());
    }

    // Where the control's top left corner is in its container, in pixels.
    void position(const QWidget &shown)
    {
        const auto *line = qobject_cast<const LineWidget *>(&shown);
        const QPoint at = line ? line->box().topLeft() : shown.pos();
        const QPoint offset = m_control.container().empty() ? m_window.clientRect().topLeft() : QPoint();
        const QPoint held = offset + QPoint(twipsToPixels(m_control.left()), twipsToPixels(m_control.topTwips()));
        compare("Left", at.x(), held.x());
        compare("Top", at.y(), held.y());
    }

    const FormWidget &m_window;
    const Control &m_control;
    std::optional<std::string> m_mismatch;
};

// The active window's widgets against the model behind them.
std::optional<std::string> mirrorMismatch(const GuiSession &session)
{
    const FormWidget *window = session.activeWidget();
    if (!window)
        return std::nullopt;
    const Form &form = window->form();
    if (!window->isVisible())
        return form.name() + " is active but not on screen";
    if (window->windowTitle().toStdString() != form.caption())
        return form.name() + " is titled " + quote(window->windowTitle().toStdString());
    for (const auto &control : form.controls()) {
        if (std::optional<std::string> mismatch = ControlMirror(*window, *control).mismatch())
            return form.name() + "." + *mismatch;
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
            const GuiSession &widgets = *session;
            SeededBytes bytes(seed, name);
            const SessionOutcome outcome = runRandomSession(std::move(session), bytes, name, actionsPerSession,
                                                            [&widgets](Session &) { return mirrorMismatch(widgets); });
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
