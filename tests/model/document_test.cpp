#include <gtest/gtest.h>

#include <vector>

#include "formats/campaign.h"
#include "model/document.h"

namespace zav {
namespace {

TEST(Document, KeepsTheLast500StepsByWhatEachChangedAndTellsItsWatchers) {
  Document<Campaign> document;
  std::vector<Replaced> told;
  {
    const auto watch = document.watch([&](Replaced how) { told.push_back(how); });
    Campaign loaded;
    loaded.setup.num_phases = 5;
    document.start(loaded, "camp1.dat");
    for (int step = 1; step <= 600; ++step) {
      document.edit([&](Campaign& c) { c.phases[step % 25].us_oil = static_cast<std::int16_t>(step); });
    }
    EXPECT_FALSE(document.edit([](Campaign&) {}));  // no change, no step
    // Each step holds its few changed bytes, not a copy of the campaign.
    EXPECT_LT(document.history_memory(), EditHistory::kMaxSteps * 200);

    int undone = 0;
    while (document.undo()) ++undone;
    EXPECT_EQ(undone, 500);
    EXPECT_EQ(document.record().phases[100 % 25].us_oil, 100);  // the 100 first steps are gone
    EXPECT_TRUE(document.redo());
    EXPECT_EQ(document.record().phases[101 % 25].us_oil, 101);
    // A new step drops what was undone.
    document.edit([](Campaign& c) { c.setup.num_spev = 1; });
    EXPECT_FALSE(document.can_redo());
    EXPECT_TRUE(document.unsaved());
    document.saved_to("camp2.dat");
    EXPECT_FALSE(document.unsaved());
    EXPECT_EQ(document.file(), "camp2.dat");
    EXPECT_TRUE(document.undo());
    EXPECT_TRUE(document.unsaved());
  }
  document.undo();  // the watch has ended: not told
  ASSERT_EQ(told.size(), 1u + 500u + 2u);
  EXPECT_EQ(told.front(), Replaced::by_file);
  EXPECT_EQ(told.back(), Replaced::by_history);
}

}  // namespace
}  // namespace zav
