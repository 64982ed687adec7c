#include "keys.h"

int digitKeyFilter(int code)
{
    constexpr int backspace = 8;
    if ((code > '9' || code < '0') && code != backspace)
        return 0;
    return code;
}

int noKeyFilter(int)
{
    return 0;
}
