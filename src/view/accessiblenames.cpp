// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessiblenames.h"

#include "appearance.h"
#include "spokennames.h"

QString withoutAccessKey(const std::string &caption)
{
    return qText(spoken::withoutAccessKey(caption));
}

QString describedName(const Form &form, const Control &control)
{
    return qText(spoken::describedName(form, control));
}

QString windowNameOf(const Form &form)
{
    return qText(spoken::windowNameOf(form));
}
