// Failures a test asks the simulated Windows for: "the next queryValue on
// HKCU\Software\Spoolcat fails with ERROR_ACCESS_DENIED", or "every
// findWindow fails". Each simulated backend owns one plan and consults it at
// the top of every call, before touching its state.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace sc::sim {

class FailurePlan {
 public:
  // `subject` narrows the rule to one key path, file path or window title;
  // `detail` to one value name. Empty means any. Matching ignores case.
  void always(std::string operation, long error, std::string subject = {}, std::string detail = {});
  void once(std::string operation, long error, std::string subject = {}, std::string detail = {});
  void clear();

  // The error this call must fail with, or 0 to let it go ahead.
  long check(std::string_view operation, std::string_view subject = {},
             std::string_view detail = {});

 private:
  struct Rule {
    std::string operation;
    std::string subject;
    std::string detail;
    long error;
    bool once;
  };
  std::vector<Rule> rules_;
};

}  // namespace sc::sim
