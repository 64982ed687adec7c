// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog.h"
#include "form.h"
#include "formwidget.h"
#include "qtplatform.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QTest>

#include <algorithm>
#include <memory>
#include <string>

class ResultLabelTest : public QObject {
    Q_OBJECT
private slots:
    void showsTheLongestResultWhole();
    void copiesTheResultAsTheWindowHoldsIt();

private:
    // Builds windows to read, never started.
    QtPlatform m_platform;
};

// The longest text a number is written with shows every digit and the
// exponent in every result, the narrowest too: the label shrinks its font.
void ResultLabelTest::showsTheLongestResultWhole()
{
    const QString longest = QStringLiteral("-1,79769313486232E+308");
    int checked = 0;
    for (const std::string_view name : windowNames()) {
        FormWidget window(createWindow(name, m_platform));
        window.show();
        for (const auto &control : window.form().controls()) {
            if (control->design().role() != Role::Result)
                continue;
            control->setText(longest.toStdString());
            const auto *label = qobject_cast<QLabel *>(window.controlWidget(control->name()));
            QVERIFY(label && label->text() == longest);
            QVERIFY2(QFontMetricsF(label->font()).horizontalAdvance(longest) <= label->contentsRect().width(),
                     qPrintable(QString::fromStdString(std::string(name) + "." + control->name())));
            ++checked;
        }
    }
    QVERIFY(checked > 20);
}

// A result's menu copies it, and has nothing to copy while it is empty.
void ResultLabelTest::copiesTheResultAsTheWindowHoldsIt()
{
    FormWidget window(createWindow("frmCono", m_platform));
    Control &result = **std::find_if(window.form().controls().begin(), window.form().controls().end(),
                                     [](const auto &c) { return c->design().role() == Role::Result; });
    QWidget &label = *window.controlWidget(result.name());
    const auto openMenu = [&] {
        QContextMenuEvent event(QContextMenuEvent::Mouse, label.rect().center(), label.mapToGlobal(label.rect().center()));
        QCoreApplication::sendEvent(&label, &event);
        return std::unique_ptr<QMenu>(label.findChild<QMenu *>());
    };
    QGuiApplication::clipboard()->setText(QStringLiteral("prima"));
    std::unique_ptr<QMenu> menu = openMenu();
    QVERIFY(menu);
    QCOMPARE(menu->actions().size(), 1);
    QCOMPARE(menu->actions().front()->text(), QStringLiteral("Copia"));
    QVERIFY(!menu->actions().front()->isEnabled());
    menu.reset();
    result.setText("1,23456789012346E-05");
    menu = openMenu();
    menu->actions().front()->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("1,23456789012346E-05"));
}

QTEST_MAIN(ResultLabelTest)
#include "resultlabel_test.moc"
