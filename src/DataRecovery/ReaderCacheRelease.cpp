#include "DataRecovery/ReaderCacheRelease.h"

#include "Utils/PartReader.h"

void ClearReaderCache()
{
    Utils::ClearReaderBuffers();
}
