#pragma once

// The dotted-quad checks of the alias and CPE forms. They are deliberately
// loose in the way the router's own console is: each part only has to be an
// integer no greater than 255 ("-1" and "$A" pass), but there must be exactly
// four parts and nothing around them.

#include <string_view>

namespace tessel {

bool IsValidIpAddress(std::string_view text);

// The empty text (the router then derives the mask itself) or a valid address.
bool IsValidMaskOrBlank(std::string_view text);

}  // namespace tessel
