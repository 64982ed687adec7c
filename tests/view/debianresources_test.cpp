// SPDX-License-Identifier: GPL-3.0-or-later
#include "appearance.h"
#include "applicationsetup.h"
#include "catalog.h"
#include "form.h"
#include "qtplatform.h"

#include <QFontInfo>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTextEdit>

#include <memory>
#include <set>
#include <string>

// What the windows take from Debian's packages besides Qt: the faces their
// fonts map to, and Qt's own texts in Italian.
class DebianResourcesTest : public QObject {
    Q_OBJECT
private slots:
    void everyFaceOfTheWindowsIsInstalled();
    void boxMenusReadInItalian();
};

// A face that is not installed falls back to whatever the desktop likes, with other metrics.
void DebianResourcesTest::everyFaceOfTheWindowsIsInstalled()
{
    QtPlatform platform;
    std::set<std::string> faces;
    for (const std::string_view name : windowNames()) {
        const std::unique_ptr<Form> form = createWindow(name, platform);
        for (const auto &control : form->controls())
            faces.insert(control->design().fontSpec().face);
    }
    for (const std::string &face : faces) {
        const QFont font = toQFont({.face = face, .points = 10});
        // Qt names the foundry too where a family comes from more than one: "P052 [UKWN]".
        QCOMPARE(QFontInfo(font).family().section(QStringLiteral(" ["), 0, 0), font.family());
    }
}

// Every item of the menus Qt gives a box and a text area changes its words once the set-up has run.
void DebianResourcesTest::boxMenusReadInItalian()
{
    QLineEdit box(QStringLiteral("12"));
    QTextEdit area(QStringLiteral("12"));
    const auto menuTexts = [&] {
        QStringList texts;
        for (QMenu *menu : {box.createStandardContextMenu(), area.createStandardContextMenu()}) {
            for (const QAction *action : menu->actions()) {
                if (!action->isSeparator())
                    texts.append(action->text());
            }
            delete menu;
        }
        return texts;
    };
    const QStringList english = menuTexts();
    setUpApplication();
    const QStringList italian = menuTexts();
    QCOMPARE(italian.size(), english.size());
    for (qsizetype i = 0; i < english.size(); ++i)
        QVERIFY2(italian[i] != english[i], qPrintable(english[i]));
}

QTEST_MAIN(DebianResourcesTest)
#include "debianresources_test.moc"
