#include "platform/registry_read.h"

#include <cstring>
#include <vector>

namespace sc {

bool ReadTextValue(Registry& registry, RegKey key, const char* name, char* buffer,
                   std::size_t size) {
  std::vector<char> scratch(size, 0);
  std::uint32_t type = 0;
  auto offered = static_cast<std::uint32_t>(size);
  if (registry.queryValue(key, name, &type, reinterpret_cast<std::uint8_t*>(scratch.data()),
                          &offered) != kErrorSuccess)
    return false;
  // A text that fills the whole buffer has no room for its zero: it does not fit.
  if (std::memchr(scratch.data(), 0, size) == nullptr) return false;
  std::memcpy(buffer, scratch.data(), size);
  return true;
}

std::string ReadTextValueCut(Registry& registry, RegKey key, const char* name,
                             std::size_t maxLength) {
  std::uint32_t type = 0;
  std::uint32_t size = 0;
  if (registry.queryValue(key, name, &type, nullptr, &size) != kErrorSuccess) return {};
  std::vector<char> data(size + 1, 0);
  std::uint32_t offered = size;
  if (registry.queryValue(key, name, &type, reinterpret_cast<std::uint8_t*>(data.data()),
                          &offered) != kErrorSuccess)
    return {};
  std::string text = TextOf(data.data(), data.size());
  if (text.size() > maxLength) text.resize(maxLength);
  return text;
}

bool ReadDwordValue(Registry& registry, RegKey key, const char* name, std::int32_t& value) {
  std::uint8_t data[4] = {};
  std::uint32_t type = 0;
  std::uint32_t size = sizeof data;
  if (registry.queryValue(key, name, &type, data, &size) != kErrorSuccess) return false;
  if (type != kRegDword || size != sizeof data) return false;
  std::memcpy(&value, data, sizeof data);
  return true;
}

std::uint32_t ReadRawNumber(Registry& registry, RegKey key, const char* name) {
  std::uint8_t data[4] = {};
  std::uint32_t type = 0;
  std::uint32_t size = sizeof data;
  if (registry.queryValue(key, name, &type, data, &size) != kErrorSuccess) return 0;
  std::uint32_t value = 0;
  std::memcpy(&value, data, sizeof data);
  return value;
}

void WriteTextValue(Registry& registry, RegKey key, const char* name, const std::string& text) {
  registry.setValue(key, name, kRegSz, reinterpret_cast<const std::uint8_t*>(text.c_str()),
                    static_cast<std::uint32_t>(text.size() + 1));
}

void WriteDwordValue(Registry& registry, RegKey key, const char* name, std::int32_t value) {
  std::uint8_t data[4];
  std::memcpy(data, &value, sizeof data);
  registry.setValue(key, name, kRegDword, data, sizeof data);
}

}  // namespace sc
