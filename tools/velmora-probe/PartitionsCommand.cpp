#include "Commands.h"

int RunPartitions(const Arguments&)
{
    return Fail("partitions: not built yet", 2);
}
