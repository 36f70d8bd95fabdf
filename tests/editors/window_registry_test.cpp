#include "editors/window_registry.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "editors/scripted_platform.h"

namespace zav {
namespace {

class FakeEditor : public Window {
 public:
  static constexpr std::string_view kFormName = "frm_fake";
  explicit FakeEditor(int shown) : shown_value(shown) {}
  std::string_view form_name() const override { return kFormName; }
  std::string caption() const override { return "Fake"; }
  int shown_value;
};

class OtherEditor : public Window {
 public:
  static constexpr std::string_view kFormName = "frm_other";
  std::string_view form_name() const override { return kFormName; }
  std::string caption() const override { return "Other"; }
};

TEST(WindowRegistry, OpenWindowIsBroughtForwardNotDuplicated) {
  testing::ScriptedPlatform platform;
  WindowRegistry registry(platform);

  FakeEditor& first = registry.show<FakeEditor>([] { return std::make_unique<FakeEditor>(1); });
  first.shown_value = 7;  // what the user typed stays when the button is pressed again
  FakeEditor& again = registry.show<FakeEditor>([] { return std::make_unique<FakeEditor>(2); });
  registry.show<OtherEditor>([] { return std::make_unique<OtherEditor>(); });

  EXPECT_EQ(&first, &again);
  EXPECT_EQ(again.shown_value, 7);
  EXPECT_EQ(
      platform.window_events,
      (std::vector<std::string>{"show frm_fake", "bring_forward frm_fake", "show frm_other"}));
  EXPECT_EQ(registry.find<FakeEditor>(), &first);
}

TEST(WindowRegistry, ClosedWindowIsForgottenAndOpensAfresh) {
  testing::ScriptedPlatform platform;
  WindowRegistry registry(platform);

  FakeEditor& first = registry.show<FakeEditor>([] { return std::make_unique<FakeEditor>(1); });
  registry.close(first);
  EXPECT_EQ(registry.find<FakeEditor>(), nullptr);
  EXPECT_EQ(first.shown_value, 1);  // still alive: it may be closing itself from a handler

  FakeEditor& second = registry.show<FakeEditor>([] { return std::make_unique<FakeEditor>(2); });
  EXPECT_EQ(second.shown_value, 2);

  registry.closed(second);  // closed by its frame
  EXPECT_EQ(registry.find<FakeEditor>(), nullptr);
  EXPECT_EQ(platform.window_events,
            (std::vector<std::string>{"show frm_fake", "close frm_fake", "show frm_fake"}));
}

}  // namespace
}  // namespace zav
