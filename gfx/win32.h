// The one door to the Win32 services: the system's <windows.h> on Windows, the project's own subset elsewhere.
#pragma once

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include "gfx/portti/win32_portti.h"
#endif
