#include "support/fake_controls.h"

namespace mogura::test {

const FakeControl& FakeControls::at(int id) const {
  static const FakeControl kAbsent;
  const auto found = controls_.find(id);
  return found == controls_.end() ? kAbsent : found->second;
}

void FakeControls::setChecked(int id, bool on) {
  controls_[id].checked = on;
  if (!on) return;
  for (const std::set<int>& group : radioGroups_) {
    if (!group.count(id)) continue;
    for (int other : group) {
      if (other != id) controls_[other].checked = false;
    }
  }
}

void FakeControls::click(int id) {
  bool isRadio = false;
  for (const std::set<int>& group : radioGroups_) isRadio = isRadio || group.count(id) != 0;
  setChecked(id, isRadio ? true : !controls_[id].checked);
}

}  // namespace mogura::test
