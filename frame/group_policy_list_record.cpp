#include "frame/group_policy_list_record.h"
#include "platform/vocabulary/group_policy.h"

#include <cstring>

namespace ptp::frame {

void CGroupPolicyListRecord::GetAttribute(int id, char* buffer, std::size_t capacity,
                                          host::SOFError** error) {
    const std::string text = GetAttributeText(id, error);
    if (capacity == 0) return;
    const std::size_t length = std::min(text.size(), capacity - 1);
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
}

std::string CGroupPolicyListRecord::GetAttributeText(int id, host::SOFError** error) {
    if (error) *error = nullptr;
    if (id == attr::group_policy::kName) return m_policy.GetGroupPolicy();
    if (id == attr::group_policy::kDescription) return m_policy.GetDescription();
    return {};
}

// Policies change through the group policy sheet and its file, never through the folder's rows.
void CGroupPolicyListRecord::Commit(host::SOFError** error) {
    if (error) *error = nullptr;
}

void CGroupPolicyListRecord::Delete(host::SOFError** error) {
    if (error) *error = nullptr;
}

}  // namespace ptp::frame
