// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog.h"
#include "controlwidgets.h"
#include "form.h"
#include "formwidget.h"
#include "guisession.h"
#include "randomsession.h"
#include "widgetreader.h"

#include <QApplication>
#include <QTest>

#include <memory>
#include <optional>
#include <string>

namespace {
std::string pixels(QPoint at)
{
    return std::to_string(at.x()) + "," + std::to_string(at.y());
}

// The active window's widgets against the model behind them: every property
// a scenario reads, as the reader of the widget runner reads it.
std::optional<std::string> mirrorMismatch(Session &session)
{
    const FormWidget *window = static_cast<GuiSession &>(session).platform().activeWindow();
    if (!window)
        return std::nullopt;
    const Form &form = window->form();
    const std::string title = *readShown(*window, "form", Readable::Caption);
    if (!window->isVisible() || title != quote(form.caption()))
        return form.name() + " is active, titled " + title + (window->isVisible() ? "" : ", but not on screen");
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
            const std::string held = readModel(c, property.which);
            if (*shown != (property.kind == ValueKind::Color ? shownColor(held) : held))
                return mismatch(property.name, *shown, held);
        }
        if (c.kind() == Kind::Menu || c.kind() == Kind::Timer)
            continue;
        const QPoint at = shownAt(*window, c);
        if (const QPoint held(twipsToPixels(c.design().left()), twipsToPixels(c.topTwips())); at != held)
            return mismatch("position", pixels(at), pixels(held));
        const bool filled = window->controlWidget(c.name())->autoFillBackground();
        if (c.kind() == Kind::Label && filled != c.design().isOpaque())
            return mismatch("opaque", formatBool(filled), formatBool(c.design().isOpaque()));
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
        const auto newSession = [] {
            // The windows of the program that ended go now, not with the new one's.
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            return std::make_unique<GuiSession>();
        };
        const std::optional<std::string> failed =
            failedSession(window.toStdString(), "GEOMIRA_MIRROR_SESSIONS", 30, newSession, mirrorMismatch);
        if (failed)
            QFAIL(failed->c_str());
    }
};

QTEST_MAIN(ViewMirrorTest)
#include "viewmirror_test.moc"
