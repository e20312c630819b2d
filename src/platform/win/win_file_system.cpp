#include "platform/win/win_file_system.h"

#include <windows.h>

#include <algorithm>

#include "platform/win/handle.h"

namespace nuvopick::win {
namespace {

DWORD Attributes(const std::string& path) {
  return GetFileAttributesA(path.c_str());
}

constexpr DWORD kReadPieceSize = 64 * 1024;

// Shared for writing and deleting too: a reader never stands in the way of the
// setup window's save, and keeps reading the file it opened.
TKernelHandle OpenForReading(const std::string& path) {
  return TKernelHandle(CreateFileA(path.c_str(), GENERIC_READ,
                                   FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                   OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
}

// A name in the folder of Path that no other writer uses: the process id and a counter.
std::string TemporaryPathBeside(const std::string& path) {
  static unsigned counter = 0;
  return path + "." + std::to_string(GetCurrentProcessId()) + "." + std::to_string(++counter) +
         ".tmp";
}

bool WriteWholeFile(const std::string& path, const std::string& bytes) {
  TKernelHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                 FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.Valid()) return false;
  std::size_t done = 0;
  while (done < bytes.size()) {
    DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 20));
    DWORD written = 0;
    if (!WriteFile(file.Get(), bytes.data() + done, chunk, &written, nullptr) || written == 0) {
      return false;
    }
    done += written;
  }
  return FlushFileBuffers(file.Get()) != FALSE;
}

// Moves Temporary over Path. Pick lists may be reading Path at that moment: a
// move over an open file fails even when its readers share deleting, a replace
// does not. The old file goes to a backup name on the way, so that whichever
// step fails, it can be put back under its own.
bool PutInPlace(const std::string& temporary, const std::string& path) {
  if (Attributes(path) == INVALID_FILE_ATTRIBUTES) {  // the first save: nothing to replace
    return MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_WRITE_THROUGH) != FALSE;
  }
  const std::string backup = TemporaryPathBeside(path);
  if (ReplaceFileA(path.c_str(), temporary.c_str(), backup.c_str(), REPLACEFILE_IGNORE_MERGE_ERRORS,
                   nullptr, nullptr)) {
    // Readers that still hold the old file keep it until they close it.
    DeleteFileA(backup.c_str());
    return true;
  }
  if (Attributes(path) == INVALID_FILE_ATTRIBUTES) {
    MoveFileExA(backup.c_str(), path.c_str(), MOVEFILE_WRITE_THROUGH);
  }
  return false;
}

}  // namespace

bool TWinFileSystem::FileExists(const std::string& path) const {
  DWORD attributes = Attributes(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool TWinFileSystem::DirectoryExists(const std::string& path) const {
  DWORD attributes = Attributes(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::optional<std::string> TWinFileSystem::ReadAll(const std::string& path) const {
  const TKernelHandle file = OpenForReading(path);
  if (!file.Valid()) return std::nullopt;
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.Get(), &size) || size.QuadPart < 0 || size.QuadPart > (1LL << 30)) {
    return std::nullopt;
  }
  // One buffer of the file's size and one read into it (a size of at most 1 GiB
  // fits the call's count); more reads only when a read returns less than asked.
  std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
  std::size_t done = 0;
  while (done < bytes.size()) {
    DWORD read = 0;
    const DWORD rest = static_cast<DWORD>(bytes.size() - done);
    if (!ReadFile(file.Get(), bytes.data() + done, rest, &read, nullptr)) return std::nullopt;
    if (read == 0) break;
    done += read;
  }
  bytes.resize(done);
  return bytes;
}

bool TWinFileSystem::ReadPieces(const std::string& path,
                                const std::function<void(std::string_view)>& take) const {
  const TKernelHandle file = OpenForReading(path);
  if (!file.Valid()) return false;
  // A small buffer used again and again: one of the file's size would have its
  // every page touched for the first time, which costs more than the reading.
  std::string buffer(kReadPieceSize, '\0');
  for (;;) {
    DWORD read = 0;
    if (!ReadFile(file.Get(), buffer.data(), kReadPieceSize, &read, nullptr)) return false;
    if (read == 0) return true;
    take(std::string_view(buffer.data(), read));
  }
}

bool TWinFileSystem::WriteAllAtomically(const std::string& path, const std::string& bytes) {
  const std::string temporary = TemporaryPathBeside(path);
  if (!WriteWholeFile(temporary, bytes) || !PutInPlace(temporary, path)) {
    DeleteFileA(temporary.c_str());
    return false;
  }
  return true;
}

bool TWinFileSystem::RemoveFile(const std::string& path) {
  return DeleteFileA(path.c_str()) != FALSE;
}

}  // namespace nuvopick::win
