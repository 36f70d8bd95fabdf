#pragma once

#include <vector>

#include "editors/frm_main/frm_main.h"
#include "ui/form_widget.h"

class QPushButton;
class QVBoxLayout;

namespace zav::ui {

// The main window: a column of buttons, the table loaders above the file editors.
class FrmMainWindow : public FormWidget {
  Q_OBJECT

 public:
  explicit FrmMainWindow(FrmMain& logic);

  void refresh() override;

 protected:
  void frame_close() override;

 private:
  struct BoundButton {
    QPushButton* widget;
    const Button* state;
  };

  // A button of the column; `click` is its handler, or null for a button without one.
  void add_button(QVBoxLayout& column, const char* name, const Button& state,
                  void (FrmMain::*click)(), bool bold = false);

  FrmMain& logic_;
  std::vector<BoundButton> buttons_;
};

}  // namespace zav::ui
