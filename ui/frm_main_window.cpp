#include <QFrame>
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

// A column of buttons: the name loaders, the airfield loader that needs them, the file
// editors in bold, and "Exit".
void lay_out(FrmMain& logic, FormWidget& form) {
  auto* menu = new QFrame;
  menu->setObjectName("frm_menu");
  auto* column = new QVBoxLayout(menu);
  column->setSpacing(8);
  const auto add = [&](Button& button, bool bold = false) {
    QPushButton* widget = form.bind().button(button);
    widget->setMinimumSize(240, bold ? 40 : 30);
    if (bold) {
      QFont font = widget->font();
      font.setBold(true);
      widget->setFont(font);
    }
    column->addWidget(widget);
  };

  add(logic.cmd_loadwnames);
  add(logic.cmd_pnames);
  add(logic.cmd_bnames);
  column->addWidget(separator("Line4"));
  add(logic.cmd_airfield);
  column->addWidget(separator("Line1"));
  add(logic.cmd_miss, true);
  add(logic.cmd_sqd, true);
  add(logic.cmd_camp, true);
  column->addWidget(separator("Line3"));
  add(logic.cmd_exit);

  auto* layout = new QVBoxLayout;
  layout->addWidget(menu);
  form.finish(layout);
}

}  // namespace zav::ui
