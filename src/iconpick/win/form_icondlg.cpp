#include "iconpick/win/form_icondlg.h"

namespace nuvopick::win {

bool TForm_icondlg::Create() {
  return TForm::Create({"TForm_icondlg", "アイコン設定", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, 0,
                        CW_USEDEFAULT, CW_USEDEFAULT, 323, 373, nullptr});
}

}  // namespace nuvopick::win
