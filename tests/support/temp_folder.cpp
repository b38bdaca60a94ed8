#include "support/temp_folder.h"

#include "platform/services.h"

#include <clocale>
#include <cstdio>
#include <filesystem>
#include <random>

#ifdef _WIN32
#include <windows.h>
#else
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

std::string native(const Text& path) {
#ifdef _WIN32
  return path;
#else
  Text copy = path;
  for (std::size_t i = 0; i < copy.size(); i += characterLength(copy, i))
    if (copy[i] == '\\') copy[i] = '/';
  return copy;
#endif
}

Text uniqueName() {
  std::random_device random;
  return "tarnwick-test-" + std::to_string(random()) + std::to_string(random());
}

void collect(const Text& folder, const Text& prefix, std::map<Text, std::string>& out) {
#ifdef _WIN32
  WIN32_FIND_DATAA data;
  HANDLE found = FindFirstFileA((folder + "\\*").c_str(), &data);
  if (found == INVALID_HANDLE_VALUE) return;
  do {
    const Text name = data.cFileName;
    if (name == "." || name == "..") continue;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
      collect(folder + "\\" + name, prefix + name + "\\", out);
    else
      out[prefix + name] = readFile(folder + "\\" + name).value_or("<unreadable>");
  } while (FindNextFileA(found, &data));
  FindClose(found);
#else
  DIR* dir = opendir(native(folder).c_str());
  if (!dir) return;
  while (const dirent* entry = readdir(dir)) {
    const Text name = entry->d_name;
    if (name == "." || name == "..") continue;
    struct stat info;
    if (stat(native(folder + "\\" + name).c_str(), &info) == 0 && S_ISDIR(info.st_mode))
      collect(folder + "\\" + name, prefix + name + "\\", out);
    else
      out[prefix + name] = readFile(folder + "\\" + name).value_or("<unreadable>");
  }
  closedir(dir);
#endif
}

}  // namespace

TempFolder::TempFolder() {
#ifdef _WIN32
  char base[MAX_PATH + 1];
  const DWORD length = GetTempPathA(sizeof base, base);
  Text root(base, length);
  if (!root.empty() && root.back() == '\\') root.pop_back();
#else
  Text root = "\\tmp";
#endif
  path_ = root + "\\" + uniqueName();
  makeFolder(path_);
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(std::filesystem::path(native(path_)), ignored);
}

bool writeFile(const Text& path, std::string_view content) {
  std::FILE* file = std::fopen(native(path).c_str(), "wb");
  if (!file) return false;
  const bool written = std::fwrite(content.data(), 1, content.size(), file) == content.size();
  return std::fclose(file) == 0 && written;
}

std::optional<std::string> readFile(const Text& path) {
  std::FILE* file = std::fopen(native(path).c_str(), "rb");
  if (!file) return std::nullopt;
  std::string content;
  char buffer[65536];
  for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, file)) > 0;) content.append(buffer, got);
  std::fclose(file);
  return content;
}

bool makeFolder(const Text& path) {
#ifdef _WIN32
  return CreateDirectoryA(path.c_str(), nullptr) != 0;
#else
  return mkdir(native(path).c_str(), 0777) == 0;
#endif
}

Text writeHiddenFile(const Text& folder, const Text& name, std::string_view content) {
#ifdef _WIN32
  const Text path = folder + "\\" + name;
  if (!writeFile(path, content) || !SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_HIDDEN)) return {};
  return name;
#else
  return writeFile(folder + "\\." + name, content) ? "." + name : Text{};
#endif
}

bool makeReadOnly(const Text& path) {
#ifdef _WIN32
  return SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY) != 0;
#else
  return chmod(native(path).c_str(), 0444) == 0;
#endif
}

bool removeFile(const Text& path) { return std::remove(native(path).c_str()) == 0; }

std::map<Text, std::string> snapshot(const Text& folder) {
  std::map<Text, std::string> files;
  collect(folder, "", files);
  return files;
}

bool useEncoding(Encoding encoding) {
#ifdef _WIN32
  return GetACP() == (encoding == Encoding::Chinese936 ? 936u : 1252u);
#else
  return std::setlocale(LC_CTYPE, encoding == Encoding::Chinese936 ? "zh_CN.GBK" : "C.UTF-8") != nullptr;
#endif
}
