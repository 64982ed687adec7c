// SPDX-License-Identifier: GPL-3.0-or-later
// Every window of the program, used with the keyboard alone and read by a
// screen reader: names and roles in the accessibility tree, the tab order of
// the control tables, Enter, Space and access keys on buttons, the menu.
#include "catalog.h"
#include "form.h"
#include "formwidget.h"
#include "qtplatform.h"
#include "stepwiseseams.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <cctype>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {
QString qs(const std::string &text)
{
    return QString::fromStdString(text);
}

bool takesFocus(Kind kind)
{
    return kind == Kind::TextBox || kind == Kind::CommandButton || kind == Kind::TabControl;
}

// The letter after the '&' of a caption, or 0.
char accessKey(const std::string &caption)
{
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&')
            continue;
        if (caption[i + 1] != '&')
            return caption[i + 1];
        ++i;
    }
    return 0;
}

Qt::Key letterKey(char letter)
{
    return static_cast<Qt::Key>(Qt::Key_A + (std::toupper(static_cast<unsigned char>(letter)) - 'A'));
}

// A window opened as the program opens it (the main window first, the others
// modally over it), with what it does recorded: the platform's events, the
// messages it shows (answered with OK) and every change of its model.
class Session {
public:
    explicit Session(const std::string &formName)
        : m_waiting([this](QMessageBox &box) {
            m_log.events.push_back("message " + box.text().toStdString());
            box.button(QMessageBox::Ok)->click();
        })
        , m_platform(m_waiting, m_printer, &m_log)
    {
        m_platform.start("frmGeomira");
        if (formName != "frmGeomira")
            m_platform.showModal(formName);
        m_window = m_platform.activeWindow();
        m_window->form().observe([this](const Control &control, Property property) {
            m_log.events.push_back(control.name() + " changed " + std::to_string(static_cast<int>(property)));
        });
        m_window->activateWindow();
        m_active = QTest::qWaitForWindowActive(m_window);
        m_log.events.clear();
    }

    FormWidget &window() const { return *m_window; }
    Form &form() const { return m_window->form(); }
    bool isActive() const { return m_active; }
    const std::vector<std::string> &reactions() const { return m_log.events; }
    QWidget *widget(const std::string &control) const { return m_window->controlWidget(control); }

private:
    EventLog m_log;
    StepwiseWaiting m_waiting;
    TrialPrinter m_printer;
    QtPlatform m_platform;
    FormWidget *m_window = nullptr;
    bool m_active = false;
};

// What a user's action does in a fresh window, once it has done anything:
// an access key shows its button down a moment before pressing it.
template <typename Action>
std::vector<std::string> reactionsTo(const std::string &formName, Action act)
{
    Session session(formName);
    if (!session.isActive())
        return {};
    act(session);
    if (!QTest::qWaitFor([&] { return !session.reactions().empty(); }, 1000))
        return {};
    return session.reactions();
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
        if (takesFocus(control->kind()) && form.isReachable(*control))
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

std::vector<QAccessibleInterface *> accessibilityTree(QAccessibleInterface *node)
{
    std::vector<QAccessibleInterface *> all{node};
    for (int i = 0; i < node->childCount(); ++i) {
        for (QAccessibleInterface *below : accessibilityTree(node->child(i)))
            all.push_back(below);
    }
    return all;
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

void addWindowRows()
{
    QTest::addColumn<QString>("window");
    for (const std::string_view name : windowNames())
        QTest::newRow(name.data()) << QString::fromLatin1(name.data(), qsizetype(name.size()));
}
} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void treeNamesEveryControlWithAMeaningfulRole_data() { addWindowRows(); }
    void treeNamesEveryControlWithAMeaningfulRole();
    void boxesAndResultsAreNamedAfterTheirDescribers_data() { addWindowRows(); }
    void boxesAndResultsAreNamedAfterTheirDescribers();
    void tabFollowsTheTabIndexes_data() { addWindowRows(); }
    void tabFollowsTheTabIndexes();
    void keysPressTheButtonsAsAClickDoes_data() { addWindowRows(); }
    void keysPressTheButtonsAsAClickDoes();
    void menuOpensAndChoosesByKeyboard();

private:
    // Builds windows to read, never started.
    QtPlatform m_platform;
};

void AccessibilityTest::treeNamesEveryControlWithAMeaningfulRole()
{
    QFETCH(QString, window);
    Session session(window.toStdString());
    QAccessibleInterface *root = QAccessible::queryAccessibleInterface(&session.window());
    const Form &form = session.form();
    QCOMPARE(root->role(), window == QLatin1String("frmGeomira") ? QAccessible::Window : QAccessible::Dialog);
    if (form.caption().empty())
        QVERIFY(!root->text(QAccessible::Name).isEmpty());
    else
        QCOMPARE(root->text(QAccessible::Name), qs(form.caption()));

    const std::vector<QAccessibleInterface *> tree = accessibilityTree(root);
    std::map<const QObject *, QAccessibleInterface *> byObject;
    for (QAccessibleInterface *node : tree)
        byObject[node->object()] = node;
    for (const auto &control : form.controls()) {
        const QString name = qs(control->name());
        const QWidget *widget = session.widget(control->name());
        switch (control->kind()) {
        case Kind::Menu:
        case Kind::Timer: continue;
        case Kind::Line:
        case Kind::Shape:
            // A stroke of a drawing says nothing to a listener.
            QVERIFY2(!byObject.contains(widget), qPrintable(name + " clutters the tree"));
            continue;
        default: break;
        }
        QVERIFY2(byObject.contains(widget), qPrintable(name + " is missing from the tree"));
        const QAccessibleInterface *node = byObject.at(widget);
        QCOMPARE(node->role(), roleOf(control->kind()));
        if (control->kind() != Kind::Frame || !control->text().empty())
            QVERIFY2(!node->text(QAccessible::Name).isEmpty(), qPrintable(name + " has no name"));
        if (control->kind() == Kind::CommandButton || (control->kind() == Kind::Frame && !control->text().empty()))
            QCOMPARE(node->text(QAccessible::Name), qs(control->text()).remove(QLatin1Char('&')));
    }
    // Whatever the keyboard can reach says what it is and what it is called.
    qsizetype focusable = 0;
    qsizetype tabs = 0;
    for (const QAccessibleInterface *node : tree) {
        const QAccessible::State state = node->state();
        if (!state.focusable || state.invisible || state.disabled)
            continue;
        ++focusable;
        tabs += node->role() == QAccessible::PageTab;
        const QObject *object = node->object();
        const QString where = object ? object->objectName() + '/' + object->metaObject()->className()
                                     : node->parent()->object()->objectName() + "'s part";
        QVERIFY2(!node->text(QAccessible::Name).isEmpty(), qPrintable(where + " has no name"));
        QVERIFY2(node->role() != QAccessible::Client && node->role() != QAccessible::NoRole,
                 qPrintable(where + " has no role"));
        if (node->role() == QAccessible::PageTabList) {
            for (int i = 0; i < node->childCount(); ++i) {
                if (node->child(i)->state().invisible)
                    continue;
                QCOMPARE(node->child(i)->role(), QAccessible::PageTab);
                QVERIFY(!node->child(i)->text(QAccessible::Name).isEmpty());
            }
        }
    }
    // Besides the controls, only the tabs of a tab control.
    QCOMPARE(focusable - tabs, reachableStops(form).size());

    const auto *bar = session.window().findChild<QMenuBar *>();
    if (!bar)
        return;
    QAccessibleInterface *menu = QAccessible::queryAccessibleInterface(const_cast<QMenuBar *>(bar));
    QVERIFY(std::find(tree.begin(), tree.end(), menu) != tree.end());
    QCOMPARE(menu->role(), QAccessible::MenuBar);
    QCOMPARE(menu->childCount(), bar->actions().size());
    for (int i = 0; i < menu->childCount(); ++i) {
        QCOMPARE(menu->child(i)->role(), QAccessible::MenuItem);
        QCOMPARE(menu->child(i)->text(QAccessible::Name), bar->actions().at(i)->text().remove(QLatin1Char('&')));
    }
}

// Each box, tab control and result label is named after
// the label or button that its row names, in the same window; only in a window
// with no caption on show beside them does it take the window's title. A result
// reads its number after the name, which stays.
void AccessibilityTest::boxesAndResultsAreNamedAfterTheirDescribers()
{
    QFETCH(QString, window);
    FormWidget shown(createWindow(window.toStdString(), m_platform));
    const Form &form = shown.form();
    const bool captionsOnShow = std::any_of(form.controls().begin(), form.controls().end(), [](const auto &c) {
        return c->kind() == Kind::Label && !c->text().empty() && c->isVisible();
    });
    for (const auto &control : form.controls()) {
        const Kind kind = control->kind();
        const bool result = control->design().role() == Role::Result;
        if (kind != Kind::TextBox && kind != Kind::TabControl && !result)
            continue;
        QAccessibleInterface *node = QAccessible::queryAccessibleInterface(shown.controlWidget(control->name()));
        const Control *describer = form.find(control->design().describer());
        QVERIFY2(describer || (control->design().describer().empty() && !captionsOnShow),
                 qPrintable(qs(control->name() + " is described by no control of its window")));
        QVERIFY2(!describer || describer->kind() == Kind::Label || describer->kind() == Kind::CommandButton,
                 qPrintable(qs(control->name() + " is described by " + control->design().describer())));
        const QString name = describer ? qs(describer->text()).remove(QLatin1Char('&')) : qs(form.caption());
        QVERIFY2(!name.isEmpty(), qPrintable(qs(control->name() + " has an empty name")));
        QCOMPARE(node->text(QAccessible::Name), name);
        if (result) {
            control->setText("12,5");
            QCOMPARE(node->text(QAccessible::Name), name);
            QCOMPARE(node->text(QAccessible::Description), QStringLiteral("12,5"));
        }
    }
}

void AccessibilityTest::tabFollowsTheTabIndexes()
{
    QFETCH(QString, window);
    Session session(window.toStdString());
    QVERIFY(session.isActive());
    Form &form = session.form();
    std::map<int, std::string> byIndex;
    for (const auto &control : form.controls()) {
        if (control->design().tabIndex() < 0)
            continue;
        const auto [other, unique] = byIndex.emplace(control->design().tabIndex(), control->name());
        QVERIFY2(unique, qPrintable(qs(control->name() + " shares its tab index with " + other->second)));
    }
    const auto walk = [&](const char *state) {
        const QStringList expected = reachableStops(form);
        for (const QString &stop : expected)
            QVERIFY2(form.find(stop.toStdString())->design().tabIndex() >= 0, qPrintable(stop + " has no tab index"));
        QStringList visited;
        for (qsizetype i = 0; i < expected.size() && QApplication::focusWidget(); ++i) {
            visited << controlOf(session.window(), QApplication::focusWidget());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QVERIFY2(visited == expected, qPrintable(QStringLiteral("%1: %2 instead of %3")
                                                     .arg(state, visited.join(' '), expected.join(' '))));
        // Past the last, Tab comes round to the first; Shift+Tab goes back.
        QCOMPARE(controlOf(session.window(), QApplication::focusWidget()), expected.value(0, QStringLiteral("(none)")));
        if (!expected.isEmpty()) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
            QCOMPARE(controlOf(session.window(), QApplication::focusWidget()), expected.last());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
    };
    walk("as the window opens");
    if (QTest::currentTestFailed())
        return;

    // Each page of a tab control, shown from the keyboard: the arrows on its tabs.
    for (const auto &control : form.controls()) {
        if (control->kind() != Kind::TabControl)
            continue;
        QWidget *tabs = session.widget(control->name())->focusProxy();
        for (std::size_t page = 1; page < control->design().pageCaptions().size(); ++page) {
            tabs->setFocus();
            QTest::keyClick(tabs, Qt::Key_Right);
            QCOMPARE(control->currentPage(), static_cast<int>(page));
            walk(control->design().pageCaptions()[page].c_str());
            if (QTest::currentTestFailed())
                return;
        }
        form.showPage(*control, 0);
    }

    // Buttons enabled later by a handler take their place in the order.
    for (const auto &control : form.controls())
        control->setEnabled(true);
    QWidget *first = session.widget(reachableStops(form).value(0).toStdString());
    if (!first)
        return;
    (first->focusProxy() ? first->focusProxy() : first)->setFocus();
    walk("with every control enabled");
}

// Enter, Space and the access key on each button the keyboard can reach do
// what a click on it does, in a fresh window each time.
void AccessibilityTest::keysPressTheButtonsAsAClickDoes()
{
    QFETCH(QString, window);
    const std::string formName = window.toStdString();
    const std::unique_ptr<Form> design = createWindow(formName, m_platform);
    for (const auto &control : design->controls()) {
        if (control->kind() != Kind::CommandButton || !design->isReachable(*control))
            continue;
        const std::string name = control->name();
        const std::vector<std::string> click = reactionsTo(formName, [&](Session &session) {
            QTest::mouseClick(session.widget(name), Qt::LeftButton);
        });
        QVERIFY2(!click.empty(), qPrintable(qs(name + ": a click shows nothing to compare with")));
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
            const auto pressed = reactionsTo(formName, [&](Session &session) {
                QWidget *button = session.widget(name);
                button->setFocus();
                if (QApplication::focusWidget() == button)
                    QTest::keyClick(button, key);
            });
            QVERIFY2(pressed == click, qPrintable(qs(name) + " by key " + QString::number(key)));
        }
        if (const char letter = accessKey(control->text())) {
            const auto pressed = reactionsTo(formName, [&](Session &) {
                QTest::keyClick(QApplication::focusWidget(), letterKey(letter), Qt::AltModifier);
            });
            QVERIFY2(pressed == click, qPrintable(qs(name) + " by Alt+" + letter));
        }
    }
}

// Each top item opens with Alt and its access key; each item that does
// something is reached with the arrows and chosen with Enter, to the same
// effect as choosing it with the mouse.
void AccessibilityTest::menuOpensAndChoosesByKeyboard()
{
    const std::unique_ptr<Form> form = createWindow("frmGeomira", m_platform);
    int chosen = 0;
    for (const auto &control : form->controls()) {
        if (control->kind() != Kind::Menu || !form->hasHandler(*control, Event::Click))
            continue;
        // The path from the menu bar down to the item.
        std::vector<const Control *> path{control.get()};
        while (!path.front()->design().container().empty())
            path.insert(path.begin(), form->find(path.front()->design().container()));
        const char letter = accessKey(path.front()->text());
        QVERIFY2(letter, qPrintable(qs(path.front()->name() + " has no access key")));

        const std::vector<std::string> click = reactionsTo("frmGeomira", [&](Session &session) {
            session.window().menuAction(control->name())->trigger();
        });
        QVERIFY2(!click.empty(), control->name().c_str());
        bool reached = true;
        const auto typed = reactionsTo("frmGeomira", [&](Session &session) {
            QTest::keyClick(QApplication::focusWidget(), letterKey(letter), Qt::AltModifier);
            for (std::size_t level = 1; level < path.size() && reached; ++level) {
                QMenu *menu = session.window().menuAction(path[level - 1]->name())->menu();
                QAction *target = session.window().menuAction(path[level]->name());
                reached = QTest::qWaitFor([&] { return QApplication::activePopupWidget() == menu; }, 1000);
                for (qsizetype step = 0; reached && menu->activeAction() != target && step < menu->actions().size();
                     ++step)
                    QTest::keyClick(menu, Qt::Key_Down);
                reached = reached && menu->activeAction() == target;
                if (reached)
                    QTest::keyClick(menu, target->menu() ? Qt::Key_Right : Qt::Key_Return);
            }
        });
        QVERIFY2(reached, qPrintable(qs(control->name() + " is out of the arrows' reach")));
        QVERIFY2(typed == click, control->name().c_str());
        ++chosen;
    }
    QVERIFY(chosen > 0);
}

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
