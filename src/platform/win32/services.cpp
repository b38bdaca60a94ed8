// Windows implementation of the file and profile services declared in platform/services.h,
// over kernel32's ANSI functions.
#include "platform/services.h"

#include <windows.h>

#include <vector>

namespace {

constexpr DWORD kProfileBufferSize = 10240;

bool hasWildcard(const Text& path) { return path.find_first_of("*?") != Text::npos; }

struct FindHandle {
  HANDLE handle = INVALID_HANDLE_VALUE;
  ~FindHandle() {
    if (handle != INVALID_HANDLE_VALUE) FindClose(handle);
  }
};

struct FileHandle {
  HANDLE handle = INVALID_HANDLE_VALUE;
  ~FileHandle() {
    if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
  }
};

// ANSI form of a wide path, or empty when the code page cannot represent it exactly.
Text ansiPath(const std::wstring& wide) {
  BOOL lossy = FALSE;
  const int size = WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, nullptr, 0, nullptr, &lossy);
  if (size <= 1 || lossy) return {};
  Text ansi(size_t(size), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, ansi.data(), size, nullptr, nullptr);
  ansi.resize(size_t(size) - 1);
  return ansi;
}

// Full path of the executable in the ANSI code page. A path the code page cannot represent,
// or one too long for the ANSI functions, is given in its short (8.3) form where it has one.
Text executablePath() {
  std::vector<wchar_t> wide(32768);
  const DWORD length = GetModuleFileNameW(nullptr, wide.data(), DWORD(wide.size()));
  if (length == 0 || length >= wide.size()) return {};
  Text ansi = ansiPath(std::wstring(wide.data(), length));
  if (!ansi.empty() && ansi.size() < MAX_PATH) return ansi;
  std::vector<wchar_t> shortPath(32768);
  const DWORD shortLength = GetShortPathNameW(wide.data(), shortPath.data(), DWORD(shortPath.size()));
  if (shortLength == 0 || shortLength >= shortPath.size()) return {};
  ansi = ansiPath(std::wstring(shortPath.data(), shortLength));
  return ansi.size() < MAX_PATH ? ansi : Text{};
}

}  // namespace

std::size_t characterLength(std::string_view text, std::size_t pos) {
  if (pos + 1 < text.size() && IsDBCSLeadByte(static_cast<BYTE>(text[pos]))) return 2;
  return 1;
}

Text programDirectory() {
  const Text path = executablePath();
  const std::size_t cut = lastSeparator(path);
  if (cut == std::string_view::npos) return {};
  return path.substr(0, cut);
}

bool setCurrentFolder(const Text& folder) {
  // "C:" alone would mean the drive's current folder, not its root.
  const Text target = folder.size() == 2 && folder[1] == ':' ? folder + "\\" : folder;
  return SetCurrentDirectoryA(target.c_str()) != 0;
}

bool fileExists(const Text& path) {
  if (path.empty()) return false;
  WIN32_FIND_DATAA data;
  FindHandle found{FindFirstFileA(path.c_str(), &data)};
  return found.handle != INVALID_HANDLE_VALUE;
}

bool isRegularFile(const Text& path) {
  if (path.empty() || hasWildcard(path)) return false;
  WIN32_FIND_DATAA data;
  FindHandle found{FindFirstFileA(path.c_str(), &data)};
  if (found.handle == INVALID_HANDLE_VALUE) return false;
  if (data.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) return false;
  // A device name such as NUL.bin opens the device, not a file on disk.
  FileHandle file{CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, 0, nullptr)};
  return file.handle != INVALID_HANDLE_VALUE && GetFileType(file.handle) == FILE_TYPE_DISK;
}

bool isSameFile(const Text& a, const Text& b) {
  BY_HANDLE_FILE_INFORMATION info[2];
  const Text* paths[2] = {&a, &b};
  for (int i = 0; i < 2; ++i) {
    FileHandle file{CreateFileA(paths[i]->c_str(), 0,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr)};
    if (file.handle == INVALID_HANDLE_VALUE) return false;
    if (!GetFileInformationByHandle(file.handle, &info[i])) return false;
  }
  return info[0].dwVolumeSerialNumber == info[1].dwVolumeSerialNumber &&
         info[0].nFileIndexHigh == info[1].nFileIndexHigh &&
         info[0].nFileIndexLow == info[1].nFileIndexLow;
}

bool deleteFile(const Text& path) { return DeleteFileA(path.c_str()) != 0; }

bool copyFile(const Text& source, const Text& target) {
  return CopyFileA(source.c_str(), target.c_str(), FALSE) != 0;
}

bool copyFileNew(const Text& source, const Text& target) {
  return CopyFileA(source.c_str(), target.c_str(), TRUE) != 0;
}

bool moveFile(const Text& source, const Text& target) {
  return MoveFileExA(source.c_str(), target.c_str(), 0) != 0;
}

bool createFolder(const Text& path) {
  if (CreateDirectoryA(path.c_str(), nullptr)) return true;
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool removeEmptyFolder(const Text& path) { return RemoveDirectoryA(path.c_str()) != 0; }

struct FileSearch::State {
  HANDLE handle = INVALID_HANDLE_VALUE;
  WIN32_FIND_DATAA data{};
};

FileSearch::FileSearch() = default;
FileSearch::~FileSearch() { close(); }

Text FileSearch::first(const Text& pattern) {
  close();
  auto state = std::make_unique<State>();
  // Basic information only (no 8.3 names to make up) and larger batches: listing a folder of
  // thousands of stash files is most of the program's start-up.
  state->handle = FindFirstFileExA(pattern.c_str(), FindExInfoBasic, &state->data, FindExSearchNameMatch, nullptr,
                                   FIND_FIRST_EX_LARGE_FETCH);
  if (state->handle == INVALID_HANDLE_VALUE) return {};
  state_ = std::move(state);
  if (!(state_->data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) return state_->data.cFileName;
  return next();
}

Text FileSearch::next() {
  if (!state_) return {};
  while (FindNextFileA(state_->handle, &state_->data)) {
    if (!(state_->data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) return state_->data.cFileName;
  }
  close();
  return {};
}

void FileSearch::close() {
  if (state_) FindClose(state_->handle);
  state_.reset();
}

Text readProfileString(const Text& file, const Text& section, const Text& key,
                       const Text& defaultValue) {
  const Text fileName = skipLeadingBlanks(file), sectionName = skipLeadingBlanks(section), keyName = skipLeadingBlanks(key);
  if (fileName.empty() || sectionName.empty() || keyName.empty()) return {};
  std::vector<char> buffer(kProfileBufferSize);
  const DWORD length = GetPrivateProfileStringA(sectionName.c_str(), keyName.c_str(), defaultValue.c_str(),
                                                buffer.data(), kProfileBufferSize, fileName.c_str());
  return Text(buffer.data(), length);
}

bool writeProfileString(const Text& file, const Text& section, const Text& key, const Text& value) {
  return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), file.c_str()) != 0;
}
