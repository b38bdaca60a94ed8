// Runs the start-up of the program without a window, from the settings beside this tool, and
// prints what the window would show: the remembered path and the candidates.
#include <clocale>
#include <cstdio>

#include "platform/services.h"
#include "ui/handlers.h"

int main() {
  std::setlocale(LC_CTYPE, "");
  setCurrentFolder(programDirectory());
  ProgramState state;
  Text path;
  int items = 0;
  const MainControls controls{
      .setPathText = [&](const Text& text) { path = text; },
      .getPathText = [&] { return path; },
      .addItem = [&](const Text& name) { std::printf("  candidate: %s\n", name.c_str()); return items++; },
      .clearItems = [] {},
      .selectedIndex = [] { return -1; },
      .itemText = [](int) { return Text{}; },
      .openFileDialog = [] { return false; },
      .dialogFileName = [] { return Text{}; },
  };
  onStartWindowCreated(state, controls);
  std::printf("remembered path: %s\nstash folder: %s\ncandidates: %d\n", path.c_str(),
              state.StashFolder.c_str(), items);
  onProgramExit(state);
  return 0;
}
