#include "settings/pet_folder_list.h"

#include <algorithm>

namespace mogura {
namespace {

constexpr char kSection[] = "PetFolders";

std::string FolderValueName(std::size_t number) { return "Folder" + std::to_string(number); }

}  // namespace

bool PetFolderList::AddFolder(const std::string& path) {
  if (std::find(folders_.begin(), folders_.end(), path) != folders_.end()) return false;
  folders_.push_back(path);
  activeIndex_ = static_cast<std::int32_t>(folders_.size() - 1);
  return true;
}

bool PetFolderList::RemoveFolder(const std::string& path) {
  if (folders_.size() < 2) return false;
  bool removed = false;
  const auto found = std::find(folders_.begin(), folders_.end(), path);
  if (found != folders_.end()) {
    folders_.erase(found);
    removed = true;
  }
  // The index stays where it was, so the folder after a removed active one becomes active;
  // past the end it moves back to the last folder (this also turns "none" into the last).
  if (static_cast<std::uint32_t>(activeIndex_) >= folders_.size()) {
    activeIndex_ = static_cast<std::int32_t>(folders_.size() - 1);
  }
  return removed;
}

bool PetFolderList::SelectFolder(const std::string& path) {
  const auto found = std::find(folders_.begin(), folders_.end(), path);
  if (found == folders_.end()) return false;
  activeIndex_ = static_cast<std::int32_t>(found - folders_.begin());
  return true;
}

bool PetFolderList::HasActiveFolder() const {
  return activeIndex_ != -1 && !folders_.empty() && static_cast<std::uint32_t>(activeIndex_) < folders_.size();
}

std::string PetFolderList::ActiveFolder() const {
  return HasActiveFolder() ? folders_[static_cast<std::size_t>(activeIndex_)] : std::string();
}

void PetFolderList::Load(const SettingsKey& parent) {
  const SettingsKey key = parent.openSubKey(kSection);
  if (!key.valid()) {
    // A store of an older release names one installation directly under the root.
    std::string folder;
    if (parent.readText("KuruminDir", &folder)) {
      parent.deleteValue("KuruminDir");
      AddFolder(folder);
    }
    return;
  }
  key.readInt("ActiveIndex", &activeIndex_);
  for (std::size_t n = 1;; ++n) {
    std::string folder;
    if (!key.readText(FolderValueName(n), &folder)) break;
    folders_.push_back(std::move(folder));
  }
}

bool PetFolderList::Save(const SettingsKey& parent) const {
  const SettingsKey key = parent.createSubKey(kSection);
  if (!key.valid()) return false;
  bool ok = key.writeInt("ActiveIndex", activeIndex_);
  for (std::size_t i = 0; i < folders_.size(); ++i) {
    ok = key.writeText(FolderValueName(i + 1), folders_[i]) && ok;
  }
  // An earlier save of a longer list left Folder values numbered on from here, without gaps.
  for (std::size_t n = folders_.size() + 1; key.deleteValue(FolderValueName(n)); ++n) {
  }
  return ok;
}

}  // namespace mogura
