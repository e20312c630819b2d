#include "setup/entry_editor.h"

#include <array>
#include <optional>
#include <utility>

#include "identity/program_identity.h"
#include "model/swap_contents.h"
#include "text/dbcs.h"
#include "text/text_helpers.h"

namespace nuvopick {
namespace {

// SW_SHOWNORMAL, SW_SHOWMAXIMIZED, SW_SHOWMINIMIZED, SW_HIDE in combo order.
constexpr std::array<std::int32_t, 4> kShowCmds = {1, 3, 2, 0};

// The folder with its final backslash.
std::string FolderPart(const std::string& path) {
  const std::size_t at = FindLastOfChars(path, "\\:");
  return at == std::string::npos ? std::string() : path.substr(0, at + 1);
}

}  // namespace

std::int32_t ShowCmdFromIndex(int index) {
  if (index < 0 || index >= static_cast<int>(kShowCmds.size())) return 1;
  return kShowCmds[static_cast<std::size_t>(index)];
}

int IndexFromShowCmd(std::int32_t showCmd) {
  for (std::size_t i = 0; i < kShowCmds.size(); ++i) {
    if (kShowCmds[i] == showCmd) return static_cast<int>(i);
  }
  return 0;
}

TEntryEditor::TEntryEditor(TListBoxEx& list, TEntryEditorContext context)
    : ListBoxEx_app(list), context_(std::move(context)) {
  Edit_name.SetText(kUnsetName);
  Edit_param.SetText(kDefaultParam);
  ComboBox_sw.SetItemIndex(0);
  Edit_shortcut.SetText(kUnsetName);
  EditEx_path.AcceptDragFile = true;
  EditEx_dir.AcceptDragFile = true;

  ListBoxEx_app.OnSelChange = [this] { ListBoxEx_appSelChange(); };
  AppUpButton.OnClick = [this] { MoveAppEntry(-1); };
  AppDownButton.OnClick = [this] { MoveAppEntry(+1); };
  Button_appnew.OnClick = [this] { NewAppEntry(); };
  Button_appadd.OnClick = [this] { AddAppEntry(); };
  Button_appchg.OnClick = [this] { ChangeAppEntry(); };
  Button_appdel.OnClick = [this] { DeleteAppEntry(); };
  Button_ref_path.OnClick = [this] { Button_ref_pathClick(); };
  Button_ref_dir.OnClick = [this] { Button_ref_dirClick(); };
  Button_assist_name.OnClick = [this] { Button_assist_nameClick(); };
  Button_assist_dir.OnClick = [this] { Button_assist_dirClick(); };
  EditEx_path.OnDropFiles = [this](const std::vector<std::string>& paths) {
    EditEx_pathDropFiles(paths);
  };
  EditEx_dir.OnDropFiles = [this](const std::vector<std::string>& paths) {
    EditEx_dirDropFiles(paths);
  };
  CheckBox_usecmdp.OnClick = [this] { CheckBox_usecmdpClick(); };
}

int TEntryEditor::Selected() const {
  const TExeList* list = context_.Entries();
  if (list == nullptr) return -1;
  const int index = ListBoxEx_app.ItemIndex();
  return index >= 0 && index < list->Count() ? index : -1;
}

void TEntryEditor::ListBoxEx_appSelChange() {
  const int index = Selected();
  if (index < 0) {
    Edit_name.SetText("");
    EditEx_path.SetText("");
    EditEx_dir.SetText("");
    Edit_param.SetText("");
    CheckBox_usecmdp.SetChecked(false);
    ComboBox_sw.SetItemIndex(-1);
    Edit_shortcut.SetText("");
  } else {
    const TExeInfo& entry = context_.Entries()->Items(index);
    Edit_name.SetText(entry.Name);
    EditEx_path.SetText(entry.AppPath);
    EditEx_dir.SetText(entry.DirPath);
    Edit_param.SetText(entry.Param);
    CheckBox_usecmdp.SetChecked(entry.IsUseCmdp);
    ComboBox_sw.SetItemIndex(IndexFromShowCmd(entry.ShowCmd));
    Edit_shortcut.SetText(entry.ShortcutKey.ToText());
  }
  CheckBox_usecmdpClick();
}

int TEntryEditor::AppendNewEntry(TExeList& list) {
  ListBoxEx_app.Add(kUnsetName);
  const int index = list.Add(kUnsetName, "", "", kDefaultParam, false, kNewEntryShowCmd);
  list.Items(index).SetModified(true);
  if (context_.EntryMarked) context_.EntryMarked();
  ListBoxEx_app.SetItemIndex(index);
  return index;
}

void TEntryEditor::NewAppEntry() {
  TExeList* list = context_.Entries();
  if (list == nullptr) return;
  AppendNewEntry(*list);
  context_.View.RepaintLists();
}

bool TEntryEditor::NameMissing() {
  if (!Edit_name.Text().empty()) return false;
  context_.Messages.Show(
      {kNoNameText, kApplicationTitle, TMessageButtons::Ok, TMessageIcon::None, true});
  return true;
}

void TEntryEditor::AddAppEntry() {
  if (NameMissing()) return;
  // Read before the new entry is selected, which refills the form.
  const std::string name = Edit_name.Text();
  const std::string appPath = EditEx_path.Text();
  const std::string dirPath = EditEx_dir.Text();
  const std::string param = Edit_param.Text();
  const bool isUseCmdp = CheckBox_usecmdp.Checked();
  const std::int32_t showCmd = ShowCmdFromIndex(ComboBox_sw.ItemIndex());
  TExeList* list = context_.Entries();
  if (list == nullptr) return;
  const int index = AppendNewEntry(*list);
  StoreAppEntry(index, name, appPath, dirPath, param, isUseCmdp, showCmd);
  context_.View.RepaintLists();
}

void TEntryEditor::ChangeAppEntry() {
  if (NameMissing()) return;
  const int index = Selected();
  if (index < 0) return;
  if (StoreAppEntry(index, Edit_name.Text(), EditEx_path.Text(), EditEx_dir.Text(),
                    Edit_param.Text(), CheckBox_usecmdp.Checked(),
                    ShowCmdFromIndex(ComboBox_sw.ItemIndex()))) {
    context_.View.RepaintLists();
  }
}

bool TEntryEditor::StoreAppEntry(int index, const std::string& name, const std::string& appPath,
                                 const std::string& dirPath, const std::string& param,
                                 bool isUseCmdp, std::int32_t showCmd) {
  TExeInfo& entry = context_.Entries()->Items(index);
  const bool changed = entry.Name != name || entry.AppPath != appPath || entry.DirPath != dirPath ||
                       entry.Param != param || entry.IsUseCmdp != isUseCmdp ||
                       entry.ShowCmd != showCmd;
  entry.Name = name;
  entry.AppPath = appPath;
  entry.DirPath = dirPath;
  entry.Param = param;
  entry.IsUseCmdp = isUseCmdp;
  entry.ShowCmd = showCmd;
  // Re-selects a selected item, so the form shows the entry as stored.
  ListBoxEx_app.SetItem(index, name);
  if (changed) {
    entry.SetModified(true);
    if (context_.EntryMarked) context_.EntryMarked();
  }
  return changed;
}

void TEntryEditor::DeleteAppEntry() {
  const int index = Selected();
  if (index < 0) return;
  context_.Entries()->Delete(index);
  ListBoxEx_app.Delete(index);
  // The next entry takes the deleted one's place; after the last, the one
  // before. An emptied list selects nothing and the form keeps what it showed.
  if (index < ListBoxEx_app.Count()) {
    ListBoxEx_app.SetItemIndex(index);
  } else if (index > 0) {
    ListBoxEx_app.SetItemIndex(index - 1);
  }
  context_.ListChanged();
}

void TEntryEditor::MoveAppEntry(int delta) {
  const int index = Selected();
  if (index < 0) return;
  TExeList& list = *context_.Entries();
  const int target = index + delta;
  if (target < 0 || target >= list.Count()) return;
  TExeInfo& a = list.Items(index);
  TExeInfo& b = list.Items(target);
  SwapContents(a, b);
  ListBoxEx_app.SetItem(index, a.Name);
  ListBoxEx_app.SetItem(target, b.Name);
  ListBoxEx_app.SetItemIndex(target);
  context_.ListChanged();
}

void TEntryEditor::FillNameAndDir(const std::string& path) {
  if (Edit_name.Text().empty() || Edit_name.Text() == kUnsetName) {
    Edit_name.SetText(FileNamePart(path));
  }
  if (EditEx_dir.Text().empty()) EditEx_dir.SetText(FolderPart(path));
}

void TEntryEditor::Button_ref_pathClick() {
  const std::optional<std::string> path = context_.Dialogs.OpenFile(kProgramFilter, "");
  if (!path) return;
  EditEx_path.SetText(*path);
  FillNameAndDir(*path);
}

void TEntryEditor::Button_ref_dirClick() {
  const std::optional<std::string> folder = context_.Dialogs.BrowseFolder();
  if (folder) EditEx_dir.SetText(*folder);
}

void TEntryEditor::Button_assist_nameClick() {
  Edit_name.SetText(FileNamePart(Unquote(EditEx_path.Text())));
}

void TEntryEditor::Button_assist_dirClick() {
  EditEx_dir.SetText(FolderPart(Unquote(EditEx_path.Text())));
}

void TEntryEditor::EditEx_pathDropFiles(const std::vector<std::string>& paths) {
  if (paths.empty()) return;
  EditEx_path.SetText(TrimBlanks(paths.front()));
}

void TEntryEditor::EditEx_dirDropFiles(const std::vector<std::string>& paths) {
  if (paths.empty()) return;
  const std::string path = TrimBlanks(paths.front());
  EditEx_dir.SetText(context_.Files.DirectoryExists(path) ? path : ParentDir(path));
}

void TEntryEditor::CheckBox_usecmdpClick() {
  // A program started through the command interpreter gets no show state.
  const bool enabled = !CheckBox_usecmdp.Checked();
  Label_sw.SetEnabled(enabled);
  ComboBox_sw.SetEnabled(enabled);
}

void TEntryEditor::CaptureShortcut(unsigned keyCode, TShiftState shift) {
  const int index = Selected();
  if (index < 0) return;
  TShortcutKey& key = context_.Entries()->Items(index).ShortcutKey;
  // Only digits and capital letters stay; a modifier pressed alone, like any
  // other key, leaves no key with its modifiers set.
  key.SetKey(static_cast<std::uint8_t>(keyCode & 0xFF));
  key.Shift = shift.Shift;
  key.Alt = shift.Alt;
  key.Ctrl = shift.Ctrl;
  Edit_shortcut.SetText(key.ToText());
  context_.EnableApply();
}

void TEntryEditor::FinishShortcut() {
  const int index = Selected();
  if (index < 0) return;
  TShortcutKey& key = context_.Entries()->Items(index).ShortcutKey;
  if (key.Key != 0) return;
  key.Shift = false;
  key.Alt = false;
  key.Ctrl = false;
  Edit_shortcut.SetText("-");
}

void TEntryEditor::Edit_nameExit() {
  if (Edit_name.Text().empty()) Edit_name.SetText(kUnsetName);
}

TExtRowLook TEntryEditor::DrawItem(int index) const {
  const TExeList* list = context_.Entries();
  const bool modified = list != nullptr && index < list->Count() && list->Items(index).Modified;
  TExtRowLook look;
  look.Text = ListBoxEx_app.Item(index).empty() ? kUnsetName : ListBoxEx_app.Item(index);
  if (index == ListBoxEx_app.ItemIndex()) {
    look.BackColor = modified ? kRowSelectedModifiedBack : kRowSelectedBack;
    look.TextColor = kRowWhite;
  } else {
    look.TextColor = modified ? kRowModifiedText : kRowBlack;
  }
  return look;
}

}  // namespace nuvopick
