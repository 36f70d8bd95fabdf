#pragma once

#include "data_file.h"
#include "formats/field_problem.h"

// `zav check`: the problems of a data file of any kind (model/record_checks.h).
namespace zav::cli {

FieldProblems check_data_file(const DataFile& file);

}  // namespace zav::cli
