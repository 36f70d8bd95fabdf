#include "ui/frm_main_window.h"

#include <QFrame>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/control_state.h"

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

FrmMainWindow::FrmMainWindow(FrmMain& logic) : FormWidget(logic), logic_(logic) {
  auto* menu = new QFrame;
  menu->setObjectName("frm_menu");
  auto* column = new QVBoxLayout(menu);
  column->setSpacing(8);

  add_button(*column, "cmd_loadwnames", logic.cmd_loadwnames, &FrmMain::cmd_loadwnames_click);
  add_button(*column, "cmd_pnames", logic.cmd_pnames, &FrmMain::cmd_pnames_click);
  add_button(*column, "cmd_bnames", logic.cmd_bnames, &FrmMain::cmd_bnames_click);
  add_button(*column, "cmd_airfield", logic.cmd_airfield, &FrmMain::cmd_airfield_click);
  column->addWidget(separator("Line1"));
  add_button(*column, "cmd_miss", logic.cmd_miss, &FrmMain::cmd_miss_click, true);
  add_button(*column, "cmd_sqd", logic.cmd_sqd, nullptr, true);
  add_button(*column, "cmd_camp", logic.cmd_camp, &FrmMain::cmd_camp_click, true);
  column->addWidget(separator("Line3"));
  add_button(*column, "cmd_exit", logic.cmd_exit, &FrmMain::cmd_exit_click);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(menu);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  refresh();
}

void FrmMainWindow::refresh() {
  for (const BoundButton& button : buttons_) show_state(*button.widget, *button.state);
}

void FrmMainWindow::frame_close() {
  logic_.frame_close();
}

void FrmMainWindow::add_button(QVBoxLayout& column, const char* name, const Button& state,
                               void (FrmMain::*click)(), bool bold) {
  auto* button = new QPushButton;
  button->setObjectName(name);
  button->setMinimumSize(240, bold ? 40 : 30);
  if (bold) {
    QFont font = button->font();
    font.setBold(true);
    button->setFont(font);
  }
  if (click) {
    connect(button, &QPushButton::clicked, this,
            [this, click] { act([&] { (logic_.*click)(); }); });
  }
  column.addWidget(button);
  buttons_.push_back({button, &state});
}

}  // namespace zav::ui
