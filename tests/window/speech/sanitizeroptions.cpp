// SPDX-License-Identifier: GPL-3.0-or-later
// Sanitizer defaults for the programs that talk to the speech service; ASAN_OPTIONS overrides.
// - The speech library runs strstr over all of a reply read so far; the checking strstr turns
//   listing the service's 26 000 voices from seconds into minutes.
// - The speech libraries lack frame pointers: the fast unwinder stops inside them, so a leak
//   suppression naming one of their functions would never match.
extern "C" __attribute__((visibility("default"))) const char *__asan_default_options()
{
    return "intercept_strstr=0:fast_unwind_on_malloc=0";
}
