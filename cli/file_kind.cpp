#include "file_kind.h"

namespace zav::cli {

const std::map<std::string, FileKind>& kinds_by_name() {
  static const std::map<std::string, FileKind> kinds = {{"campaign", FileKind::campaign},
                                                        {"squadrons", FileKind::squadrons},
                                                        {"mission", FileKind::mission},
                                                        {"strings", FileKind::strings},
                                                        {"targets", FileKind::targets}};
  return kinds;
}

std::string_view kind_name(FileKind kind) {
  for (const auto& [name, named] : kinds_by_name()) {
    if (named == kind) return name;
  }
  return {};
}

}  // namespace zav::cli
