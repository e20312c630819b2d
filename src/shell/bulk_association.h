// The bulk commands of the setup window's extra menu: one registration flag
// switched on or off for every extension record of the working list at once.
// Only the records change; the registry follows at the next apply.
#pragma once

#include <array>

#include "model/ext_list.h"
#include "model/reg_flags.h"

namespace nuvopick {

// One bulk command: the flag it works on, whether it sets or clears it, and the
// question asked (caption "確認", Yes / No) before anything changes.
struct TBulkCommand {
  TRegMode Flag;
  bool Set;
  const char* Question;
};

inline constexpr TBulkCommand kAssociateAll = {rlmdExe, true,
                                               "全ての拡張子に関連付けしてよろしいですか?"};
inline constexpr TBulkCommand kContextMenuAll = {
    rlmdContextMenu, true, "全ての拡張子のコンテキストメニューに表示してよろしいですか?"};
inline constexpr TBulkCommand kReleaseAll = {rlmdExe, false,
                                             "全ての拡張子の関連付けを外してよろしいですか?"};
inline constexpr TBulkCommand kContextMenuNone = {
    rlmdContextMenu, false, "全ての拡張子のコンテキストメニューから外してよろしいですか?"};

// Sets or clears the command's flag in every record where it is not yet so,
// leaving the other flag alone, and marks exactly those records as modified.
// Returns whether any record changed.
bool ApplyBulkCommand(TExtList& exts, const TBulkCommand& command);

}  // namespace nuvopick
