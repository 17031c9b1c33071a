// The value checks of the settings pages: a number box read as an integer within a range,
// and a text box of limited length. A failed check shows its message (the framework texts of
// the string table), puts the focus back on the control and keeps the user on the page.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "presenters/dialog_controls.h"
#include "platform/user_interaction.h"

namespace mogura {

enum class NumberSign { Signed, Unsigned };

// The value of a number text: blanks around it allowed, an optional sign (no '-' for
// Unsigned), at least one decimal digit and nothing else. Nothing when it is no number; a
// number too large for 32 bits is returned saturated so that the range check refuses it.
std::optional<std::int64_t> ParseNumberText(std::string_view text, NumberSign sign);

// Reads the number box `control`; true with `*value` set when it holds an integer of
// low..high.
bool TakeInteger(DialogControls& controls, UserInteraction& ui, int control, NumberSign sign, int low,
                 int high, std::int32_t* value);

// Reads the text box `control`; true with `*text` set when it holds at most `maxCharacters`
// characters (a double-byte character counts as one).
bool TakeLimitedText(DialogControls& controls, UserInteraction& ui, int control, std::size_t maxCharacters,
                     std::string* text);

// Reads the text box `control`; true with `*url` set (blanks around it dropped) when it holds
// an http or https address.
bool TakeWebAddress(DialogControls& controls, UserInteraction& ui, int control, std::string* url);

}  // namespace mogura
