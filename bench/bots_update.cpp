// One update pass over a behaviour list: members that all keep the common
// order key are never re-sorted; a list whose keys alternate is re-sorted
// after every pass.
#include <benchmark/benchmark.h>

#include "SERVICE/engine_globals.h"
#include "bots/KC_BOT_LIST.h"
#include "bots/KC_BOT_SLEEP.h"

namespace {

void fill(KOR::KC_BOT_LIST& list, int64_t count, bool alternate_keys) {
  for (int64_t i = 0; i < count; ++i) {
    auto* timer = new KOR::KC_BOT_SLEEP(nullptr, nullptr, 1e9f, 0);
    if (alternate_keys) timer->sort_key = static_cast<float>(i % 2);
    list.add(timer);
  }
}

void update_pass(benchmark::State& state, bool alternate_keys) {
  KOR::frame_dt = 0.016f;
  KOR::KC_BOT_LIST list;
  fill(list, state.range(0), alternate_keys);
  for (auto _ : state) {
    if (alternate_keys) {
      // Put the keys back out of order, as a list would meet them again.
      for (int i = 0; i < list.count(); ++i) list.at(i)->sort_key = static_cast<float>(i % 2);
    }
    benchmark::DoNotOptimize(list.update());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_update_common_key(benchmark::State& state) { update_pass(state, false); }
void BM_update_keys_out_of_order(benchmark::State& state) { update_pass(state, true); }

}  // namespace

BENCHMARK(BM_update_common_key)->Arg(8)->Arg(64)->Arg(1024);
BENCHMARK(BM_update_keys_out_of_order)->Arg(8)->Arg(64)->Arg(1024);
