// Each kind of control through its real widget: what the user does reaches the logic, and
// what the logic holds is what the widget shows.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleEditableTextInterface>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>
#include <QStyleOptionSlider>
#include <QVBoxLayout>
#include <QWheelEvent>

#include "editors/controls.h"
#include "editors/scripted_platform.h"
#include "editors/window.h"
#include "ui/form_widget.h"
#include "ui/widget_lookup.h"

namespace zav::testing {
namespace {

// A window with one control of each kind and a few handlers between them.
class Specimen : public Window {
 public:
  std::string_view form_name() const override { return "frm_specimen"; }
  std::string caption() const override { return "Specimen"; }

  PickList cbo_kind{"cbo_kind", "Kind:"};
  TextBox txt_extra = [] {
    TextBox box("txt_extra", "Extra:", 0, 999);
    box.caption_name = "lbl_extra";
    return box;
  }();
  Slider sld_weight{"sld_weight", "Weight:", 0, 255};
  Label lbl_total{"lbl_total", "0"};
  CheckBox chk_flag{"chk_flag_0", "1"};
  OptionGroup view{"fra_view", "View:", {{"opt_zoom_0", "Zoom"}, {"opt_other_0", "Other:"}}};
  std::vector<std::string> events;

  explicit Specimen(Platform& platform) : Window(platform) {
    cbo_kind.entries = {"plain", "extra"};
    txt_extra.on_commit = [this] { events.push_back("extra " + txt_extra.text); };
    cbo_kind.on_choose = [this] { txt_extra.visible = cbo_kind.position == 1; };
    sld_weight.on_drag = [this](int at) { lbl_total.caption = std::to_string(at); };
    sld_weight.on_change = [this] {
      events.push_back("weight " + std::to_string(sld_weight.value));
    };
    view.on_change = [this] { events.push_back("view " + std::to_string(view.selected)); };
  }
};

class BinderTest : public ::testing::Test {
 protected:
  BinderTest() {
    ui::Binder& bind = form.bind();
    auto* grid = new QGridLayout;
    bind.row(*grid, 0, 0, logic.cbo_kind);
    bind.row(*grid, 1, 0, logic.txt_extra);
    bind.row(*grid, 2, 0, logic.sld_weight);
    grid->addWidget(bind.label(logic.lbl_total), 2, 2);
    grid->addWidget(bind.field(logic.chk_flag).placed, 3, 0);
    bind.row(*grid, 4, 0, logic.view);
    form.finish(grid);
    form.show();
  }

  QWidget* window() { return &form; }

  ScriptedPlatform platform;
  Specimen logic{platform};
  ui::FormWidget form{logic};
};

// Keys, clicks and presses on lists, check boxes, options and labels reach the logic in the
// forms' own tests (desktop_test.cpp and the others); here, what the binder adds.
TEST_F(BinderTest, ListsShowEntriesWholeAndOptionsAndLabelsFollowTheLogic) {
  QComboBox& kind = control<QComboBox>(window(), "cbo_kind");
  EXPECT_EQ(kind.currentIndex(), -1);
  QTest::keyClick(&kind, Qt::Key_Down);
  EXPECT_EQ(logic.cbo_kind.position, 0);
  // A narrow box still shows its entries whole: in its open list, and the chosen one as a tip.
  logic.cbo_kind.entries = {"plain", "an entry much longer than the box is wide"};
  kind.setFixedWidth(60);
  form.refresh();
  EXPECT_GT(kind.view()->minimumWidth(), 200);
  EXPECT_EQ(kind.toolTip(), "plain");

  QTest::mouseClick(&control<QRadioButton>(window(), "opt_zoom_0"), Qt::LeftButton);
  EXPECT_EQ(logic.events, std::vector<std::string>{"view 0"});
  logic.view.selected = -1;  // a record with no option shows none checked
  form.refresh();
  EXPECT_FALSE(control<QRadioButton>(window(), "opt_zoom_0").isChecked());
  EXPECT_FALSE(control<QRadioButton>(window(), "opt_other_0").isChecked());

  // A control the logic relabels shows and is named by its new label.
  logic.txt_extra.label = "Other extra:";
  form.refresh();
  EXPECT_EQ(control<QLabel>(window(), "lbl_extra").text(), "Other extra:");
  EXPECT_EQ(control(window(), "txt_extra").accessibleName(), "Other extra:");
}

TEST_F(BinderTest, ASliderFollowsADragAndStoresWhenLetGo) {
  QSlider& slider = control<QSlider>(window(), "sld_weight");
  QStyleOptionSlider option;
  option.initFrom(&slider);
  option.orientation = slider.orientation();
  option.minimum = slider.minimum();
  option.maximum = slider.maximum();
  option.sliderPosition = slider.sliderPosition();
  const QPoint handle =
      slider.style()
          ->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, &slider)
          .center();
  QTest::mousePress(&slider, Qt::LeftButton, {}, handle);
  QTest::mouseMove(&slider, handle + QPoint(slider.width() / 2, 0));
  EXPECT_NE(logic.lbl_total.caption, "0");  // the drag handler followed the handle
  EXPECT_TRUE(logic.events.empty());        // nothing stored while it is held
  EXPECT_EQ(control<QLabel>(window(), "lbl_total").text(),
            QString::fromStdString(logic.lbl_total.caption));
  QTest::mouseRelease(&slider, Qt::LeftButton, {}, handle + QPoint(slider.width() / 2, 0));
  ASSERT_EQ(logic.events.size(), 1u);
  EXPECT_EQ(logic.events[0], "weight " + logic.lbl_total.caption);
  EXPECT_EQ(slider.toolTip(), QString::fromStdString(logic.lbl_total.caption));

  // The number beside the slider follows the handle, every key and the logic; the arrows
  // step by 1, Page Up by the large step. A disabled slider shows no number.
  const QLabel& number = control<QLabel>(window(), "value_weight");
  EXPECT_EQ(number.text(), QString::fromStdString(logic.lbl_total.caption));
  QTest::keyClick(&slider, Qt::Key_Home);
  QTest::keyClick(&slider, Qt::Key_Right);
  EXPECT_EQ(number.text(), "1");
  QTest::keyClick(&slider, Qt::Key_PageUp);
  EXPECT_EQ(logic.sld_weight.value, 17);
  EXPECT_EQ(number.text(), "17");
  logic.sld_weight.display(300);  // a stored value beyond the range is told as it is
  form.refresh();
  EXPECT_EQ(number.text(), "300");
  const int width = number.width();
  logic.sld_weight.enabled = false;
  form.refresh();
  EXPECT_EQ(number.text(), "");
  EXPECT_EQ(number.width(), width) << "the controls beside it stay put";
  logic.sld_weight.enabled = true;
  logic.sld_weight.visible = false;  // a row not in use
  form.refresh();
  EXPECT_EQ(number.text(), "");
}

TEST_F(BinderTest, TheWheelChangesAListOrASliderOnlyWhileItHasTheFocus) {
  QSlider& slider = control<QSlider>(window(), "sld_weight");
  QComboBox& kind = control<QComboBox>(window(), "cbo_kind");
  const auto wheel = [](QWidget& over) {
    QWheelEvent turn(QPointF(5, 5), over.mapToGlobal(QPointF(5, 5)), {}, QPoint(0, 120),
                     Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&over, &turn);
  };
  window()->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window()));
  control(window(), "chk_flag_0").setFocus();
  wheel(slider);
  wheel(kind);
  EXPECT_EQ(logic.sld_weight.value, 0);
  EXPECT_EQ(kind.currentIndex(), logic.cbo_kind.position);
  EXPECT_TRUE(logic.events.empty());
  slider.setFocus();
  ASSERT_TRUE(slider.hasFocus());
  wheel(slider);
  EXPECT_NE(logic.sld_weight.value, 0) << "a focused slider takes the wheel";
}

TEST_F(BinderTest, TypedTextIsReadWholeOnceTheUserIsDoneWithTheBox) {
  logic.txt_extra.visible = true;
  form.refresh();
  QLineEdit& extra = control<QLineEdit>(window(), "txt_extra");
  QAccessibleInterface* box = QAccessible::queryAccessibleInterface(&extra);
  ASSERT_NE(box, nullptr);
  // Text put in by any means, an assistive tool's included, is read on Enter, and only then.
  box->setText(QAccessible::Value, "42");
  box->editableTextInterface()->insertText(2, "7");
  EXPECT_EQ(logic.txt_extra.text, "427");
  EXPECT_TRUE(logic.events.empty());
  QTest::keyClick(&extra, Qt::Key_Return);
  EXPECT_EQ(logic.events, std::vector<std::string>{"extra 427"});

  // Any other action of the window reads what was typed first; refused text is put back, told,
  // and the action does not happen.
  extra.setFocus();
  QTest::keyClicks(&extra, "x");
  EXPECT_EQ(logic.txt_extra.text, "427x");
  control<QCheckBox>(window(), "chk_flag_0").click();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text,
            "Extra: \"427x\" is not a whole number from 0 to 999.\nNothing was stored.");
  EXPECT_EQ(extra.text(), "427");
  EXPECT_EQ(logic.chk_flag.read(), 0);
  EXPECT_EQ(logic.events.size(), 1u);
}

}  // namespace
}  // namespace zav::testing
