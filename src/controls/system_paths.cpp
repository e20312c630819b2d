#include "controls/system_paths.h"

#include <cstdio>

#include "identity/program_identity.h"
#include "text/ansi_text.h"

namespace nuvopick {
namespace {

constexpr char kUnstorableHead[] =
    "次のパスには、設定ファイルの文字コード（シフトJIS）で表せない文字が含まれて"
    "いるため、使えません。\n\n";
constexpr char kUnstorableTail[] =
    "\n表せない文字は [U+XXXX] の形で示しています。"
    "フォルダー名やファイル名をその文字を使わない名前に変えてから、もう一度選んでください。";

bool IsHighSurrogate(char16_t c) {
  return c >= 0xD800 && c <= 0xDBFF;
}
bool IsLowSurrogate(char16_t c) {
  return c >= 0xDC00 && c <= 0xDFFF;
}

// Path with every character that the code page lacks written as [U+XXXX].
std::string ShownPath(const std::u16string& path) {
  std::string shown;
  for (std::size_t i = 0; i < path.size();) {
    std::size_t length = 1;
    char32_t code = path[i];
    if (IsHighSurrogate(path[i]) && i + 1 < path.size() && IsLowSurrogate(path[i + 1])) {
      length = 2;
      code = 0x10000 + ((code - 0xD800) << 10) + (path[i + 1] - 0xDC00);
    }
    if (const std::optional<std::string> narrow = NarrowAnsi(path.substr(i, length))) {
      shown += *narrow;
    } else {
      char marked[16];
      std::snprintf(marked, sizeof marked, "[U+%04X]", static_cast<unsigned>(code));
      shown += marked;
    }
    i += length;
  }
  return shown;
}

// The warning for Refused paths, one a line.
TMessageRequest UnstorablePathsMessage(const std::vector<std::u16string>& refused) {
  std::string text = kUnstorableHead;
  for (const std::u16string& path : refused) text += ShownPath(path) + "\n";
  text += kUnstorableTail;
  return {text, kApplicationTitle, TMessageButtons::Ok, TMessageIcon::Warning, true};
}

}  // namespace

std::vector<std::string> StorablePaths(const std::vector<std::u16string>& paths,
                                       IMessageBox& messages) {
  std::vector<std::string> storable;
  std::vector<std::u16string> refused;
  for (const std::u16string& path : paths) {
    if (std::optional<std::string> narrow = NarrowAnsi(path)) {
      storable.push_back(std::move(*narrow));
    } else {
      refused.push_back(path);
    }
  }
  if (!refused.empty()) messages.Show(UnstorablePathsMessage(refused));
  return storable;
}

std::optional<std::string> StorablePath(const std::u16string& path, IMessageBox& messages) {
  std::vector<std::string> storable = StorablePaths({path}, messages);
  if (storable.empty()) return std::nullopt;
  return std::move(storable.front());
}

}  // namespace nuvopick
