#pragma once
// An include statement: the statements of another rules file take part in this one.
#include <string>

#include "rules/nat_data.h"

namespace ptp::rules {

class CNATIncludeData : public CNATData {
  public:
    CNATIncludeData();
    explicit CNATIncludeData(std::string_view file);
    CNATIncludeData(std::string_view text, bool& failed);
    CNATIncludeData(const CNATIncludeData&) = default;

    int Parse(std::string_view text) override;
    int ToText(std::vector<std::string>& clauses) const override;
    [[nodiscard]] std::unique_ptr<CNATData> Clone() const override;

    [[nodiscard]] const std::string& GetFile() const { return m_strFile; }
    void SetFile(std::string_view file);

  private:
    std::string m_strFile;
};

}  // namespace ptp::rules
