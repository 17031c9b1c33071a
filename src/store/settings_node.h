// The shape of every settings object: defaults, load from and save to its own section.
#pragma once

#include "store/settings_key.h"

namespace mogura {

class SettingsNode {
 public:
  virtual ~SettingsNode() = default;
  // All fields to their defaults.
  virtual void Reset() = 0;
  // Reads the node's section below `parent`; never creates it. Absent values leave fields.
  virtual void Load(const SettingsKey& parent) = 0;
  // Creates or opens the node's section below `parent` and writes every field.
  // True when every write succeeded.
  virtual bool Save(const SettingsKey& parent) const = 0;
};

}  // namespace mogura
