// SPDX-License-Identifier: GPL-3.0-or-later
// What the key filter makes of typing, and of what an assistive tool does
// through the accessibility interfaces as screen readers, dictation and voice
// control do: it edits the same numbers the window computes with, and a menu
// item it activates answers at once.
#include "form.h"
#include "formwidget.h"
#include "guisession.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QLineEdit>
#include <QMenuBar>
#include <QTest>

#include <string>
#include <vector>

class AssistiveToolsTest : public QObject {
    Q_OBJECT
private slots:
    void everyEditGoesThroughTheKeyFilter_data();
    void everyEditGoesThroughTheKeyFilter();
    void menuItemAnswersBeforeItsWindowOpens();
};

void AssistiveToolsTest::everyEditGoesThroughTheKeyFilter_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("set");
    QTest::addColumn<QString>("taken");
    QTest::newRow("a typed letter swallowed") << "frmCono" << "txtRag" << "1x2" << QString() << "12";
    QTest::newRow("a typed radius replaced") << "frmCono" << "txtRag" << "12" << "7" << "7";
    QTest::newRow("an empty box filled") << "frmCono" << "txtAlt" << "" << "5" << "5";
    QTest::newRow("a letter filtered as if typed") << "frmCono" << "txtRag" << "" << "1x2" << "12";
    QTest::newRow("the banner takes nothing") << "frmGeomira" << "Text1" << "" << "abc" << "Geomira";
}

void AssistiveToolsTest::everyEditGoesThroughTheKeyFilter()
{
    QFETCH(QString, window);
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, set);
    QFETCH(QString, taken);
    GuiSession session;
    if (window != "frmGeomira")
        session.open(window.toStdString());
    const FormWidget *shown = session.platform().activeWindow();
    auto *line = shown->findChild<QLineEdit *>(box);
    QTest::keyClicks(line, typed);
    if (!set.isNull())
        QAccessible::queryAccessibleInterface(line)->editableTextInterface()->replaceText(0, line->text().size(), set);
    QCOMPARE(QString::fromStdString(shown->form().find(box.toStdString())->text()), taken);
    QCOMPARE(line->text(), taken);
}

void AssistiveToolsTest::menuItemAnswersBeforeItsWindowOpens()
{
    GuiSession session;
    const QtPlatform &platform = session.platform();
    QAccessibleInterface *menuBar = QAccessible::queryAccessibleInterface(platform.mainWindow()->findChild<QMenuBar *>());
    QAccessibleInterface *info = nullptr;
    for (int i = 0; i < menuBar->childCount(); ++i) {
        if (menuBar->child(i)->text(QAccessible::Name) == "Info")
            info = menuBar->child(i);
    }
    QVERIFY(info);
    // Twice before the first has run: the second finds the window open and does nothing.
    info->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    info->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(platform.activeWindow(), platform.mainWindow());
    QCoreApplication::processEvents();
    QCOMPARE(platform.activeWindow()->objectName(), "frmIo");
    QCOMPARE(session.takeEvents(), std::vector<std::string>{"show frmIo"});
}

QTEST_MAIN(AssistiveToolsTest)
#include "assistivetools_test.moc"
