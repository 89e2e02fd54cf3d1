#pragma once
// Keeps the C library's idea of the local time zone current without paying for
// it on every conversion: glibc opens /etc/localtime on each tzset() while TZ is
// unset, microseconds a call, and a scan converts several stamps per file.

namespace Utils {

// Looks at the zone anew (tzset) when TZ differs from this thread's last look,
// and otherwise at most once a second.
void RefreshLocalZone();

}
