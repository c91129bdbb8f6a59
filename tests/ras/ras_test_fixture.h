#pragma once
// The services sheet as the console opens it (SERVICES on the container folder), the user played
// by the script driver. Commands run in the server's own CL interpreter unless a test makes one
// fail with a reply of its choosing; the files are read back from the server's stream files.
#include <string>
#include <vector>

#include "platform/ui/list_ctrl.h"
#include "platform/ui/property_sheet.h"
#include "platform/vocabulary/job.h"
#include "platform/vocabulary/kinds.h"
#include "platform/vocabulary/tcpip_interface.h"
#include "resources/ids/ras.h"
#include "server/cl/cl_interpreter.h"
#include "server/object_tx.h"
#include "server/stream_files.h"
#include "tests/frame/plugin_console_fixture.h"

namespace ptp::testing {

inline constexpr const char* kRasSheet = "CPointToPointRASPropertySheet";
inline constexpr const char* kRasPath = "/QKTL/UserData/NOS50/TCPIP/RAS/ras.cfg";
inline constexpr const char* kDhcpListPath = "/QKTL/UserData/NOS50/TCPIP/RAS/dhcpwanclient.cfg";
inline constexpr const char* kDhcpAttributesPath = "/QKTL/UserData/NOS50/DHCP/DHCP.ATTRIB";

class RasSheetTest : public PluginConsoleFixture {
  protected:
    void SetUp() override {
        PluginConsoleFixture::SetUp();
        m_host->SetCommandRunner(
            [this](server::System& system, std::string_view client, std::string_view command) {
                for (const auto& [prefix, reply] : replies) {
                    if (command.starts_with(prefix)) return reply;
                }
                return server::cl::ExecuteClCommand(system, client, command);
            });
        namespace ifc = attr::tcpip_interface;
        for (const auto& [address, line] :
             std::vector<std::pair<std::string, std::string>>{{"127.0.0.1", "*LOOPBACK"},
                                                              {"10.1.1.1", "ETHLINE"},
                                                              {"10.1.1.100", "*VIRTUALIP"}}) {
            ASSERT_TRUE(System()
                            .PutObject(kinds::kTcpipInterface, address,
                                       {{ifc::kAddress, address}, {ifc::kLineName, line}})
                            .ok());
        }
    }

    void PutFile(const char* path, const std::string& text) {
        ASSERT_TRUE(System().Files().Write(path, text, server::kCcsidText).ok());
    }
    std::vector<std::string> Lines(const char* path) { return FileLines(path); }

    // The names of the server's active jobs.
    std::vector<std::string> ActiveJobs() {
        std::vector<std::string> names;
        (void)System().Read([&](server::ObjectTx& tx) {
            auto jobs = tx.List(kinds::kJob);
            if (!jobs) return jobs.status();
            for (const auto& job : *jobs) {
                if (job.Get(attr::job::kStatus) == "*ACTIVE")
                    names.push_back(job.Get(attr::job::kName));
            }
            return server::Status::Ok();
        });
        return names;
    }

    static ui::CPropertyPage& ActivePage(ui::CDialog& sheet) {
        return *static_cast<ui::CPropertySheet&>(sheet).GetActivePage();
    }
    static std::vector<std::vector<std::string>> Rows(ui::CDialog& dialog, int id) {
        ui::CListCtrl& list = dialog.ListCtrl(id);
        std::vector<std::vector<std::string>> rows;
        for (int row = 0; row < list.GetItemCount(); ++row) {
            std::vector<std::string> cells;
            for (int column = 0; column < list.GetColumnCount(); ++column)
                cells.push_back(list.GetItemText(row, column));
            rows.push_back(std::move(cells));
        }
        return rows;
    }
};

}  // namespace ptp::testing
