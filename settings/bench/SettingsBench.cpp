#include "settings/IniDocument.h"
#include "settings/SettingsFile.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

Settings WithMessages(int64_t count)
{
    Settings s = DefaultSettings();
    s.Messages.clear();
    for (int64_t i = 1; i <= count; ++i)
        s.Messages.push_back("Message number " + std::to_string(i) + ": breathe in, breathe out");
    return s;
}

std::string FileWithMessages(int64_t count)
{
    IniDocument file;
    WriteSettings(WithMessages(count), file);
    return file.Serialise();
}

// Reading the file's text into the record, as the program does once at start-up.
void LoadSettingsFile(benchmark::State& state)
{
    const std::string text = FileWithMessages(state.range(0));
    for (auto _ : state) {
        const Settings loaded = ReadSettings(IniDocument::Parse(text));
        benchmark::DoNotOptimize(loaded.Messages.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
    state.SetComplexityN(state.range(0));
}

// A save: the current file read, every key written over it, and the new text made.
void SaveSettingsFile(benchmark::State& state)
{
    const std::string current = FileWithMessages(state.range(0));
    Settings edited = WithMessages(state.range(0));
    edited.Messages.front() = "Edited";
    for (auto _ : state) {
        IniDocument file = IniDocument::Parse(current);
        WriteSettings(edited, file);
        const std::string text = file.Serialise();
        benchmark::DoNotOptimize(text.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(current.size()));
    state.SetComplexityN(state.range(0));
}

}  // namespace

BENCHMARK(LoadSettingsFile)->RangeMultiplier(10)->Range(1000, 100000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
BENCHMARK(SaveSettingsFile)->RangeMultiplier(10)->Range(1000, 100000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
