// Systems without Linux's extended attributes: no ACL or attribute to carry.
#include "files/Attributes.h"

namespace ign {

std::error_code CopyAttributes(const std::string&, int) { return {}; }

bool IsAppendOnly(int) { return false; }

}  // namespace ign
