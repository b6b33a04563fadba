#include "notice_record.h"

#include <algorithm>
#include <cstring>

namespace sc::tools {
namespace {

void PutField(NoticeBytes& bytes, std::size_t offset, std::size_t width, const std::string& text) {
  std::size_t n = std::min(text.size(), width - 1);
  std::memcpy(bytes.data() + offset, text.data(), n);
}

std::string GetField(const NoticeBytes& bytes, std::size_t offset, std::size_t width) {
  const char* begin = bytes.data() + offset;
  const char* end = std::find(begin, begin + width, '\0');
  return std::string(begin, end);
}

}  // namespace

NoticeBytes BuildNotice(const Notice& notice) {
  NoticeBytes bytes{};
  PutField(bytes, kSourceOffset, kSourceWidth, notice.source);
  PutField(bytes, kActionOffset, kActionWidth, notice.action);
  PutField(bytes, kResultOffset, kResultWidth, notice.result);
  PutField(bytes, kDetailOffset, kDetailWidth, notice.detail);
  return bytes;
}

Notice ReadNotice(const NoticeBytes& bytes) {
  return Notice{
      GetField(bytes, kSourceOffset, kSourceWidth), GetField(bytes, kActionOffset, kActionWidth),
      GetField(bytes, kResultOffset, kResultWidth), GetField(bytes, kDetailOffset, kDetailWidth)};
}

}  // namespace sc::tools
