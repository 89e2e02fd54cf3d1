#include "Platform/Linux/UdevProperties.h"

#include <libudev.h>

namespace Platform {

std::map<std::string, std::string> ReadUdevProperties(const std::string& sysPath)
{
    std::map<std::string, std::string> properties;
    if (sysPath.rfind("/sys/", 0) != 0)
        return properties;
    udev* context = udev_new();
    if (!context)
        return properties;
    if (udev_device* device = udev_device_new_from_syspath(context, sysPath.c_str())) {
        for (udev_list_entry* entry = udev_device_get_properties_list_entry(device); entry;
             entry = udev_list_entry_get_next(entry)) {
            const char* name = udev_list_entry_get_name(entry);
            const char* value = udev_list_entry_get_value(entry);
            if (name && value)
                properties[name] = value;
        }
        udev_device_unref(device);
    }
    udev_unref(context);
    return properties;
}

}
