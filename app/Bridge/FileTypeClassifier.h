#pragma once
#include <QString>

// The found-file type code (29-38) of a display path such as "C:/Users/ann/a.jpg".
quint8 classifyFileType(const QString& displayPath);
