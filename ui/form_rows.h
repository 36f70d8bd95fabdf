#pragma once

#include <QString>

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QWidget;

// The labelled rows the section editors are made of. A row's label is the buddy of its input,
// and the input is known to assistive tools by the label's text as shown.
namespace zav::ui {

class SpinArrows;

// The text a caption shows: "&&" shows as "&", and a single "&" marks an access key.
QString shown_text(const QString& caption);

// A pick list, with the note beside it that names a stored value it has no entry for.
struct ChoiceRow {
  QComboBox* list;
  QLabel* note;
};

// Fills `row` of `grid` from `column` on: label, list, note.
ChoiceRow add_choice_row(QGridLayout& grid, int row, int column, const QString& caption,
                         const char* list_name, const char* note_name);

// A number box, which takes typing, with its spin arrows beside it.
struct NumberRow {
  QLineEdit* box;
  SpinArrows* arrows;
};

// Fills `row` of `grid` from `column` on: label, then box and arrows together.
NumberRow add_number_row(QGridLayout& grid, int row, int column, const QString& caption,
                         const char* box_name, const char* arrows_name);

}  // namespace zav::ui
