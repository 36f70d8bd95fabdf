#pragma once

#include <QWidget>
#include <utility>

#include "editors/window.h"

namespace zav::ui {

// The widget of one window. Every user action runs the logic's handler through act(), after
// which refresh() shows the logic's control state again: the logic decides, this shows.
class FormWidget : public QWidget {
  Q_OBJECT

 public:
  explicit FormWidget(const Window& window);

  // Copies the state of every control from the logic into the widgets.
  virtual void refresh() = 0;

  // Closes the window on its logic's word: the logic has done what closing needs.
  void close_by_program();

 Q_SIGNALS:
  void closed();

 protected:
  template <class Handler>
  void act(Handler&& handler) {
    std::forward<Handler>(handler)();
    refresh();
  }

  // The user closed the window's frame.
  virtual void frame_close() = 0;

  void closeEvent(QCloseEvent* event) override;

 private:
  bool closing_by_program_ = false;
};

}  // namespace zav::ui
