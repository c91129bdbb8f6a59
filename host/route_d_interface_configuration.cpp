#include "host/route_d_interface_configuration.h"

#include <memory>

#include "host/host_services.h"
#include "host/server_calls.h"
#include "platform/vocabulary/kinds.h"
#include "platform/vocabulary/route.h"

namespace ptp::host {
namespace {

namespace rtd = attr::route_daemon;

}  // namespace

CRouteDInterfaceConfiguration::CRouteDInterfaceConfiguration(std::string_view systemName)
    : m_strSystemName(systemName) {}

SOFError* CRouteDInterfaceConfiguration::ReadFile() {
    m_records.clear();
    m_deleted.clear();
    IHost* host = GetHost();
    if (!host) return nullptr;
    SOFError* error = nullptr;
    auto list = host->Objects().CreateList(kinds::kCRouteDInterfaceConfiguration, kClientName,
                                           m_strSystemName, "", &error);
    if (!list || error) return error;
    if (!LoadList(*list, &error)) return error;
    const long count = list->GetCount(&error);
    for (long index = 0; !error && index < count; ++index) {
        IServerObject* element = list->ElementAt(index, &error);
        if (error || !element) break;
        Record record;
        record.strInterfaceName = element->GetAttributeText(rtd::kInterfaceName, &error);
        record.strRipVersion = element->GetAttributeText(rtd::kRipVersion, &error);
        record.strSupplyMode = element->GetAttributeText(rtd::kSupplyMode, &error);
        record.strStoredName = element->GetName();
        m_records.push_back(std::move(record));
    }
    SOFError* closing = nullptr;
    list->Close(&closing);
    if (!error) return closing;
    if (closing) closing->Destroy();
    return error;
}

bool CRouteDInterfaceConfiguration::IsValidIndex(int index) const {
    return index >= 0 && index < GetCount();
}

std::string CRouteDInterfaceConfiguration::GetInterfaceName(int index) const {
    return IsValidIndex(index) ? m_records[index].strInterfaceName : std::string();
}

std::string CRouteDInterfaceConfiguration::GetRipVersion(int index) const {
    return IsValidIndex(index) ? m_records[index].strRipVersion : std::string();
}

std::string CRouteDInterfaceConfiguration::GetSupplyMode(int index) const {
    return IsValidIndex(index) ? m_records[index].strSupplyMode : std::string();
}

void CRouteDInterfaceConfiguration::DeleteRecord(int index) {
    if (!IsValidIndex(index)) return;
    if (!m_records[index].strStoredName.empty())
        m_deleted.push_back(m_records[index].strStoredName);
    m_records.erase(m_records.begin() + index);
}

int CRouteDInterfaceConfiguration::AddRecord() {
    m_records.push_back(Record{});
    m_records.back().bChanged = true;
    return GetCount() - 1;
}

void CRouteDInterfaceConfiguration::SetInterfaceName(int index, std::string_view name) {
    if (!IsValidIndex(index)) return;
    m_records[index].strInterfaceName = name;
    m_records[index].bChanged = true;
}

void CRouteDInterfaceConfiguration::ClearRipVersion(int index) {
    SetRipVersion(index, "");
    SetSupplyMode(index, "");
}

void CRouteDInterfaceConfiguration::SetRipVersion(int index, std::string_view version) {
    if (!IsValidIndex(index)) return;
    m_records[index].strRipVersion = version;
    m_records[index].bChanged = true;
}

void CRouteDInterfaceConfiguration::SetSupplyMode(int index, std::string_view mode) {
    if (!IsValidIndex(index)) return;
    m_records[index].strSupplyMode = mode;
    m_records[index].bChanged = true;
}

SOFError* CRouteDInterfaceConfiguration::CommitFile(std::string& strError) {
    strError.clear();
    IHost* host = GetHost();
    if (!host) return nullptr;
    SOFError* error = nullptr;
    auto fail = [&]() {
        strError = error ? error->GetText() : std::string();
        return error;
    };
    while (!m_deleted.empty()) {
        auto record =
            host->Objects().CreateObject(kinds::kCRouteDInterfaceConfiguration, kClientName,
                                         m_strSystemName, m_deleted.back(), &error);
        if (record && !error) record->Delete(&error);
        if (error) return fail();
        m_deleted.pop_back();
    }
    for (Record& record : m_records) {
        if (!record.bChanged) continue;
        auto object =
            host->Objects().CreateObject(kinds::kCRouteDInterfaceConfiguration, kClientName,
                                         m_strSystemName, record.strInterfaceName, &error);
        if (object && !error) {
            object->SetAttribute(rtd::kInterfaceName, record.strInterfaceName);
            object->SetAttribute(rtd::kRipVersion, record.strRipVersion);
            object->SetAttribute(rtd::kSupplyMode, record.strSupplyMode);
            object->Commit(&error);
        }
        if (error) return fail();
        record.strStoredName = record.strInterfaceName;
        record.bChanged = false;
    }
    return nullptr;
}

}  // namespace ptp::host
