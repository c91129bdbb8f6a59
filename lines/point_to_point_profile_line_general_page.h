#pragma once
// The line's name, description, communication port, interface, framing, connection type and
// whether it is varied on at start. The port list comes from the server's hardware resources;
// choosing a port also sets the interface it offers.
#include <string>
#include <vector>

#include "lines/point_to_point_profile_line_page.h"

namespace ptp::lines {

class CPointToPointProfileLineGeneralPage : public CPointToPointProfileLinePage {
  public:
    explicit CPointToPointProfileLineGeneralPage(CPointToPointProfileLinePropertySheet* pSheet);

    // Reads the system's communication ports; false after a message when they cannot be read.
    bool LoadServerData();

    ui::BOOL OnInitDialog() override;
    ui::BOOL OnApply() override;
    void OnCancel() override;
    void DoDataExchange(ui::CDataExchange* pDX) override;

    [[nodiscard]] bool Validate() override;
    void Collect(CLineCommandValues& values) override;
    void Store() override;

    // What the other pages follow.
    [[nodiscard]] const std::string& GetInterface() const { return m_strInterface; }
    [[nodiscard]] const std::string& GetFraming() const { return m_strFraming; }
    [[nodiscard]] const std::string& GetConnection() const { return m_strConnection; }
    [[nodiscard]] bool IsAsync() const;
    [[nodiscard]] bool IsSync() const { return !IsAsync(); }
    [[nodiscard]] bool IsInternalModem() const;
    [[nodiscard]] bool IsSwitched() const;
    // The adapter type of the chosen port, empty when it is not one of the system's ports.
    [[nodiscard]] std::string GetAdapterType() const;
    // The line name as the commands take it.
    [[nodiscard]] std::string GetLineName() const;

  protected:
    void Load() override;

  private:
    struct Port {
        std::string strName;
        std::string strAdapterType;
        std::string strInterface;  // empty when the description names none
    };

    void FillResources();
    void FillInterfaces();
    void FillFramings();
    void OnResourceChanged();
    void OnInterfaceChanged();
    void OnFramingChanged();
    [[nodiscard]] UINT ConnectionText() const;

    std::vector<Port> m_ports;
    std::string m_strName;
    std::string m_strDescription;
    std::string m_strResource;
    std::string m_strInterface;
    std::string m_strFraming;
    std::string m_strConnection;
    int m_nOnline = 0;
};

}  // namespace ptp::lines
