#pragma once
// The connection script a profile runs on its line before PPP or SLIP starts (a member of a
// database file, with the coded character set of its text) and the subsystem its job runs in.
#include <string>

#include "profiles/point_to_point_profile_page.h"

namespace ptp::profiles {

class CPointToPointProfileOtherPage : public CPointToPointProfilePage {
  public:
    explicit CPointToPointProfileOtherPage(CPointToPointProfilePropertySheet* pSheet);

    ui::BOOL OnInitDialog() override;
    void DoDataExchange(ui::CDataExchange* pDX) override;

    int Load() override;
    int Store() override;

  private:
    void LoadDefaults();
    [[nodiscard]] std::string DefaultSubsystem() const;
    // A new SLIP profile runs a script when the remote system must be logged on to by hand.
    [[nodiscard]] bool ScriptProposed() const;
    void EnableScriptFields();
    // The members of the file the library and file fields name, into the member list.
    void FillMembers();

    bool m_bLoaded = false;
    int m_nScript = 0;
    std::string m_strLibrary;
    std::string m_strFile;
    std::string m_strMember;
    int m_nCcsid = 0;
    std::string m_strSubsystem;
};

}  // namespace ptp::profiles
