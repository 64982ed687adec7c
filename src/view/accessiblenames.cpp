// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessiblenames.h"

#include "appearance.h"
#include "form.h"

QString withoutAccessKey(const std::string &caption)
{
    const QString text = qText(caption);
    QString plain;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && ++i == text.size())
            break;
        plain += text[i];
    }
    return plain;
}

// A control that no label describes (the main window's title, the about text)
// goes by its tooltip, or else by its window's name.
QString describedName(const Form &form, const Control &control)
{
    if (const Control *describer = form.find(control.design().describer()))
        return withoutAccessKey(describer->text());
    return control.design().toolTip().empty() ? windowNameOf(form) : qText(control.design().toolTip());
}

QString windowNameOf(const Form &form)
{
    if (!form.caption().empty())
        return qText(form.caption());
    for (const auto &control : form.controls()) {
        if (control->kind() == Kind::Label && !control->text().empty())
            return withoutAccessKey(control->text());
    }
    return qText(form.name());
}
