#include "platform/sim/sim_file_system.h"

#include <cctype>

namespace sc::sim {
namespace {

bool isDriveRoot(const std::string& path) {
  return path.size() == 3 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':' &&
         path[2] == '\\';
}

// "C:\dir\" names the same entry as "C:\dir"; "C:\" and "C:" both name the
// root. Forward slashes count as backslashes, as in the real file APIs.
std::string normalize(std::string path) {
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  if (path.size() == 2 && path[1] == ':') path += '\\';
  while (path.size() > 3 && path.back() == '\\') path.pop_back();
  return path;
}

std::string parentOf(const std::string& path) {
  const std::size_t slash = path.rfind('\\');
  if (slash == std::string::npos) return {};
  return slash == 2 ? path.substr(0, 3) : path.substr(0, slash);
}

bool matches(const char* pattern, const char* name) {
  for (; *pattern != '\0'; ++pattern, ++name) {
    if (*pattern == '*') {
      for (const char* rest = name;; ++rest) {
        if (matches(pattern + 1, rest)) return true;
        if (*rest == '\0') return false;
      }
    }
    if (*name == '\0') return false;
    if (*pattern != '?' && std::tolower(static_cast<unsigned char>(*pattern)) !=
                               std::tolower(static_cast<unsigned char>(*name))) {
      return false;
    }
  }
  return *name == '\0';
}

}  // namespace

std::optional<std::uint32_t> SimFileSystem::lookup(const std::string& rawPath) const {
  const std::string path = normalize(rawPath);
  if (isDriveRoot(path)) {
    auto drive = drives_.find(static_cast<char>(std::toupper(path[0])));
    if (drive == drives_.end() || drive->second <= kDriveNoRootDir) return std::nullopt;
    return kFileAttributeDirectory;
  }
  auto it = entries_.find(path);
  if (it == entries_.end()) return std::nullopt;
  return it->second;
}

bool SimFileSystem::findFirst(const char* rawPath, std::uint32_t* attributes) {
  if (rawPath == nullptr || failures_.check("findFirst", rawPath)) return false;
  std::string path(rawPath);
  // Measured on Wine: "C:\dir\" and "C:\" find nothing; a search needs a
  // name or a pattern after the last backslash.
  if (path.empty() || path.back() == '\\' || path.back() == '/') return false;
  path = normalize(path);
  const std::size_t slash = path.rfind('\\');
  const std::string pattern = slash == std::string::npos ? path : path.substr(slash + 1);
  if (pattern.find_first_of("*?") == std::string::npos) {
    if (isDriveRoot(path)) return false;
    std::optional<std::uint32_t> found = lookup(path);
    if (found) *attributes = *found;
    return found.has_value();
  }
  const std::string directory = parentOf(path);
  std::optional<std::uint32_t> directoryAttributes = lookup(directory);
  if (!directoryAttributes || !(*directoryAttributes & kFileAttributeDirectory)) return false;
  // A directory below the root lists "." and ".." first, as Wine does.
  if (!isDriveRoot(directory) && matches(pattern.c_str(), ".")) {
    *attributes = *directoryAttributes;
    return true;
  }
  const std::string wanted = pattern == "*.*" ? "*" : pattern;
  for (const auto& entry : entries_) {
    if (!equalsNoCase(parentOf(entry.first), directory)) continue;
    const std::string name = entry.first.substr(entry.first.rfind('\\') + 1);
    if (matches(wanted.c_str(), name.c_str())) {
      *attributes = entry.second;
      return true;
    }
  }
  return false;
}

bool SimFileSystem::attributes(const char* path, std::uint32_t* attributes) {
  if (path == nullptr || failures_.check("attributes", path)) return false;
  std::optional<std::uint32_t> found = lookup(path);
  if (found) *attributes = *found;
  return found.has_value();
}

std::uint32_t SimFileSystem::driveType(const char* rootPath) {
  if (rootPath == nullptr) return kDriveNoRootDir;
  if (long error = failures_.check("driveType", rootPath)) return static_cast<std::uint32_t>(error);
  const std::string root = normalize(rootPath);
  if (!isDriveRoot(root)) return kDriveNoRootDir;
  auto drive = drives_.find(static_cast<char>(std::toupper(root[0])));
  return drive == drives_.end() ? kDriveNoRootDir : drive->second;
}

void SimFileSystem::addFile(const std::string& rawPath, std::uint32_t attributes) {
  const std::string path = normalize(rawPath);
  const std::string parent = parentOf(path);
  // "x:" is its own parent when x is no drive letter: stop there.
  if (!parent.empty() && parent != path && !isDriveRoot(parent)) addDirectory(parent);
  entries_[path] = attributes;
}

void SimFileSystem::addDirectory(const std::string& path) {
  addFile(path, kFileAttributeDirectory);
}

void SimFileSystem::remove(const std::string& rawPath) {
  const std::string path = normalize(rawPath);
  const std::string below = lowerAscii(path + "\\");
  for (auto it = entries_.begin(); it != entries_.end();) {
    const bool inside = equalsNoCase(it->first, path) || lowerAscii(it->first).rfind(below, 0) == 0;
    it = inside ? entries_.erase(it) : std::next(it);
  }
}

void SimFileSystem::setDriveType(char letter, std::uint32_t type) {
  drives_[static_cast<char>(std::toupper(static_cast<unsigned char>(letter)))] = type;
}

}  // namespace sc::sim
