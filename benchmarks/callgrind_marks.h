#pragma once

// Callgrind's instrumentation switches, where valgrind's header is installed;
// without it the probes still run, uninstrumented.
#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#else
#define CALLGRIND_START_INSTRUMENTATION
#define CALLGRIND_STOP_INSTRUMENTATION
#endif
