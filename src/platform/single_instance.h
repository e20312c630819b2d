// The mark that a setup-mode process is running: only one may run at a time.
#pragma once

namespace nuvopick {

// The name under which setup mode marks itself (a named mutex on Windows).
inline constexpr char kSetupModeInstanceName[] =
    "NuvoPick_no_Unique_na_Name_Desuyo_mala_konnna_monnde_iikana";

class ISingleInstanceLock {
 public:
  virtual ~ISingleInstanceLock() = default;

  // Takes the mark. False, and nothing taken, when another process holds it.
  virtual bool Acquire() = 0;

  // Gives up the hold on the mark. The name may stay taken until the process
  // ends; it is only ever tested for, never waited on.
  virtual void Release() = 0;
};

}  // namespace nuvopick
