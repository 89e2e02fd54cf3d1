#include "ThemeColors.h"

#include "AppManager.h"

namespace ThumbTheme {

namespace {
QColor themed(AppManager::ThemeColor which, const char* design)
{
    const QColor color = AppManager::instance()->themeColor(which);
    return color.isValid() ? color : QColor(QLatin1String(design));
}
}

QColor primaryText()
{
    return themed(AppManager::PrimaryText, "#0F172A");
}

QColor secondaryText()
{
    return themed(AppManager::SecondaryText, "#64748B");
}

QColor linkAccent()
{
    return themed(AppManager::LinkAccent, "#2563EB");
}

}
