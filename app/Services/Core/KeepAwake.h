#pragma once
// Keeps the machine from sleeping while scans and recoveries run, through a
// logind "sleep:idle" block inhibitor taken once and held (its descriptor is
// the lock) until keepSystemAwake(false). Safe on any thread.
void keepSystemAwake(bool on);
