// The random start values of the pattern tables that are reset together:
// slot i of every table of the pass, in the pass's order, before slot i + 1.
// Tables reset one after the other take their values in one run each.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "engine/random.h"
#include "enemies/common/reset_pass.h"
#include "patterns/drops/falling_arm.h"
#include "patterns/drops/lightning_chain.h"
#include "patterns/streams/curving_chain.h"
#include "patterns/streams/spiral_stream.h"

namespace {

using namespace patterns;

// The game's generator, written out: x = x * 214013 + 2531011, value
// (x >> 16) & 0x7fff.
std::vector<int> Draws(uint32_t seed, int count, int modulo) {
  std::vector<int> out;
  for (int i = 0; i < count; ++i) {
    seed = seed * 214013u + 2531011u;
    out.push_back(static_cast<int>((seed >> 16) & 0x7fff) % modulo);
  }
  return out;
}

TEST(PatternResetOrder, JoinedTablesInterleaveTheirStartValuesSlotBySlot) {
  struct Case {
    const char* name;
    std::function<void()> reset;
    int slots;       // per table
    int modulo;      // of the start value
    // The start value of slot i of table t, in the pass's table order.
    std::vector<std::function<int(int)>> tables;
    bool joined;  // one pass over all the tables, or one pass each
  };
  const auto arm = [](const FallingArmInstance& a) { return [&a](int i) { return a.Slots[i].Frame; }; };
  const auto spiral = [](const SpiralStreamInstance& s) { return [&s](int i) { return s.slots[i].Frame; }; };
  const auto node = [](int table) { return [table](int i) { return LightningChainTables[table][i].Frame; }; };
  const auto chain = [](const CurvingChainInstance& c) { return [&c](int i) { return c.segments[i].Frame; }; };
  const Case cases[] = {
      {"falling arms 01 + 02", [] { enemies::ResetTogether(FallingArm01, FallingArm02); },
       20, 10, {arm(FallingArm01), arm(FallingArm02)}, true},
      {"lightning chains 01 to 06", [] { ResetLightningChains(); }, 6, 10,
       {node(0), node(1), node(2), node(3), node(4), node(5)}, true},
      // The scene-2 boss's six short spirals in the order 01, 02, 03, 05, 04,
      // 06, then the six long ones (their counters draw nothing).
      {"scene-2 spiral streams", [] { ResetScene2SpiralStreams(); }, 36, 7,
       {spiral(SpiralStream01), spiral(SpiralStream02), spiral(SpiralStream03), spiral(SpiralStream05),
        spiral(SpiralStream04), spiral(SpiralStream06)},
       true},
      {"curving chains, one pass each", [] {
         for (const CurvingChainInstance* c : {&CurvingChain01, &CurvingChain02}) c->Reset();
       },
       7, 10, {chain(CurvingChain01), chain(CurvingChain02)}, false},
  };
  constexpr uint32_t seed = 12345;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    elRandom::Seed(seed);
    c.reset();
    const int tables = static_cast<int>(c.tables.size());
    const std::vector<int> expected = Draws(seed, tables * c.slots, c.modulo);
    for (int t = 0; t < tables; ++t)
      for (int i = 0; i < c.slots; ++i) {
        const int draw = c.joined ? i * tables + t : t * c.slots + i;
        EXPECT_EQ(c.tables[t](i), expected[draw]) << "table " << t << " slot " << i;
      }
  }
}

}  // namespace
