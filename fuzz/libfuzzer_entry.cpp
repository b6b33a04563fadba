// libFuzzer's entry, one executable per target: SPOOLCAT_FUZZ_TARGET names
// the function. A failure the target reports is a crash for the fuzzer.
#include <cstdio>
#include <cstdlib>

#include "targets/fuzz_targets.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string failure = SPOOLCAT_FUZZ_TARGET(data, size);
  if (!failure.empty()) {
    std::fprintf(stderr, "\n%s\n", failure.c_str());
    std::abort();
  }
  return 0;
}
