// Benchmark driver, run under Wine by scripts/bench. Prints one line of figures per call:
//   bench_driver startup <exe> <runs> <candidates>   ms from process start to the visible window
//                                                    (with its list filled), and peak working set
//   bench_driver copy <folder> <runs>                ms of CopyFile, Replace and Save as of the
//                                                    folder's 64 MiB sharedstash.bin
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "stash/actions.h"

namespace {

double nowMs() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER counter;
  QueryPerformanceCounter(&counter);
  return double(counter.QuadPart) * 1000.0 / double(frequency.QuadPart);
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
}

struct Found {
  DWORD process;
  HWND window = nullptr;
};

BOOL CALLBACK findVisible(HWND window, LPARAM data) {
  auto* found = reinterpret_cast<Found*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == found->process && IsWindowVisible(window) && !GetWindow(window, GW_OWNER)) {
    found->window = window;
    return FALSE;
  }
  return TRUE;
}

int startup(const char* exe, int runs, long expectedItems) {
  std::vector<double> times;
  SIZE_T peak = 0;
  long items = -1;
  for (int run = 0; run < runs; ++run) {
    STARTUPINFOA startupInfo{};
    startupInfo.cb = sizeof startupInfo;
    PROCESS_INFORMATION process{};
    std::string command = std::string("\"") + exe + "\"";
    const double start = nowMs();
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startupInfo, &process))
      return 1;
    Found found{process.dwProcessId};
    while (!found.window) {
      EnumWindows(findVisible, LPARAM(&found));
      if (!found.window) Sleep(0);
    }
    times.push_back(nowMs() - start);
    if (HWND combo = FindWindowExW(found.window, nullptr, L"ComboBox", nullptr))
      items = long(SendMessageW(combo, CB_GETCOUNT, 0, 0));
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    if (GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory)) peak = std::max(peak, memory.PeakWorkingSetSize);
    PostMessageW(found.window, WM_CLOSE, 0, 0);
    WaitForSingleObject(process.hProcess, 10000);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
  }
  if (expectedItems >= 0 && items != expectedItems) {
    std::fprintf(stderr, "the list held %ld items, not %ld\n", items, expectedItems);
    return 1;
  }
  std::printf("%.1f %zu\n", median(times), size_t(peak / 1024));
  return 0;
}

void removeBackups(const Text& folder) {
  const Text backups = folder + "\\tarnwick-backups";
  WIN32_FIND_DATAA data;
  HANDLE search = FindFirstFileA((backups + "\\*.bin").c_str(), &data);
  if (search != INVALID_HANDLE_VALUE) {
    do DeleteFileA((backups + "\\" + data.cFileName).c_str());
    while (FindNextFileA(search, &data));
    FindClose(search);
  }
}

int copy(const Text& folder, int runs) {
  std::vector<double> copyTimes, replaceTimes, saveTimes;
  const Text live = folder + "\\sharedstash.bin";
  const StashSelection selection{[] { return 0; }, [](int) { return Text("a.bin"); }};
  const StashSelection back{[] { return 0; }, [](int) { return Text("b.bin"); }};
  int notices = 0;
  const ShowNotice count = [&](const Text&) { ++notices; };
  for (int run = 0; run < runs; ++run) {
    DeleteFileA((folder + "\\copy.bin").c_str());
    double start = nowMs();
    CopyFileA(live.c_str(), (folder + "\\copy.bin").c_str(), TRUE);
    copyTimes.push_back(nowMs() - start);

    start = nowMs();
    replaceLiveStash(folder, run % 2 ? back : selection, count);
    replaceTimes.push_back(nowMs() - start);
    removeBackups(folder);

    DeleteFileA((folder + "\\saved.bin").c_str());
    start = nowMs();
    saveLiveStashAs(folder, [](const Text&, const Text&) { return AskTextResult{true, "saved"}; }, count);
    saveTimes.push_back(nowMs() - start);
  }
  if (notices != 2 * runs) {
    std::fprintf(stderr, "%d notices for %d runs\n", notices, runs);
    return 1;
  }
  std::printf("%.1f %.1f %.1f\n", median(copyTimes), median(replaceTimes), median(saveTimes));
  return 0;
}
}  // namespace

int main(int argc, char** argv) {
  if (argc >= 5 && std::string(argv[1]) == "startup") return startup(argv[2], std::atoi(argv[3]), std::atol(argv[4]));
  if (argc >= 4 && std::string(argv[1]) == "copy") return copy(argv[2], std::atoi(argv[3]));
  std::fprintf(stderr, "usage: bench_driver startup <exe> <runs> <candidates> | copy <folder> <runs>\n");
  return 2;
}
