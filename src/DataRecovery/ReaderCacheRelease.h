#pragma once
// Drops every device's shared read-ahead buffer; readers still alive then
// report their buffer as expired.
void ClearReaderCache();
