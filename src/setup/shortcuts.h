// The product's shortcuts: shell links in the user's shell folders, or Program Manager groups
// on systems without shell folders. Failures are silent.
#pragma once

#include <string_view>

#include "setup/setup_context.h"
#include "setup/setup_edge.h"

namespace mogura {

// In this order; the names are also the shell-folder value names.
enum class ShortcutPlace { Programs, Desktop, Startup };
std::string_view ShortcutPlaceName(ShortcutPlace place);

// Programs: a group folder named by the title with one link per group entry, or without group
// entries one link named by the title to the main program. Desktop and Startup: that one link.
void CreateShortcuts(SetupEdge& edge, const SetupContext& context, ShortcutPlace place);

// What the installation makes: a Startup link for a resident program; otherwise the Programs
// shortcuts and the Desktop link as chosen on the options page.
void CreateChosenShortcuts(SetupEdge& edge, const SetupContext& context);

// Removes what CreateShortcuts makes in `place`: the links it names (other files of the user
// in the group folder stay, and so does the folder then).
void RemoveShortcuts(SetupEdge& edge, const SetupContext& context, ShortcutPlace place);

}  // namespace mogura
