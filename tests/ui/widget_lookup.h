#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <QToolButton>
#include <QWidget>
#include <stdexcept>
#include <vector>

// Finding and working the real widgets of a window as a user does.
namespace zav::testing {

// The shown windows of a form.
inline std::vector<QWidget*> shown(const char* form_name) {
  std::vector<QWidget*> windows;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->objectName() == form_name && widget->isVisible()) windows.push_back(widget);
  }
  return windows;
}

// The control of `window` with this objectName; a missing one fails the test.
template <class W = QWidget>
W& control(QWidget* window, const QString& name) {
  W* found = window->findChild<W*>(name);
  if (!found) throw std::runtime_error("no control " + name.toStdString());
  return *found;
}

inline void press(QWidget* window, const char* button) {
  control<QPushButton>(window, button).click();
}
// Presses `button` of `window` and returns the window of `form` it showed.
inline QWidget* open(QWidget* window, const char* button, const char* form) {
  press(window, button);
  return shown(form).at(0);
}
inline QToolButton& arrow(QWidget* window, const char* spin, const char* which) {
  return control<QToolButton>(&control(window, spin), which);
}
inline void type_over(QLineEdit& box, const char* text) {
  box.selectAll();
  QTest::keyClicks(&box, text);
}

// The names of the shown controls that Tab reaches, in the order it reaches them from `first`.
inline QStringList tab_order(QWidget& first) {
  QStringList names;
  QWidget* at = &first;
  do {
    if (at->focusPolicy() & Qt::TabFocus && at->isVisible()) names << at->objectName();
    at = at->nextInFocusChain();
  } while (at != &first);
  return names;
}

}  // namespace zav::testing
