// The kind of mail one run picks out of a drawer. Stored in the settings as TargetType, the
// kind minus 1, without a range check: any other number picks nothing.
#pragma once

namespace mogura {

using MailKind = int;

inline constexpr MailKind kDiaryKind = 1;     // the pet's diary pages
inline constexpr MailKind kPetMailKind = 2;   // mail written by the pet
inline constexpr MailKind kEventMailKind = 3; // event mail of the park

}  // namespace mogura
