// POSIX implementation of the file and profile services declared in platform/services.h.
// Paths come in with "\" separators, as the program forms them, and are turned into native
// paths here; the INI format is read and written through SimpleIni.
#include "platform/services.h"

// Bytes are kept as they are: the values are ANSI code page text, not UTF-8.
#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>
#include <dirent.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cwchar>
#include <vector>

namespace {

constexpr std::size_t kProfileValueLimit = 10239;

std::string nativePath(std::string_view path) {
  std::string native(path);
  for (std::size_t i = 0; i < native.size(); i += characterLength(native, i)) {
    if (native[i] == '\\') native[i] = '/';
  }
  return native;
}

bool hasWildcard(std::string_view name) { return name.find_first_of("*?") != std::string_view::npos; }

struct Fd {
  int fd = -1;
  ~Fd() {
    if (fd >= 0) ::close(fd);
  }
};

// Copies one open file into another; false on any read or write error.
bool copyContents(int from, int to) {
  std::vector<char> buffer(1 << 20);
  for (;;) {
    const ssize_t got = ::read(from, buffer.data(), buffer.size());
    if (got == 0) return true;
    if (got < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    for (ssize_t done = 0; done < got;) {
      const ssize_t put = ::write(to, buffer.data() + done, size_t(got - done));
      if (put < 0) {
        if (errno == EINTR) continue;
        return false;
      }
      done += put;
    }
  }
}

bool copyWithFlags(const Text& source, const Text& target, int createFlags) {
  const std::string from = nativePath(source), to = nativePath(target);
  Fd in{::open(from.c_str(), O_RDONLY | O_CLOEXEC)};
  struct stat info;
  if (in.fd < 0 || ::fstat(in.fd, &info) != 0 || !S_ISREG(info.st_mode)) return false;
  Fd out{::open(to.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC | createFlags, info.st_mode & 0777)};
  if (out.fd < 0) return false;
  const bool copied = copyContents(in.fd, out.fd) && ::fsync(out.fd) == 0;
  if (!copied) ::unlink(to.c_str());
  return copied;
}

// The folder part and the name part of a native path.
std::pair<std::string, std::string> splitNative(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return {".", path};
  return {slash == 0 ? "/" : path.substr(0, slash), path.substr(slash + 1)};
}

bool isFolder(const std::string& folder, const char* name) {
  struct stat info;
  const std::string full = folder + "/" + name;
  return ::stat(full.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool matches(const std::string& pattern, const char* name) {
  return ::fnmatch(pattern.c_str(), name, FNM_NOESCAPE | FNM_CASEFOLD) == 0;
}

}  // namespace

std::size_t characterLength(std::string_view text, std::size_t pos) {
  std::mbstate_t state{};
  const std::size_t length = std::mbrlen(text.data() + pos, text.size() - pos, &state);
  if (length == 0 || length == std::size_t(-1) || length == std::size_t(-2)) return 1;
  return length;
}

Text programDirectory() {
  char buffer[PATH_MAX];
  const ssize_t length = ::readlink("/proc/self/exe", buffer, sizeof buffer);
  if (length <= 0 || std::size_t(length) >= sizeof buffer) return {};
  const Text path = withBackslashes(std::string_view(buffer, std::size_t(length)));
  const std::size_t cut = lastSeparator(path);
  if (cut == std::string_view::npos) return {};
  return path.substr(0, cut);
}

bool setCurrentFolder(const Text& folder) {
  return ::chdir(folder.empty() ? "/" : nativePath(folder).c_str()) == 0;
}

bool fileExists(const Text& path) {
  if (path.empty()) return false;
  const std::string native = nativePath(path);
  auto [folder, name] = splitNative(native);
  if (!hasWildcard(name)) {
    struct stat info;
    return ::stat(native.c_str(), &info) == 0;
  }
  DIR* dir = ::opendir(folder.c_str());
  if (!dir) return false;
  bool found = false;
  while (const dirent* entry = ::readdir(dir)) {
    if (matches(name, entry->d_name)) {
      found = true;
      break;
    }
  }
  ::closedir(dir);
  return found;
}

bool isRegularFile(const Text& path) {
  if (path.empty() || hasWildcard(path)) return false;
  struct stat info;
  return ::stat(nativePath(path).c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool isSameFile(const Text& a, const Text& b) {
  struct stat first, second;
  return ::stat(nativePath(a).c_str(), &first) == 0 && ::stat(nativePath(b).c_str(), &second) == 0 &&
         first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

bool deleteFile(const Text& path) {
  const std::string native = nativePath(path);
  struct stat info;
  // Like the Windows service, only files are deleted.
  if (::lstat(native.c_str(), &info) != 0 || S_ISDIR(info.st_mode)) return false;
  return ::unlink(native.c_str()) == 0;
}

bool copyFile(const Text& source, const Text& target) { return copyWithFlags(source, target, O_TRUNC); }

bool copyFileNew(const Text& source, const Text& target) { return copyWithFlags(source, target, O_EXCL); }

bool moveFile(const Text& source, const Text& target) {
  const std::string from = nativePath(source), to = nativePath(target);
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
  if (errno != EINVAL && errno != ENOSYS) return false;
  // A file system without RENAME_NOREPLACE: a hard link refuses an existing target as well.
  if (::link(from.c_str(), to.c_str()) != 0) return false;
  return ::unlink(from.c_str()) == 0;
}

bool createFolder(const Text& path) {
  const std::string native = nativePath(path);
  if (::mkdir(native.c_str(), 0777) == 0) return true;
  struct stat info;
  return errno == EEXIST && ::stat(native.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool removeEmptyFolder(const Text& path) { return ::rmdir(nativePath(path).c_str()) == 0; }

struct FileSearch::State {
  DIR* dir = nullptr;
  std::string folder;
  std::string pattern;
};

FileSearch::FileSearch() = default;
FileSearch::~FileSearch() { close(); }

Text FileSearch::first(const Text& pattern) {
  close();
  auto [folder, name] = splitNative(nativePath(pattern));
  DIR* dir = ::opendir(folder.c_str());
  if (!dir) return {};
  state_ = std::make_unique<State>(State{dir, folder, name});
  return next();
}

Text FileSearch::next() {
  if (!state_) return {};
  while (const dirent* entry = ::readdir(state_->dir)) {
    if (matches(state_->pattern, entry->d_name) && !isFolder(state_->folder, entry->d_name))
      return entry->d_name;
  }
  close();
  return {};
}

void FileSearch::close() {
  if (state_) ::closedir(state_->dir);
  state_.reset();
}

Text readProfileString(const Text& file, const Text& section, const Text& key,
                       const Text& defaultValue) {
  const Text fileName = skipLeadingBlanks(file), sectionName = skipLeadingBlanks(section),
             keyName = skipLeadingBlanks(key);
  if (fileName.empty() || sectionName.empty() || keyName.empty()) return {};
  CSimpleIniA ini(false, false, false);
  if (ini.LoadFile(nativePath(fileName).c_str()) < 0) return defaultValue.substr(0, kProfileValueLimit);
  const char* value = ini.GetValue(sectionName.c_str(), keyName.c_str(), nullptr);
  return Text(value ? value : defaultValue.c_str()).substr(0, kProfileValueLimit);
}

bool writeProfileString(const Text& file, const Text& section, const Text& key, const Text& value) {
  const std::string path = nativePath(file);
  CSimpleIniA ini(false, false, false);
  struct stat info;
  ini.SetSpaces(false);  // "path=value", as Windows writes it
  if (::stat(path.c_str(), &info) == 0 && ini.LoadFile(path.c_str()) < 0) return false;
  if (ini.SetValue(section.c_str(), key.c_str(), value.c_str()) < 0) return false;
  return ini.SaveFile(path.c_str(), false) >= 0;
}
