// SPDX-License-Identifier: GPL-3.0-or-later
// Linked into the test programs that talk to the speech service when built with the
// sanitizers; the variable ASAN_OPTIONS still overrides these defaults.
// - The speech library finds the end of each reply by running strstr over all of the reply read
//   so far; the sanitizer's checking strstr measures both strings on every call, which turns
//   listing the service's 26 000 voices from seconds into minutes. The plain strstr is used.
// - The speech libraries are built without frame pointers: the fast unwinder stops inside them,
//   so a leak suppression naming one of their functions would never match.
extern "C" __attribute__((visibility("default"))) const char *__asan_default_options()
{
    return "intercept_strstr=0:fast_unwind_on_malloc=0";
}
