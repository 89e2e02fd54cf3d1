#pragma once
// NTFS protects each 512-byte sector of a file record with an update-sequence
// number in its last two bytes; the real bytes are saved in the record's
// update-sequence array. Data resident in a record must have them put back.
#include <cstddef>
#include <cstdint>

namespace ResidentFixup {

// Applies the fix-up to one record that starts at record[0] ("FILE"), over at
// most recordLength bytes. Sector ends that do not carry the sequence number
// are left as they are. Returns false when the buffer is not a record or its
// array does not fit it.
bool ApplyToRecord(uint8_t* record, size_t recordLength);

}
