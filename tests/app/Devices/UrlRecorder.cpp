#include "UrlRecorder.h"

#include "moc_UrlRecorder.cpp"
