#include "iconpick/icon_picker.h"

#include <gtest/gtest.h>
#include <map>
#include <vector>

#include "support/memory_file_system.h"

namespace nuvopick {
namespace {

constexpr char kExe[] = "C:\\NuvoPick\\NuvoPick.exe";
constexpr char kLib[] = "C:\\icons\\thirteen.dll";
constexpr std::uintptr_t kSetupWindow = 0x1234;

// A window that knows how many icons each file has and keeps what was sent.
class FakeIconPickerView : public IIconPickerView {
 public:
  std::map<std::string, int> iconCounts;
  std::vector<std::string> loads;
  std::optional<std::string> chosenFile;
  std::string dialogFolder;
  std::vector<TIconDialogCloseRecord> sent;
  std::uintptr_t sentTo = 0;
  bool shown = false;

  int LoadIcons(const std::string& file) override {
    loads.push_back(file);
    return iconCounts[file];
  }
  void ClearIcons() override {}
  void RepaintGrid() override {}
  std::optional<std::string> ChooseIconFile(const std::string& folder) override {
    dialogFolder = folder;
    return chosenFile;
  }
  void ShowCentred() override { shown = true; }
  void SendClosed(std::uintptr_t window, const TIconDialogCloseRecord& record) override {
    sentTo = window;
    sent.push_back(record);
  }
  void Hide() override { shown = false; }
};

class IconPickerTest : public ::testing::Test {
 protected:
  IconPickerTest() {
    view.iconCounts = {{kExe, 2}, {kLib, 13}, {kInitialIconFile, 30}};
    for (const auto& [file, count] : view.iconCounts) files.files[file] = "";
  }

  const TIconDialogCloseRecord& LastSent() const { return view.sent.back(); }

  testing::MemoryFileSystem files;
  FakeIconPickerView view;
  TIconPicker picker{view, files, kExe};
};

TEST(IconGridTest, CellsRowsAndLabels) {
  struct Case {
    int index;
    TIconCell cell;
  };
  for (const Case& c : {Case{0, {0, 0}}, Case{5, {0, 5}}, Case{6, {1, 0}}, Case{20, {3, 2}}}) {
    EXPECT_EQ(CellOfIconIndex(c.index), c.cell) << c.index;
    EXPECT_EQ(IconIndexOfCell(c.cell), c.index) << c.index;
  }
  for (auto [count, rows] : {std::pair{0, 1}, {1, 1}, {6, 1}, {7, 2}, {13, 3}}) {
    EXPECT_EQ(IconRowsFor(count), rows) << count;
  }
  EXPECT_EQ(IconIndexLabel({2, 0}, 13), "12");
  EXPECT_EQ(IconIndexLabel({2, 1}, 13), "-");
  EXPECT_EQ(IconIndexLabel({0, 0}, 0), "-");
}

TEST_F(IconPickerTest, OpensOnTheGivenIconAndLoadsEvenWhenTheBoxShowsTheFile) {
  picker.ShowIconPicker(4, kInitialIconFile, kSetupWindow, 20);

  EXPECT_EQ(view.loads, std::vector<std::string>{kInitialIconFile});
  EXPECT_EQ(picker.Label_iconidx.Text(), "20");
  EXPECT_EQ(picker.CurrentCell(), (TIconCell{3, 2}));
  EXPECT_EQ(picker.RowCount(), 5);
  EXPECT_TRUE(view.shown);
}

TEST_F(IconPickerTest, AMissingFileOpensOnTheProgramsOwnIcon) {
  picker.ShowIconPicker(0, "C:\\gone\\old.ico", kSetupWindow, 7);

  EXPECT_EQ(picker.Edit_icon.Text(), kExe);
  EXPECT_EQ(picker.Label_iconidx.Text(), "1");
  EXPECT_EQ(picker.CurrentCell(), (TIconCell{0, 1}));
}

TEST_F(IconPickerTest, AnIndexPastTheFilesIconsSelectsTheLastIcon) {
  picker.ShowIconPicker(0, kLib, kSetupWindow, 40);

  EXPECT_EQ(picker.Label_iconidx.Text(), "12");
  EXPECT_EQ(picker.CurrentCell(), (TIconCell{2, 0}));
}

TEST_F(IconPickerTest, ThirteenIconsGiveThreeRowsAndEmptyCellsShowADash) {
  picker.ShowIconPicker(0, kLib, kSetupWindow, 0);
  EXPECT_EQ(picker.RowCount(), 3);

  picker.DrawGrid_iconSelectCell({2, 3});
  EXPECT_EQ(picker.Label_iconidx.Text(), "-");
  picker.Button_OK.Click();

  EXPECT_TRUE(LastSent().Accepted);
  EXPECT_EQ(LastSent().IconFile, "");
  EXPECT_EQ(LastSent().IconIndex, 0);
}

TEST_F(IconPickerTest, TypingAMissingPathEmptiesTheGridAndOkSendsNoIcon) {
  picker.ShowIconPicker(0, kLib, kSetupWindow, 9);
  picker.Edit_icon.SetText("C:\\nothing.dll");

  EXPECT_EQ(picker.IconCount(), 0);
  EXPECT_EQ(picker.RowCount(), 3);  // the rows stay
  EXPECT_EQ(picker.CurrentCell(), (TIconCell{0, 0}));
  EXPECT_EQ(picker.Label_iconidx.Text(), "-");

  picker.Button_OK.Click();
  EXPECT_TRUE(LastSent().Accepted);
  EXPECT_EQ(LastSent().IconFile, "");
  EXPECT_EQ(LastSent().IconIndex, 0);
}

// Each way of closing sends one record to the setup window with the extension's
// position and the chosen icon; only OK and the double click accept it.
TEST_F(IconPickerTest, EveryClosingSendsTheChoiceAndOnlyOkOrDoubleClickAccept) {
  struct Case {
    const char* name;
    void (TIconPicker::*close)();
    bool accepted;
  };
  for (const Case& c : {Case{"OK", &TIconPicker::Button_OKClick, true},
                        Case{"double click", &TIconPicker::DrawGrid_iconDblClick, true},
                        Case{"Cancel", &TIconPicker::Button_cancelClick, false},
                        Case{"close box", &TIconPicker::FormClose, false}}) {
    view.sent.clear();
    picker.ShowIconPicker(3, kLib, kSetupWindow, 2);
    picker.DrawGrid_iconSelectCell({1, 4});
    (picker.*c.close)();

    ASSERT_EQ(view.sent.size(), 1u) << c.name;
    EXPECT_EQ(view.sentTo, kSetupWindow) << c.name;
    EXPECT_EQ(LastSent().ExtIndex, 3) << c.name;
    EXPECT_EQ(LastSent().IconFile, kLib) << c.name;
    EXPECT_EQ(LastSent().IconIndex, 10) << c.name;
    EXPECT_EQ(LastSent().Accepted, c.accepted) << c.name;
    EXPECT_FALSE(view.shown) << c.name;
  }
}

TEST_F(IconPickerTest, AFileChosenInTheDialogIsLoadedFromItsFirstIcon) {
  picker.ShowIconPicker(0, kInitialIconFile, kSetupWindow, 20);

  picker.Button_fdlg.Click();  // cancelled
  EXPECT_EQ(view.dialogFolder, kInitialIconFile);
  EXPECT_EQ(picker.Edit_icon.Text(), kInitialIconFile);

  view.chosenFile = kLib;
  picker.Button_fdlg.Click();
  EXPECT_EQ(picker.Edit_icon.Text(), kLib);
  EXPECT_EQ(picker.IconCount(), 13);
  EXPECT_EQ(picker.CurrentCell(), (TIconCell{0, 0}));
  EXPECT_EQ(picker.Label_iconidx.Text(), "0");
}

}  // namespace
}  // namespace nuvopick
