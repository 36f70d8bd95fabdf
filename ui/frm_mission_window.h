#pragma once

#include <array>

#include "editors/frm_mission/frm_mission.h"
#include "ui/form_widget.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QSlider;

namespace zav::ui {

struct MissionGroupForm;

// The mission editor: the three plane groups side by side, each a count list above eight
// rows of plane list and chance slider; the file name above them, the buttons below.
class FrmMissionWindow : public FormWidget {
  Q_OBJECT

 public:
  explicit FrmMissionWindow(FrmMission& logic);

  void refresh() override;

 protected:
  void frame_close() override;

 private:
  struct GroupWidgets {
    const MissionGroupForm* form;
    QComboBox* count;
    std::array<QComboBox*, FrmMission::kRows> planes;
    std::array<QSlider*, FrmMission::kRows> chances;
  };

  QGroupBox* make_group(const MissionGroupForm& form, GroupWidgets& widgets);
  QPushButton* make_button(const char* name, void (FrmMission::*click)());

  FrmMission& logic_;
  QLabel* lbl_m_file_;
  std::array<GroupWidgets, 3> groups_;
  QPushButton* cmd_mload_;
  QPushButton* cmd_msave_;
  QPushButton* cmd_close_;
};

}  // namespace zav::ui
