// Everything the setup logic calls outside itself, handed around as one bundle.
#pragma once

#include "platform/files.h"
#include "setup/message_boxes.h"
#include "platform/registry.h"
#include "setup/setup_files.h"
#include "setup/setup_system.h"
#include "platform/shell_links.h"

namespace mogura {

struct SetupEdge {
  FileSystem& files;
  SetupFiles& setupFiles;
  Registry& registry;
  ShellLinks& links;
  ProgramManager& programManager;
  MessageBoxes& boxes;
  SetupSystem& system;
};

}  // namespace mogura
