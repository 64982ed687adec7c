// SPDX-License-Identifier: GPL-3.0-or-later
// The main window and the cone window on a Wayland compositor: maximised,
// restored and resized, as a user or the compositor may ask, the program runs
// on with its results, and the controls keep their places.
#include "formwidget.h"
#include "guisession.h"

#include <QGuiApplication>
#include <QTest>
#include <QWindow>

#include <map>
#include <string>

class WaylandTest : public QObject {
    Q_OBJECT
private slots:
    void windowsSurviveWhatTheCompositorAsks();

private:
    void maximiseRestoreAndResize(FormWidget &window);
};

namespace {
std::map<QString, QRect> placesOf(const QWidget &window)
{
    std::map<QString, QRect> places;
    for (const QWidget *child : window.findChildren<QWidget *>())
        if (!child->objectName().isEmpty() && !child->isWindow())
            places[child->objectName()] = child->geometry();
    return places;
}
} // namespace

void WaylandTest::maximiseRestoreAndResize(FormWidget &window)
{
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const std::map<QString, QRect> places = placesOf(window);
    const QSize designed = window.size();
    // Each request waits for the compositor's answer, as a user's would.
    window.showMaximized();
    QTRY_VERIFY(window.size() != designed);
    QCOMPARE(placesOf(window), places);
    window.showNormal();
    QTRY_COMPARE(window.size(), designed);
    window.resize(designed + QSize(120, 80));
    QTest::qWait(200);
    window.resize(designed);
    QTest::qWait(200);
    QCOMPARE(placesOf(window), places);
}

void WaylandTest::windowsSurviveWhatTheCompositorAsks()
{
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("wayland"));
    GuiSession session;
    FormWidget &main = *session.platform().mainWindow();
    maximiseRestoreAndResize(main);
    session.menu("mnuCono");
    FormWidget &cone = *session.platform().activeWindow();
    QCOMPARE(cone.objectName(), QStringLiteral("frmCono"));
    QCOMPARE(cone.windowHandle()->transientParent(), main.windowHandle());
    // The headless compositor has no keyboard: the measures go to the boxes' model.
    cone.form().find("txtRag")->setText("3");
    cone.form().find("txtAlt")->setText("4");
    session.click("cmdCalc");
    const std::string volume = session.read("lblVcono", Readable::Caption);
    QVERIFY(!volume.empty());
    maximiseRestoreAndResize(cone);
    QVERIFY(!session.platform().hasEnded());
    QCOMPARE(session.platform().activeWindow(), &cone);
    QCOMPARE(session.read("lblVcono", Readable::Caption), volume);
}

QTEST_MAIN(WaylandTest)
#include "wayland_test.moc"
