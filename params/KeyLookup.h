// Finding the key behind a token in constant time: one hash of the token's
// length and three of its bytes picks the only key it can be, and one compare
// of at most twelve bytes settles it.
#pragma once

#include <string_view>

#include "params/KeyTable.h"

namespace ign {

// The entry of KeyTable() whose name is exactly `token`, or nullptr; the same
// answer as FindKey, without walking the table.
const TKeyRule* LookUpKey(std::string_view token);

}  // namespace ign
