// The whole Windows edge of the setup program, owned in one object.
#pragma once

#include "platform/win32/win32_program_manager.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_setup_system.h"
#include "platform/win32/win32_shell_links.h"
#include "platform/win32/win32_user_interaction.h"
#include "setup/setup_edge.h"

namespace mogura::win32 {

struct Win32SetupEdge {
  Win32Registry registry;
  Win32ShellLinks links;
  Win32ProgramManager programManager;
  Win32Interaction ui;
  Win32SetupSystem system;
  SetupEdge edge{HostFileSystem(), registry, links, programManager, ui, HostShell(), system};
};

}  // namespace mogura::win32
