// An in-memory dialog for presenter tests: every control a record of what a real one shows,
// with the behaviour a presenter relies on (radio groups, list selection, edit limits).
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "presenters/dialog_controls.h"

namespace mogura::test {

struct FakeControl {
  std::string text;
  bool checked = false;
  bool enabled = true;
  bool visible = true;
  std::vector<std::string> items;
  int selection = -1;
  int rangeLow = 0, rangeHigh = 0;
  int limit = 0;  // 0: none
  DateField date;
};

class FakeControls : public DialogControls {
 public:
  // Controls that belong to one radio group: checking one clears the others.
  void addRadioGroup(std::set<int> group) { radioGroups_.push_back(std::move(group)); }

  std::string text(int id) const override { return at(id).text; }
  void setText(int id, std::string_view text) override { controls_[id].text = std::string(text); }
  bool checked(int id) const override { return at(id).checked; }
  void setChecked(int id, bool on) override;
  bool enabled(int id) const override { return at(id).enabled; }
  void enable(int id, bool on) override { controls_[id].enabled = on; }
  void show(int id, bool on) override { controls_[id].visible = on; }
  void focus(int id) override { focused = id; }
  void setItems(int id, const std::vector<std::string>& items) override {
    controls_[id].items = items;
    controls_[id].selection = -1;
  }
  std::vector<std::string> items(int id) const override { return at(id).items; }
  int selection(int id) const override { return at(id).selection; }
  void select(int id, int index) override {
    FakeControl& c = controls_[id];
    c.selection = index >= 0 && static_cast<std::size_t>(index) < c.items.size() ? index : -1;
  }
  void setRange(int id, int low, int high) override {
    controls_[id].rangeLow = low;
    controls_[id].rangeHigh = high;
  }
  void limitText(int id, int characters) override { controls_[id].limit = characters; }
  DateField date(int id) const override { return at(id).date; }
  void setDate(int id, const DateField& field) override { controls_[id].date = field; }

  // What the test sees of a control.
  const FakeControl& operator[](int id) const { return at(id); }
  bool has(int id) const { return controls_.count(id) != 0; }

  // A user's click on a check box or radio button: the control changes as a real one would.
  void click(int id);

  int focused = 0;

 private:
  const FakeControl& at(int id) const;

  std::map<int, FakeControl> controls_;
  std::vector<std::set<int>> radioGroups_;
};

}  // namespace mogura::test
