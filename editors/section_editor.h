#pragma once

#include <string_view>

#include "editors/controls.h"
#include "editors/entry_stepper.h"
#include "editors/platform.h"
#include "editors/window.h"
#include "editors/window_registry.h"
#include "model/globals.h"

namespace zav {

// An editor of one section of the campaign, standing beside the campaign editor. It copies its
// section into its controls when it opens and writes them back only on "&Update", which also
// closes it; "&Close" and the window's frame store nothing. It follows the campaign document:
// when a load, an undo or a redo replaces the campaign, it shows the new one at once, so that
// what it shows is never stored into another campaign.
class SectionEditor : public Window {
 public:
  SectionEditor(Globals& globals, Platform& platform, WindowRegistry& registry)
      : Window(platform), globals_(globals), registry_(registry) {}

  // Shows the section from its start (its first entry); the caller then shows the window.
  virtual void open() = 0;

  bool frame_close() override {
    registry_.closed(*this);
    return true;
  }
  Undoable* history() override { return &globals_.campaign; }
  // What the editor shows is stored first: an undo then takes back its own changes, which a
  // redo brings back, and the campaign's earlier steps only after them.
  void undo() override {
    if (store()) globals_.campaign.undo();
  }
  void redo() override {
    if (store()) globals_.campaign.redo();
  }

  // Stores what the editor shows and closes; text that cannot be stored is refused with a
  // message, and then nothing is stored and the window stays open.
  Button cmd_update{"cmd_update", "&Update", [this] {
                      if (store()) close();
                    }};
  Button cmd_close{"cmd_close", "&Close", [this] { close(); }};

  // The control that edits the field at `path` of the section's record ("targets[3]"); null
  // when none does.
  virtual const Control* control_at(std::string_view path) const = 0;
  // What steps through the entries of the section's table; null for a section of one record.
  virtual EntryStepper* stepper() { return nullptr; }
  // Shows entry `entry` (none: -1), storing nothing, so that its controls are labelled for it.
  void show_entry(int entry) {
    if (entry >= 0 && stepper()) stepper()->show(entry);
  }
  // Goes to where the user mends the field at `path` of entry `entry`: the entry on screen is
  // stored and that entry shown, as a step to it does, and the field takes the focus. Nothing
  // moves when the store refused.
  void go_to(int entry, std::string_view path) {
    if (entry >= 0 && stepper() && !stepper()->go_to(entry)) return;
    if (const Control* control = control_at(path)) platform_.focus(*this, *control);
  }

 protected:
  // Stores the controls into the campaign, as one step of its history; false, with the user
  // told why, when some text cannot be stored, and then nothing is stored.
  virtual bool store() = 0;
  // Shows again, after an undo or a redo, what the editor showed.
  virtual void show_again() { open(); }
  void close() { registry_.close(*this); }

  const Campaign& campaign() const { return globals_.campaign.record(); }
  // Stores `form` into the part of the campaign that `part` picks, as one step; false, with
  // the user told why, when some box holds text that cannot be stored.
  template <class Form, class Part>
  bool store_form(const Form& form, Part part) {
    if (tell_refusals(platform_, form.readings())) return false;
    edit([&](Campaign& c) { form.store(part(c)); });
    return true;
  }
  // Stores `change` into the campaign as one step.
  template <class Change>
  void edit(Change&& change) {
    globals_.campaign.edit(std::forward<Change>(change));
  }

  Globals& globals_;
  WindowRegistry& registry_;

 private:
  Document<Campaign>::Watch watch_ = globals_.campaign.watch([this](Replaced how) {
    if (how == Replaced::by_file) {
      open();
    } else {
      show_again();
    }
  });
};

}  // namespace zav
