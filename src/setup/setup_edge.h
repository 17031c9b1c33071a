// Everything the setup logic calls outside itself, handed around as one bundle.
#pragma once

#include "platform/files.h"
#include "platform/registry.h"
#include "platform/shell.h"
#include "platform/shell_links.h"
#include "setup/message_boxes.h"
#include "setup/setup_system.h"

namespace mogura {

struct SetupEdge {
  FileSystem& files;
  Registry& registry;
  ShellLinks& links;
  ProgramManager& programManager;
  UserInteraction& ui;
  Shell& shell;
  SetupSystem& system;
};

}  // namespace mogura
