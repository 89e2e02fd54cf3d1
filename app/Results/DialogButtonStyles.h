#pragma once
// The two button looks of the results page's dialogs: the light one (white,
// blue outline) and the strong one (filled blue).
class XPushButton;

void applyLightButtonStyle(XPushButton* button, double height);
void applyStrongButtonStyle(XPushButton* button, double height);
