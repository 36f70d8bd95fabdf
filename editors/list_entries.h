#pragma once

#include <cstddef>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace zav {

// The texts of a list, one to an entry. Copies share them until one of them is changed, so
// that telling whether a list still has the entries it was last shown with takes no look at
// the texts when it does: the desktop asks that of every list after every action.
class ListEntries {
 public:
  ListEntries() = default;
  ListEntries(std::initializer_list<std::string> texts)
      : ListEntries(std::vector<std::string>(texts)) {}
  ListEntries(std::vector<std::string> texts)  // NOLINT: a list of texts is a list's entries
      : texts_(std::make_shared<std::vector<std::string>>(std::move(texts))) {}

  const std::vector<std::string>& texts() const {
    static const std::vector<std::string> none;
    return texts_ ? *texts_ : none;
  }
  std::size_t size() const { return texts().size(); }
  const std::string& operator[](std::size_t i) const { return texts()[i]; }
  const std::string& front() const { return texts().front(); }
  const std::string& back() const { return texts().back(); }
  auto begin() const { return texts().begin(); }
  auto end() const { return texts().end(); }

  void clear() { texts_.reset(); }
  template <class... Text>
  void emplace_back(Text&&... text) {
    own().emplace_back(std::forward<Text>(text)...);
  }
  void push_back(std::string text) { own().push_back(std::move(text)); }
  template <class Iterator>
  void assign(Iterator first, Iterator last) {
    *this = std::vector<std::string>(first, last);
  }

  bool operator==(const ListEntries& other) const {
    return texts_ == other.texts_ || texts() == other.texts();
  }
  bool operator==(const std::vector<std::string>& other) const { return texts() == other; }

 private:
  // The texts to change: copied first while another copy shares them, so that a copy kept
  // from before never sees the change.
  std::vector<std::string>& own() {
    if (!texts_ || texts_.use_count() > 1) {
      texts_ = std::make_shared<std::vector<std::string>>(texts());
    }
    return *texts_;
  }

  std::shared_ptr<std::vector<std::string>> texts_;
};

}  // namespace zav
