#pragma once
#include <QByteArray>

#include "DataRecovery/DataRecoveryInfo.h"

struct DocumentInfo;

namespace NomoThumbCache {

// The record's run list, read strictly: the number of runs written to runs, or
// -1 when the encoded bytes do not decode cleanly into whole pairs (a value cut
// by the end, one past 64 bits, bytes left over, more pairs than fit). A
// damaged list is never read: it would point the read at wrong sectors.
int decodeRunList(const DocumentInfo* doc, DataRun* runs, int capacity);

// The engine request that reads one found file. path holds the record's full
// path in UTF-8 and must outlive the request; its length counts bytes.
DataRecoveryInfo makeRecoveryRequest(const DocumentInfo* doc, const QByteArray& path, const DataRun* runs,
                                     int runCount);

}
