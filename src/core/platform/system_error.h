#pragma once
// The reason of a failed file operation, for the user. A file of its own: the
// printing module links it into a shared object.

#include <string>

namespace lumivane {

// The reason of a system error number in Chinese where the user can act on it
// (no space, no permission, a missing folder …), else the system's own text.
[[nodiscard]] std::string SystemErrorText(int error);

}  // namespace lumivane
