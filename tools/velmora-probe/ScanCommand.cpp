#include "Commands.h"

int RunScan(const Arguments&)
{
    return Fail("scan: not built yet", 2);
}
