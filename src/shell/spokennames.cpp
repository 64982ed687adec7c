// SPDX-License-Identifier: GPL-3.0-or-later
#include "spokennames.h"

#include "form.h"

namespace spoken {
std::string withoutAccessKey(const std::string &caption)
{
    std::string plain;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && ++i == caption.size())
            break;
        plain += caption[i];
    }
    return plain;
}

// A control that no label describes (the main window's title, the about text)
// goes by its tooltip, or else by its window's name.
std::string describedName(const Form &form, const Control &control)
{
    const std::string &describerName = control.design().describer();
    if (const Control *describer = describerName.empty() ? nullptr : form.find(describerName))
        return withoutAccessKey(describer->text());
    return control.design().toolTip().empty() ? windowNameOf(form) : control.design().toolTip();
}

std::string windowNameOf(const Form &form)
{
    if (!form.caption().empty())
        return form.caption();
    for (const auto &control : form.controls()) {
        if (control->kind() == Kind::Label && !control->text().empty())
            return withoutAccessKey(control->text());
    }
    return form.name();
}
} // namespace spoken
