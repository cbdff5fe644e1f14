#pragma once
// Today's date and the present time as the user's locale writes them.

#include <string>

namespace kord {

// The locale's short date form.
std::string CurrentDateText();
// The locale's time with seconds, without a time zone.
std::string CurrentTimeText();

}  // namespace kord
