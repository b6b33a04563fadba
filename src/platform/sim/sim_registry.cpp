#include "platform/sim/sim_registry.h"

#include <algorithm>
#include <cstring>

namespace sc::sim {
namespace {

constexpr std::uint32_t kKeyQueryValue = 0x1;
constexpr std::uint32_t kKeySetValue = 0x2;
constexpr std::uint32_t kKeyEnumerateSubKeys = 0x8;

// Wine accepts doubled and trailing backslashes but refuses a leading one
// with ERROR_BAD_PATHNAME. A null or empty path names the key itself.
long splitPath(const char* path, std::vector<std::string>* parts) {
  if (path == nullptr) return kErrorSuccess;
  if (path[0] == '\\') return kErrorBadPathname;
  std::string part;
  for (const char* p = path;; ++p) {
    if (*p == '\\' || *p == '\0') {
      if (!part.empty()) parts->push_back(part);
      part.clear();
      if (*p == '\0') break;
    } else {
      part += *p;
    }
  }
  return kErrorSuccess;
}

std::vector<std::string> splitHelperPath(const std::string& path) {
  // Helpers are lenient: a leading backslash is only noise in a test.
  std::vector<std::string> parts;
  const std::size_t start = path.find_first_not_of('\\');
  if (start != std::string::npos) splitPath(path.c_str() + start, &parts);
  return parts;
}

bool isStringType(std::uint32_t type) { return type == 1 || type == 2 || type == 7; }

}  // namespace

SimRegistry::SimRegistry() = default;
SimRegistry::~SimRegistry() = default;

SimRegistry::Node& SimRegistry::rootNode(RegRoot root) {
  return root == RegRoot::LocalMachine ? localMachine_ : currentUser_;
}

const SimRegistry::Node* SimRegistry::find(RegRoot root,
                                           const std::vector<std::string>& parts) const {
  const Node* node = root == RegRoot::LocalMachine ? &localMachine_ : &currentUser_;
  for (const std::string& part : parts) {
    auto it = node->children.find(part);
    if (it == node->children.end()) return nullptr;
    node = it->second.get();
  }
  return node;
}

SimRegistry::Node& SimRegistry::make(RegRoot root, const std::vector<std::string>& parts,
                                     bool* created) {
  Node* node = &rootNode(root);
  if (created != nullptr) *created = false;
  for (const std::string& part : parts) {
    auto& child = node->children[part];
    if (!child) {
      child = std::make_unique<Node>();
      child->name = part;
      if (created != nullptr) *created = true;
    }
    node = child.get();
  }
  return *node;
}

std::uint32_t SimRegistry::deniedOnPath(RegRoot root, const std::vector<std::string>& parts) const {
  const Node* node = root == RegRoot::LocalMachine ? &localMachine_ : &currentUser_;
  std::uint32_t denied = node->denied;
  for (const std::string& part : parts) {
    auto it = node->children.find(part);
    if (it == node->children.end()) break;
    node = it->second.get();
    denied |= node->denied;
  }
  return denied;
}

std::string SimRegistry::fullPath(RegRoot root, const std::vector<std::string>& parts) const {
  std::string path = root == RegRoot::LocalMachine ? "HKLM" : "HKCU";
  const Node* node = root == RegRoot::LocalMachine ? &localMachine_ : &currentUser_;
  for (const std::string& part : parts) {
    // Spell each key as it was created, whatever case the caller used.
    const Node* child = nullptr;
    if (node != nullptr) {
      auto it = node->children.find(part);
      if (it != node->children.end()) child = it->second.get();
    }
    path += '\\';
    path += child != nullptr ? child->name : part;
    node = child;
  }
  return path;
}

RegKey SimRegistry::issue(RegRoot root, std::vector<std::string> parts, std::uint32_t access) {
  const RegKey key = nextHandle_;
  // Like real handles: multiples of four, never reused, so a stale one fails.
  nextHandle_ += 4;
  handles_[key] = Handle{root, std::move(parts), access};
  return key;
}

SimRegistry::Node* SimRegistry::resolve(RegKey key, std::uint32_t needed, long* error) {
  auto it = handles_.find(key);
  if (it == handles_.end()) {
    *error = kErrorInvalidHandle;
    return nullptr;
  }
  const Handle& handle = it->second;
  if ((handle.access & needed) != needed) {
    *error = kErrorAccessDenied;
    return nullptr;
  }
  Node* node = const_cast<Node*>(find(handle.root, handle.parts));
  if (node == nullptr) *error = kErrorKeyDeleted;
  return node;
}

long SimRegistry::createKey(RegRoot root, const char* path, std::uint32_t access, RegKey* key,
                            std::uint32_t* disposition) {
  *key = 0;
  std::vector<std::string> parts;
  if (long error = splitPath(path, &parts)) return error;
  if (long error = failures_.check("createKey", fullPath(root, parts))) return error;
  if (deniedOnPath(root, parts) & access) return kErrorAccessDenied;
  bool created = false;
  make(root, parts, &created);
  if (disposition != nullptr) {
    *disposition = created ? kRegCreatedNewKey : kRegOpenedExistingKey;
  }
  *key = issue(root, std::move(parts), access);
  return kErrorSuccess;
}

long SimRegistry::openParts(RegRoot root, std::vector<std::string> parts, std::uint32_t access,
                            RegKey* key) {
  if (find(root, parts) == nullptr) return kErrorFileNotFound;
  if (deniedOnPath(root, parts) & access) return kErrorAccessDenied;
  *key = issue(root, std::move(parts), access);
  return kErrorSuccess;
}

long SimRegistry::openKey(RegRoot root, const char* path, std::uint32_t access, RegKey* key) {
  *key = 0;
  std::vector<std::string> parts;
  if (long error = splitPath(path, &parts)) return error;
  if (long error = failures_.check("openKey", fullPath(root, parts))) return error;
  return openParts(root, std::move(parts), access, key);
}

long SimRegistry::openSubKey(RegKey parent, const char* name, std::uint32_t access, RegKey* key) {
  *key = 0;
  long error = kErrorSuccess;
  // Wine does not ask the parent handle for any access right to open a child.
  if (resolve(parent, 0, &error) == nullptr) return error;
  const Handle& handle = handles_.at(parent);
  std::vector<std::string> parts = handle.parts;
  if ((error = splitPath(name, &parts)) != kErrorSuccess) return error;
  if ((error = failures_.check("openSubKey", fullPath(handle.root, parts)))) return error;
  return openParts(handle.root, std::move(parts), access, key);
}

long SimRegistry::queryValue(RegKey key, const char* name, std::uint32_t* type, std::uint8_t* data,
                             std::uint32_t* size) {
  if (data != nullptr && size == nullptr) return kErrorInvalidParameter;
  long error = kErrorSuccess;
  Node* node = resolve(key, kKeyQueryValue, &error);
  if (node == nullptr) return error;
  const std::string valueName = name != nullptr ? name : "";
  const Handle& handle = handles_.at(key);
  if ((error = failures_.check("queryValue", fullPath(handle.root, handle.parts), valueName))) {
    return error;
  }
  auto it = node->values.find(valueName);
  if (it == node->values.end()) {
    // Measured on Wine: the type is zeroed; the size is zeroed only when
    // no buffer was passed; the buffer is left alone.
    if (type != nullptr) *type = kRegNone;
    if (size != nullptr && data == nullptr) *size = 0;
    return kErrorFileNotFound;
  }
  const std::vector<std::uint8_t>& bytes = it->second.bytes;
  const auto length = static_cast<std::uint32_t>(bytes.size());
  if (type != nullptr) *type = it->second.type;
  if (data != nullptr && *size < length) {
    // Wine leaves the buffer untouched and reports the size needed.
    *size = length;
    return kErrorMoreData;
  }
  if (data != nullptr && length > 0) {
    std::memcpy(data, bytes.data(), length);
    // A string stored without its zero gets one in the buffer when there is
    // room, but the size still counts only the stored bytes (as on Wine and
    // NT). With no room the caller gets no zero at all.
    if (isStringType(it->second.type) && *size > length && bytes.back() != 0) data[length] = 0;
  }
  if (size != nullptr) *size = length;
  return kErrorSuccess;
}

long SimRegistry::setValue(RegKey key, const char* name, std::uint32_t type,
                           const std::uint8_t* data, std::uint32_t size) {
  long error = kErrorSuccess;
  Node* node = resolve(key, kKeySetValue, &error);
  if (node == nullptr) return error;
  const std::string valueName = name != nullptr ? name : "";
  const Handle& handle = handles_.at(key);
  if ((error = failures_.check("setValue", fullPath(handle.root, handle.parts), valueName))) {
    return error;
  }
  // Load-bearing, as on Wine and NT: a string whose last counted byte is not
  // a zero is checked one byte further, and a zero found there is stored
  // too. So writing strlen() bytes of a C string stores its terminator.
  if (data != nullptr && size > 0 && isStringType(type) && data[size - 1] != 0 && data[size] == 0) {
    ++size;
  }
  RegValue& value = node->values[valueName];
  value.type = type;
  value.bytes.clear();
  if (data != nullptr) value.bytes.assign(data, data + size);
  return kErrorSuccess;
}

long SimRegistry::enumKey(RegKey key, std::uint32_t index, char* name, std::uint32_t* nameSize) {
  long error = kErrorSuccess;
  Node* node = resolve(key, kKeyEnumerateSubKeys, &error);
  if (node == nullptr) return error;
  const Handle& handle = handles_.at(key);
  if ((error = failures_.check("enumKey", fullPath(handle.root, handle.parts)))) return error;
  // Measured on Wine: past the end, and when the name and its zero do not
  // fit, neither the buffer nor *nameSize is touched.
  if (index >= node->children.size()) return kErrorNoMoreItems;
  auto it = std::next(node->children.begin(), index);
  const std::string& childName = it->second->name;
  if (childName.size() + 1 > *nameSize) return kErrorMoreData;
  std::memcpy(name, childName.c_str(), childName.size() + 1);
  *nameSize = static_cast<std::uint32_t>(childName.size());
  return kErrorSuccess;
}

long SimRegistry::closeKey(RegKey key) {
  if (handles_.count(key) == 0) return kErrorInvalidHandle;
  const Handle& handle = handles_.at(key);
  if (long error = failures_.check("closeKey", fullPath(handle.root, handle.parts))) return error;
  handles_.erase(key);
  return kErrorSuccess;
}

void SimRegistry::addKey(RegRoot root, const std::string& path) {
  make(root, splitHelperPath(path), nullptr);
}

void SimRegistry::removeKey(RegRoot root, const std::string& path) {
  std::vector<std::string> parts = splitHelperPath(path);
  if (parts.empty()) return;
  const std::string last = parts.back();
  parts.pop_back();
  Node* parent = const_cast<Node*>(find(root, parts));
  if (parent != nullptr) parent->children.erase(last);
}

void SimRegistry::putValue(RegRoot root, const std::string& path, const std::string& name,
                           RegValue value) {
  make(root, splitHelperPath(path), nullptr).values[name] = std::move(value);
}

void SimRegistry::putString(RegRoot root, const std::string& path, const std::string& name,
                            const std::string& text, bool terminated) {
  RegValue value{kRegSz, std::vector<std::uint8_t>(text.begin(), text.end())};
  if (terminated) value.bytes.push_back(0);
  putValue(root, path, name, std::move(value));
}

void SimRegistry::putDword(RegRoot root, const std::string& path, const std::string& name,
                           std::uint32_t number) {
  RegValue value{kRegDword, std::vector<std::uint8_t>(4)};
  std::memcpy(value.bytes.data(), &number, 4);
  putValue(root, path, name, std::move(value));
}

void SimRegistry::denyAccess(RegRoot root, const std::string& path, std::uint32_t accessBits) {
  make(root, splitHelperPath(path), nullptr).denied |= accessBits;
}

bool SimRegistry::hasKey(RegRoot root, const std::string& path) const {
  return find(root, splitHelperPath(path)) != nullptr;
}

std::optional<RegValue> SimRegistry::value(RegRoot root, const std::string& path,
                                           const std::string& name) const {
  const Node* node = find(root, splitHelperPath(path));
  if (node == nullptr) return std::nullopt;
  auto it = node->values.find(name);
  if (it == node->values.end()) return std::nullopt;
  return it->second;
}

std::optional<std::string> SimRegistry::stringValue(RegRoot root, const std::string& path,
                                                    const std::string& name) const {
  std::optional<RegValue> stored = value(root, path, name);
  if (!stored || !isStringType(stored->type)) return std::nullopt;
  const auto& bytes = stored->bytes;
  return std::string(bytes.begin(), std::find(bytes.begin(), bytes.end(), 0));
}

std::optional<std::uint32_t> SimRegistry::dwordValue(RegRoot root, const std::string& path,
                                                     const std::string& name) const {
  std::optional<RegValue> stored = value(root, path, name);
  if (!stored || stored->type != kRegDword || stored->bytes.size() != 4) return std::nullopt;
  std::uint32_t number = 0;
  std::memcpy(&number, stored->bytes.data(), 4);
  return number;
}

std::vector<std::string> SimRegistry::subKeyNames(RegRoot root, const std::string& path) const {
  std::vector<std::string> names;
  if (const Node* node = find(root, splitHelperPath(path))) {
    for (const auto& child : node->children) names.push_back(child.second->name);
  }
  return names;
}

std::vector<std::string> SimRegistry::openKeys() const {
  std::vector<std::string> paths;
  for (const auto& entry : handles_) {
    paths.push_back(fullPath(entry.second.root, entry.second.parts));
  }
  return paths;
}

}  // namespace sc::sim
