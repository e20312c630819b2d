// The pages of the setup window and the tree that selects them: one number per
// page, shared by the tree, the page control, the hint table and the window
// code that places each page's controls.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace nuvopick {

// The tree's nodes and PageControl_base's pages, in the same order: node N
// shows page N.
enum TSetupPageIndex : int {
  kRootPage,
  kApplicationsPage,   // "アプリケーション設定"
  kExtensionsPage,     // "拡張子別"
  kCommonEntriesPage,  // "全拡張子共通"
  kGateModePage,       // "関連付け実行モード"
  kGeneralPage,        // "一般"
  kAppearancePage,     // "外観・サウンド"
  kContextMenuPage,    // "コンテキストメニュー"
  kSetupModePage,      // "設定モード"
};

// The top node has no parent.
inline constexpr int kNoParentPage = -1;

// The pages of the tree: caption, parent node, page shown.
struct TSetupPage {
  std::string_view Caption;
  int Parent;
  TSetupPageIndex PageIndex;
};
inline constexpr std::array<TSetupPage, 9> kSetupPages = {{
    {"Root", kNoParentPage, kRootPage},
    {"アプリケーション設定", kRootPage, kApplicationsPage},
    {"拡張子別", kApplicationsPage, kExtensionsPage},
    {"全拡張子共通", kApplicationsPage, kCommonEntriesPage},
    {"関連付け実行モード", kRootPage, kGateModePage},
    {"一般", kGateModePage, kGeneralPage},
    {"外観・サウンド", kGateModePage, kAppearancePage},
    {"コンテキストメニュー", kRootPage, kContextMenuPage},
    {"設定モード", kRootPage, kSetupModePage},
}};

constexpr bool EveryNodeShowsItsOwnPage() {
  for (std::size_t i = 0; i < kSetupPages.size(); ++i) {
    if (kSetupPages[i].PageIndex != static_cast<int>(i)) return false;
  }
  return true;
}
static_assert(EveryNodeShowsItsOwnPage());

}  // namespace nuvopick
