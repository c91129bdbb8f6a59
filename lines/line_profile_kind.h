#pragma once
// The connection kind of the profile a line is made for. A line sheet asks it seven questions,
// one per kind of profile a line can serve: five on switched lines, two on leased ones. Openers
// build it from the profile's line service and mode; a sheet opened without a profile gets the
// default, which is none of the seven.
namespace ptp::lines {

class CLineProfileKind {
  public:
    CLineProfileKind() = default;
    CLineProfileKind(int lineService, int mode) : m_nLineService(lineService), m_nMode(mode) {}

    [[nodiscard]] bool IsSwitchedDial() const;
    [[nodiscard]] bool IsSwitchedAnswer() const;
    [[nodiscard]] bool IsSwitchedDialVariant3() const;
    [[nodiscard]] bool IsSwitchedDialVariant4() const;
    [[nodiscard]] bool IsSwitchedDialOnDemand() const;
    [[nodiscard]] bool IsLeasedDial() const;
    [[nodiscard]] bool IsLeasedAnswer() const;

    [[nodiscard]] bool IsSwitched() const;
    [[nodiscard]] bool IsLeased() const { return IsLeasedDial() || IsLeasedAnswer(); }

  private:
    [[nodiscard]] bool Is(int lineService, int mode) const {
        return m_nLineService == lineService && m_nMode == mode;
    }

    int m_nLineService = 0;
    int m_nMode = 0;
};

}  // namespace ptp::lines
