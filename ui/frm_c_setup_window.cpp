#include "ui/frm_c_setup_window.h"

#include <QGridLayout>

namespace zav::ui {
namespace {

using S = FrmCSetup;

const ChoiceForm<S> kChoices[] = {
    {"Commencement Year:", "cbo_starty", &S::cbo_starty, "note_starty", &S::note_starty},
    {"Commencement Month:", "cbo_startm", &S::cbo_startm, "note_startm", &S::note_startm},
    {"Commencement Day:", "cbo_startd", &S::cbo_startd, "note_startd", &S::note_startd},
    {"Briefing Language && Art:", "cbo_language", &S::cbo_language, "note_language",
     &S::note_language},
    {"Attacking Side:", "cbo_attackside", &S::cbo_attackside, "note_attackside",
     &S::note_attackside},
    {"Campaign Type:", "cbo_camptype", &S::cbo_camptype, "note_camptype", &S::note_camptype},
    {"Attacking Base:", "cbo_attackbase", &S::cbo_attackbase, "note_attackbase",
     &S::note_attackbase},
    {"Attacking Capital:", "cbo_attackcapital", &S::cbo_attackcapital, "note_attackcapital",
     &S::note_attackcapital},
    {"Defending Capital:", "cbo_defendcapital", &S::cbo_defendcapital, "note_defendcapital",
     &S::note_defendcapital},
};

const NumberForm<S> kCounts[] = {
    {"Number of Squadrons:", "txt_numsqns", &S::txt_numsqns, "UpDown1", &S::UpDown1,
     &S::UpDown1_change},
    {"Num. Special Events:", "txt_numspev", &S::txt_numspev, "UpDown2", &S::UpDown2,
     &S::UpDown2_change},
    {"Num. Special Missions:", "txt_numspm", &S::txt_numspm, "UpDown3", &S::UpDown3,
     &S::UpDown3_change},
    {"Number of Phases:", "txt_numphases", &S::txt_numphases, "UpDown4", &S::UpDown4,
     &S::UpDown4_change},
    {"Phase Length (Days):", "txt_phaselength", &S::txt_phaselength, "UpDown5", &S::UpDown5,
     &S::UpDown5_change},
    {"Days Between Missions:", "txt_daysbetweenmissions", &S::txt_daysbetweenmissions, "UpDown6",
     &S::UpDown6, &S::UpDown6_change},
    {"Number of Plane Types:", "txt_numplanetypes", &S::txt_numplanetypes, "UpDown7", &S::UpDown7,
     &S::UpDown7_change},
};

// The lists take columns 0 to 2 (label, list, note), the counts 4 and 5; column 3 keeps the
// two apart.
constexpr int kCountColumn = 4;

}  // namespace

FrmCSetupWindow::FrmCSetupWindow(FrmCSetup& logic) : BoundForm(logic) {
  auto* grid = new QGridLayout;
  grid->setColumnMinimumWidth(kCountColumn - 1, 16);
  int row = 0;
  for (const ChoiceForm<S>& form : kChoices) {
    QComboBox* list = add_choice(*grid, row++, 0, form).list;
    // Room for a long place name, and one width for every list of the column.
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    list->setMinimumContentsLength(22);
  }
  row = 0;
  for (const NumberForm<S>& form : kCounts) add_number(*grid, row++, kCountColumn, form);

  lay_out_section(grid);
}

}  // namespace zav::ui
