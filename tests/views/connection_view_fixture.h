#pragma once
// The connection view against a real server: connection jobs seeded through the host (or made
// by starting profiles), the dialog opened as the CONNECTIONS command opens it, its rows read.
#include <cstdint>
#include <string>
#include <vector>

#include "frame/point_to_point_connection_view_dialog.h"
#include "platform/framework/console_navigation.h"
#include "platform/framework/console_services.h"
#include "platform/ui/script_driver.h"
#include "platform/vocabulary/connection.h"
#include "platform/vocabulary/kinds.h"
#include "resources/ids/views.h"
#include "tests/support/server_ui_fixture.h"

namespace ptp::frame {

// The console's facts come from the server the host reaches.
class HostServerFacts final : public fw::IServerFacts {
  public:
    bool GetServerRelease(std::string_view server, char* buffer, std::size_t length) override {
        host::IHost* host = host::GetHost();
        return host && host->Facts().GetRelease(server, buffer, length);
    }
    bool HasAuthority(std::string_view server, int, host::SOFError** error) override {
        host::IHost* host = host::GetHost();
        return host && host->Facts().HasConfigurationAuthority(server, error);
    }
};

// What the console was asked to open.
struct NavigationCall {
    std::string what;  // "view", "spooled"
    std::string server;
    std::string path;    // view: folder path; spooled: qualified job
    std::string filter;  // view: filter; spooled: file name
    std::string title;   // view: title; spooled: owner
    int fileNumber = 0;
};

class RecordingNavigation final : public fw::IConsoleNavigation {
  public:
    HRESULT OpenView(std::string_view server, std::string_view folderPath, std::string_view filter,
                     std::string_view title, HWND) override {
        calls.push_back({"view", std::string(server), std::string(folderPath), std::string(filter),
                         std::string(title), 0});
        return result;
    }
    HRESULT OpenSpooledFile(std::string_view server, std::string_view qualifiedJob,
                            std::string_view fileName, int fileNumber, std::string_view user,
                            HWND) override {
        calls.push_back({"spooled", std::string(server), std::string(qualifiedJob),
                         std::string(fileName), std::string(user), fileNumber});
        return result;
    }
    HRESULT StartEditor(std::string_view, std::string_view, std::string_view, HWND) override {
        return E_NOTIMPL;
    }
    std::vector<NavigationCall> calls;
    HRESULT result = S_OK;
};

namespace con = attr::connection;

// Attribute bytes of a link identifier: four bytes of anything, then the number high byte first.
inline std::string LinkBytes(std::uint32_t id) {
    std::string bytes = "\x01\x02\x03\x04";
    for (int shift = 24; shift >= 0; shift -= 8)
        bytes.push_back(static_cast<char>(id >> shift));
    return bytes;
}

struct Link {
    std::string name;  // the element's key; the list is ordered by it
    std::uint32_t linkId;
    std::uint32_t bundleId;
    std::string profile;
    int status = 14;
    int reason = 0;
    std::string bundleKind = "*NONE";
};

// The console's side: server facts from the host and a navigation that records what it was asked
// to open.
class ConnectionViewTest : public testing::ServerUiFixture {
  protected:
    void SetUp() override {
        testing::ServerUiFixture::SetUp();
        fw::SetServerFacts(&m_facts);
        fw::SetConsoleNavigation(&m_navigation);
    }
    void TearDown() override {
        fw::SetConsoleNavigation(nullptr);
        fw::SetServerFacts(nullptr);
        testing::ServerUiFixture::TearDown();
    }

    void AddLink(const Link& link) {
        Put(kinds::kConnectionJob, link.name,
            {{con::kJobName, "QKTL_TOCPPP_SSN@" + link.profile},
             {con::kJobUser, "QTCP"},
             {con::kJobNumber, "100001"},
             {con::kProfileName, link.profile},
             {con::kStatus, std::to_string(link.status)},
             {con::kLineName, "PPPLIN01"},
             {con::kRemoteAddress, "10.1.1.2"},
             {con::kLinkId, LinkBytes(link.linkId)},
             {con::kBundleKind, link.bundleKind},
             {con::kBundleId, LinkBytes(link.bundleId)},
             {con::kReason, std::to_string(link.reason)}});
    }

    // Opens the view, lets `more` act on it, and gives the rows' cells.
    std::vector<std::vector<std::string>> Rows(
        const std::function<void(ui::DialogScript&)>& more = {}) {
        std::vector<std::vector<std::string>> rows;
        ui::DialogScript& script = m_driver.When("CPointToPointConnectionViewDialog");
        script.Do([&](ui::CDialog& dialog) {
            ui::CListCtrl& list = dialog.ListCtrl(IDC_CONNECTION_LIST);
            m_nColumns = list.GetColumnCount();
            for (int row = 0; row < list.GetItemCount(); ++row) {
                std::vector<std::string> cells;
                for (int column = 0; column < list.GetColumnCount(); ++column)
                    cells.push_back(list.GetItemText(row, column));
                rows.push_back(std::move(cells));
            }
        });
        if (more) more(script);
        script.Cancel();
        ui::ScopedDriver scoped(m_driver);
        CPointToPointConnectionViewDialog view("SYS1", nullptr);
        view.DoModal();
        return rows;
    }

    int m_nColumns = 0;
    HostServerFacts m_facts;
    RecordingNavigation m_navigation;
};

}  // namespace ptp::frame
