// How long the board takes to draw: a whole paint of a crowded board, the
// four cell drawings of one step, and one blink of the intro.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPainter>

#include "crowded_board.h"
#include "shell/board_view.h"
#include "shell/intro_screen.h"
#include "support/game_fakes.h"

namespace quorvane {
namespace {

struct RenderBench {
  testing::GameRig rig;
  TPaintBox box;
  SnakeGame game{rig.Settings,
                 GamePorts{box, rig.Controls, rig.Timer, rig.Sounds, rig.Questions, rig.Random, rig.Clock}};
  RenderBench() {
    rig.Quiet();
    box.SetPaintHandler([this] { game.PaintBox1Paint(); });
    game.NewGame();
    bench::LayCrowdedBoard(game.State());
  }
};

void BM_PaintBox1PaintCrowdedBoard(benchmark::State& state) {
  RenderBench b;
  for (auto _ : state) {
    b.box.RepaintBoard();  // PaintBox1Paint over the whole image, as the game asks for it
    benchmark::ClobberMemory();
  }
  state.counters["cells"] = static_cast<double>(b.game.State().Snake.size() + b.game.State().Walls.size() + 1);
}
BENCHMARK(BM_PaintBox1PaintCrowdedBoard)->Unit(benchmark::kMicrosecond);

void BM_OneStepsCellDrawings(benchmark::State& state) {
  RenderBench b;
  for (auto _ : state) {
    b.box.DrawCell(3, 4, EmptyTile);
    b.box.DrawCell(4, 4, 2);
    b.box.DrawCell(8, 4, 13);
    b.box.DrawCell(7, 4, 4);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_OneStepsCellDrawings)->Unit(benchmark::kMicrosecond);

// One blink of the intro's last line, hiding then showing it, as the blink
// timer draws it; and the same line laid out and rasterised afresh each
// time, as it once was.
void BM_IntroBlink(benchmark::State& state) {
  TPaintBox box;
  box.DrawIntroScreen();
  const QColor looks[2] = {Qt::black, IntroLines()[IntroLineCount - 1].Colour};
  int phase = 0;
  for (auto _ : state) {
    box.DrawBlinkLine(looks[phase ^= 1]);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_IntroBlink)->Unit(benchmark::kMicrosecond);

void BM_IntroBlinkDrawnAfresh(benchmark::State& state) {
  QImage image(BoardWidth, BoardHeight, QImage::Format_RGB32);
  image.fill(Qt::black);
  const QColor looks[2] = {Qt::black, IntroLines()[IntroLineCount - 1].Colour};
  int phase = 0;
  for (auto _ : state) {
    QPainter canvas(&image);
    DrawBlinkLine(canvas, looks[phase ^= 1]);
    canvas.end();
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(BM_IntroBlinkDrawnAfresh)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quorvane

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
}
