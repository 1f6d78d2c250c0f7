// Script resources are parsed once per run and then served from memory:
// what a parse, a cached lookup, an alert parse and a menu bar build cost.
#include <benchmark/benchmark.h>

#include <string_view>

#include "framework/resources/AlertDefinition.h"
#include "framework/resources/CMenuBar.h"
#include "framework/resources/CResourceTextTable.h"
#include "framework/resources/ResourceScripts.h"
#include "resources/EmbeddedResources.h"

namespace {

std::string_view ScriptBytes(std::string_view type, std::uint16_t number)
{
    for (std::size_t i = 0; i < kEmbeddedResourceCount; ++i) {
        const EmbeddedResource& resource = kEmbeddedResources[i];
        if (resource.number == number && type == resource.type)
            return {reinterpret_cast<const char*>(resource.data), resource.size};
    }
    return {};
}

void BM_ParseAlertResource(benchmark::State& state)
{
    const std::string_view bytes = ScriptBytes("SALR", 129);
    for (auto _ : state)
        benchmark::DoNotOptimize(CResourceTextTable("SALR", 129, bytes));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_ParseAlertResource);

void BM_CachedStringLookup(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(GetResourceString(Res::kStringSampleTransmitCancelled));
}
BENCHMARK(BM_CachedStringLookup);

void BM_ParseAlertWithArgument(benchmark::State& state)
{
    const std::string script = GetAlertScript(Res::kAlertFileExists);
    const CAlertArguments arguments("Funky #002.aif");
    for (auto _ : state)
        benchmark::DoNotOptimize(ParseAlertScript(script, arguments));
}
BENCHMARK(BM_ParseAlertWithArgument);

void BM_BuildMenuBar(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(CMenuBar(Res::kMenuBarMenus));
}
BENCHMARK(BM_BuildMenuBar);

}  // namespace
