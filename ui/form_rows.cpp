#include "ui/form_rows.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

#include "ui/spin_arrows.h"

namespace zav::ui {
namespace {

QLabel* label_for(QWidget& input, const QString& caption) {
  auto* label = new QLabel(caption);
  label->setBuddy(&input);
  input.setAccessibleName(shown_text(caption));
  return label;
}

}  // namespace

QString shown_text(const QString& caption) {
  QString shown;
  for (qsizetype i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && i + 1 < caption.size()) ++i;
    shown += caption[i];
  }
  return shown;
}

ChoiceRow add_choice_row(QGridLayout& grid, int row, int column, const QString& caption,
                         const char* list_name, const char* note_name) {
  auto* list = new QComboBox;
  list->setObjectName(list_name);
  auto* note = new QLabel;
  note->setObjectName(note_name);
  grid.addWidget(label_for(*list, caption), row, column);
  grid.addWidget(list, row, column + 1);
  grid.addWidget(note, row, column + 2);
  return {list, note};
}

NumberRow add_number_row(QGridLayout& grid, int row, int column, const QString& caption,
                         const char* box_name, const char* arrows_name) {
  auto* box = new QLineEdit;
  box->setObjectName(box_name);
  // Room for the widest count a file can hold, "65535".
  box->setFixedWidth(box->fontMetrics().horizontalAdvance("000000") + 12);
  box->setAlignment(Qt::AlignRight);
  auto* arrows = new SpinArrows(*box);
  arrows->setObjectName(arrows_name);
  arrows->setAccessibleName(shown_text(caption) + " arrows");

  auto* pair = new QHBoxLayout;
  pair->setSpacing(1);
  pair->addWidget(box);
  pair->addWidget(arrows);
  pair->addStretch();
  grid.addWidget(label_for(*box, caption), row, column);
  grid.addLayout(pair, row, column + 1);
  return {box, arrows};
}

}  // namespace zav::ui
