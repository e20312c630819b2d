#include "setup/win/win_file_dialogs.h"

#include <commdlg.h>

#include <vector>

#include "controls/system_paths.h"
#include "controls/win/browse_folder_win.h"
#include "platform/win/lazy_library.h"
#include "platform/win/win_setup_services.h"
#include "text/ansi_text.h"
#include "text/dbcs.h"
#include "text/win/wide_chars.h"

namespace nuvopick::win {
namespace {

// "name|pattern|..." as the dialog wants it: each part closed by a NUL, the
// list by one more. A '|' inside a double-byte character is not a separator.
std::string DialogFilterOf(const std::string& filter) {
  std::string parts;
  for (std::size_t pos = 0; pos < filter.size();) {
    const std::size_t next = NextCharPos(filter, pos);
    if (next == pos + 1 && filter[pos] == '|') {
      parts += '\0';
    } else {
      parts.append(filter, pos, next - pos);
    }
    pos = next;
  }
  if (parts.empty() || parts.back() != '\0') parts += '\0';
  parts += '\0';
  return parts;
}

}  // namespace

// Wide: the ANSI dialog would answer a name outside the code page with
// look-alikes or "?"; such a name is refused instead.
std::optional<std::string> TWinFileDialogs::OpenFile(const std::string& filter,
                                                     const std::string& initialDir) {
  auto* open = LazyFunction<decltype(GetOpenFileNameW)>("comdlg32.dll", "GetOpenFileNameW");
  if (open == nullptr) return std::nullopt;
  const std::u16string filterParts = WidenAnsi(DialogFilterOf(filter));
  const std::u16string folder = WidenAnsi(initialDir);
  // Room for paths beyond MAX_PATH.
  std::u16string file(4096, u'\0');
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner_;
  // No filter at all offers every file.
  dialog.lpstrFilter = filter.empty() ? nullptr : WideChars(filterParts);
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = WideChars(file);
  dialog.nMaxFile = static_cast<DWORD>(file.size());
  dialog.lpstrInitialDir = folder.empty() ? nullptr : WideChars(folder);
  dialog.Flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
  if (!open(&dialog)) return std::nullopt;
  file.resize(file.find(u'\0'));
  TWinMessageBox messages;
  messages.SetOwner(owner_);
  return StorablePath(file, messages);
}

std::optional<std::string> TWinFileDialogs::BrowseFolder() {
  if (!ExecuteBrowseFolder(browseFolder_, owner_)) return std::nullopt;
  return browseFolder_.SelectedDir();
}

}  // namespace nuvopick::win
