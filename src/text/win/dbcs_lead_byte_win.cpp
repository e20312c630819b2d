// Lead bytes by the running system's ANSI code page.
#include <windows.h>

#include "text/dbcs.h"

namespace nuvopick {

bool IsLeadByte(unsigned char byte) {
  return IsDBCSLeadByte(byte) != FALSE;
}

}  // namespace nuvopick
