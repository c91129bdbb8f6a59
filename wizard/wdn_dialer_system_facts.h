#pragma once
// What the dialer wizard needs to know of the system before it asks anything: the lines it can
// dial out on, the ports a new line can go on, the modems and line pools the system has. Read
// once when the wizard opens; the pages offer only what is there.
#include <string>
#include <string_view>
#include <vector>

namespace ptp::wizard {

// A switched, asynchronous PPP line on a communications port: the kind the wizard dials out on.
struct CWDNUsableLine {
    std::string strName;
    std::string strResource;
    std::string strPool;
};

struct CWDNPort {
    std::string strName;
    std::string strInterface;      // "*RS232V24", ...; empty when the port names none
    std::string strInternalModem;  // the modem of an internal-modem port, else empty
};

class CWDNDialerSystemFacts {
  public:
    // Reads the lines, ports, modems and validation lists of `system`. False, after the server's
    // error was shown, when one of them cannot be read.
    bool Load(std::string_view system);

    [[nodiscard]] const std::vector<CWDNUsableLine>& UsableLines() const { return m_lines; }
    [[nodiscard]] const std::vector<CWDNPort>& Ports() const { return m_ports; }
    [[nodiscard]] const std::vector<std::string>& Modems() const { return m_modems; }
    // The pools the usable lines belong to, each once.
    [[nodiscard]] std::vector<std::string> Pools() const;
    [[nodiscard]] bool HasAccountList() const { return m_bAccountList; }

    [[nodiscard]] const CWDNPort* FindPort(std::string_view name) const;
    [[nodiscard]] std::vector<const CWDNUsableLine*> LinesOn(std::string_view port) const;
    [[nodiscard]] bool HasModem(std::string_view name) const;

  private:
    bool LoadLines(std::string_view system);
    bool LoadPorts(std::string_view system);
    bool LoadModems(std::string_view system);
    bool LoadValidationLists(std::string_view system);

    std::vector<CWDNUsableLine> m_lines;
    std::vector<CWDNPort> m_ports;
    std::vector<std::string> m_modems;
    bool m_bAccountList = false;
};

}  // namespace ptp::wizard
