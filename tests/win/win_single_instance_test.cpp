// The mark of a running setup mode against Wine's named objects.
#include <windows.h>

#include <gtest/gtest.h>
#include <string>

#include "platform/win/win_setup_services.h"

namespace nuvopick::win {
namespace {

// A mark made by another setup mode: the whole run of a process of the same
// user, or one started with other rights whose mutex grants us no access at all.
TEST(WinSingleInstanceLock, AMarkHeldElsewhereKeepsASecondSetupModeOut) {
  const std::string name = "NuvoPickTestMark_" + std::to_string(GetCurrentProcessId());
  SECURITY_DESCRIPTOR closedToAll;
  ASSERT_TRUE(InitializeSecurityDescriptor(&closedToAll, SECURITY_DESCRIPTOR_REVISION));
  ACL noEntries;
  ASSERT_TRUE(InitializeAcl(&noEntries, sizeof noEntries, ACL_REVISION));
  ASSERT_TRUE(SetSecurityDescriptorDacl(&closedToAll, TRUE, &noEntries, FALSE));
  SECURITY_ATTRIBUTES closed{sizeof closed, &closedToAll, FALSE};

  for (SECURITY_ATTRIBUTES* security : {static_cast<SECURITY_ATTRIBUTES*>(nullptr), &closed}) {
    SCOPED_TRACE(security == nullptr ? "open to all" : "closed to all");
    HANDLE other = CreateMutexA(security, FALSE, name.c_str());
    ASSERT_NE(other, nullptr);
    {
      TWinSingleInstanceLock second(name.c_str());
      EXPECT_FALSE(second.Acquire());
    }
    CloseHandle(other);

    TWinSingleInstanceLock alone(name.c_str());
    EXPECT_TRUE(alone.Acquire()) << "the name is free again once its holder is gone";
  }
}

}  // namespace
}  // namespace nuvopick::win
