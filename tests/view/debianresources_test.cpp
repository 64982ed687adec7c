// SPDX-License-Identifier: GPL-3.0-or-later
#include "appearance.h"
#include "catalog.h"
#include "form.h"
#include "qtplatform.h"

#include <QFontInfo>
#include <QTest>

#include <memory>
#include <set>
#include <string>

// What the windows take from Debian's packages besides Qt: the faces their
// fonts map to.
class DebianResourcesTest : public QObject {
    Q_OBJECT
private slots:
    void everyFaceOfTheWindowsIsInstalled();
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

QTEST_MAIN(DebianResourcesTest)
#include "debianresources_test.moc"
