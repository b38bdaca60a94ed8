// The window classes of the program's own windows.
#pragma once

#include <windows.h>

// Registers a class with CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS, the arrow cursor and no background
// brush; true also when it is registered already.
bool registerWindowClass(const wchar_t* name, WNDPROC windowProc, int extraBytes = 0);
