#include "gate/gathered_files.h"

#include <cstdint>
#include <utility>

#include "gate/launch_request.h"

namespace nuvopick {
namespace {

// The longest path the system's wide calls take.
constexpr std::size_t kMaxPathLength = 32767;
// Longer extension keys are hashed, to keep the mark's name short.
constexpr std::size_t kMaxKeyLength = 64;

constexpr char16_t AsciiUpper(char16_t c) {
  return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c;
}

std::uint64_t Fnv1a(const std::u16string& text) {
  std::uint64_t hash = 14695981039346656037ull;
  for (char16_t c : text) {
    hash = (hash ^ (c & 0xFF)) * 1099511628211ull;
    hash = (hash ^ (c >> 8)) * 1099511628211ull;
  }
  return hash;
}

std::u16string Hex(std::uint64_t value, int digits) {
  std::u16string text(static_cast<std::size_t>(digits), u'0');
  for (int i = digits - 1; i >= 0; --i, value >>= 4) {
    text[static_cast<std::size_t>(i)] = u"0123456789ABCDEF"[value & 0xF];
  }
  return text;
}

// The extension without its dot: ASCII letters upper-cased, digits kept, every
// other code unit as "_" and four hexadecimal digits. Mark names allow no "\".
std::u16string ExtensionKey(const std::u16string& path) {
  std::u16string key;
  const std::u16string ext = FileExtensionOf(path);
  for (std::size_t i = ext.empty() ? 0 : 1; i < ext.size(); ++i) {
    const char16_t c = AsciiUpper(ext[i]);
    if ((c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9')) {
      key += c;
    } else {
      key += u'_' + Hex(c, 4);
    }
  }
  if (key.size() > kMaxKeyLength) key = u'~' + Hex(Fnv1a(key), 16);
  return key;
}

std::u16string Decimal(std::size_t value) {
  std::u16string text;
  do {
    text.insert(text.begin(), static_cast<char16_t>(u'0' + value % 10));
    value /= 10;
  } while (value != 0);
  return text;
}

}  // namespace

std::u16string GatherMarkName(const std::string& exePath, const std::u16string& openedFile) {
  std::u16string folded;
  for (char c : exePath) folded += AsciiUpper(static_cast<unsigned char>(c));
  return u"Local\\NuvoPick_Gather_" + Hex(Fnv1a(folded), 16) + u"_" + ExtensionKey(openedFile);
}

TGatheredFiles::TGatheredFiles(std::u16string first) : key_(ExtensionKey(first)) {
  files_.push_back(std::move(first));
}

bool TGatheredFiles::Accept(const std::u16string& path) {
  if (!open_ || path.empty() || path.size() > kMaxPathLength) return false;
  if (path.find(u'\0') != std::u16string::npos) return false;
  if (ExtensionKey(path) != key_) return false;
  files_.push_back(path);
  return true;
}

std::u16string GatheredFilesHint(const std::vector<std::u16string>& files) {
  if (files.empty()) return {};
  std::u16string hint = files.front();
  if (files.size() > 1) {
    hint += u"\r\nほか " + Decimal(files.size() - 1) + u" 個のファイル (全 " +
            Decimal(files.size()) + u" 個)";
  }
  return hint;
}

}  // namespace nuvopick
