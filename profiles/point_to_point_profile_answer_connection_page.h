#pragma once
// The connection page of every answering profile (the switched answer mode and the nonswitched
// terminator): the line, pool or ISDN line it answers on, how many callers it serves at once,
// how many links one caller may bundle, and its inactivity time-out.
#include <string>

#include "profiles/point_to_point_profile_page.h"
#include "profiles/profile_connection_line.h"
#include "profiles/profile_numeric_setting.h"

namespace ptp::profiles {

class CPointToPointProfileAnswerConnectionPage : public CPointToPointProfilePage {
  public:
    explicit CPointToPointProfileAnswerConnectionPage(CPointToPointProfilePropertySheet* pSheet);

    ui::BOOL OnInitDialog() override;
    ui::BOOL OnSetActive() override;
    ui::BOOL OnKillActive() override;
    void DoDataExchange(ui::CDataExchange* pDX) override;

    int Load() override;
    int Store() override;
    [[nodiscard]] bool HasLineChanged() const override { return m_strLine != m_strLoadedLine; }

  private:
    // One line and a pool of kind 2 serve one caller with one link.
    [[nodiscard]] bool ServesOneCaller() const;
    [[nodiscard]] bool IsISDN() const;
    [[nodiscard]] bool HasNumericSetting() const;
    // The most callers the chosen line (or pool) serves at once.
    [[nodiscard]] int MostConnections() const;
    void LoadDefaults();
    void OnLineChanged();
    void OnConnectionsChanged();
    void OnMultilinkClicked();
    void UpdateMultilinkControls();
    int Refuse(UINT message);

    CProfileConnectionLine m_line;
    bool m_bLoaded = false;
    std::string m_strLine;
    std::string m_strLoadedLine;
    int m_nConnections = 1;
    int m_nMultilink = 0;
    int m_nLinks = 1;
    int m_nBandwidth = 0;
    CProfileNumericSetting m_numericSetting;
};

}  // namespace ptp::profiles
