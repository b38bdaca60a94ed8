// Program entry: start-up, the message loop and shut-down.
#include <windows.h>

#include <cstdlib>

#include "platform/services.h"
#include "ui/dialogs.h"
#include "ui/handlers.h"
#include "ui/main_window.h"

namespace {
int runProgram() {
  setCurrentFolder(programDirectory());
  ProgramState state;
  MainWindow window;
  const MainControls controls = window.controls();
  const bool created = window.create(MainWindow::Clicks{
      .browse = [&] { window.fillingList([&] { onBrowseClicked(state, controls); }); },
      .replace = [&] { onReplaceClicked(state, controls, showNotice); },
      .saveAs = [&] { onSaveAsClicked(state, askText, showNotice); },
  });
  if (!created) {
    MessageBoxW(nullptr, L"Tarnwick: the main window could not be created.", nullptr, MB_OK | MB_ICONERROR);
    return -1;
  }
  // The created event: the window is filled before anyone sees it.
  window.fillingList([&] { onStartWindowCreated(state, controls); });
  if (IsWindow(window.hwnd())) window.show();

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (window.handleKey(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  onProgramExit(state);
  return 0;
}
}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  try {
    return runProgram();
  } catch (...) {
    MessageBoxW(nullptr, L"Tarnwick: out of memory.", nullptr, MB_OK | MB_ICONERROR | MB_TASKMODAL);
    return -1;
  }
}

// std::terminate's default handler prints the exception's demangled type name, pulling the
// whole demangler into the exe; a program without a console has nowhere to print it anyway.
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx
