#include "Commands.h"

int RunRecover(const Arguments&)
{
    return Fail("recover: not built yet", 2);
}
