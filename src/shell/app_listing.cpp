#include "shell/app_listing.h"

#include "shell/class_store_view.h"

namespace nuvopick {
namespace {

constexpr char kProgramKey[] = "Software\\NuvoPick";

std::string OpenWithProgidsKey(const TExtRegNames& names) {
  return ClassesPath(names.D) + "\\OpenWithProgids";
}

std::string FileAssociationsKey() {
  return std::string(kCapabilitiesKey) + "\\FileAssociations";
}

}  // namespace

void TAppListing::List(const TExtRegNames& names) {
  hive_.WriteString(OpenWithProgidsKey(names), names.T, "");
  WriteUnlessHeld(kCapabilitiesKey, "ApplicationName", kRegisteredApplicationName);
  WriteUnlessHeld(kCapabilitiesKey, "ApplicationDescription", kApplicationDescription);
  hive_.WriteString(FileAssociationsKey(), names.D, names.T);
  WriteUnlessHeld(kRegisteredApplicationsKey, kRegisteredApplicationName, kCapabilitiesKey);
}

void TAppListing::WriteUnlessHeld(const std::string& path, const std::string& name,
                                  const std::string& value) {
  bool held = false;
  try {
    held = hive_.ReadString(path, name) == value;
  } catch (const TRegistryError&) {
    // A value of another type is written over as a string.
  }
  if (!held) hive_.WriteString(path, name, value);
}

void TAppListing::Unlist(const TExtRegNames& names) {
  hive_.DeleteValue(OpenWithProgidsKey(names), names.T);
  DeleteKeyIfEmpty(OpenWithProgidsKey(names));
  hive_.DeleteValue(FileAssociationsKey(), names.D);
  if (hive_.HasValues(FileAssociationsKey())) return;
  // The registration first: it must never name capabilities that are gone.
  hive_.DeleteValue(kRegisteredApplicationsKey, kRegisteredApplicationName);
  DeleteKeyIfEmpty(kRegisteredApplicationsKey);
  hive_.DeleteTree(kCapabilitiesKey);
  DeleteKeyIfEmpty(kProgramKey);
}

void TAppListing::DeleteKeyIfEmpty(const std::string& path) {
  if (KeyIsEmpty(hive_, path)) hive_.DeleteTree(path);
}

}  // namespace nuvopick
