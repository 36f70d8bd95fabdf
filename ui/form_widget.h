#pragma once

#include <QWidget>

#include "editors/window.h"
#include "ui/binder.h"

class QLayout;

namespace zav::ui {

// The widget of one window: its controls, bound to its logic by `bind()`, placed by the
// window's lay-out. The logic decides; this shows.
class FormWidget : public QWidget {
  Q_OBJECT

 public:
  explicit FormWidget(Window& window);

  Binder& bind() { return binder_; }
  // Puts the placed controls into the window, sizes it to them, and shows their state.
  void finish(QLayout* layout);

  // Shows the state of every control and the window's caption.
  void refresh();

  // Closes the window on its logic's word: the logic has done what closing needs.
  void close_by_program();

  // Where the window opens: where the user last left it, or else beside the window it was
  // opened from; a note opens under the label it explains, wherever it was last.
  enum class Opening { where_left, under_held_label };
  void open_as(Opening opening) { opening_ = opening; }
  Opening opening() const { return opening_; }

 Q_SIGNALS:
  void closed();
  // A user's action ran: what other windows show may have changed with it.
  void acted();

 protected:
  void closeEvent(QCloseEvent* event) override;
  // A file of the kind the window loads, dropped on it, is loaded as "Load File" would.
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  Window& window_;
  Binder binder_;
  bool closing_by_program_ = false;
  Opening opening_ = Opening::where_left;
};

}  // namespace zav::ui
