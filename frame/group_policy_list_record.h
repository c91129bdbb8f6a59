#pragma once
// A group access policy as the selection sees it: the policies live in a configuration file, not
// in a server list, so each row of the folder hands out this record in place of a list element.
// Its attributes are those of attr::group_policy; it cannot be changed through here.
#include "config/group_policy_config.h"
#include "host/host_services.h"

namespace ptp::frame {

class CGroupPolicyListRecord final : public host::IServerObject {
  public:
    explicit CGroupPolicyListRecord(const config::CPointToPointProfileGroupPolicyConfigData& policy)
        : m_policy(policy) {}

    void GetAttribute(int id, char* buffer, std::size_t capacity, host::SOFError** error) override;
    std::string GetAttributeText(int id, host::SOFError** error) override;
    void SetAttribute(int, std::string_view) override {}
    void Commit(host::SOFError** error) override;
    void Discard() override {}
    void Delete(host::SOFError** error) override;
    std::string GetKind() const override { return "GroupPolicy"; }
    std::string GetName() const override { return m_policy.GetGroupPolicy(); }

  private:
    const config::CPointToPointProfileGroupPolicyConfigData& m_policy;
};

}  // namespace ptp::frame
