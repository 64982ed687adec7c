// SPDX-License-Identifier: GPL-3.0-or-later
// Every window of the program, used with the keyboard alone and read by a
// screen reader: names and roles in the accessibility tree, Enter and Escape
// in the boxes, and Tab through the controls in the order of their tab indexes.
#include "catalog.h"
#include "form.h"
#include "formwidget.h"
#include "guisession.h"
#include "widgetreader.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QTest>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace {
QString qs(const std::string &text)
{
    return QString::fromStdString(text);
}

// A name as a screen reader says it: without the access key's '&'.
QString spoken(const QString &caption)
{
    return QString(caption).remove(QLatin1Char('&'));
}

// The control that a focused widget belongs to (a tab control's focus is on its tab bar).
QString controlOf(const FormWidget &window, const QWidget *widget)
{
    for (; widget && widget != &window; widget = widget->parentWidget()) {
        if (window.form().find(widget->objectName().toStdString()))
            return widget->objectName();
    }
    return QStringLiteral("(none)");
}

// The controls that Tab must visit, in the order of their tab indexes.
QStringList reachableStops(const Form &form)
{
    std::vector<const Control *> stops;
    for (const auto &control : form.controls()) {
        const Kind kind = control->kind();
        if ((kind == Kind::TextBox || kind == Kind::CommandButton || kind == Kind::TabControl) &&
            form.isReachable(*control))
            stops.push_back(control.get());
    }
    std::stable_sort(stops.begin(), stops.end(), [](const Control *a, const Control *b) {
        return a->design().tabIndex() < b->design().tabIndex();
    });
    QStringList names;
    for (const Control *stop : stops)
        names << qs(stop->name());
    return names;
}

void addTree(QAccessibleInterface *node, std::vector<QAccessibleInterface *> &tree)
{
    tree.push_back(node);
    for (int i = 0; i < node->childCount(); ++i)
        addTree(node->child(i), tree);
}

// What the screen reader is told has the focus: one control's node at most.
QStringList focusedNodes(FormWidget &window)
{
    std::vector<QAccessibleInterface *> tree;
    addTree(QAccessible::queryAccessibleInterface(&window), tree);
    QStringList focused;
    for (QAccessibleInterface *node : tree)
        if (node->state().focused)
            focused << (node->object() ? node->object()->objectName() : node->text(QAccessible::Name));
    return focused;
}

QAccessible::Role roleOf(Kind kind)
{
    switch (kind) {
    case Kind::TextBox: return QAccessible::EditableText;
    case Kind::CommandButton: return QAccessible::Button;
    case Kind::Label: return QAccessible::StaticText;
    case Kind::Frame:
    case Kind::TabControl: return QAccessible::Grouping;
    case Kind::Image: return QAccessible::Graphic;
    default: return QAccessible::NoRole;
    }
}
} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void everyWindowByKeyboardAndScreenReader_data();
    void everyWindowByKeyboardAndScreenReader();

private:
    void checkTree(const FormWidget &window);
    void checkEnterAndEscapeInBoxes(FormWidget &window);
    void checkTabOrder(FormWidget &window, const char *state);
};

void AccessibilityTest::everyWindowByKeyboardAndScreenReader_data()
{
    QTest::addColumn<QString>("window");
    for (const std::string_view name : windowNames())
        QTest::newRow(name.data()) << QString::fromLatin1(name.data(), qsizetype(name.size()));
}

void AccessibilityTest::everyWindowByKeyboardAndScreenReader()
{
    QFETCH(QString, window);
    GuiSession session;
    if (window != QLatin1String("frmGeomira"))
        session.open(window.toStdString());
    FormWidget &shown = *session.platform().activeWindow();
    shown.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&shown));
    Form &form = shown.form();
    checkTree(shown);
    checkEnterAndEscapeInBoxes(shown);
    checkTabOrder(shown, "as the window opens");

    // Each page of a tab control, shown from the keyboard: the arrows on its tabs.
    for (const auto &control : form.controls()) {
        if (control->kind() != Kind::TabControl)
            continue;
        QWidget *tabs = shown.controlWidget(control->name())->focusProxy();
        for (std::size_t page = 1; page < control->design().pageCaptions().size(); ++page) {
            tabs->setFocus();
            QTest::keyClick(tabs, Qt::Key_Right);
            QCOMPARE(control->currentPage(), static_cast<int>(page));
            checkTabOrder(shown, control->design().pageCaptions()[page].c_str());
        }
        form.showPage(*control, 0);
    }
    // Buttons enabled later by a handler take their place in the order.
    for (const auto &control : form.controls())
        control->setEnabled(true);
    if (QWidget *first = shown.controlWidget(reachableStops(form).value(0).toStdString())) {
        (first->focusProxy() ? first->focusProxy() : first)->setFocus();
        checkTabOrder(shown, "with every control enabled");
    }
}

void AccessibilityTest::checkTree(const FormWidget &window)
{
    const Form &form = window.form();
    QAccessibleInterface *root = QAccessible::queryAccessibleInterface(const_cast<FormWidget *>(&window));
    const QString title = root->text(QAccessible::Name);
    QVERIFY2(form.caption().empty() ? !title.isEmpty() : title == qs(form.caption()), qPrintable(title));
    std::vector<QAccessibleInterface *> tree;
    addTree(root, tree);
    std::map<const QObject *, QAccessibleInterface *> byObject;
    for (QAccessibleInterface *node : tree)
        byObject[node->object()] = node;
    // Only a window with no caption on show lends its title to its boxes.
    const bool captionsOnShow = std::any_of(form.controls().begin(), form.controls().end(), [](const auto &c) {
        return c->kind() == Kind::Label && !c->text().empty() && c->isVisible();
    });
    for (const auto &control : form.controls()) {
        const Kind kind = control->kind();
        const QString name = qs(control->name());
        const QWidget *widget = window.controlWidget(control->name());
        if (kind == Kind::Menu || kind == Kind::Timer)
            continue;
        // A stroke of a drawing says nothing to a listener.
        if (kind == Kind::Line || kind == Kind::Shape) {
            QVERIFY2(!byObject.contains(widget), qPrintable(name + " clutters the tree"));
            continue;
        }
        QVERIFY2(byObject.contains(widget), qPrintable(name + " is missing from the tree"));
        QAccessibleInterface *node = byObject.at(widget);
        QCOMPARE(node->role(), roleOf(kind));
        const QString spokenName = node->text(QAccessible::Name);
        const bool result = control->design().role() == Role::Result;
        // A box, tab control or result is named after the label or button its row names.
        if (kind == Kind::TextBox || kind == Kind::TabControl || result) {
            const Control *describer = form.find(control->design().describer());
            QVERIFY2(describer ? describer->kind() == Kind::Label || describer->kind() == Kind::CommandButton
                               : control->design().describer().empty() && !captionsOnShow,
                     qPrintable(name + " is described by '" + qs(control->design().describer()) + "'"));
            QCOMPARE(spokenName, describer ? spoken(qs(shownText(*window.controlWidget(describer->name()))))
                                           : qs(form.caption()));
        } else if (kind == Kind::CommandButton || (kind == Kind::Frame && !control->text().empty())) {
            QCOMPARE(spokenName, spoken(qs(shownText(*widget))));
        }
        QVERIFY2(!spokenName.isEmpty() || (kind == Kind::Frame && control->text().empty()),
                 qPrintable(name + " has no name"));
        // A result reads its number after the name, which stays.
        if (result) {
            control->setText("12,5");
            QCOMPARE(node->text(QAccessible::Name), spokenName);
            QCOMPARE(node->text(QAccessible::Description), QStringLiteral("12,5"));
        }
    }
    // Whatever the keyboard can reach says what it is and what it is called;
    // besides the controls, only the tabs of a tab control take the focus.
    qsizetype focusable = 0;
    for (const QAccessibleInterface *node : tree) {
        const QAccessible::State state = node->state();
        if (!state.focusable || state.invisible || state.disabled || node->role() == QAccessible::PageTab)
            continue;
        ++focusable;
        const QString where = node->object() ? node->object()->objectName() : node->parent()->object()->objectName();
        QVERIFY2(!node->text(QAccessible::Name).isEmpty(), qPrintable(where + " has no name"));
        QVERIFY2(node->role() != QAccessible::Client && node->role() != QAccessible::NoRole,
                 qPrintable(where + " has no role"));
    }
    QCOMPARE(focusable, reachableStops(form).size());
    if (const auto *bar = window.findChild<QMenuBar *>()) {
        QAccessibleInterface *menu = QAccessible::queryAccessibleInterface(const_cast<QMenuBar *>(bar));
        QVERIFY(std::find(tree.begin(), tree.end(), menu) != tree.end());
        QCOMPARE(menu->childCount(), bar->actions().size());
        for (int i = 0; i < menu->childCount(); ++i) {
            QCOMPARE(menu->child(i)->role(), QAccessible::MenuItem);
            QCOMPARE(menu->child(i)->text(QAccessible::Name), spoken(bar->actions().at(i)->text()));
        }
    }
}

// Enter and Escape typed in a box neither press a button nor close the window.
void AccessibilityTest::checkEnterAndEscapeInBoxes(FormWidget &window)
{
    int clicks = 0;
    const QObject counting; // the counting stops with it
    QWidget *focused = QApplication::focusWidget();
    for (QAbstractButton *button : window.findChildren<QAbstractButton *>())
        connect(button, &QAbstractButton::clicked, &counting, [&clicks] { ++clicks; });
    for (const auto &control : window.form().controls()) {
        if (control->kind() != Kind::TextBox || !window.form().isReachable(*control))
            continue;
        QWidget *box = window.controlWidget(control->name());
        box->setFocus();
        const std::string before = control->text();
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
            QTest::keyClick(box, key);
        QVERIFY2(clicks == 0 && window.isVisible(), control->name().c_str());
        control->setText(before); // a multi-line box takes Enter as a new line
    }
    if (focused)
        focused->setFocus();
}

void AccessibilityTest::checkTabOrder(FormWidget &window, const char *state)
{
    const QStringList expected = reachableStops(window.form());
    QStringList visited;
    for (qsizetype i = 0; i < expected.size() && QApplication::focusWidget(); ++i) {
        visited << controlOf(window, QApplication::focusWidget());
        const QStringList focused = focusedNodes(window);
        QVERIFY2(focused.size() == 1, qPrintable(QStringLiteral("%1: focused %2").arg(state, focused.join(' '))));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QVERIFY2(visited == expected,
             qPrintable(QStringLiteral("%1: %2 instead of %3").arg(state, visited.join(' '), expected.join(' '))));
    // Past the last, Tab comes round to the first; Shift+Tab goes back.
    QCOMPARE(controlOf(window, QApplication::focusWidget()), expected.value(0, QStringLiteral("(none)")));
    if (!expected.isEmpty()) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(controlOf(window, QApplication::focusWidget()), expected.last());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
}

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
