#include "soak_stack.h"

#include <cstdio>
#include <cstdlib>
#include <random>

#include "harness.h"

namespace e2e {

unsigned SoakSeed(unsigned fallback) {
  unsigned seed = fallback;
  if (const char* text = std::getenv("SPOOLCAT_SOAK_SEED"); text && *text) {
    seed = static_cast<unsigned>(std::strtoul(text, nullptr, 0));
  }
  std::printf("soak seed %u (SPOOLCAT_SOAK_SEED=%u repeats this run)\n", seed, seed);
  return seed;
}

std::string DiscStack::RobotIni() const {
  std::string ini = "discs = " + std::to_string(size()) + "\n";
  for (int disc = 1; disc <= size(); ++disc) {
    const std::string& trait = traits[disc - 1];
    if (!trait.empty()) ini += "disc." + std::to_string(disc) + " = " + trait + "\n";
  }
  return ini;
}

std::vector<int> DiscStack::With(const std::string& trait) const {
  std::vector<int> discs;
  for (int disc = 1; disc <= size(); ++disc) {
    if (traits[disc - 1] == trait) discs.push_back(disc);
  }
  return discs;
}

DiscStack RandomStack(unsigned seed, int discs, const std::vector<std::string>& kinds) {
  std::mt19937 random(seed);
  std::uniform_int_distribution<std::size_t> pick(0, kinds.size() - 1);
  DiscStack stack;
  for (int disc = 0; disc < discs; ++disc) stack.traits.push_back(kinds[pick(random)]);
  return stack;
}

std::string DiscList(const std::vector<int>& discs) {
  std::string text;
  for (int disc : discs) text += (text.empty() ? "" : ",") + std::to_string(disc);
  return text;
}

std::map<int, std::vector<std::string>> DiscEvents(const std::string& logPath,
                                                   const std::string& event) {
  std::map<int, std::vector<std::string>> lines;
  const std::string tag = "] " + event + " ";
  for (const std::string& line : ReadLines(logPath)) {
    std::size_t at = line.find(tag);
    if (at == std::string::npos) continue;
    std::size_t field = line.find(" disc=", at);
    if (field == std::string::npos) continue;
    lines[std::atoi(line.c_str() + field + 6)].push_back(line);
  }
  return lines;
}

}  // namespace e2e
