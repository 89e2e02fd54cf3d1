#pragma once

class XPushButton;

// The device pages' shared button looks, sizes in design pixels.
// The 24 x 24 refresh arrow (grey, blue when hovered or pressed).
void styleRefreshButton(XPushButton* button);
// A blue action button ("Search for Lost Data", "Start Scan").
void stylePrimaryButton(XPushButton* button, int width, int height);
