// SPDX-License-Identifier: GPL-3.0-or-later
#include "appearance.h"
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

namespace {
// The smallest sizes the labels keep, to a hair for the steps of the font's sizes.
constexpr qreal legibleResult = 6.95;
constexpr qreal legibleEcho = 5.45;

bool showsWhole(const QLabel &label)
{
    return QFontMetricsF(label.font()).horizontalAdvance(label.text()) <= label.contentsRect().width();
}
} // namespace

class ResultLabelTest : public QObject {
    Q_OBJECT
private slots:
    void showsTheLongestResultWhole();
    void echoesAsMuchAsReads();
    void copiesTheResultAsTheWindowHoldsIt();

private:
    // Builds windows to read, never started.
    QtPlatform m_platform;
};

// The longest text a number is written with shows every digit and the
// exponent in every result, the narrowest too: the label shrinks its font, but
// keeps a legible size by growing to the right over free space, and takes its
// own box again for a short number. Its place stays the model's.
void ResultLabelTest::showsTheLongestResultWhole()
{
    const QString longest = QStringLiteral("-1,79769313486232E+308");
    int checked = 0, grown = 0;
    for (const std::string_view name : windowNames()) {
        FormWidget window(createWindow(name, m_platform));
        window.show();
        for (const auto &control : window.form().controls()) {
            if (control->design().role() != Role::Result)
                continue;
            const auto *label = qobject_cast<QLabel *>(window.controlWidget(control->name()));
            const QString where = qText(std::string(name) + "." + control->name());
            // A chord's dimension line crosses the right of four of the holes' results: they keep
            // room for the widest spacing, 15 digits and a decimal.
            const bool crossed = name == "frmFori"
                && QStringList{"Label27", "Label28", "Label31", "Label32"}.contains(qText(control->name()));
            const QRect placed = label->geometry();
            for (const QString &number : {longest, crossed ? QStringLiteral("86602999999999,9") : longest}) {
                control->setText(number.toStdString());
                QVERIFY(label->text() == number);
                QVERIFY2(showsWhole(*label), qPrintable(where));
                QVERIFY2(label->pos() == placed.topLeft() && label->height() == placed.height(), qPrintable(where));
            }
            QVERIFY2(label->font().pointSizeF() >= legibleResult, qPrintable(where));
            grown += label->width() > placed.width();
            control->setText("2");
            QCOMPARE(label->geometry(), placed);
            ++checked;
        }
    }
    QVERIFY(checked > 20 && grown > 0);
}

// A 15-digit echo of the number under the radical sign and of a hole circle's
// diameter shows whole; 60 digits in any echo show as much as reads, and the
// rest is on the label's description; its caption stays the model's.
void ResultLabelTest::echoesAsMuchAsReads()
{
    const struct {
        const char *window, *echo; // every echo of the window where none is named
        int digits;
    } cases[] = {{"frmRad", "Label2", 15}, {"frmFori", "", 15}, {"frmRad", "", 60}, {"frmFori", "", 60}};
    for (const auto &[window, echo, digits] : cases) {
        FormWidget shown(createWindow(window, m_platform));
        shown.show();
        const QString typed = QString("1234567890").repeated(6).left(digits);
        int checked = 0;
        for (const auto &control : shown.form().controls()) {
            if (control->design().role() != Role::Echo || (*echo && control->name() != echo))
                continue;
            control->setText(typed.toStdString());
            const auto &label = *qobject_cast<QLabel *>(shown.controlWidget(control->name()));
            const QString where = qText(std::string(window) + "." + control->name());
            QCOMPARE(label.text(), typed);
            QVERIFY2(label.font().pointSizeF() >= legibleEcho, qPrintable(where));
            QVERIFY2(digits > 15 || showsWhole(label), qPrintable(where));
            QCOMPARE(label.accessibleDescription(), showsWhole(label) ? QString() : typed);
            ++checked;
        }
        QVERIFY(checked > 0);
    }
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
