#pragma once
// The modem sheet against a real server: modems and their command entries seeded through the
// host, the sheet opened as the plug-in's commands open it, the server read back afterwards.
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "config/config_text.h"
#include "modems/modem_message_style.h"
#include "modems/modem_sheet.h"
#include "modems/point_to_point_modem_property_sheet.h"
#include "platform/ui/script_driver.h"
#include "platform/vocabulary/kinds.h"
#include "resources/ids/modems.h"
#include "tests/support/server_ui_fixture.h"

namespace ptp::modems {

using Entries = std::vector<std::pair<std::string, std::string>>;

class ModemTest : public testing::ServerUiFixture {
  protected:
    void AddModem(const std::string& name, const std::string& kind, const Entries& entries,
                  bool system = false) {
        Put(kinds::kModem, "",
            {{0, name},
             {1, system ? "1" : "0"},
             {2, kind},
             {3, "AT&F"},
             {4, "ATZ"},
             {5, "ATDP"},
             {6, "ATS0=1"}});
        for (const auto& [entryName, value] : entries)
            Put(kinds::kModemCommand, name, {{3, entryName}, {4, value}});
    }

    // The modem's command entries on the server, in number order.
    Entries ServerEntries(const std::string& modem) {
        auto rows = List(kinds::kModemCommand, modem);
        std::sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) {
            return config::TextToInt(a.at(2)) < config::TextToInt(b.at(2));
        });
        Entries entries;
        for (auto& row : rows) {
            EXPECT_EQ(row[1], "TEMPLATE");
            entries.emplace_back(row[3], row[4]);
        }
        return entries;
    }

    std::map<int, std::string> ServerModem(const std::string& name) {
        for (auto& row : List(kinds::kModem))
            if (row[0] == name) return row;
        return {};
    }

    // The list record of a modem, as the modems folder hands it to the commands.
    host::IServerObject* ModemRecord(const std::string& name) {
        host::SOFError* error = nullptr;
        m_pModemList = m_pHost->Objects().CreateList(kinds::kModem, "NXWIN", "SYS1", "", &error);
        m_pModemList->Open(&error);
        for (long index = 0; index < m_pModemList->GetCount(&error); ++index) {
            host::IServerObject* element = m_pModemList->ElementAt(index, &error);
            if (element->GetAttributeText(0, &error) == name) return element;
        }
        return nullptr;
    }

    // The rows of the shown parameter page's list, as name and value.
    static Entries PageEntries(ui::CDialog& sheet) {
        auto* page = static_cast<ui::CPropertySheet&>(sheet).GetActivePage();
        ui::CListCtrl& list = page->ListCtrl(IDC_MODEM_PARMS_LIST);
        Entries entries;
        for (int row = 0; row < list.GetItemCount(); ++row)
            entries.emplace_back(list.GetItemText(row, 0), list.GetItemText(row, 1));
        return entries;
    }

    ui::INT_PTR Play(std::string_view modemName, host::IServerObject* model = nullptr,
                     bool changeable = true) {
        ui::ScopedDriver scoped(m_driver);
        return ShowModemPropertySheet("SYS1", modemName, model, changeable, nullptr);
    }

    std::unique_ptr<host::IServerList> m_pModemList;
};

}  // namespace ptp::modems
