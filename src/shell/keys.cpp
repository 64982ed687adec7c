// SPDX-License-Identifier: GPL-3.0-or-later
#include "keys.h"

int digitKeyFilter(int code)
{
    if ((code > '9' || code < '0') && code != keys::backspace)
        return 0;
    return code;
}

int noKeyFilter(int)
{
    return 0;
}
