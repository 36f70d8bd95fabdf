#include "editors/window.h"

#include "editors/controls.h"
#include "editors/message_boxes.h"
#include "model/document.h"

namespace zav {

void Window::undo() {
  if (Undoable* edits = history()) edits->undo();
}

void Window::redo() {
  if (Undoable* edits = history()) edits->redo();
}

bool Window::finish_typing(TextBox& box) {
  const std::string refusal = box.commit();
  if (refusal.empty()) return true;
  show_error(platform_, refusal + "\nNothing was stored.");
  return false;
}

}  // namespace zav
