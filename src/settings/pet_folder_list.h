// The registered receive folders of the host program's installations, one of them active.
// Stored in the section "PetFolders". Paths compare as whole byte strings.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "store/settings_node.h"

namespace mogura {

class PetFolderList : public SettingsNode {
 public:
  PetFolderList() = default;

  // Does nothing: the registered folders survive a reset of the settings.
  void Reset() override {}
  // Also moves "KuruminDir" of an older store (kept directly under `parent`) into the list.
  void Load(const SettingsKey& parent) override;
  // Writes ActiveIndex and Folder1..FolderN, and removes Folder values numbered past the list.
  bool Save(const SettingsKey& parent) const override;

  // Appends `path` and makes it active; false (nothing changes) when it is already registered.
  bool AddFolder(const std::string& path);
  // Removes the first folder equal to `path`; refused (false) while fewer than two are
  // registered. An active index past the end then moves to the last folder.
  bool RemoveFolder(const std::string& path);
  // Makes the first folder equal to `path` active; false when none is.
  bool SelectFolder(const std::string& path);

  bool HasActiveFolder() const;
  // The active folder; empty when there is none (see HasActiveFolder).
  std::string ActiveFolder() const;

  const std::vector<std::string>& Folders() const { return folders_; }
  std::size_t Count() const { return folders_.size(); }
  // Position of the active folder from 0; -1 for none.
  std::int32_t ActiveIndex() const { return activeIndex_; }

 private:
  std::vector<std::string> folders_;
  std::int32_t activeIndex_ = -1;
};

}  // namespace mogura
