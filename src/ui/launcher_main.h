// The module setup.exe runs from, for its resources.
#pragma once
#include <windows.h>

extern HINSTANCE g_Instance;
