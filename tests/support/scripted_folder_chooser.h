// The test machine's folder browser: it answers from a queue, each entry a chosen folder or
// an empty text for Cancel (Cancel too when the queue is empty), and records the title and
// the folder it was opened on.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/folder_chooser.h"

namespace mogura::test {

class ScriptedFolderChooser : public FolderChooser {
 public:
  bool choose(const std::string& title, const std::string& initial, std::string* folder) override {
    titles.push_back(title);
    initials.push_back(initial);
    if (answers.empty()) return false;
    const std::string answer = answers.front();
    answers.pop_front();
    if (answer.empty()) return false;
    *folder = answer;
    return true;
  }

  std::deque<std::string> answers;
  std::vector<std::string> titles;
  std::vector<std::string> initials;
};

}  // namespace mogura::test
