#include "editors/file_questions.h"

#include "editors/message_boxes.h"

namespace zav {

bool settle_before_load(Platform& platform, const std::string& title, bool ask,
                        const std::function<SaveOutcome()>& save) {
  if (!ask) return true;
  switch (ask_to_save(platform, title)) {
    case MessageAnswer::yes:
      return save() != SaveOutcome::failed;
    case MessageAnswer::no:
      return true;
    case MessageAnswer::ok:
    case MessageAnswer::cancel:
      break;
  }
  return false;
}

bool settle_before_dropping(Platform& platform, const std::string& title,
                            const std::function<SaveOutcome()>& save) {
  switch (ask_to_save(platform, title)) {
    case MessageAnswer::yes:
      return save() == SaveOutcome::written;
    case MessageAnswer::no:
      return true;
    case MessageAnswer::ok:
    case MessageAnswer::cancel:
      break;
  }
  return false;
}

}  // namespace zav
