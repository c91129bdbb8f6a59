#pragma once
// The pool's name and its member lines: lines of the profile's connection type that belong to no
// pool are available, and the user moves them into the pool or out of it. New and Properties
// open the line sheet for a new line or the chosen one.
#include <set>
#include <string>
#include <vector>

#include "host/host_services.h"
#include "platform/ui/property_page.h"

namespace ptp::lines {

class CPointToPointProfileLinePoolPropertySheet;

class CPointToPointProfileLinePoolGeneralPage : public ui::CPropertyPage {
  public:
    explicit CPointToPointProfileLinePoolGeneralPage(
        CPointToPointProfileLinePoolPropertySheet* pSheet);

    ui::BOOL OnInitDialog() override;
    ui::BOOL OnKillActive() override;
    ui::BOOL OnApply() override;
    void DoDataExchange(ui::CDataExchange* pDX) override;

  private:
    struct Row {
        std::string strName;
        std::string strPool;
        host::IServerObject* pLine = nullptr;  // the line's element of the sheet's line list
    };

    // Reads the lines of the wanted connection type into the two lists; false after the sheet
    // was ended.
    bool FillLists();
    void ShowRows();
    void UpdateButtons();
    void OnAdd();
    void OnRemove();
    void OnNewLine();
    void OnLineProperties();
    void Refill();
    // The checks of a new pool: false after a message.
    bool Validate();
    // Saves the pool name on every line that joins and an empty one on every line that leaves;
    // false after a message.
    bool Save();
    [[nodiscard]] bool PoolNameTaken(std::string_view name);
    [[nodiscard]] bool LineNameTaken(std::string_view name);
    [[nodiscard]] std::string PoolName() const;
    [[nodiscard]] int Selected(int listId);

    CPointToPointProfileLinePoolPropertySheet* m_pSheet;
    std::string m_strName;
    std::vector<Row> m_available;
    std::vector<Row> m_members;
    // The member lines as the user left them (names in upper case), which survive a refill.
    std::set<std::string> m_memberNames;
    bool m_bMembersKnown = false;
};

}  // namespace ptp::lines
