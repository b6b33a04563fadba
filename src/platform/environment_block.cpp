#include "platform/environment_block.h"

namespace sc {

namespace {

// Letters folded as ASCII: the names the program sets and looks for are.
char Folded(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool SameName(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (Folded(a[i]) != Folded(b[i])) return false;
  return true;
}

// The entries up to the empty one that ends the block, or to its end.
std::vector<std::string> EntriesOf(const std::string& block) {
  std::vector<std::string> entries;
  std::size_t from = 0;
  while (from < block.size()) {
    std::size_t end = block.find('\0', from);
    if (end == std::string::npos) end = block.size();
    if (end == from) break;
    entries.push_back(block.substr(from, end - from));
    from = end + 1;
  }
  return entries;
}

// The name is what comes before the first "=" after the first character, so
// that Windows' "=C:=C:\folder" is named "=C:".
std::string NameOf(const std::string& entry) {
  const std::size_t equals = entry.find('=', 1);
  return entry.substr(0, equals);
}

const EnvironmentVariable* Setting(const std::vector<EnvironmentVariable>& variables,
                                   const std::string& name) {
  for (const EnvironmentVariable& variable : variables)
    if (SameName(variable.first, name)) return &variable;
  return nullptr;
}

}  // namespace

std::string WithVariables(const std::string& block,
                          const std::vector<EnvironmentVariable>& variables) {
  std::string result;
  std::vector<bool> placed(variables.size(), false);
  for (const std::string& entry : EntriesOf(block)) {
    const std::string name = NameOf(entry);
    const EnvironmentVariable* setting = entry[0] == '=' ? nullptr : Setting(variables, name);
    if (setting == nullptr) {
      result += entry;
      result += '\0';
      continue;
    }
    const std::size_t index = static_cast<std::size_t>(setting - variables.data());
    if (placed[index]) continue;
    placed[index] = true;
    result += setting->first + "=" + setting->second;
    result += '\0';
  }
  for (std::size_t i = 0; i < variables.size(); ++i) {
    if (placed[i] || Setting(variables, variables[i].first) != &variables[i]) continue;
    result += variables[i].first + "=" + variables[i].second;
    result += '\0';
  }
  // An empty block is two zeros: one would end it before it began.
  if (result.empty()) result += '\0';
  result += '\0';
  return result;
}

std::optional<std::string> VariableIn(const std::string& block, const std::string& name) {
  for (const std::string& entry : EntriesOf(block))
    if (entry[0] != '=' && SameName(NameOf(entry), name)) {
      const std::size_t equals = entry.find('=', 1);
      return equals == std::string::npos ? std::string() : entry.substr(equals + 1);
    }
  return std::nullopt;
}

}  // namespace sc
