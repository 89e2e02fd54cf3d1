#pragma once
// Registers the compiled-in pictures under ":/images/" (idempotent).
void initImageResources();
