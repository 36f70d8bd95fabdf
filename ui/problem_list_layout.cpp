#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "editors/problem_list.h"
#include "ui/binder.h"
#include "ui/window_layouts.h"

namespace zav::ui {

void add_problems(QBoxLayout& layout, Binder& bind, ProblemList& problems, int lines,
                  int characters) {
  const Widgets list = bind.field(problems.lst_problems, lines);
  list.input->setMinimumWidth(list.input->fontMetrics().averageCharWidth() * characters);
  layout.addSpacing(6);
  layout.addWidget(bind.caption(problems.lst_problems, list));
  layout.addWidget(list.placed);
}

}  // namespace zav::ui
