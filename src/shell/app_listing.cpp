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
  hive_.WriteString(kCapabilitiesKey, "ApplicationName", kRegisteredApplicationName);
  hive_.WriteString(kCapabilitiesKey, "ApplicationDescription", kApplicationDescription);
  hive_.WriteString(FileAssociationsKey(), names.D, names.T);
  hive_.WriteString(kRegisteredApplicationsKey, kRegisteredApplicationName, kCapabilitiesKey);
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
