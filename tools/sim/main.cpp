// tarvel-sim: headless self-play and the endgame benchmark.
//   tarvel-sim play --deals N --seed S [--rules nofive,firstfive] [--json]
//   tarvel-sim bench-endgame --positions N --seed S [--min-cards K] [--fast-only] [--json]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "ai/endgame_search.h"
#include "endgame_positions.h"
#include "self_play.h"

namespace {

using namespace tarvel;

struct Args {
  std::string command;
  long long deals = 1000, positions = 300, minCards = 0;
  unsigned long long seed = 1;
  std::string rules;
  bool json = false;
  bool fastOnly = false;
  std::string error;
};

bool ParseNumber(const char* text, long long& out) {
  char* end = nullptr;
  out = std::strtoll(text, &end, 10);
  return end && *end == '\0' && out >= 0;
}

Args Parse(int argc, char** argv) {
  Args a;
  if (argc < 2) {
    a.error = "missing command";
    return a;
  }
  a.command = argv[1];
  for (int i = 2; i < argc; ++i) {
    const std::string opt = argv[i];
    const bool hasValue = i + 1 < argc;
    long long n = 0;
    if (opt == "--json") a.json = true;
    else if (opt == "--fast-only") a.fastOnly = true;
    else if ((opt == "--deals" || opt == "--positions" || opt == "--seed" || opt == "--min-cards") && hasValue &&
             ParseNumber(argv[i + 1], n)) {
      if (opt == "--deals") a.deals = n;
      else if (opt == "--positions") a.positions = n;
      else if (opt == "--min-cards") a.minCards = n;
      else a.seed = static_cast<unsigned long long>(n);
      ++i;
    } else if (opt == "--rules" && hasValue) {
      a.rules = argv[++i];
    } else {
      a.error = "bad option " + opt;
    }
  }
  return a;
}

int Usage(const std::string& why) {
  std::fprintf(stderr,
               "tarvel-sim: %s\n"
               "usage: tarvel-sim play --deals N --seed S [--rules nofive,firstfive] [--json]\n"
               "       tarvel-sim bench-endgame --positions N --seed S [--min-cards K] [--fast-only] [--json]\n",
               why.c_str());
  return 2;
}

int Play(const Args& a) {
  SelfPlayConfig config;
  config.seed = a.seed;
  config.deals = static_cast<int>(a.deals);
  std::size_t start = 0;
  while (start <= a.rules.size() && !a.rules.empty()) {
    const std::size_t comma = a.rules.find(',', start);
    const std::string rule = a.rules.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
    if (rule == "nofive") config.rules.OptNoFiveOfSuit = true;
    else if (rule == "firstfive") config.rules.OptFirstDiscardFive = true;
    else if (!rule.empty()) return Usage("unknown rule " + rule);
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  const SelfPlayReport r = PlaySelf(config);
  const double mean = r.decisions ? r.totalDecisionMs / r.decisions : 0;
  const double perSecond = r.seconds > 0 ? r.deals / r.seconds : 0;
  std::printf("deals               %d\n", r.deals);
  std::printf("wins team 1+3       %d\n", r.winsTeam13);
  std::printf("wins team 2+4       %d\n", r.winsTeam24);
  std::printf("draws               %d\n", r.draws);
  std::printf("bouts               %llu\n", static_cast<unsigned long long>(r.bouts));
  std::printf("decisions           %llu\n", static_cast<unsigned long long>(r.decisions));
  std::printf("endgame decisions   %llu\n", static_cast<unsigned long long>(r.endgameDecisions));
  std::printf("decision ms mean    %.6f\n", mean);
  std::printf("decision ms max     %.3f\n", r.maxDecisionMs);
  std::printf("deals per second    %.0f\n", perSecond);
  std::printf("signature           %016llx\n", static_cast<unsigned long long>(r.signature));
  if (!r.violation.empty()) std::printf("VIOLATION           %s\n", r.violation.c_str());
  if (a.json)
    std::printf(
        "{\"deals\":%d,\"wins_team_13\":%d,\"wins_team_24\":%d,\"draws\":%d,\"bouts\":%llu,\"decisions\":%llu,"
        "\"endgame_decisions\":%llu,\"mean_decision_ms\":%.6f,\"max_decision_ms\":%.3f,\"deals_per_second\":%.0f,"
        "\"signature\":\"%016llx\",\"violations\":%d}\n",
        r.deals, r.winsTeam13, r.winsTeam24, r.draws, static_cast<unsigned long long>(r.bouts),
        static_cast<unsigned long long>(r.decisions), static_cast<unsigned long long>(r.endgameDecisions), mean,
        r.maxDecisionMs, perSecond, static_cast<unsigned long long>(r.signature), r.violation.empty() ? 0 : 1);
  return r.violation.empty() ? 0 : 1;
}

int PrognozOf(int value) { return value == -2 ? 2 : value == 0 ? 4 : value == 2 ? 6 : 10; }

double Percentile(std::vector<double> v, double q) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  const std::size_t i = static_cast<std::size_t>(q * (v.size() - 1) + 0.5);
  return v[std::min(i, v.size() - 1)];
}

int BenchEndgame(const Args& a) {
  const std::vector<EndgameCase> cases = CollectEndgamePositions(static_cast<int>(a.positions), a.seed, 12, static_cast<int>(a.minCards));
  std::vector<double> refMs, fastMs, ratio, hardRatio;  // hard: the reference needs 1 ms or more
  int mismatches = 0, timeouts = 0;
  int kinds[5] = {};
  std::uint64_t refNodes = 0, fastNodes = 0, signature = 0xCBF29CE484222325ull;
  using Clock = std::chrono::steady_clock;
  for (const EndgameCase& c : cases) {
    ++kinds[static_cast<int>(c.kind)];
    auto t0 = Clock::now();
    const SearchResult ref = a.fastOnly ? SearchResult{} : ReferenceSearch(c.position);
    auto t1 = Clock::now();
    const SearchResult fast = FastSearch(c.position);
    auto t2 = Clock::now();
    const double rm = std::chrono::duration<double, std::milli>(t1 - t0).count();
    const double fm = std::chrono::duration<double, std::milli>(t2 - t1).count();
    refMs.push_back(rm);
    fastMs.push_back(fm);
    ratio.push_back(rm / std::max(fm, 1e-6));
    if (rm >= 1.0) hardRatio.push_back(rm / std::max(fm, 1e-6));
    if (ref.timedOut) ++timeouts;
    else if (!a.fastOnly && (!(ref.card == fast.card) || PrognozOf(ref.value) != PrognozOf(fast.value))) ++mismatches;
    refNodes += ref.nodes;
    fastNodes += fast.nodes;
    signature = (signature ^ ref.nodes) * 0x100000001B3ull;
    signature = (signature ^ fast.nodes) * 0x100000001B3ull;
  }
  const double refMedian = Percentile(refMs, 0.5), refMax = Percentile(refMs, 1.0);
  const double fastMedian = Percentile(fastMs, 0.5), fastP99 = Percentile(fastMs, 0.99), fastMax = Percentile(fastMs, 1.0);
  const double speedup = Percentile(ratio, 0.5), hardSpeedup = Percentile(hardRatio, 0.5);
  std::printf("positions           %zu (lead %d, add %d, defend %d, throw-in %d)\n", cases.size(), kinds[1], kinds[2],
              kinds[3], kinds[4]);
  std::printf("mismatches          %d\n", mismatches);
  std::printf("reference timeouts  %d\n", timeouts);
  std::printf("reference ms median %.3f  max %.3f\n", refMedian, refMax);
  std::printf("fast ms median      %.4f  p99 %.4f  max %.4f\n", fastMedian, fastP99, fastMax);
  std::printf("median speed-up     %.0fx (%.0fx over the %zu positions the reference needs 1 ms or more for)\n",
              speedup, hardSpeedup, hardRatio.size());
  std::printf("nodes               reference %llu  fast %llu\n", static_cast<unsigned long long>(refNodes),
              static_cast<unsigned long long>(fastNodes));
  std::printf("node signature      %016llx\n", static_cast<unsigned long long>(signature));
  if (a.json)
    std::printf(
        "{\"positions\":%zu,\"mismatches\":%d,\"reference_timeouts\":%d,\"reference_median_ms\":%.3f,"
        "\"reference_max_ms\":%.3f,\"fast_median_ms\":%.4f,\"fast_p99_ms\":%.4f,\"fast_max_ms\":%.4f,"
        "\"median_speedup\":%.1f,\"hard_positions\":%zu,\"hard_median_speedup\":%.1f,\"reference_nodes\":%llu,\"fast_nodes\":%llu,\"node_signature\":\"%016llx\"}\n",
        cases.size(), mismatches, timeouts, refMedian, refMax, fastMedian, fastP99, fastMax, speedup, hardRatio.size(),
        hardSpeedup,
        static_cast<unsigned long long>(refNodes), static_cast<unsigned long long>(fastNodes),
        static_cast<unsigned long long>(signature));
  return mismatches == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  const Args a = Parse(argc, argv);
  if (!a.error.empty()) return Usage(a.error);
  if (a.command == "play") return Play(a);
  if (a.command == "bench-endgame") return BenchEndgame(a);
  return Usage("unknown command " + a.command);
}
