#include "UIFrameInfo.h"

#include "CuteSettings.h"

namespace UIFrame {

void registerType()
{
    static const int id = qRegisterMetaType<UIFrameInfo>("UIFrameInfo");
    Q_UNUSED(id);
}

static QVariant storedVariant()
{
    registerType();
    return CuteSettings::instance().value(settingsKey, QVariant(), CuteSettings::Memory);
}

bool isStored()
{
    const QVariant value = storedVariant();
    return value.isValid() && value.canConvert<UIFrameInfo>();
}

UIFrameInfo stored()
{
    const QVariant value = storedVariant();
    if (!value.isValid() || !value.canConvert<UIFrameInfo>())
        return {};
    return value.value<UIFrameInfo>();
}

void store(const UIFrameInfo& info)
{
    registerType();
    CuteSettings::instance().setValue(settingsKey, QVariant::fromValue(info), CuteSettings::Memory);
}

void clear()
{
    CuteSettings::instance().setValue(settingsKey, QVariant(), CuteSettings::Memory);
}

}  // namespace UIFrame
