// NuvoPick's entry point: the first argument picks the mode, the gate window is
// always created first (it is the main window), setup mode adds its two windows.
#include <windows.h>

#include <memory>

#include "gate/win/form_main.h"
#include "iconpick/win/form_icondlg.h"
#include "identity/program_identity.h"
#include "identity/start_mode.h"
#include "platform/win/application.h"
#include "platform/win/lazy_library.h"
#include "platform/win/module_path.h"
#include "setup/win/form_setup.h"
#include "text/command_line.h"
#include "text/win/wide_chars.h"

using namespace nuvopick;
using namespace nuvopick::win;

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  Application().SetTitle(kApplicationTitle);

  // Wide: the ANSI command line would give a file name with characters outside
  // the code page as look-alikes or "?", the name of no file or of another one.
  const std::u16string firstArgument = FirstArgument(FromWideChars(GetCommandLineW()));

  TForm_main formMain(RunningExePath(), firstArgument);
  formMain.Create();

  std::unique_ptr<win::TForm_setup> formSetup;
  std::unique_ptr<TForm_icondlg> formIcondlg;
  if (SelectStartMode(firstArgument) == TStartMode::Setup) {
    UseVisualStyles();
    InitCommonControlsOnce();
    formSetup = std::make_unique<win::TForm_setup>(RunningExePath());
    formSetup->Create();
    formIcondlg = std::make_unique<TForm_icondlg>();
    formIcondlg->Create();
    formSetup->SetIconPicker(formIcondlg.get());
    // A second setup mode has already been refused and is ending.
    if (!Application().Terminated()) ShowWindow(formSetup->Handle(), SW_SHOWNORMAL);
  }

  Application().Run();
  return 0;
}
