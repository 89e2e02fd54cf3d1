#pragma once
#include "Application/XApplication.h"

#include <QColor>

// Design lengths to pixels: floor(value x horizontal or vertical UI scale).
inline int sx(double value) { return XApplication::scaledX(value); }
inline int sy(double value) { return XApplication::scaledY(value); }

// The theme colours the device pages paint with.
namespace DeviceColors {
inline const QColor primaryText{"#0F172A"};
inline const QColor secondaryText{"#64748B"};
inline const QColor accent{"#2563EB"};
inline const QColor accentHover{"#0349E3"};
inline const QColor paleAccent{"#EFF6FF"};
inline const QColor tile{"#F8FAFC"};
inline const QColor line{"#F1F5F9"};
inline const QColor disabled{"#D7D7D7"};
inline const QColor disabledText{"#B6B6B6"};
inline const QColor warning{"#FF3838"};
}  // namespace DeviceColors
