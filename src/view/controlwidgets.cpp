// SPDX-License-Identifier: GPL-3.0-or-later
#include "controlwidgets.h"

#include "accessiblenames.h"
#include "appearance.h"
#include "form.h"
#include "framewidget.h"
#include "imagewidget.h"
#include "labelwidget.h"
#include "linewidget.h"
#include "shapewidget.h"
#include "tabcontrolwidget.h"
#include "textboxfilter.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTextEdit>

#include <algorithm>
#include <limits>

namespace {
QString toWidgetLines(const std::string &text)
{
    return qText(text).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

Qt::Alignment horizontal(Align alignment)
{
    switch (alignment) {
    case Align::Right: return Qt::AlignRight;
    case Align::Center: return Qt::AlignHCenter;
    case Align::Left: break;
    }
    return Qt::AlignLeft;
}
} // namespace

std::string toModelLines(QString plainText)
{
    return plainText.replace(QLatin1Char('\n'), QLatin1String("\r\n")).toStdString();
}

QWidget *createControlWidget(Form &form, Control &control, QWidget *container)
{
    const QFont font = toQFont(control.design().fontSpec());
    switch (control.kind()) {
    case Kind::Label: {
        auto *label = new LabelWidget(container);
        label->setAlignment(Qt::AlignTop | horizontal(control.design().alignment()));
        label->setFont(font);
        if (control.design().role() == Role::Result)
            label->showResultOf(describedName(form, control));
        else if (control.design().role() == Role::Echo)
            label->showEcho();
        return label;
    }
    case Kind::TextBox: {
        QWidget *box = nullptr;
        if (control.design().isMultiLine()) {
            auto *area = new QTextEdit(container);
            area->setAcceptRichText(false);
            area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            area->setVerticalScrollBarPolicy(control.design().hasScrollBar() ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
            area->setFrameShape(control.design().hasBorder() ? QFrame::StyledPanel : QFrame::NoFrame);
            area->setReadOnly(control.design().isLocked());
            // Tab leaves the box, as in every other box, rather than typing a tab.
            area->setTabChangesFocus(true);
            area->setFont(font);
            QTextOption option = area->document()->defaultTextOption();
            option.setAlignment(horizontal(control.design().alignment()));
            area->document()->setDefaultTextOption(option);
            box = area;
        } else {
            auto *line = new QLineEdit(container);
            // The model keeps whatever is typed or pasted, so the box cuts
            // nothing either (Qt's default is 32767 characters).
            line->setMaxLength(std::numeric_limits<int>::max());
            line->setFrame(control.design().hasBorder());
            line->setReadOnly(control.design().isLocked());
            line->setAlignment(Qt::AlignTop | horizontal(control.design().alignment()));
            line->setFont(font);
            box = line;
        }
        box->installEventFilter(new TextBoxFilter(form, control, box));
        box->setAccessibleName(describedName(form, control));
        return box;
    }
    case Kind::CommandButton: {
        auto *button = new QPushButton(container);
        button->setAutoDefault(false);
        button->setDefault(false);
        button->setFont(font);
        return button;
    }
    case Kind::Frame: {
        auto *frame = new FrameWidget(container);
        frame->setFont(font);
        return frame;
    }
    case Kind::Line:
        return new LineWidget(container);
    case Kind::Shape:
        return new ShapeWidget(control.design().shapeKind(), container);
    case Kind::Image:
        return new ImageWidget(qText(control.design().pictureId()), container);
    case Kind::TabControl: {
        QStringList captions;
        for (const std::string &caption : control.design().pageCaptions())
            captions << qText(caption);
        auto *tabs = new TabControlWidget(captions, container);
        tabs->tabBar()->setFont(font);
        tabs->setAutoFillBackground(true);
        tabs->setAccessibleName(describedName(form, control));
        tabs->tabBar()->setAccessibleName(tabs->accessibleName());
        return tabs;
    }
    case Kind::Timer:
    case Kind::Menu:
        break;
    }
    // Timers and menu items have no widget: the window makes a QTimer or a QAction of them.
    return nullptr;
}

void showText(const Control &control, QWidget *widget)
{
    const QString text = qText(control.text());
    switch (control.kind()) {
    case Kind::Label: {
        auto *label = static_cast<LabelWidget *>(widget);
        label->setCaption(text);
        if (control.design().role() != Role::Result)
            label->setAccessibleName(withoutAccessKey(control.text()));
        break;
    }
    case Kind::CommandButton:
        static_cast<QPushButton *>(widget)->setText(text);
        widget->setAccessibleName(withoutAccessKey(control.text()));
        break;
    case Kind::Frame:
        static_cast<QGroupBox *>(widget)->setTitle(text);
        widget->setAccessibleName(withoutAccessKey(control.text()));
        break;
    case Kind::TextBox:
        // Only the user's edits go back to the model, never this echo of its own change.
        if (auto *area = qobject_cast<QTextEdit *>(widget)) {
            const QString lines = toWidgetLines(control.text());
            if (area->toPlainText() != lines) {
                const QSignalBlocker blocker(area);
                area->setPlainText(lines);
            }
        } else if (auto *line = static_cast<QLineEdit *>(widget); line->text() != text) {
            const QSignalBlocker blocker(line);
            line->setText(text);
        }
        break;
    default:
        break;
    }
}

void showLook(const Control &control, QWidget *widget)
{
    switch (control.kind()) {
    case Kind::Line:
        static_cast<LineWidget *>(widget)->setPen(toQColor(control.borderColor()), control.borderWidth(),
                                                  control.design().borderStyle());
        break;
    case Kind::Shape: {
        auto *shape = static_cast<ShapeWidget *>(widget);
        shape->setBorder(toQColor(control.borderColor()), control.borderWidth(), control.design().borderStyle());
        shape->setFill(control.fillStyle(), toQColor(control.design().fillColor()));
        break;
    }
    case Kind::Image:
        break;
    default: {
        QPalette colors = widget->palette();
        // A disabled control keeps the system's greyed text, whatever its colour.
        for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
            colors.setColor(group, foreRole(control.kind()), toQColor(control.foreColor()));
        // A plain button keeps the system's face; only a graphical one shows its colour.
        if (control.kind() != Kind::CommandButton || control.design().isGraphical())
            colors.setColor(backRole(control.kind()), toQColor(control.backColor()));
        widget->setPalette(colors);
        if (control.kind() == Kind::Label)
            widget->setAutoFillBackground(control.design().isOpaque());
        break;
    }
    }
}

void placeWidget(const Control &control, QWidget *widget, QPoint offset)
{
    const QPoint origin = offset + QPoint(twipsToPixels(control.design().left()), twipsToPixels(control.topTwips()));
    if (auto *line = qobject_cast<LineWidget *>(widget)) {
        const QPoint shift = origin - QPoint(twipsToPixels(std::min(control.design().x1(), control.design().x2())),
                                             twipsToPixels(std::min(control.design().y1(), control.design().y2())));
        line->setEnds(QPoint(twipsToPixels(control.design().x1()), twipsToPixels(control.design().y1())) + shift,
                      QPoint(twipsToPixels(control.design().x2()), twipsToPixels(control.design().y2())) + shift);
        return;
    }
    const QRect box(origin, QSize(twipsToPixels(control.design().width()), twipsToPixels(control.design().height())));
    if (auto *label = qobject_cast<LabelWidget *>(widget))
        label->place(box);
    else
        widget->setGeometry(box);
}
