// Every window as a screen reader hears it, through Qt's accessibility interface: each input
// that shows is announced with a name of its own, its label (or its row's name), and its value.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>
#include <functional>
#include <memory>

#include "editors/frm_c_forces/frm_c_forces.h"
#include "editors/frm_c_phases/frm_c_phases.h"
#include "editors/frm_c_planes/frm_c_planes.h"
#include "editors/frm_c_setup/frm_c_setup.h"
#include "editors/frm_c_specialevents/frm_c_specialevents.h"
#include "editors/frm_c_specialmissions/frm_c_specialmissions.h"
#include "editors/frm_c_v1missions/frm_c_v1missions.h"
#include "editors/frm_campaign/frm_campaign.h"
#include "editors/frm_mission/frm_mission.h"
#include "editors/frm_squadron/frm_squadron.h"
#include "editors/scripted_platform.h"
#include "formats/squadron_file.h"
#include "string_file_bytes.h"
#include "ui/form_factory.h"
#include "ui/qt_platform.h"
#include "ui/widget_lookup.h"

namespace zav::testing {
namespace {

// What a screen reader announces of `input`: its name, the labels it is labelled by, its
// value and its description.
QString announced(QWidget& input) {
  QAccessibleInterface* heard = QAccessible::queryAccessibleInterface(&input);
  QStringList parts{heard->text(QAccessible::Name)};
  for (const auto& [label, relation] : heard->relations(QAccessible::Label)) {
    parts << label->text(QAccessible::Name);
  }
  parts << heard->text(QAccessible::Value);
  if (QAccessibleValueInterface* value = heard->valueInterface()) {
    parts << value->currentValue().toString();
  }
  parts << heard->text(QAccessible::Description);
  return parts.join(" | ");
}

// The value a sighted user reads off `input`; a check box or an option tells it by its state.
QString seen_value(const QWidget& input) {
  if (const auto* list = qobject_cast<const QComboBox*>(&input)) return list->currentText();
  if (const auto* box = qobject_cast<const QLineEdit*>(&input)) return box->text();
  if (const auto* slider = qobject_cast<const QSlider*>(&input)) {
    return QString::number(slider->value());
  }
  return {};
}

// The inputs of `window` that show.
std::vector<QWidget*> shown_inputs(QWidget& window) {
  std::vector<QWidget*> inputs;
  for (QWidget* widget : window.findChildren<QWidget*>()) {
    const bool input =
        qobject_cast<QComboBox*>(widget) || qobject_cast<QSlider*>(widget) ||
        qobject_cast<QCheckBox*>(widget) || qobject_cast<QRadioButton*>(widget) ||
        (qobject_cast<QLineEdit*>(widget) && !qobject_cast<QComboBox*>(widget->parent()));
    if (input && widget->isVisible()) inputs.push_back(widget);
  }
  return inputs;
}

class Accessibility : public Run<Scripted<ui::QtPlatform>> {
 protected:
  Accessibility() {
    platform.folder = dir.path();
    platform.keep_settings_in(dir / "settings.ini");  // what the run keeps stays in it
    SquadronTable base;
    base.count = 3;
    write_bytes(dir / "sqbasic.dat", encode_squadrons(base));
    NameTables& names = globals.names;
    for (std::size_t i = 0; i < names.plane_names.size(); ++i) {
      names.plane_names[i] = "Plane " + std::to_string(i);
    }
    for (std::size_t i = 0; i < names.place_names.size(); ++i) {
      names.place_names[i] = "Place " + std::to_string(i);
    }
    hold(globals.campaign, [](Campaign& c) {
      c.setup.num_phases = 3;
      c.setup.num_plane_types = 3;
      c.setup.num_spev = 3;
      c.setup.num_spm = 3;
      c.special_missions[0].trigger = 1;
      c.special_missions[0].num_targets = 2;
      c.setup.start_year = 1939;  // a value no entry shows: its note is heard with the list
    });
  }
};

TEST_F(Accessibility, EveryInputOfEveryWindowIsHeardWithItsLabelAndItsValue) {
  std::vector<std::unique_ptr<Window>> windows;
  const auto section = [&]<class Editor>(std::unique_ptr<Editor> editor) {
    editor->open();
    windows.push_back(std::move(editor));
  };
  section(std::make_unique<FrmMission>(globals, platform));
  section(std::make_unique<FrmSquadron>(globals, platform));
  // Every row shows, so that rows and groups alike in all but their names are heard.
  auto& mission = static_cast<FrmMission&>(*windows[0]);
  for (PickList* count : {&mission.cbo_fnum, &mission.cbo_anum, &mission.cbo_bnum})
    count->choose(8);
  auto& squadron = static_cast<FrmSquadron&>(*windows[1]);
  squadron.cbo_moves.choose(4);
  squadron.cbo_changes.choose(4);
  section(std::make_unique<FrmCampaign>(globals, platform, registry, main));
  section(std::make_unique<FrmCSetup>(globals, platform, registry));
  section(std::make_unique<FrmCPhases>(globals, platform, registry));
  section(std::make_unique<FrmCPlanes>(globals, platform, registry));
  section(std::make_unique<FrmCSideForces>(kGermanForces, globals, platform, registry));
  section(std::make_unique<FrmCSideForces>(kAlliedForces, globals, platform, registry));
  section(std::make_unique<FrmCSpecialEvents>(globals, platform, registry));
  section(std::make_unique<FrmCSpecialMissions>(globals, platform, registry));
  section(std::make_unique<FrmCV1Missions>(globals, platform, registry));

  int lists = 0;
  for (const std::unique_ptr<Window>& window : windows) {
    const std::unique_ptr<ui::FormWidget> widget = ui::make_form_widget(*window);
    widget->show();
    const std::vector<QWidget*> inputs = shown_inputs(*widget);
    QStringList names;
    for (QWidget* input : inputs) names << input->accessibleName();
    for (QWidget* input : inputs) {
      const QString where = widget->objectName() + " " + input->objectName();
      const QString heard = announced(*input);
      EXPECT_FALSE(input->accessibleName().isEmpty()) << where.toStdString();
      // A name two inputs share leaves the user guessing which row or group each is in.
      EXPECT_EQ(names.count(input->accessibleName()), 1) << where.toStdString();
      EXPECT_TRUE(heard.contains(input->accessibleName()))
          << where.toStdString() << ": " << heard.toStdString();
      EXPECT_TRUE(heard.contains(seen_value(*input)))
          << where.toStdString() << ": " << heard.toStdString();
      if (qobject_cast<QComboBox*>(input)) ++lists;
    }
    if (window->form_name() == FrmCSetup::kFormName) {
      const QString year = announced(control(widget.get(), "cbo_starty"));
      EXPECT_TRUE(year.contains("Commencement Year:")) << year.toStdString();
      EXPECT_TRUE(year.contains("Stored value: 1939")) << year.toStdString();
      const QString squadrons = announced(control(widget.get(), "txt_numsqns"));
      EXPECT_TRUE(squadrons.contains("Number of Squadrons:")) << squadrons.toStdString();
      EXPECT_TRUE(squadrons.contains("from 1 to 25")) << squadrons.toStdString();
    }
  }
  EXPECT_GT(lists, 50);  // the lists are there to be heard
}

}  // namespace
}  // namespace zav::testing
