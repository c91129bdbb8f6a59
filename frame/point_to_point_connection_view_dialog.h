#pragma once
// The active point-to-point connections of a server, one row per link, with the links of a
// multilink bundle right under their bundle head. From a row the user opens its details, the
// spooled output of its job, and the console's view of that job. The CONNECTIONS command opens
// it:
//
//   frame::CPointToPointConnectionViewDialog view(server, parentWindow);
//   view.DoModal();
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "host/host_services.h"
#include "platform/ui/dialog.h"

namespace ptp::frame {

class CPointToPointConnectionViewDialog : public ui::CDialog {
  public:
    CPointToPointConnectionViewDialog(std::string_view systemName, HWND parent);
    ~CPointToPointConnectionViewDialog() override;

    ui::BOOL OnInitDialog() override;

    // The rows as shown, for the console's own tools: the element position each row stands for.
    [[nodiscard]] std::vector<long> RowElements();

  private:
    struct Element {
        enum Marker { kSingle, kBundleHead, kBundleLink };
        long position = 0;
        std::uint32_t linkId = 0;
        std::uint32_t bundleId = 0;
        Marker marker = kSingle;
        [[nodiscard]] bool IsHead() const { return linkId == bundleId; }
    };

    void Fill();
    // The elements in display order: each bundle head followed by its links.
    [[nodiscard]] std::vector<Element> OrderedElements(const std::vector<Element>& elements) const;
    // Fills row `row` from its element; false on a read error (kept in m_ErrorHandle).
    bool FillRow(int row, const Element& element, const std::string& number);
    [[nodiscard]] std::string ReadOr255(host::IServerObject& element, int id);
    [[nodiscard]] std::string StatusColumnText(host::IServerObject& element);
    [[nodiscard]] std::string ReasonColumnText(host::IServerObject& element);
    void UpdateButtons();
    [[nodiscard]] host::IServerObject* SelectedElement();
    void OnDetails();
    void OnSpooledOutput();
    void OnJob();
    // Reads attribute `id` into a 512-character buffer; the error stays in m_ErrorHandle.
    [[nodiscard]] std::string Read(host::IServerObject& element, int id);

    std::string m_strSystemName;
    std::unique_ptr<host::IServerList> m_pConnectionList;
    host::SOFError* m_ErrorHandle = nullptr;
    long m_nCount = 0;
    bool m_bV5R2 = false;
    bool m_bV5R4 = false;
};

}  // namespace ptp::frame
