// Making and applying BPS and IPS patches of the demo image with 1, 100 and 10,000
// changed bytes spread over the whole image. Each run reports the patch's size as
// patch_bytes.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

#include "demo/demo_image.h"
#include "patch/bps_patch.h"
#include "patch/ips_patch.h"

namespace {

struct Images {
    std::vector<std::uint8_t> original = makeDemoImage();
    std::vector<std::uint8_t> edited;
};

// The demo image with `changed` bytes at distinct places, the same every run.
Images imagesWith(std::size_t changed)
{
    Images images;
    images.edited = images.original;
    std::vector<std::size_t> places(images.original.size());
    for (std::size_t i = 0; i < places.size(); ++i)
        places[i] = i;
    std::mt19937 random(19);
    std::shuffle(places.begin(), places.end(), random);
    for (std::size_t i = 0; i < changed; ++i)
        images.edited[places[i]] ^= 0x5A;
    return images;
}

template <auto Make>
void BM_Make(benchmark::State& state)
{
    const Images images = imagesWith(std::size_t(state.range(0)));
    std::size_t size = 0;
    for (auto _ : state) {
        const auto patch = Make(images.original, images.edited);
        size = patch.size();
        benchmark::DoNotOptimize(patch.data());
    }
    state.counters["patch_bytes"] = double(size);
}

template <auto Make, auto Apply>
void BM_Apply(benchmark::State& state)
{
    const Images images = imagesWith(std::size_t(state.range(0)));
    const auto patch = Make(images.original, images.edited);
    for (auto _ : state) {
        const auto target = Apply(images.original, patch);
        benchmark::DoNotOptimize(target.data());
    }
    state.counters["patch_bytes"] = double(patch.size());
}

std::vector<std::uint8_t> makeBps(std::span<const std::uint8_t> source, std::span<const std::uint8_t> target)
{
    return makeBpsPatch(source, target);
}

}  // namespace

BENCHMARK(BM_Make<makeBps>)->Name("MakeBps")->Arg(1)->Arg(100)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Make<makeIpsPatch>)->Name("MakeIps")->Arg(1)->Arg(100)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Apply<makeBps, applyBpsPatch>)
    ->Name("ApplyBps")
    ->Arg(1)
    ->Arg(100)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Apply<makeIpsPatch, applyIpsPatch>)
    ->Name("ApplyIps")
    ->Arg(1)
    ->Arg(100)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond);
