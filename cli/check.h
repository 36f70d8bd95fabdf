#pragma once

#include "data_file.h"
#include "formats/field_problem.h"

// `zav check`: the values of a file outside what the editors produce for their fields
// (model/*_fields.h), or that the game's own limits forbid, each with its path in the text
// form and a plain sentence.
namespace zav::cli {

// Entries beyond a count (phases beyond num_phases, rows beyond a group's count and so on)
// are not looked at: no editor reaches them, and the game does not use them.
FieldProblems check_data_file(const DataFile& file);

}  // namespace zav::cli
