#include "win32/dialog_driver.h"

namespace {
std::function<void(HWND)> pendingDriver;

BOOL CALLBACK findDialog(HWND window, LPARAM found) {
  if (className(window) == L"#32770" && IsWindowVisible(window)) {
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
  }
  return TRUE;
}

void CALLBACK onTimer(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND dialog = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), findDialog, reinterpret_cast<LPARAM>(&dialog));
  if (!dialog || !pendingDriver) return;
  KillTimer(nullptr, timer);
  auto driver = std::move(pendingDriver);
  pendingDriver = nullptr;
  driver(dialog);
}
}  // namespace

void driveNextDialog(const std::function<void(HWND)>& driver, const std::function<void()>& body) {
  pendingDriver = driver;
  const UINT_PTR timer = SetTimer(nullptr, 0, 20, onTimer);
  body();
  KillTimer(nullptr, timer);
  pendingDriver = nullptr;
}

std::wstring windowText(HWND window) {
  std::wstring text(size_t(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(size_t(GetWindowTextW(window, text.data(), int(text.size()))));
  return text;
}

std::wstring className(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}
