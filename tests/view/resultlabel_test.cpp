// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog.h"
#include "form.h"
#include "formwidget.h"
#include "qtplatform.h"
#include "roles.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QTest>

#include <string>
#include <vector>

namespace {
std::vector<std::string> resultLabelsOf(const Form &form)
{
    std::vector<std::string> names;
    for (const auto &control : form.controls()) {
        if (isResultLabel(*control))
            names.push_back(control->name());
    }
    return names;
}

QMenu *openContextMenu(QLabel &label)
{
    QContextMenuEvent event(QContextMenuEvent::Mouse, label.rect().center(), label.mapToGlobal(label.rect().center()));
    QCoreApplication::sendEvent(&label, &event);
    return label.findChild<QMenu *>();
}
} // namespace

class ResultLabelTest : public QObject {
    Q_OBJECT
private slots:
    void showsTheLongestResultWhole();
    void copiesTheResultAsTheWindowHoldsIt();

private:
    // Builds windows to read, never started.
    QtPlatform m_platform;
};

// The longest text a number is written with must show every digit and the exponent in the narrowest result.
void ResultLabelTest::showsTheLongestResultWhole()
{
    const std::string longest = "-1,79769313486232E+308";
    int checked = 0;
    for (const std::string_view name : windowNames()) {
        FormWidget window(createWindow(name, m_platform));
        window.show();
        for (const std::string &result : resultLabelsOf(window.form())) {
            Control &control = *window.form().find(result);
            const std::string tip = control.toolTip();
            control.setText(longest);
            const auto *label = qobject_cast<QLabel *>(window.controlWidget(result));
            QVERIFY(label);
            const QString where = QString::fromStdString(std::string(name) + "." + result);
            QCOMPARE(label->text().toStdString(), longest);
            QVERIFY2(QFontMetricsF(label->font()).horizontalAdvance(label->text()) <= label->contentsRect().width(),
                     qPrintable(where));
            QCOMPARE(control.text(), longest);
            QCOMPARE(label->toolTip().toStdString(), tip);
            ++checked;
        }
    }
    QVERIFY(checked > 20);
}

void ResultLabelTest::copiesTheResultAsTheWindowHoldsIt()
{
    FormWidget window(createWindow("frmCono", m_platform));
    const std::string result = resultLabelsOf(window.form()).front();
    auto &label = *qobject_cast<QLabel *>(window.controlWidget(result));
    QGuiApplication::clipboard()->setText(QStringLiteral("prima"));

    QMenu *menu = openContextMenu(label);
    QVERIFY(menu);
    QCOMPARE(menu->actions().size(), 1);
    QCOMPARE(menu->actions().front()->text(), QStringLiteral("Copia"));
    QVERIFY(!menu->actions().front()->isEnabled());
    delete menu;

    window.form().find(result)->setText("1,23456789012346E-05");
    menu = openContextMenu(label);
    menu->actions().front()->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("1,23456789012346E-05"));
}

QTEST_MAIN(ResultLabelTest)
#include "resultlabel_test.moc"
