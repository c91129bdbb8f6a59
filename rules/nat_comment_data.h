#pragma once
// A comment line; its text (without the "#") is the description field.
#include <string>

#include "rules/nat_data.h"

namespace ptp::rules {

class CNATCommentData : public CNATData {
  public:
    CNATCommentData();
    CNATCommentData(std::string_view text, bool& failed);
    CNATCommentData(const CNATCommentData&) = default;

    int Parse(std::string_view text) override;
    int ToText(std::vector<std::string>& clauses) const override;
    [[nodiscard]] std::unique_ptr<CNATData> Clone() const override;
};

}  // namespace ptp::rules
