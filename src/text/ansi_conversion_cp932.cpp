// Code page 932 through iconv, for builds without the Windows API.
#include <iconv.h>

#include <cerrno>
#include <vector>

#include "text/ansi_conversion.h"

namespace nuvopick {
namespace {

constexpr char16_t kReplacementChar = u'\xFFFD';

class TIconv {
 public:
  TIconv(const char* to, const char* from) : handle_(iconv_open(to, from)) {}
  TIconv(const TIconv&) = delete;
  TIconv& operator=(const TIconv&) = delete;
  ~TIconv() {
    if (Valid()) iconv_close(handle_);
  }
  bool Valid() const { return handle_ != reinterpret_cast<iconv_t>(-1); }

  // Converts as much of In as it can into Out; false at a byte sequence that it
  // cannot convert, In then stops there.
  bool Convert(const char*& in, std::size_t& inLeft, std::vector<char>& out) {
    char buffer[256];
    while (inLeft > 0) {
      char* outPos = buffer;
      std::size_t outLeft = sizeof buffer;
      char* inPos = const_cast<char*>(in);
      const std::size_t result = iconv(handle_, &inPos, &inLeft, &outPos, &outLeft);
      in = inPos;
      out.insert(out.end(), buffer, outPos);
      if (result == static_cast<std::size_t>(-1) && errno != E2BIG) return false;
    }
    return true;
  }

 private:
  iconv_t handle_;
};

}  // namespace

std::u16string ConvertFromAnsi(const std::string& text) {
  TIconv iconv("UTF-16LE", "CP932");
  std::u16string wide;
  if (!iconv.Valid()) return wide;
  const char* in = text.data();
  std::size_t inLeft = text.size();
  std::vector<char> out;
  while (!iconv.Convert(in, inLeft, out)) {
    // A byte that starts no character: it stands for one character of its own.
    out.push_back(static_cast<char>(kReplacementChar & 0xFF));
    out.push_back(static_cast<char>(kReplacementChar >> 8));
    ++in;
    --inLeft;
  }
  for (std::size_t i = 0; i + 1 < out.size(); i += 2) {
    wide += static_cast<char16_t>(static_cast<unsigned char>(out[i]) |
                                  static_cast<unsigned char>(out[i + 1]) << 8);
  }
  return wide;
}

std::optional<std::string> ConvertToAnsi(const std::u16string& text) {
  TIconv iconv("CP932", "UTF-16LE");
  if (!iconv.Valid()) return std::nullopt;
  std::string bytes;
  for (char16_t c : text) {
    bytes += static_cast<char>(c & 0xFF);
    bytes += static_cast<char>(c >> 8);
  }
  const char* in = bytes.data();
  std::size_t inLeft = bytes.size();
  std::vector<char> out;
  if (!iconv.Convert(in, inLeft, out)) return std::nullopt;
  return std::string(out.begin(), out.end());
}

}  // namespace nuvopick
