#include "ui/form_widget.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeySequence>
#include <QLayout>
#include <QMimeData>
#include <QShortcut>
#include <QUrl>
#include <filesystem>
#include <optional>

#include "ui/qt_text.h"

namespace zav::ui {

namespace {

// The one local file carried by a drag, when it is of the kind `window` loads.
std::optional<std::filesystem::path> file_for(const Window& window, const QMimeData* data) {
  if (!window.loads_kind() || !data || data->urls().size() != 1) return std::nullopt;
  const QUrl& url = data->urls().constFirst();
  if (!url.isLocalFile()) return std::nullopt;
  const std::filesystem::path file = path_of(url.toLocalFile());
  if (kind_of_file_name(file) != window.loads_kind()) return std::nullopt;
  return file;
}

}  // namespace

FormWidget::FormWidget(Window& window)
    : window_(window), binder_(window, [this] {
        refresh();
        Q_EMIT acted();
      }) {
  setObjectName(QString::fromUtf8(window.form_name().data(), window.form_name().size()));
  // "[*]" shows as "*" while the file the window holds has changes never saved.
  setWindowTitle(QString::fromStdString(window.caption()) + (window.holds_file() ? "[*]" : ""));
  const auto on_keys = [this](QList<QKeySequence> keys, void (Window::*move)()) {
    auto* shortcut = new QShortcut(this);
    shortcut->setKeys(keys);
    connect(shortcut, &QShortcut::activated, this,
            [this, move] { binder_.act([this, move] { (window_.*move)(); }); });
  };
  on_keys(QKeySequence::keyBindings(QKeySequence::Undo), &Window::undo);
  // Redo by the desktop's keys, and by both that users of other desktops know.
  QList<QKeySequence> redo_keys = QKeySequence::keyBindings(QKeySequence::Redo);
  for (const QKeySequence& known :
       {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}) {
    if (!redo_keys.contains(known)) redo_keys.append(known);
  }
  on_keys(redo_keys, &Window::redo);
  setAcceptDrops(window.loads_kind().has_value());
}

void FormWidget::finish(QLayout* layout) {
  setLayout(layout);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  binder_.order_tabs();
  refresh();
}

void FormWidget::refresh() {
  window_.catch_up();
  binder_.refresh();
  setWindowModified(window_.unsaved_changes());
}

void FormWidget::close_by_program() {
  closing_by_program_ = true;
  close();
  closing_by_program_ = false;
}

void FormWidget::closeEvent(QCloseEvent* event) {
  // What was typed is read first, as before any other action; a refusal keeps the window.
  bool may_close = closing_by_program_;
  if (!may_close) binder_.act([&] { may_close = window_.frame_close(); });
  if (!may_close) {
    event->ignore();
    return;
  }
  event->accept();
  Q_EMIT closed();
}

void FormWidget::dragEnterEvent(QDragEnterEvent* event) {
  if (file_for(window_, event->mimeData())) event->acceptProposedAction();
}

void FormWidget::dropEvent(QDropEvent* event) {
  const std::optional<std::filesystem::path> file = file_for(window_, event->mimeData());
  if (!file) return;
  event->acceptProposedAction();
  binder_.act([&] { window_.load_file(*file); });
}

}  // namespace zav::ui
