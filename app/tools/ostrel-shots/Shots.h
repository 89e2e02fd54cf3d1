#pragma once

#include <QString>

// Writes one PNG per widget and state into the folder; prints each name.
// Returns the number of pictures that could not be written.
int writeShots(const QString& folder);
