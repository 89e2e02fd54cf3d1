#include "Endpoints.h"

#include "CuteSettings.h"

namespace {

struct Source {
    const char* variable;
    const char* key;
};

Source sourceOf(Endpoint which)
{
    switch (which) {
    case Endpoint::Analytics:
        return {"OSTREL_ANALYTICS_URL", "Endpoints/analytics"};
    case Endpoint::MeasurementId:
        return {"OSTREL_MEASUREMENT_ID", "Endpoints/measurementId"};
    case Endpoint::Update:
        return {"OSTREL_UPDATE_URL", "Endpoints/update"};
    case Endpoint::Crash:
        return {"OSTREL_CRASH_URL", "Endpoints/crash"};
    case Endpoint::Website:
        return {"OSTREL_WEBSITE", "Endpoints/website"};
    }
    return {"", ""};
}

}

QString endpoint(Endpoint which)
{
    const Source source = sourceOf(which);
    if (qEnvironmentVariableIsSet(source.variable))
        return qEnvironmentVariable(source.variable).trimmed();
    return CuteSettings::instance()
        .value(QString::fromLatin1(source.key), QString(), CuteSettings::AppConfig)
        .toString()
        .trimmed();
}
