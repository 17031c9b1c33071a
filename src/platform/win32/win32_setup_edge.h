// The whole Windows edge of the setup program, owned in one object.
#pragma once

#include "setup/setup_edge.h"
#include "platform/win32/setup_message_boxes.h"
#include "platform/win32/win32_program_manager.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_setup_system.h"
#include "platform/win32/win32_shell_links.h"

namespace mogura::win32 {

struct Win32SetupEdge {
  Win32Registry registry;
  Win32ShellLinks links;
  Win32ProgramManager programManager;
  SetupMessageBoxes boxes;
  Win32SetupSystem system;
  SetupEdge edge{HostFileSystem(), registry, links, programManager, boxes, system};
};

}  // namespace mogura::win32
