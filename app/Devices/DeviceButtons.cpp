#include "DeviceButtons.h"

#include "AppManager.h"
#include "DeviceScale.h"
#include "XPushButton.h"

void styleRefreshButton(XPushButton* button)
{
    button->setObjectName("refreshButton");
    button->setFixedSize(sx(24), sy(24));
    button->setStatePixmaps(AppManager::imagePath("update-normal@2x.png"), AppManager::imagePath("update-hover@2x.png"),
                            AppManager::imagePath("update-hover@2x.png"));
    button->scalePixmaps(button->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

void stylePrimaryButton(XPushButton* button, int width, int height)
{
    button->setMinimumSize(sx(width), sy(height));
    button->setMaximumSize(sx(width), sy(height));
    button->setBackgroundColors({DeviceColors::accent, DeviceColors::accentHover, DeviceColors::accent,
                                 DeviceColors::disabled});
    button->setTextColors({Qt::white, Qt::white, Qt::white, DeviceColors::disabledText});
    button->setBorderColors({Qt::transparent, Qt::transparent, Qt::transparent, Qt::transparent});
    button->setBorderWidth(2.0);
    button->setRadius(0.14 * sy(height));
}
