#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "editors/frm_main/frm_main.h"
#include "ui/form_widget.h"
#include "ui/window_layouts.h"

namespace zav::ui {
namespace {

QFrame* separator(const char* name) {
  auto* line = new QFrame;
  line->setObjectName(name);
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  return line;
}

}  // namespace

// A column of buttons: the name loaders, each with the file its names came from beside it,
// the airfield loader that needs them, the file editors in bold, and "Exit".
void lay_out(FrmMain& logic, FormWidget& form) {
  auto* menu = new QFrame;
  menu->setObjectName("frm_menu");
  auto* column = new QGridLayout(menu);
  column->setVerticalSpacing(8);
  column->setHorizontalSpacing(12);
  int row = 0;
  const auto add = [&](Button& button, bool bold = false, Label* source = nullptr) {
    QPushButton* widget = form.bind().button(button);
    widget->setMinimumSize(240, bold ? 40 : 30);
    if (bold) {
      QFont font = widget->font();
      font.setBold(true);
      // The captions are the program's own, in letters every font has: looking for fonts to
      // fill in for missing ones would cost a good part of the start.
      font.setStyleStrategy(QFont::NoFontMerging);
      widget->setFont(font);
    }
    column->addWidget(widget, row, 0);
    if (source) {
      QLabel* shown = form.bind().label(*source);
      shown->setMinimumWidth(220);
      column->addWidget(shown, row, 1);
    }
    ++row;
  };
  const auto line = [&](const char* name) { column->addWidget(separator(name), row++, 0, 1, 2); };

  add(logic.cmd_loadwnames, false, &logic.lbl_weapons_from);
  add(logic.cmd_pnames, false, &logic.lbl_planes_from);
  add(logic.cmd_bnames, false, &logic.lbl_places_from);
  line("Line4");
  add(logic.cmd_airfield, false, &logic.lbl_airfields_from);
  line("Line1");
  add(logic.cmd_miss, true);
  add(logic.cmd_sqd, true);
  add(logic.cmd_camp, true);
  line("Line3");
  add(logic.cmd_exit);

  auto* layout = new QVBoxLayout;
  layout->addWidget(menu);
  form.finish(layout);
}

}  // namespace zav::ui
