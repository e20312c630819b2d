// A setup form on in-memory files and class store, with recording services and
// view that write into one log.
#pragma once

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "setup/form_setup.h"
#include "support/memory_file_system.h"
#include "support/memory_registry.h"
#include "support/recording_setup_services.h"
#include "support/recording_setup_view.h"
#include "support/recording_shell_execute.h"
#include "support/recording_sound.h"
#include "support/scripted_choose_dialogs.h"
#include "support/scripted_file_dialogs.h"
#include "support/scripted_message_box.h"

namespace nuvopick {

using Names = std::vector<std::string>;

// The names of a list's entries, in order.
inline Names EntryNames(const TExeList& list) {
  Names names;
  for (int i = 0; i < list.Count(); ++i) names.push_back(list.Items(i).Name);
  return names;
}

inline constexpr char kExe[] = "C:\\Tools\\np.exe";
inline constexpr char kIni[] = "C:\\Tools\\np.ini";

class SetupTest : public ::testing::Test {
 protected:
  // Starts setup mode on a settings file with these lines ("\n" between lines);
  // no file at all for nothing.
  TForm_setup& Start(const std::string* iniText = nullptr) {
    if (iniText != nullptr) files.files[kIni] = *iniText;
    form = std::make_unique<TForm_setup>(services, view, kExe);
    notice.probe = [this] { return form->Caption.Text(); };
    form->Dispatch([this] { form->FormCreate(); });
    startLog = std::move(log);
    log.clear();
    return *form;
  }
  TForm_setup& Start(const std::string& iniText) { return Start(&iniText); }

  // Runs a handler as the window does, through the default error display.
  bool Run(const std::function<void()>& command) { return form->Dispatch(command); }

  bool ApplyEnabled() const {
    EXPECT_EQ(form->Button_apply.Enabled(), form->Button_reload.Enabled());
    return form->Button_apply.Enabled();
  }

  std::string Ini() const {
    auto it = files.files.find(kIni);
    return it == files.files.end() ? "<no file>" : it->second;
  }

  testing::MemoryFileSystem files;
  testing::MemoryClasses store;
  testing::ScriptedMessageBox messages;
  testing::ScriptedFileDialogs dialogs;
  testing::EventLog log;
  // What the start did; Log then starts empty.
  testing::EventLog startLog;
  testing::RecordingInstanceLock instance{log};
  testing::RecordingTrayIcon tray{log};
  testing::RecordingShellNotice notice{log};
  testing::RecordingSetupView view{log};
  testing::RecordingShellExecute shell;
  testing::RecordingSound sound;
  testing::ScriptedChooseDialogs choose;
  TSetupServices services{files, dialogs, store.Hives(), messages, instance,
                          tray,  notice,  shell,         sound,    choose};
  std::unique_ptr<TForm_setup> form;
};

}  // namespace nuvopick
