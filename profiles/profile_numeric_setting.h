#pragma once
// The inactivity time-out that the Advanced dialog and the Answer page both offer: a box whose
// first entry stands for the line's own setting, or a whole number of seconds typed into it.
#include <string>

#include "platform/ui/ddx.h"

namespace ptp::profiles {

class CPointToPointProfilePropertySheet;

class CProfileNumericSetting {
  public:
    static constexpr int kLowest = 15;
    static constexpr int kHighest = 65535;

    // Reads the setting of the profile; 0, or 1 after a read failure was shown.
    int Load(CPointToPointProfilePropertySheet& sheet);
    // Inside DoDataExchange: loading fills box `id` with the default entry and shows the setting;
    // saving takes the box's trimmed text, refusing anything but the default entry or a whole
    // number from kLowest to kHighest.
    void Exchange(ui::CDataExchange* pDX, int id);
    void Store(CPointToPointProfilePropertySheet& sheet) const;

    [[nodiscard]] bool IsDefault() const { return m_strSeconds.empty(); }
    [[nodiscard]] const std::string& Seconds() const { return m_strSeconds; }

  private:
    void Show(ui::CDataExchange* pDX, int id) const;
    void Take(ui::CDataExchange* pDX, int id);

    std::string m_strSeconds;  // empty: the line's setting
};

}  // namespace ptp::profiles
