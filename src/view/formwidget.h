// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form.h"
#include "formbackground.h"
#include "forminput.h"
#include "formmenubar.h"
#include "formtimers.h"

#include <QWidget>

#include <map>
#include <memory>
#include <string>
#include <string_view>

class QAction;
class QTimer;

// A window built from any form's control table. It mirrors every property
// change of the model onto the widget at once, and passes the user's clicks,
// edits, keys and mouse moves to the model. Title-bar closing asks the model.
class FormWidget : public QWidget {
    Q_OBJECT
public:
    explicit FormWidget(std::unique_ptr<Form> form);
    ~FormWidget() override;

    Form &form() const { return *m_form; }
    // The widget of a control by name; null for menu items, timers and unknown names.
    QWidget *controlWidget(std::string_view name) const;
    QAction *menuAction(std::string_view name) const;
    QTimer *timer(std::string_view name) const;
    // The client area in the window's pixels: all of it but the menu bar.
    QRect clientRect() const;
    // An image of the client area, as the window draws it, with pixelRatio
    // image pixels to each of the window's pixels (1 for the window's own, a
    // multiple of them for a printer).
    QPixmap grabClient(qreal pixelRatio);
    // The platform unloads the window: it closes for good and goes away later,
    // since one of its handlers may still be running.
    void unload();

signals:
    void unloaded();

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void createControls();
    void setUpWindow();
    void keepSize(QSize size);
    QWidget *containerOf(const Control &control) const;
    void mirror(const Control &control, Property property);

    // The parts below use the model: built after it, they go before it.
    std::unique_ptr<Form> m_form;
    FormMenuBar m_menuBar;
    FormTimers m_timers;
    FormInput m_input;
    FormBackground m_background;
    std::map<std::string, QWidget *, std::less<>> m_widgets;
    int m_observer = -1;
    bool m_unloading = false;
};
