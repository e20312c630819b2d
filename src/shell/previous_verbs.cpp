#include "shell/previous_verbs.h"

#include "model/ext_reg_names.h"
#include "text/dbcs.h"
#include "text/text_helpers.h"

namespace nuvopick {
namespace {

// The file name of a path without its extension: after the last "\" or ":", up to
// the file name's last "." ("notepad.exe" -> "notepad"; a name without a dot whole).
std::string BaseName(const std::string& path) {
  const std::string name = FileNamePart(path);
  const std::size_t dot = FindLastOfChars(name, ".");
  return dot == std::string::npos ? name : name.substr(0, dot);
}

}  // namespace

std::string PreviousFileType(const TAssociationContext& context, const std::string& extName) {
  const TExtRegNames names = ExtRegNamesFor(extName);
  // No extension: its class key would be the root of the class store.
  if (names.E.empty()) return "";
  const std::optional<std::string> current =
      MergedClasses(context.Hives, context.Scope).ReadDefault(names.D);
  if (!current) return "";
  // Taken over: the type the extension had before is the one recorded then.
  if (IsProgramType(*current)) return TRegistryAssociation(context).RecordedPreviousType(extName);
  return *current;
}

std::optional<TPreviousVerbEntry> EntryFromVerb(const std::string& verb,
                                                const std::string& command) {
  const TCommandLineParts parts = SplitCommandLine(command);
  const std::string path = Unquote(parts.Program);
  // Quotes around nothing ("" %1) name no program either.
  if (path.empty()) return std::nullopt;
  return TPreviousVerbEntry{BaseName(path) + "_" + verb, path, FileDir(path), parts.Arguments};
}

void ImportPreviousVerbs(const TAssociationContext& context, const std::string& extName,
                         const std::function<void(const TPreviousVerbEntry&)>& append) {
  const std::string type = PreviousFileType(context, extName);
  if (type.empty()) return;
  const std::string shell = type + "\\shell";
  const TClassStoreView classes = MergedClasses(context.Hives, context.Scope);
  for (const std::string& verb : classes.SubkeyNames(shell)) {
    const std::optional<std::string> command =
        classes.ReadDefault(shell + "\\" + verb + "\\command");
    if (!command) continue;
    if (const std::optional<TPreviousVerbEntry> entry = EntryFromVerb(verb, *command)) {
      append(*entry);
    }
  }
}

}  // namespace nuvopick
