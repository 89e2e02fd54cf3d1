#include "FakeDisk.h"

namespace ThumbTest {

DocumentInfo* photo(const QByteArray& path, qint64 size, const DataRunList& runs, quint16 type)
{
    FileRecordFields fields;
    fields.typeCode = type;
    fields.eventKind = Fat32File;
    fields.diskIndex = 2;
    fields.volumeIndex = 3;
    fields.pathState = 4;
    fields.deletedState = 5;
    fields.size = size;
    fields.timeMs = 1600000000123;
    fields.runs = runs.isEmpty() ? nullptr : &runs;
    fields.path = path;
    return createFileRecord(fields);
}

}
