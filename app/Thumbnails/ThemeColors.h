#pragma once
#include <QColor>

// The theme's colours of the application services, or their design values
// before the services are set up (tools and tests).
namespace ThumbTheme {
QColor primaryText();
QColor secondaryText();
QColor linkAccent();
}
