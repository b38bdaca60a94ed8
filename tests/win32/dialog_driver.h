// Drives a modal dialog from inside its own message loop: a thread timer finds the dialog box
// the code under test has opened and hands it to the test's driver.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

// Runs body; as soon as a visible dialog box (class "#32770") of this thread exists, driver runs
// once with it, from within the dialog's own message loop.
void driveNextDialog(const std::function<void(HWND dialog)>& driver, const std::function<void()>& body);

std::wstring windowText(HWND window);
std::wstring className(HWND window);
