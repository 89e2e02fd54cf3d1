#pragma once

// The UI scale step for a screen's logical DPI: design sizes are given at
// 96 DPI and every window multiplies them by this factor.
double uiScaleForDpi(double logicalDpi);

// floor(value x factor), the rounding every scaled size uses.
int scaledLength(double value, double factor);
