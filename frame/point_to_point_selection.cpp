#include "frame/point_to_point_selection.h"

#include <array>

#include "frame/type_codes.h"
#include "platform/framework/console_services.h"

namespace ptp::frame {

bool CPointToPointSelection::ReadItem(const fw::CSelectionHolder& selection, long index,
                                      CPointToPointSelectedObject& item) {
    const auto consoleItem = selection.GetItem(index);
    if (!consoleItem) return false;
    item.m_strServerName = consoleItem->serverName;
    std::array<char, fw::kServerReleaseLength> release{};
    if (!fw::ServerFacts().GetServerRelease(item.m_strServerName, release.data(), release.size())) {
        release.fill('\0');
    }
    release.back() = '\0';
    item.SetRelease(release.data());
    item.m_strTypeCode = consoleItem->typeCode;
    item.m_strObjectName = consoleItem->objectName;
    item.m_pListRecord = nullptr;
    if (!HasListRecord(item.m_strTypeCode)) return true;
    item.m_pListRecord = fw::CSelectionHolder::GetListRecord(*consoleItem);
    return item.m_pListRecord != nullptr;
}

long CPointToPointSelection::Walk(const fw::CSelectionHolder& selection,
                                  CPointToPointSelectedObject& current, const Visitor& visit) {
    const long count = selection.GetCount();
    long visited = 0;
    for (long index = 0; index < count; ++index) {
        if (!ReadItem(selection, index, current)) break;
        if (visit && !visit(index, current)) break;
        ++visited;
    }
    return visited;
}

}  // namespace ptp::frame
