// Parsing the settings file as it grows: a hand-edited or damaged file may hold any number of
// keys and sections, and the time must grow with its length only.
#include <benchmark/benchmark.h>

#include <string>

#include "platform/settings_ini.h"

namespace {

void Parse(benchmark::State& state, const char* sectionEvery) {
    std::string text = "[set]\n";
    for (int i = 0; i < state.range(0); ++i) {
        text += sectionEvery + (sectionEvery[0] != '\0' ? std::to_string(i) + "]\n" : "");
        text += "key" + std::to_string(i) + "=value\n";
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(platform::SettingsIni::Parse(text));
    }
    state.SetComplexityN(state.range(0));
}

void ParseManyKeys(benchmark::State& state) {
    Parse(state, "");
}
BENCHMARK(ParseManyKeys)->RangeMultiplier(4)->Range(1 << 10, 1 << 16)->Complexity();

void ParseManySections(benchmark::State& state) {
    Parse(state, "[section");
}
BENCHMARK(ParseManySections)->RangeMultiplier(4)->Range(1 << 10, 1 << 16)->Complexity();

}  // namespace
