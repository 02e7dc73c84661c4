// Cost of reading the game controllers once a frame, as the game does 60 times a second: with
// none plugged in, and with one (SDL's virtual joystick). Prints the share of one core that
// polling takes at 60 frames a second. Run: build/bench/bench_gamepads.

#include "media/Gamepads.h"

#include <benchmark/benchmark.h>

namespace {

void Report(benchmark::State &state) {
  // (CPU seconds per poll) x 60 polls a second x 100: the counter's inverted rate.
  state.counters["core_percent_at_60fps"] = benchmark::Counter(
      double(state.iterations()) / 6000, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void PollWithNoController(benchmark::State &state) {
  TGamepads pads;
  for (auto _ : state)
    benchmark::DoNotOptimize(pads.Poll());
  Report(state);
}
BENCHMARK(PollWithNoController);

void PollWithOneController(benchmark::State &state) {
  TGamepads pads;
  const int index = SDL_JoystickAttachVirtual(
      SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX, SDL_CONTROLLER_BUTTON_MAX, 0);
  SDL_Joystick *stick = SDL_JoystickOpen(index);
  pads.Poll();
  for (auto _ : state)
    benchmark::DoNotOptimize(pads.Poll());
  Report(state);
  SDL_JoystickClose(stick);
  SDL_JoystickDetachVirtual(index);
}
BENCHMARK(PollWithOneController);

} // namespace

BENCHMARK_MAIN();
