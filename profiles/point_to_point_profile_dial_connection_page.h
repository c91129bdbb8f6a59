#pragma once
// The connection page of every dialling profile (switched modes 1, 3, 4 and 6, the nonswitched
// initiator): the line or pool it dials out on, the telephone numbers it dials in order, and the
// doors to the multilink and the redial settings.
#include <array>
#include <memory>
#include <string>

#include "profiles/point_to_point_profile_page.h"
#include "profiles/profile_connection_line.h"

namespace ptp::profiles {

class CPointToPointProfileDialConnectionAdvancedDialog;
class CPointToPointProfileMultilinkDialog;

class CPointToPointProfileDialConnectionPage : public CPointToPointProfilePage {
  public:
    explicit CPointToPointProfileDialConnectionPage(CPointToPointProfilePropertySheet* pSheet);
    ~CPointToPointProfileDialConnectionPage() override;

    ui::BOOL OnInitDialog() override;
    ui::BOOL OnSetActive() override;
    ui::BOOL OnKillActive() override;
    void DoDataExchange(ui::CDataExchange* pDX) override;

    int Load() override;
    int Store() override;
    [[nodiscard]] bool HasLineChanged() const override { return m_strLine != m_strLoadedLine; }

  private:
    static constexpr std::size_t kNumberSlots = 6;

    // The numbers are dialled in the dialling modes of a switched line only.
    [[nodiscard]] bool UsesNumbers() const;
    [[nodiscard]] int NumberLimit() const;
    [[nodiscard]] bool CanUseMultilink() const;
    [[nodiscard]] std::string DisplayName() const;

    void UpdateControls();
    void UpdateNumberControls();
    void NumbersToList();
    void NumbersFromList();
    void OnAddNumber();
    void OnRemoveNumber();
    void OnMoveNumber(int delta);
    void OnMultilinkClicked();
    void OnMultilinkSettings();
    void OnAdvanced();
    // Makes this page the active one and shows `message` with the focus on `control`.
    int Refuse(UINT message, int control);
    int StoreNeverShown();
    int StoreNumbers();
    CPointToPointProfileMultilinkDialog& MultilinkDialog();
    CPointToPointProfileDialConnectionAdvancedDialog& AdvancedDialog();

    CProfileConnectionLine m_line;
    bool m_bLoaded = false;
    std::string m_strLine;
    std::string m_strLoadedLine;
    int m_nMultilink = 0;
    std::array<std::string, kNumberSlots> m_numbers;
    int m_nNumberUse = 0;  // radio index: attribute 77 less one
    std::unique_ptr<CPointToPointProfileMultilinkDialog> m_pMultilinkDialog;
    std::unique_ptr<CPointToPointProfileDialConnectionAdvancedDialog> m_pAdvancedDialog;
};

}  // namespace ptp::profiles
