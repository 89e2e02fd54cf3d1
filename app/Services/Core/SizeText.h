#pragma once
// Byte counts as short texts ("1.50 MB") in steps of 1024, up to GB, with the
// chosen language's decimal and group separators (DisplayLocale).
#include <QString>

#include <cstdint>

// decimals limited to 0-6; group separators only for values of 1000 or more
// when groupLarge is set.
QString formatFileSize(uint64_t bytes, int decimals, bool groupLarge);

// The same texts for list painting, from a sharded cache keyed on the count,
// the decimals and the grouping; "0 B" for 0. Safe on any thread.
QString formatFileSizeCached(uint64_t bytes, int decimals, bool grouping);

// Empties the cache (when a scan's found-file data is released).
void clearFileSizeTextCache();

// Cache shape, for tests: the shard a count falls into and a shard's size.
int fileSizeTextShardOf(uint64_t bytes);
int fileSizeTextShardSize(int shard);
