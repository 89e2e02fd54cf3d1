#include "Commands.h"

int RunList(const Arguments&)
{
    return Fail("list: not built yet", 2);
}
