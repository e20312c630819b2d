// The icon picker. Created hidden in setup mode; its grid comes later.
#pragma once

#include "platform/win/form.h"

namespace nuvopick::win {

class TForm_icondlg : public TForm {
 public:
  bool Create();
};

}  // namespace nuvopick::win
