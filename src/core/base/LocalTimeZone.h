#pragma once

// Every reading of the local time asks the C library, which looks at /etc/localtime again
// each time unless TZ names the zone: a run of 100 sites made 1700 such look-ups (about a
// tenth of its time). pin() names the system's zone file in TZ when TZ is unset, so the zone
// is read once; a TZ the user set is kept. Call first thing in main, before any thread starts.
namespace LocalTimeZone {
void pin();
}
