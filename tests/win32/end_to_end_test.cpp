// Tarnwick.exe started as a player starts it, beside its settings, and driven from this process
// with window messages: the path box, the list, the three buttons, the real open-file dialog,
// the input dialog and the notices; then the exit code and the settings file.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "platform/services.h"
#include "support/temp_folder.h"
#include "win32/dialog_driver.h"

namespace {
using namespace std::chrono_literals;

// The exe under test, named by TARNWICK_EXE as a Unix path (Wine's drive Z: is the Unix root) or
// a Windows one.
Text exeUnderTest() {
  const char* path = std::getenv("TARNWICK_EXE");
  Text exe = path ? path : "";
  if (!exe.empty() && exe[0] == '/') {
    for (char& c : exe)
      if (c == '/') c = '\\';
    exe = "Z:" + exe;
  }
  return exe;
}

bool waitFor(const std::function<bool()>& condition, std::chrono::milliseconds limit = 10s) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (std::chrono::steady_clock::now() < end) {
    if (condition()) return true;
    std::this_thread::sleep_for(20ms);
  }
  return condition();
}

struct WindowSearch {
  DWORD process;
  const wchar_t* windowClass;
  HWND found = nullptr;
};

BOOL CALLBACK matchWindow(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<WindowSearch*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == search->process && IsWindowVisible(window) && className(window) == search->windowClass) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

// A visible top-level window of the process with the class.
HWND findWindowOf(DWORD process, const wchar_t* windowClass) {
  WindowSearch search{process, windowClass};
  EnumWindows(matchWindow, LPARAM(&search));
  return search.found;
}

std::wstring wide(const Text& ascii) { return std::wstring(ascii.begin(), ascii.end()); }

std::wstring sentText(HWND window) {
  wchar_t buffer[4096] = {};
  SendMessageW(window, WM_GETTEXT, 4096, LPARAM(buffer));
  return buffer;
}

class EndToEndTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(exeUnderTest().empty()) << "TARNWICK_EXE names the exe under test";
    ASSERT_TRUE(CopyFileA(exeUnderTest().c_str(), (app / "Tarnwick.exe").c_str(), FALSE));
    ASSERT_TRUE(makeFolder(stash));
    for (const char* name : {"sharedstash.bin", "old.bin", "pvp.bin"}) ASSERT_TRUE(writeFile(stash + "\\" + name, name));
  }
  void TearDown() override {
    if (process.hProcess) {
      TerminateProcess(process.hProcess, 1);
      CloseHandle(process.hProcess);
      CloseHandle(process.hThread);
    }
  }

  void remember(const Text& path) { ASSERT_TRUE(writeFile(app / "razarir.ini", "[razarir]\r\npath=" + path + "\r\n")); }

  // Starts the program (by default the copy beside the test's settings) from another current
  // folder and waits for its window.
  void start(std::wstring exe = {}) {
    if (exe.empty()) exe = wide(app / "Tarnwick.exe");
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::wstring command = L"\"" + exe + L"\"";
    ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               wide(elsewhere.path()).c_str(), &startup, &process));
    ASSERT_TRUE(waitFor([&] { return (window = findWindowOf(process.dwProcessId, L"TarnwickMainWindow")) != nullptr; }));
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      const std::wstring cls = className(child);
      if (_wcsicmp(cls.c_str(), L"Edit") == 0) pathEdit = child;
      if (_wcsicmp(cls.c_str(), L"ComboBox") == 0) combo = child;
      if (_wcsicmp(cls.c_str(), L"Button") == 0) {
        const std::wstring text = windowText(child);
        if (text == L"浏览") browse = child;
        if (text == L"替换") replace = child;
        if (text == L"另存") saveAs = child;
      }
    }
    ASSERT_TRUE(pathEdit && combo && browse && replace && saveAs);
  }

  std::vector<std::wstring> items() const {
    std::vector<std::wstring> list;
    const LRESULT count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
      wchar_t text[MAX_PATH] = {};
      SendMessageW(combo, CB_GETLBTEXT, WPARAM(i), LPARAM(text));
      list.push_back(text);
    }
    std::sort(list.begin(), list.end());
    return list;
  }

  // Clicks a button of the main window and waits for the dialog it opens; nullptr if none opens.
  HWND clickForDialog(HWND button, std::chrono::milliseconds limit = 10s) {
    PostMessageW(button, BM_CLICK, 0, 0);
    HWND dialog = nullptr;
    waitFor([&] { return (dialog = findWindowOf(process.dwProcessId, L"#32770")) != nullptr; }, limit);
    return dialog;
  }

  // The notice box's text; closes it.
  std::wstring readNotice(HWND box) {
    std::wstring text;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
      if (_wcsicmp(className(child).c_str(), L"Static") == 0 && !windowText(child).empty()) text = windowText(child);
    const std::wstring caption = windowText(box);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    waitFor([&] { return !IsWindow(box); });
    return caption + L" " + text;
  }

  DWORD closeWithEsc() {
    PostMessageW(GetWindow(combo, GW_CHILD) ? GetWindow(combo, GW_CHILD) : combo, WM_KEYDOWN, VK_ESCAPE, 1);
    return exitCode();
  }
  DWORD exitCode() {
    EXPECT_EQ(WaitForSingleObject(process.hProcess, 10000), WAIT_OBJECT_0);
    DWORD code = 12345;
    GetExitCodeProcess(process.hProcess, &code);
    return code;
  }

  TempFolder app, elsewhere;
  Text stash = app / "stash";
  PROCESS_INFORMATION process{};
  HWND window = nullptr, pathEdit = nullptr, combo = nullptr, browse = nullptr, replace = nullptr, saveAs = nullptr;
};

TEST_F(EndToEndTest, FirstRunShowsTheDefaultTextAndNoList) {
  start();
  EXPECT_EQ(sentText(pathEdit), L"请设置sharedstash.bin的路径");
  EXPECT_TRUE(items().empty());
  EXPECT_EQ(sentText(combo), L"选择箱子");
  EXPECT_EQ(closeWithEsc(), 0u);
  EXPECT_FALSE(fileExists(app / "razarir.ini")) << "nothing is written without a Browse";
}

TEST_F(EndToEndTest, RememberedFileFillsTheListAndReplaceSwapsIt) {
  remember(stash + "\\sharedstash.bin");
  start();
  EXPECT_EQ(items(), (std::vector<std::wstring>{L"old.bin", L"pvp.bin"}));
  EXPECT_EQ(clickForDialog(replace, 1s), nullptr) << "nothing selected: Replace does nothing";
  EXPECT_EQ(readFile(stash + "\\sharedstash.bin"), "sharedstash.bin");

  SendMessageW(combo, CB_SELECTSTRING, WPARAM(-1), LPARAM(L"old.bin"));
  HWND notice = clickForDialog(replace);
  ASSERT_NE(notice, nullptr);
  EXPECT_EQ(readNotice(notice), L"信息： 替换成功!");
  EXPECT_EQ(readFile(stash + "\\sharedstash.bin"), "old.bin");
  EXPECT_EQ(readFile(stash + "\\old.bin"), "old.bin");
  EXPECT_EQ(closeWithEsc(), 0u);
  EXPECT_EQ(readFile(app / "razarir.ini"), "[razarir]\r\npath=" + stash + "\\sharedstash.bin\r\n");
}

TEST_F(EndToEndTest, RememberedFileGoneLeavesTheListEmpty) {
  remember(stash + "\\gone\\sharedstash.bin");
  start();
  EXPECT_EQ(sentText(pathEdit), wide(stash + "\\gone\\sharedstash.bin"));
  EXPECT_TRUE(items().empty());
  PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(exitCode(), 0u);
}

TEST_F(EndToEndTest, SaveAsThroughTheInputDialog) {
  remember(stash + "\\sharedstash.bin");
  start();
  HWND input = clickForDialog(saveAs);
  ASSERT_NE(input, nullptr);
  EXPECT_EQ(windowText(input), L"另存共享箱子:");
  SendMessageW(GetDlgItem(input, 103), WM_SETTEXT, 0, LPARAM(L"mine"));
  PostMessageW(GetDlgItem(input, IDOK), BM_CLICK, 0, 0);
  HWND notice = nullptr;
  ASSERT_TRUE(waitFor([&] {
    notice = findWindowOf(process.dwProcessId, L"#32770");
    return notice && notice != input;
  }));
  EXPECT_EQ(readNotice(notice), L"信息： 保存成功!");
  EXPECT_EQ(readFile(stash + "\\mine.bin"), "sharedstash.bin");

  input = clickForDialog(saveAs);
  ASSERT_NE(input, nullptr);
  SendMessageW(GetDlgItem(input, 103), WM_SETTEXT, 0, LPARAM(L"mine"));
  PostMessageW(GetDlgItem(input, IDOK), BM_CLICK, 0, 0);
  ASSERT_TRUE(waitFor([&] {
    notice = findWindowOf(process.dwProcessId, L"#32770");
    return notice && notice != input;
  }));
  EXPECT_EQ(readNotice(notice), L"信息： 箱子已经存在 请改名!");
  EXPECT_EQ(closeWithEsc(), 0u);
}

// The open-file dialog's file name box.
HWND fileNameBox(HWND dialog) {
  HWND name = GetDlgItem(dialog, 0x47C);  // cmb13
  return name ? name : GetDlgItem(dialog, 0x480);  // edt1
}

// Types a full path into the open-file dialog and confirms it.
void pickInOpenDialog(HWND dialog, const Text& path) {
  HWND name = fileNameBox(dialog);
  ASSERT_NE(name, nullptr);
  SendMessageA(name, WM_SETTEXT, 0, LPARAM(path.c_str()));
  PostMessageW(dialog, WM_COMMAND, IDOK, 0);
}

TEST_F(EndToEndTest, BrowseRefillsTheListAndRemembersThePick) {
  TempFolder second;
  ASSERT_TRUE(writeFile(second / "sharedstash.bin", "live"));
  ASSERT_TRUE(writeFile(second / "other.bin", "x"));
  start();

  HWND dialog = clickForDialog(browse);
  ASSERT_NE(dialog, nullptr);
  pickInOpenDialog(dialog, stash + "\\old.bin");
  ASSERT_TRUE(waitFor([&] { return items().size() == 2; }));
  EXPECT_EQ(items(), (std::vector<std::wstring>{L"old.bin", L"pvp.bin"})) << "the picked old.bin is listed too";
  EXPECT_EQ(sentText(combo), L"") << "cleared before filling";

  dialog = clickForDialog(browse);
  ASSERT_NE(dialog, nullptr);
  const std::wstring offered = sentText(fileNameBox(dialog));
  EXPECT_TRUE(offered.ends_with(L"old.bin")) << "the last pick is offered again";
  pickInOpenDialog(dialog, second / "sharedstash.bin");
  ASSERT_TRUE(waitFor([&] { return items() == std::vector<std::wstring>{L"other.bin"}; }));

  dialog = clickForDialog(browse);
  ASSERT_NE(dialog, nullptr);
  PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
  ASSERT_TRUE(waitFor([&] { return !IsWindow(dialog); }));
  EXPECT_EQ(items(), std::vector<std::wstring>{L"other.bin"});

  EXPECT_EQ(closeWithEsc(), 0u);
  EXPECT_EQ(readFile(app / "razarir.ini"), "[razarir]\r\npath=" + (second / "sharedstash.bin") + "\r\n");
}
// The exe in a folder whose name the ANSI code page cannot represent (Ω): the settings beside it
// are still the ones used (through the folder's short name), or, where it has none, nothing is
// read or written anywhere else.
TEST_F(EndToEndTest, ExeInAFolderTheAnsiFunctionsCannotName) {
  const std::wstring odd = wide(app.path()) + L"\\\x03a9-stash-tool";
  CreateDirectoryW(odd.c_str(), nullptr);
  for (const std::wstring& folder : {odd}) {
    ASSERT_TRUE(CopyFileW(wide(app / "Tarnwick.exe").c_str(), (L"\\\\?\\" + folder + L"\\Tarnwick.exe").c_str(), FALSE));
    const std::string settings = "[razarir]\r\npath=" + stash + "\\sharedstash.bin\r\n";
    HANDLE file = CreateFileW((L"\\\\?\\" + folder + L"\\razarir.ini").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, settings.data(), DWORD(settings.size()), &written, nullptr);
    CloseHandle(file);
    const auto before = snapshot(app.path());

    start(folder + L"\\Tarnwick.exe");
    const std::vector<std::wstring> listed = items();
    if (listed.empty()) {
      EXPECT_EQ(sentText(pathEdit), L"\x8bf7\x8bbe\x7f6esharedstash.bin\x7684\x8def\x5f84") << "the default text";
    } else {
      EXPECT_EQ(listed, (std::vector<std::wstring>{L"old.bin", L"pvp.bin"}));
    }
    EXPECT_EQ(closeWithEsc(), 0u);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    process = {};
    EXPECT_EQ(snapshot(app.path()), before) << "nothing written anywhere";
    std::printf("exe folder of %zu characters: %s\n", folder.size(), listed.empty() ? "settings not reachable" : "settings read");
  }
}
}  // namespace
