#include "editors/frm_campaign/campaign_problems.h"

#include <cstring>
#include <memory>
#include <string>
#include <tuple>
#include <type_traits>

#include "editors/frm_campaign/campaign_sections.h"
#include "model/campaign_fields.h"
#include "model/record_checks.h"

namespace zav {
namespace {

const std::byte* bytes_of(const Campaign& campaign) {
  return reinterpret_cast<const std::byte*>(&campaign);
}

}  // namespace

std::vector<CampaignProblems::Part> CampaignProblems::parts_of(const Campaign& c) {
  std::vector<Part> parts;
  const auto offset_of = [&](const auto& value) {
    return static_cast<std::size_t>(reinterpret_cast<const std::byte*>(&value) - bytes_of(c));
  };
  std::apply(
      [&](const auto&... field) {
        const auto add = [&](const auto& f) {
          const auto& value = c.*f.member;
          if constexpr (IsArray<std::remove_cvref_t<decltype(value)>>::value) {
            const std::size_t used = std::min(f.in_use(c), value.size());
            for (std::size_t i = 0; i < used; ++i) {
              parts.push_back(
                  {f.name, static_cast<int>(i), offset_of(value[i]), sizeof(value[i]), {}});
            }
          } else {
            parts.push_back({f.name, -1, offset_of(value), sizeof(value), {}});
          }
        };
        (add(field), ...);
      },
      fields::campaign_fields);
  return parts;
}

SectionEditor& CampaignProblems::labelling(const CampaignSection& section, int entry) {
  std::unique_ptr<SectionEditor>& editor = labelling_[section.member];
  if (!editor) editor = section.make(globals_, platform_, registry_);
  EntryStepper* stepper = editor->stepper();
  if (stepper && stepper->current() != entry) editor->show_entry(entry);
  return *editor;
}

bool CampaignProblems::update() {
  const Campaign& campaign = globals_.campaign.record();
  if (checked_ && *checked_ == campaign) return false;
  const bool all = !checked_ || !(checked_->setup == campaign.setup);
  std::vector<Part> parts = parts_of(campaign);
  for (std::size_t p = 0; p < parts.size(); ++p) {
    Part& part = parts[p];
    // The setup is the same, so the parts are the same as last time, in the same order.
    if (!all && std::memcmp(bytes_of(*checked_) + part.offset, bytes_of(campaign) + part.offset,
                            part.size) == 0) {
      part.found = std::move(parts_[p].found);
      continue;
    }
    const FieldProblems found = check_campaign_part(campaign, part.member, part.entry);
    if (found.empty()) continue;
    const CampaignSection& section = *section_of(part.member);
    SectionEditor& editor = labelling(section, part.entry);
    std::string words = editor.caption();
    if (part.entry >= 0) {
      words += ", " + std::string(section.entry_noun) + " " + std::to_string(part.entry + 1);
    }
    for (const FieldProblem& problem : found) {
      const std::string field = place_of(problem.path).field;
      const Control* control = editor.control_at(field);
      part.found.push_back({problem.path, words + ", " + (control ? spoken_name(*control) : field) +
                                              ": " + problem.reason});
    }
  }
  parts_ = std::move(parts);
  listed_.clear();
  for (const Part& part : parts_)
    listed_.insert(listed_.end(), part.found.begin(), part.found.end());
  checked_ = campaign;
  return true;
}

}  // namespace zav
