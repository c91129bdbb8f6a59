#pragma once
// What the authentication pages share: a PPP and a SLIP variant of each, values taken once,
// confirming a new password, saving the profile's entry in its validation list through the sheet,
// and asking to have the server keep passwords (QRETSVRSEC) before this system can send one.
#include <string>

#include "profiles/point_to_point_profile_page.h"

namespace ptp::profiles {

class CPointToPointProfileAuthPage : public CPointToPointProfilePage {
  public:
    CPointToPointProfileAuthPage(UINT nIDTemplate, CPointToPointProfilePropertySheet* pSheet,
                                 bool bPPP)
        : CPointToPointProfilePage(nIDTemplate, pSheet), m_bPPP(bPPP) {}

  protected:
    // The protocol choice's radio index.
    enum Protocol { kCHAP = 0, kPAP = 1 };

    // An existing profile's identification the user never looked at stays as the server has
    // it, with its entry untouched: Store has nothing to write.
    [[nodiscard]] bool KeepsWhatTheProfileHolds() const;
    // The values Store writes: from the controls, or loaded for a page never shown. False when
    // they were refused (after a message).
    bool TakeValues();

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

    bool m_bPPP;
    bool m_bLoaded = false;
};

}  // namespace ptp::profiles
