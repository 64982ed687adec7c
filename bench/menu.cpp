// SPDX-License-Identifier: GPL-3.0-or-later
// geomira-menu-bench: chooses, one after the other, every item of the main
// window's menu that opens a window, 15 rounds, and prints for each the time
// from choosing the item to the first paint of the window it opens (median,
// and the first round's time, when nothing of that window had been loaded).
//
// It runs the program itself in this process: the application set up as
// Geomira's, the main window and its menu as QtPlatform builds them, and the
// windows opened by the menu action's trigger through the platform, modal in
// their nested event loop. The clock starts just before QAction::trigger() and
// stops when the event loop is back from handling the child window's first
// paint event; the child is then unloaded and the round goes on with a fresh
// main window (one item closes it).
#include "applicationsetup.h"
#include "firstpaintprobe.h"
#include "formwidget.h"
#include "median.h"
#include "platformseams.h"
#include "qtplatform.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {
constexpr int rounds = 15;

using Clock = std::chrono::steady_clock;

struct Item {
    std::size_t command; // its place among the menu's commands
    QString path; // the captions from the menu bar down
    std::string window;
    std::vector<double> milliseconds;
};

struct Command {
    QString path;
    QAction *action;
};

// The menu's commands in the order the menus show them, with the captions that lead to each.
void collectCommands(const QList<QAction *> &actions, const QString &path, std::vector<Command> &commands)
{
    for (QAction *action : actions) {
        if (!action->isVisible() || !action->isEnabled() || action->isSeparator())
            continue;
        QString caption = path.isEmpty() ? action->text() : path + QStringLiteral(" > ") + action->text();
        if (QMenu *menu = action->menu())
            collectCommands(menu->actions(), caption, commands);
        else
            commands.push_back({caption.remove(QLatin1Char('&')), action});
    }
}

std::vector<Command> commands(FormWidget &window)
{
    std::vector<Command> found;
    if (const auto *bar = window.findChild<QMenuBar *>())
        collectCommands(bar->actions(), {}, found);
    return found;
}

// Hears the child window open, and times its first paint from the moment its item was chosen.
class ChildPaintClock final : public EventListener {
public:
    void heard(const std::string &event) override
    {
        if (!event.starts_with("show "))
            return;
        window = event.substr(5);
        FormWidget *child = platform->activeWindow();
        afterFirstPaint(child, [this, child] {
            milliseconds = std::chrono::duration<double, std::milli>(Clock::now() - chosen).count();
            painted = true;
            platform->unload(child->form());
            QCoreApplication::exit(0);
        });
    }

    QtPlatform *platform = nullptr;
    Clock::time_point chosen;
    std::string window;
    double milliseconds = 0;
    bool painted = false;
};

// One choice of the menu's command in a fresh program: whether it opened a window that painted,
// which, and the time to that paint.
bool chooseOnce(std::size_t command, std::string &window, double &milliseconds)
{
    Waiting desktop;
    PrintTarget printer;
    ChildPaintClock clock;
    QtPlatform platform(desktop, printer, &clock);
    clock.platform = &platform;
    platform.start("frmGeomira");
    FormWidget *main = platform.mainWindow();
    if (!main)
        return false;
    afterFirstPaint(main, [&] {
        const std::vector<Command> menu = commands(*main);
        if (command < menu.size()) {
            clock.chosen = Clock::now();
            menu[command].action->trigger();
        }
        // The item's handler runs just after its activation returns; once it has run
        // without opening a window, the round is over.
        QMetaObject::invokeMethod(
            qApp, [&clock] {
                if (clock.window.empty())
                    QCoreApplication::exit(0);
            },
            Qt::QueuedConnection);
    });
    QApplication::exec();
    window = clock.window;
    milliseconds = clock.milliseconds;
    return clock.painted;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    setUpApplication();

    std::vector<Item> items;
    {
        QtPlatform platform;
        platform.start("frmGeomira");
        if (FormWidget *main = platform.mainWindow()) {
            const std::vector<Command> menu = commands(*main);
            for (std::size_t i = 0; i < menu.size(); ++i)
                items.push_back({i, menu[i].path, {}, {}});
        }
    }
    for (int round = 0; round < rounds; ++round) {
        for (Item &item : items) {
            double milliseconds = 0;
            if (chooseOnce(item.command, item.window, milliseconds))
                item.milliseconds.push_back(milliseconds);
        }
        // The items that opened no window (the separators) are left out from then on.
        std::erase_if(items, [](const Item &item) { return item.milliseconds.empty(); });
    }
    std::printf("median of %d rounds (first round): choosing a menu item to the first paint of its window\n", rounds);
    int width = 0;
    for (const Item &item : items)
        width = std::max(width, static_cast<int>(item.path.size()));
    for (const Item &item : items) {
        std::printf("%s%*s %-12s %7.1f ms (%5.1f ms)\n", qPrintable(item.path),
                    width - static_cast<int>(item.path.size()), "", item.window.c_str(),
                    median(item.milliseconds), item.milliseconds.front());
    }
    return 0;
}
