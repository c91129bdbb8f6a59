#pragma once
// The values of a digital line as its create and change commands take them, one text per
// keyword; the pages of the digital line sheet fill them in, each with its own keywords.
#include <string>

#include "lines/line_command_values.h"

namespace ptp::lines {

struct CDigitalLineValues : CLineCommandValues {
    // Connection page.
    std::string strModemInitCommand;  // MDMINZCMD
    std::string strCompression;       // COMPRESS
    // Network interface page.
    std::string strInterface;           // NWI (leased)
    std::string strChannel;             // NWICHLNBR (leased)
    std::string strTransferType;        // INFTRFTYPE (leased)
    std::string strSwitchedInterfaces;  // SWTNWILST (switched)
    std::string strInterfaceSelection;  // SWTNWISLCT (switched)
    // Connection list page.
    std::string strIncomingList;   // CNNLSTIN
    std::string strOutgoingList;   // CNNLSTOUT
    std::string strOutgoingEntry;  // CNNLSTOUTE
    // The line takes modem calls (incoming modem entries wanted, or a modem outgoing type), so
    // its modem needs the initialisation command.
    bool bModemCalls = false;
};

// The create command of a switched line (its connection-list and modem fragments after the
// base), of a leased line (no fragments), and the change command of a switched line.
[[nodiscard]] std::string BuildCreateSwitchedDigitalLineCommand(const CDigitalLineValues& values);
[[nodiscard]] std::string BuildCreateLeasedDigitalLineCommand(const CDigitalLineValues& values);
[[nodiscard]] std::string BuildChangeSwitchedDigitalLineCommand(const CDigitalLineValues& values);

}  // namespace ptp::lines
