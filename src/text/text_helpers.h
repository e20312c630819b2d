// Small text and path helpers used all over the program: extension names and their
// registry keys, paths, the parameter template, registry command lines and icon
// locations, and clamping of setting values. Texts are 8-bit strings in the
// system's ANSI code page; every scan for "\", ":", ".", "\"" or blanks walks whole
// characters, so the second byte of a double-byte character never matches.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace nuvopick {

// Characters taken out of an extension name typed in the setup window: they cannot
// stand in a registry key name or an ini section name of ours.
inline constexpr char kExtNameRemovedChars[] = "\\/:,;*?\"<>|.";

// "txt" -> ".txt"; a text that starts with "." and the empty text stay as they are.
std::string AddDot(const std::string& text);
// Takes off exactly one leading ".": "..txt" -> ".txt".
std::string RemoveDot(const std::string& text);

// Folder and name with exactly one "\" between them; one trailing "\" of the folder
// and one leading "\" of the name are dropped. An empty side gives the other side.
std::string JoinPath(const std::string& folder, const std::string& name);

// Every occurrence of every character of Chars removed, ASCII letters matched
// without regard to case.
std::string RemoveChars(const std::string& text, const std::string& chars);

int MaxOf(int a, int b);

// The parameter template of an entry with "%1" replaced by FirstArgument (the file
// being opened, without quotes: the template carries its own) and "%%" by "%". A
// "%" before any other character is dropped; a "%" at the very end stays. In
// UTF-16: the template comes widened from the code page, the file name as the
// system gave it.
std::u16string ExpandParam(const std::u16string& paramTemplate,
                           const std::u16string& firstArgument);

// ExpandParam's result in its pieces, in order: the template's own text, and
// FirstArgument wherever "%1" stands (IsArgument set), for callers that must
// treat the file's path apart from the text around it.
void ExpandParamParts(
    const std::u16string& paramTemplate, const std::u16string& firstArgument,
    const std::function<void(const std::u16string& text, bool isArgument)>& append);

// Blanks and control characters taken off both ends.
std::string TrimBlanks(const std::string& text);

// The part of a path after its last "\" or ":": "C:\a\b.txt" -> "b.txt".
std::string FileNamePart(const std::string& path);

// Drops every leading and then every trailing double quote; inner quotes stay.
std::string Unquote(const std::string& text);
std::u16string Unquote(const std::u16string& text);

// The integer conversion used for numbers typed by users or stored by the system:
// leading blanks skipped, an optional sign, then decimal digits or hexadecimal
// ones after "$" or "0x". Nothing else may follow, not even blanks. Values outside
// the signed 32-bit range do not convert.
std::optional<std::int32_t> ParseInteger(const std::string& text);

struct TIconLocation {
  std::string Path;
  std::int32_t Index = 0;
};

// "shell32.dll,-154" -> shell32.dll and -154. Without a comma the index is 0, as it
// is when the part after the first comma does not convert. Quotes stay in Path.
TIconLocation SplitIconLocation(const std::string& text);

struct TCommandLineParts {
  std::string Program;
  std::string Arguments;
};

// Splits a registry command line at its first space outside double quotes, after
// trimming it. Quotes stay in Program; further blanks stay at the start of
// Arguments. An unquoted program path with blanks is cut at its first blank.
TCommandLineParts SplitCommandLine(const std::string& text);

// The folder of a path, after dropping one trailing "\": "C:\a\b\" -> "C:\a",
// "C:\a" -> "C:\", "a.txt" -> "".
std::string ParentDir(const std::string& path);

// The folder part of a path by the platform's directory rule: everything before
// the last "\" or ":", the "\" kept after ":" or "\" (so a root such as "C:\"
// keeps it): "C:\a\b.txt" -> "C:\a", "C:\a" -> "C:\", "C:\a\" -> "C:\a",
// "a.txt" -> "".
std::string FileDir(const std::string& path);

// High when Value is above it, else Low when Value is below it, else Value.
int Clamp(int value, int low, int high);
int Clamp01(int value);

// Position of the first item equal to Text (case counts), or -1.
int IndexOfText(const std::string& text, const std::vector<std::string>& items);

}  // namespace nuvopick
