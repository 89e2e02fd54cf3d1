#pragma once

// The thumbnail engine in the shell's seams: the UI scale of its thumbnail
// box, the release's clearing (before the found-file records are freed) and
// its stop in the quit sequence.
void connectThumbnailsToShell();
