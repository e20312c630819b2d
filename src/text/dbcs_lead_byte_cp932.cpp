// Lead bytes of code page 932 (Shift_JIS), for builds without the Windows API.
#include "text/dbcs.h"

namespace nuvopick {

bool IsLeadByte(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

}  // namespace nuvopick
