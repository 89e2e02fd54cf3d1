#pragma once
// The network addresses the program may talk to. None is built in: each comes
// from the environment or from appconfig.ini (group "Endpoints"); an empty one
// switches its service off, and nothing is sent.
#include <QString>

enum class Endpoint {
    Analytics,      // OSTREL_ANALYTICS_URL, "Endpoints/analytics": collection server, "/g/collect" is appended
    MeasurementId,  // OSTREL_MEASUREMENT_ID, "Endpoints/measurementId"
    Update,         // OSTREL_UPDATE_URL, "Endpoints/update": the update document's full address
    Crash,          // OSTREL_CRASH_URL, "Endpoints/crash": where crash reports are posted
    Website,        // OSTREL_WEBSITE, "Endpoints/website": the maker's web site
};

QString endpoint(Endpoint which);
