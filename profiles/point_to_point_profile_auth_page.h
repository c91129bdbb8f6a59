#pragma once
// What the authentication pages share: confirming a new password, saving the profile's entry in
// its validation list through the sheet, and asking to have the server keep passwords
// (QRETSVRSEC) before this system can send one.
#include <string>

#include "profiles/point_to_point_profile_page.h"

namespace ptp::profiles {

class CPointToPointProfileAuthPage : public CPointToPointProfilePage {
  public:
    using CPointToPointProfilePage::CPointToPointProfilePage;

  protected:
    // A password that differs from the one the sheet holds is typed again first. False when the
    // user cancelled: `password` is the old one again, and this page is active with the focus
    // on control `id` (0: none).
    bool ConfirmNewPassword(std::string& password, int id);
    // Saves `name` and `password` as the profile's entry under identification protocol
    // `protocol`; a failure is said, this page made active and control `id` focused.
    bool SaveEntry(const std::string& name, const std::string& password, int protocol, int id);
    // True when the server keeps passwords, or the user had it start now.
    bool AskToRetainPasswords();
    // Makes this page active and focuses control `id` (0: none); answers kPageFailed.
    int FailOn(int id);
};

}  // namespace ptp::profiles
