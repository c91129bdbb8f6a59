#pragma once
// The connection-list page of a switched digital line: the incoming list and the kinds of call it
// accepts (one entry per kind), and the outgoing list with the kind of call the line places. On
// OK, before the line command, the page makes the server's lists and entries match: it creates a
// missing list, drops and makes again one whose network type no longer fits, and removes and adds
// only the entries that changed. It records each list in the connection-list file.
#include <array>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "lines/digital_line_page.h"

namespace ptp::lines {

class CPointToPointProfileLineCnnlstPage : public CDigitalLinePage {
  public:
    static constexpr std::size_t kIncomingKinds = 5;

    explicit CPointToPointProfileLineCnnlstPage(
        CPointToPointProfileLineDigitalPropertySheet* pSheet);

    // The system's connection lists and their entries; false after the failure was shown.
    bool LoadServerData();

    ui::BOOL OnInitDialog() override;
    void DoDataExchange(ui::CDataExchange* pDX) override;

    [[nodiscard]] bool Validate() override;
    void Collect(CDigitalLineValues& values) override;
    // Brings the server's lists and entries to what the page holds; false after a refusal was
    // shown (what was done before it stays done and recorded).
    bool CommitLists();

  protected:
    void Load() override;

  private:
    [[nodiscard]] bool Answers();
    [[nodiscard]] bool Dials();
    [[nodiscard]] std::string ListName(const std::string& shown) const;
    [[nodiscard]] std::string OutgoingType() const;
    [[nodiscard]] std::string OutgoingEntry() const;
    [[nodiscard]] std::string LocalNumberFragment();
    bool EnsureList(const std::string& list);
    bool CommitIncoming(const std::string& list);
    bool CommitOutgoing(const std::string& list);
    void Record(const std::string& list, bool incoming);

    struct List {
        std::string strNetworkType;
        std::set<std::string> entries;
    };
    std::map<std::string, List> m_lists;  // the server's, by name
    std::string m_strIncoming;
    std::string m_strOutgoing;
    std::array<int, kIncomingKinds> m_wanted{};
    int m_nOutgoingType = 0;
    std::string m_strOpenedOutgoingEntry;  // the line's outgoing entry as the page opened
};

}  // namespace ptp::lines
