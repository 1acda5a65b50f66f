// Windows' headers for the front end, less the macro that would rename the game's own RGB.
#pragma once

#include <windows.h>
#undef RGB

// Windows 10 1803 has it; MinGW-w64's headers do not yet.
#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
#define CREATE_WAITABLE_TIMER_HIGH_RESOLUTION 0x00000002
#endif
