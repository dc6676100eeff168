// How long one game step and one placement take on a crowded board.
#include <benchmark/benchmark.h>

#include <chrono>

#include "crowded_board.h"
#include "support/game_fakes.h"

namespace quorvane {
namespace {

struct Bench {
  testing::GameRig rig;
  SnakeGame& game = rig.Game;
  Bench() { rig.Quiet(); }
};

void BM_GameStepLongSnakeManyWalls(benchmark::State& state) {
  Bench b;
  b.game.NewGame();
  GameState prepared = b.game.State();
  bench::LayCrowdedBoard(prepared);
  for (auto _ : state) {
    b.game.State() = prepared;
    const auto start = std::chrono::steady_clock::now();
    b.game.GameStep();
    const auto end = std::chrono::steady_clock::now();
    state.SetIterationTime(std::chrono::duration<double>(end - start).count());
  }
  state.counters["snake"] = static_cast<double>(prepared.Snake.size());
  state.counters["walls"] = static_cast<double>(prepared.Walls.size());
}
BENCHMARK(BM_GameStepLongSnakeManyWalls)->UseManualTime()->Unit(benchmark::kMicrosecond);

void BM_PlaceItemCrowdedBoard(benchmark::State& state) {
  Bench b;
  b.game.NewGame();
  bench::LayCrowdedBoard(b.game.State());
  SnakeSegment item(0, 0, BlobTile);
  for (auto _ : state) {
    b.game.State().LastPlacedColumn = b.game.State().LastPlacedRow = -1;
    benchmark::DoNotOptimize(b.game.PlaceItem(item, PlacementRules::Blob));
  }
}
BENCHMARK(BM_PlaceItemCrowdedBoard)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quorvane

BENCHMARK_MAIN();
