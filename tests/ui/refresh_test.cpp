// After a user's action the windows show again only the controls whose state changed; what
// they show must be what widgets made afresh from the same logic show.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSlider>
#include <QTest>
#include <algorithm>
#include <string>
#include <vector>

#include "editors/frm_c_phases/frm_c_phases.h"
#include "editors/frm_c_specialevents/frm_c_specialevents.h"
#include "editors/frm_c_specialmissions/frm_c_specialmissions.h"
#include "ui/desktop_fixture.h"
#include "ui/form_factory.h"

namespace zav::testing {
namespace {

// Everything a user or a screen reader can tell of a window's widgets, a line each.
std::vector<std::string> shown_state(const QWidget& window) {
  std::vector<std::string> lines;
  for (const QWidget* widget : window.findChildren<QWidget*>()) {
    QString line = widget->objectName() + " " + widget->metaObject()->className() + " " +
                   (widget->isVisibleTo(&window) ? "shown " : "hidden ") +
                   (widget->isEnabled() ? "enabled " : "disabled ") + widget->toolTip() + "|" +
                   widget->accessibleName() + "|" + widget->accessibleDescription() + "|";
    if (const auto* label = qobject_cast<const QLabel*>(widget)) line += label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
      line += button->text() + (button->isChecked() ? " checked" : "");
    }
    if (const auto* box = qobject_cast<const QLineEdit*>(widget)) line += box->text();
    if (const auto* list = qobject_cast<const QComboBox*>(widget)) {
      line += QString::number(list->currentIndex()) + " of";
      for (int i = 0; i < list->count(); ++i) line += " " + list->itemText(i);
    }
    if (const auto* list = qobject_cast<const QListWidget*>(widget)) {
      for (int i = 0; i < list->count(); ++i) line += " " + list->item(i)->text();
    }
    if (const auto* slider = qobject_cast<const QSlider*>(widget)) {
      line += QString("%1 in %2..%3 step %4 ticks %5 %6")
                  .arg(slider->value())
                  .arg(slider->minimum())
                  .arg(slider->maximum())
                  .arg(slider->pageStep())
                  .arg(slider->tickInterval())
                  .arg(slider->tickPosition());
    }
    if (!widget->objectName().isEmpty()) lines.push_back(line.toStdString());
  }
  return lines;
}

// The lines of `shown` that `fresh` does not have, and the other way round.
std::vector<std::string> differing(const std::vector<std::string>& shown,
                                   const std::vector<std::string>& fresh) {
  std::vector<std::string> lines;
  for (const std::string& line : shown) {
    if (std::find(fresh.begin(), fresh.end(), line) == fresh.end()) lines.push_back("shown: " + line);
  }
  for (const std::string& line : fresh) {
    if (std::find(shown.begin(), shown.end(), line) == shown.end()) lines.push_back("fresh: " + line);
  }
  return lines;
}

TEST_F(CampaignDesktop, AfterEachActionEveryWindowShowsWhatAFullRefreshShows) {
  Campaign loaded;
  loaded.setup.num_phases = 3;
  loaded.setup.num_spev = 3;
  loaded.setup.num_spm = 2;
  loaded.special_events[1] = {.type = 2, .trigger = 1, .trigger_param = 7, .param1 = 2};
  QWidget* events = open_section(loaded, "cmd_events", "frm_c_specialevents");
  QWidget* missions = open(campaign, "cmd_missions", "frm_c_specialmissions");
  QWidget* phases = open(campaign, "cmd_phases", "frm_c_phases");

  const std::vector<std::function<void()>> actions = {
      [&] { arrow(events, "upd_spev", "up").click(); },  // another event, other parameters
      [&] { QTest::keyClick(&control(events, "cbo_se_type"), Qt::Key_Down); },
      [&] { QTest::keyClick(&control(events, "sld_se_chance"), Qt::Key_End); },
      [&] { QTest::keyClick(&control(missions, "cbo_smtrigger"), Qt::Key_Down); },
      [&] { arrow(missions, "UpDown38", "up").click(); },
      [&] { QTest::keyClick(&control(phases, "cbo_wc"), Qt::Key_Down); },
      [&] { QTest::keyClick(&control(phases, "sld_wp"), Qt::Key_PageUp); },
      [&] { type_over(control<QLineEdit>(phases, "txt_currphase"), "3"); },  // typing only
      [&] { QTest::keyClick(&control<QLineEdit>(phases, "txt_currphase"), Qt::Key_Return); },
      [&] {  // refused: the box shows its number again
        type_over(control<QLineEdit>(phases, "txt_currphase"), "x");
        QTest::keyClick(&control<QLineEdit>(phases, "txt_currphase"), Qt::Key_Return);
      },
      [&] { QTest::keyClick(&control(events, "sld_se_chance"), Qt::Key_Z, Qt::ControlModifier); },
      [&] { press(events, "cmd_update"); },  // closes; the campaign editor's caption and problems
      [&] { QTest::keyClick(phases, Qt::Key_Z, Qt::ControlModifier); },  // the Update undone
  };
  for (std::size_t a = 0; a < actions.size(); ++a) {
    actions[a]();
    for (const std::string_view form : {FrmCampaign::kFormName, FrmCSpecialEvents::kFormName,
                                        FrmCSpecialMissions::kFormName, FrmCPhases::kFormName}) {
      Window* window = registry.find(form);
      if (!window || !platform.widget_of(*window)) continue;  // closed by the action
      const std::unique_ptr<ui::FormWidget> fresh = ui::make_form_widget(*window);
      EXPECT_EQ(differing(shown_state(*platform.widget_of(*window)), shown_state(*fresh)),
                std::vector<std::string>{})
          << "after action " << a << " in " << form;
    }
  }
}

}  // namespace
}  // namespace zav::testing
