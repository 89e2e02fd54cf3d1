#include "ImageResources.h"

#include <QtGlobal>

void initImageResources()
{
    Q_INIT_RESOURCE(images);
}
