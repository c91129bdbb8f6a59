#include "ras/point_to_point_ras_property_sheet.h"

#include "config/config_paths.h"
#include "config/config_text.h"
#include "platform/ui/message_box.h"
#include "platform/ui/toolkit.h"
#include "resources/ids/ras.h"

namespace ptp::ras {

CPointToPointRASPropertySheet::CPointToPointRASPropertySheet(std::string_view systemName,
                                                             ui::CWnd* pParent)
    : CPropertySheet(ui::FormatResource(IDS_RAS_CAPTION, {std::string(systemName)}), pParent),
      m_strSystemName(config::ToUpper(systemName)),
      m_File(m_strSystemName, config::kRASConfigPath, 0),
      m_DHCPFile(m_strSystemName, config::kRASDHCPConfigPath, 0),
      m_GeneralPage(this),
      m_DHCPPage(this) {
    m_psh.dwFlags |= ui::PSH_HASHELP | ui::PSH_NOAPPLYNOW;
    const int result = m_File.Load();
    if (result == 1 || result == config::kFileResultCannotOpen)
        ui::AfxMessageBox(IDS_RAS_FILE_NOT_LOADED, {m_strSystemName}, ui::MB_ICONEXCLAMATION);
    TakeRecord();
    // A missing list is an empty one: the client has no servers yet.
    (void)m_DHCPFile.Load();
    AddPage(&m_GeneralPage);
    AddPage(&m_DHCPPage);
}

CPointToPointRASPropertySheet::~CPointToPointRASPropertySheet() = default;

void CPointToPointRASPropertySheet::TakeRecord() {
    m_pRecord = m_File.GetFirst();
    if (m_pRecord) return;
    m_pOwnedRecord = config::CPointToPointRASConfigFile::CreateRecord("");
    m_pRecord = m_pOwnedRecord.get();
}

int CPointToPointRASPropertySheet::Commit() {
    m_GeneralPage.Store();
    if (m_DHCPPage.IsCreated()) {
        if (m_DHCPPage.Store() != 0) return 2;
        const int saved = m_DHCPFile.Save();
        if (saved != config::kFileResultOk) return SaveFailed(saved);
    }
    if (m_pOwnedRecord) m_File.Add(std::move(m_pOwnedRecord));
    const int saved = m_File.Save();
    if (saved != config::kFileResultOk) return SaveFailed(saved);
    return 0;
}

int CPointToPointRASPropertySheet::SaveFailed(int result) {
    if (result != config::kFileResultChangedSince) {
        ui::AfxMessageBox(IDS_RAS_FILE_NOT_SAVED, {m_strSystemName}, ui::MB_ICONEXCLAMATION);
        return 2;
    }
    ui::AfxMessageBox(IDS_RAS_FILE_CHANGED, {m_strSystemName}, ui::MB_ICONEXCLAMATION);
    // The pages keep what the user set; they store it again into the fresh files.
    (void)m_File.Reload();
    (void)m_DHCPFile.Reload();
    TakeRecord();
    return 2;
}

}  // namespace ptp::ras
