// The setup window. For now its frame only: the pages come later.
#pragma once

#include "platform/win/form.h"

namespace nuvopick::win {

class TForm_setup : public TForm {
 public:
  bool Create();

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

}  // namespace nuvopick::win
