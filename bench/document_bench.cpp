// What undo costs: one undo plus redo of a step on a full campaign, against copying the whole
// campaign record, and the memory that 500 steps of the history hold; and what checking the
// whole campaign costs beside one edit.
#include <benchmark/benchmark.h>

#include <cstring>
#include <random>

#include "formats/campaign_file.h"
#include "model/document.h"
#include "model/record_checks.h"

namespace {

using namespace zav;

// A campaign with every byte of its file random, as a full campaign is.
Campaign full_campaign() {
  std::mt19937 random(1944);
  CampaignImage image;
  for (std::uint8_t& byte : image) byte = static_cast<std::uint8_t>(random());
  return decode_campaign(image);
}

// One step as a special missions editor's "&Update" makes it: a whole mission stored anew.
void update_mission(Document<Campaign>& document, int step) {
  document.edit([step](Campaign& c) {
    SpecialMission& m = c.special_missions[static_cast<std::size_t>(step % 32)];
    m.chance = static_cast<std::uint8_t>(step);
    m.hour = static_cast<std::uint8_t>(step % 24);
    m.altitude = static_cast<std::int16_t>(step * 10);
    m.targets[static_cast<std::size_t>(step % 8)] = static_cast<std::int16_t>(step % 308);
  });
}

void CopyCampaignRecord(benchmark::State& state) {
  const Campaign campaign = full_campaign();
  Campaign copy;
  for (auto _ : state) {
    std::memcpy(&copy, &campaign, sizeof(Campaign));
    benchmark::DoNotOptimize(copy);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(CopyCampaignRecord);

void UndoRedoOneStep(benchmark::State& state) {
  Document<Campaign> document;
  document.start(full_campaign(), "camp1.dat");
  for (int step = 1; step <= 500; ++step) update_mission(document, step);
  for (auto _ : state) {
    document.undo();
    document.redo();
    benchmark::ClobberMemory();
  }
}
BENCHMARK(UndoRedoOneStep);

// One edit as the editors make it (an Update of a special mission), and the check that a
// list of the campaign's problems would run after it: every rule over every entry in use.
void EditOneStep(benchmark::State& state) {
  Document<Campaign> document;
  document.start(full_campaign(), "camp1.dat");
  int step = 0;
  for (auto _ : state) {
    update_mission(document, ++step);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(EditOneStep);

// Arg 0: random bytes, nearly two thousand problems; 1: every value 0, a handful.
void CheckFullCampaign(benchmark::State& state) {
  Campaign campaign = state.range(0) == 0 ? full_campaign() : Campaign{};
  // Every section in full use, so that the check looks at every entry.
  campaign.setup.num_phases = Campaign::kPhases;
  campaign.setup.num_plane_types = Campaign::kPlaneTypes;
  campaign.setup.num_spev = Campaign::kSpecialEvents;
  campaign.setup.num_spm = Campaign::kSpecialMissions;
  std::size_t problems = 0;
  for (auto _ : state) {
    const FieldProblems found = check_campaign(campaign);
    problems = found.size();
    benchmark::DoNotOptimize(found.data());
  }
  state.counters["problems"] = static_cast<double>(problems);
}
BENCHMARK(CheckFullCampaign)->Arg(0)->Arg(1);

// The history's memory after 500 steps: Updates of a special mission, and (the most a step
// can hold) steps that each change every byte of the campaign.
void HistoryOf500Steps(benchmark::State& state) {
  const bool whole = state.range(0) == 1;
  std::size_t memory = 0;
  for (auto _ : state) {
    Document<Campaign> document;
    document.start(full_campaign(), "camp1.dat");
    for (int step = 1; step <= 500; ++step) {
      if (whole) {
        document.edit([step](Campaign& c) {
          auto* bytes = reinterpret_cast<std::uint8_t*>(&c);
          for (std::size_t i = 0; i < sizeof(Campaign); ++i) bytes[i] ^= 0xFF;
          c.setup.num_spev = static_cast<std::uint8_t>(step);
        });
      } else {
        update_mission(document, step);
      }
    }
    memory = document.history_memory();
  }
  state.counters["history_bytes"] = static_cast<double>(memory);
}
BENCHMARK(HistoryOf500Steps)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
