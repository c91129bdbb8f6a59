#pragma once
// The first page of every profile: its name (typed once, for a new profile), its description,
// what protocol and kind of profile it is, and whether it starts with TCP/IP. Its OK runs the
// sheet's commit; its Cancel drops what the pages wrote.
#include <string>

#include "profiles/point_to_point_profile_page.h"

namespace ptp::profiles {

class CPointToPointProfileGeneralPage : public CPointToPointProfilePage {
  public:
    explicit CPointToPointProfileGeneralPage(CPointToPointProfilePropertySheet* pSheet);

    ui::BOOL OnInitDialog() override;
    ui::BOOL OnKillActive() override;
    ui::BOOL OnApply() override;
    void OnCancel() override;
    void DoDataExchange(ui::CDataExchange* pDX) override;

    int Load() override;
    int Store() override;
    [[nodiscard]] bool HasDescriptionChanged() const {
        return m_strDescription != m_strLoadedDescription;
    }

  private:
    // The message for a new profile's name, or 0 when the name will do. `all` adds the checks
    // for an empty name and a blank, which leaving the page makes only for tunnels.
    [[nodiscard]] UINT CheckNewName(bool all);
    void RefuseName(UINT message);
    [[nodiscard]] UINT KindText() const;

    bool m_bLoaded = false;
    std::string m_strName;
    std::string m_strDescription;
    std::string m_strLoadedDescription;
    int m_nDialVariant = 0;
    int m_nAutoStart = 0;
};

}  // namespace ptp::profiles
