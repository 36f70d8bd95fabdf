#pragma once

#include "editors/controls.h"

class QBoxLayout;
class QLayout;

namespace zav {
class FrmCPhases;
class FrmCPlanes;
class FrmCSetup;
class FrmCSideForces;
class FrmCSpecialEvents;
class FrmCSpecialMissions;
class FrmCV1Missions;
class FrmCampaign;
class FrmMain;
class FrmMission;
class FrmSquadron;
class FrmNote;
class ProblemList;
}  // namespace zav

// Where each window places the controls its logic declares; one lay-out per window, in the
// window's own file (ui/frm_<name>_window.cpp). A lay-out places and sizes, and holds no
// editing rule.
namespace zav::ui {

class Binder;
class FormWidget;

void lay_out(FrmMain& logic, FormWidget& form);
void lay_out(FrmMission& logic, FormWidget& form);
void lay_out(FrmSquadron& logic, FormWidget& form);
void lay_out(FrmCampaign& logic, FormWidget& form);
void lay_out(FrmCSetup& logic, FormWidget& form);
void lay_out(FrmCPhases& logic, FormWidget& form);
void lay_out(FrmCPlanes& logic, FormWidget& form);
void lay_out(FrmCSideForces& logic, FormWidget& form);
void lay_out(FrmCV1Missions& logic, FormWidget& form);
void lay_out(FrmCSpecialEvents& logic, FormWidget& form);
void lay_out(FrmCSpecialMissions& logic, FormWidget& form);
void lay_out(FrmNote& logic, FormWidget& form);

// The problems of the window's file at the foot of `layout`: their count over their list, which
// is `lines` high and at least `characters` wide.
void add_problems(QBoxLayout& layout, Binder& bind, ProblemList& problems, int lines = 4,
                  int characters = 0);

// A section editor's fields over its "&Update" and "&Close" buttons.
void finish_section(FormWidget& form, QLayout* fields, Button& update, Button& close);

}  // namespace zav::ui
