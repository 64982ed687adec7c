// SPDX-License-Identifier: GPL-3.0-or-later
// Every window of the program, used with the keyboard alone and read by a
// screen reader: names and roles in the accessibility tree, the tab order of
// the control tables, Enter, Space and access keys on buttons, the menu.
#include "catalog.h"
#include "form.h"
#include "formwidget.h"
#include "guisession.h"
#include "widgetreader.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
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

// A window opened as the program opens it, in the widget runner's session,
// active for the keyboard, with what it does heard in order: the program's
// events and every change of its model.
class Opened {
public:
    explicit Opened(const std::string &formName)
    {
        if (formName != "frmGeomira")
            m_session.open(formName);
        m_window = m_session.platform().activeWindow();
        m_window->form().observe([this](const Control &control, Property property) {
            heard();
            m_heard.push_back(control.name() + " changed " + std::to_string(static_cast<int>(property)));
        });
        m_window->activateWindow();
        m_active = QTest::qWaitForWindowActive(m_window);
        m_heard.clear();
        m_session.takeEvents();
    }

    FormWidget &window() const { return *m_window; }
    Form &form() const { return m_window->form(); }
    bool isActive() const { return m_active; }
    QWidget *widget(const std::string &control) const { return m_window->controlWidget(control); }
    const std::vector<std::string> &heard()
    {
        for (std::string &event : m_session.takeEvents())
            m_heard.push_back(std::move(event));
        return m_heard;
    }

private:
    std::vector<std::string> m_heard; // before the session, whose windows may report as they go
    GuiSession m_session;
    FormWidget *m_window = nullptr;
    bool m_active = false;
};

// What a user's action does in a fresh window, once it has done anything:
// an access key shows its button down a moment before pressing it.
template <typename Action>
std::vector<std::string> reactionsTo(const std::string &formName, Action act)
{
    Opened session(formName);
    if (!session.isActive())
        return {};
    act(session);
    if (!QTest::qWaitFor([&] { return !session.heard().empty(); }, 1000))
        return {};
    return session.heard();
}

// A name as a screen reader says it: without the access key's '&'.
QString spoken(const std::string &caption)
{
    return qs(caption).remove(QLatin1Char('&'));
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
    void everyControlIsNamedWithAMeaningfulRole_data() { addWindowRows(); }
    void everyControlIsNamedWithAMeaningfulRole();
    void tabFollowsTheTabIndexes_data() { addWindowRows(); }
    void tabFollowsTheTabIndexes();
    void keysPressTheButtonsAsAClickDoes_data() { addWindowRows(); }
    void keysPressTheButtonsAsAClickDoes();
    void menuOpensAndChoosesByKeyboard();

private:
    // Builds windows to read, never started.
    QtPlatform m_platform;
};

void AccessibilityTest::everyControlIsNamedWithAMeaningfulRole()
{
    QFETCH(QString, window);
    Opened session(window.toStdString());
    QAccessibleInterface *root = QAccessible::queryAccessibleInterface(&session.window());
    Form &form = session.form();
    QCOMPARE(root->role(), window == QLatin1String("frmGeomira") ? QAccessible::Window : QAccessible::Dialog);
    const QString title = root->text(QAccessible::Name);
    QVERIFY2(form.caption().empty() ? !title.isEmpty() : title == qs(form.caption()), qPrintable(title));

    const std::vector<QAccessibleInterface *> tree = accessibilityTree(root);
    std::map<const QObject *, QAccessibleInterface *> byObject;
    for (QAccessibleInterface *node : tree)
        byObject[node->object()] = node;
    // A box, tab control or result is named after the label or button that its
    // row names; only in a window with no caption on show does it take the
    // window's title. A result reads its number after the name, which stays.
    const bool captionsOnShow = std::any_of(form.controls().begin(), form.controls().end(), [](const auto &c) {
        return c->kind() == Kind::Label && !c->text().empty() && c->isVisible();
    });
    for (const auto &control : form.controls()) {
        const Kind kind = control->kind();
        const QString name = qs(control->name());
        const QWidget *widget = session.widget(control->name());
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
        if (kind == Kind::TextBox || kind == Kind::TabControl || result) {
            const Control *describer = form.find(control->design().describer());
            QVERIFY2(describer || (control->design().describer().empty() && !captionsOnShow),
                     qPrintable(name + " is described by no control of its window"));
            QVERIFY2(!describer || describer->kind() == Kind::Label || describer->kind() == Kind::CommandButton,
                     qPrintable(name + " is described by " + qs(control->design().describer())));
            QCOMPARE(spokenName, describer ? spoken(shownText(*session.widget(describer->name()))) : qs(form.caption()));
        } else if (kind == Kind::CommandButton || (kind == Kind::Frame && !control->text().empty())) {
            QCOMPARE(spokenName, spoken(shownText(*widget)));
        }
        QVERIFY2(!spokenName.isEmpty() || (kind == Kind::Frame && control->text().empty()),
                 qPrintable(name + " has no name"));
        if (result) {
            control->setText("12,5");
            QCOMPARE(node->text(QAccessible::Name), spokenName);
            QCOMPARE(node->text(QAccessible::Description), QStringLiteral("12,5"));
        }
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
        QCOMPARE(menu->child(i)->text(QAccessible::Name), spoken(bar->actions().at(i)->text().toStdString()));
    }
}

void AccessibilityTest::tabFollowsTheTabIndexes()
{
    QFETCH(QString, window);
    Opened session(window.toStdString());
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
        const std::vector<std::string> click = reactionsTo(formName, [&](Opened &session) {
            QTest::mouseClick(session.widget(name), Qt::LeftButton);
        });
        QVERIFY2(!click.empty(), qPrintable(qs(name + ": a click shows nothing to compare with")));
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
            const auto pressed = reactionsTo(formName, [&](Opened &session) {
                QWidget *button = session.widget(name);
                button->setFocus();
                if (QApplication::focusWidget() == button)
                    QTest::keyClick(button, key);
            });
            QVERIFY2(pressed == click, qPrintable(qs(name) + " by key " + QString::number(key)));
        }
        if (const char letter = accessKey(control->text())) {
            const auto pressed = reactionsTo(formName, [&](Opened &) {
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

        const std::vector<std::string> click = reactionsTo("frmGeomira", [&](Opened &session) {
            session.window().menuAction(control->name())->trigger();
        });
        QVERIFY2(!click.empty(), control->name().c_str());
        bool reached = true;
        const auto typed = reactionsTo("frmGeomira", [&](Opened &session) {
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
