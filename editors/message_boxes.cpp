#include "editors/message_boxes.h"

#include <utility>

namespace zav {

void show_error(Platform& platform, std::string text) {
  platform.show_message({std::move(text), "ERROR!", MessageIcon::critical, MessageButtons::ok});
}

MessageAnswer ask_to_save(Platform& platform, std::string title) {
  return platform.show_message({"Do you wish to save this file?", std::move(title),
                                MessageIcon::critical, MessageButtons::yes_no_cancel});
}

}  // namespace zav
