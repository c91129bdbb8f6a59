#pragma once
// The values of a new line as the create command takes them, one text per keyword; the pages of
// the line sheet fill it in, each with its own keywords.
#include <string>

namespace ptp::lines {

struct CLineCommandValues {
    // General page.
    std::string strLineName;    // LIND
    std::string strText;        // TEXT, already in its command form
    std::string strResource;    // RSRCNAME
    std::string strInterface;   // INTERFACE
    std::string strFraming;     // FRAMING
    std::string strConnection;  // CNN
    std::string strOnline;      // ONLINE
    // Connection page.
    std::string strSwitchedConnection;  // SWTCNN
    std::string strDialCommand;         // DIALCMD
    std::string strModemAsyncCommand;   // SETMDMASC
    std::string strFlowControl;         // FLOWCNTL
    std::string strClearToSendTimer;    // CTSTMR
    std::string strInactivityTimer;     // INACTTMR
    std::string strRemoteAnswerTimer;   // RMTANSTMR
    // Link page.
    std::string strLineSpeed;     // LINESPEED
    std::string strMaxFrame;      // MAXFRAME
    std::string strNrzi;          // NRZI
    std::string strClock;         // CLOCK
    std::string strMessageQueue;  // MSGQ
    // LCP page.
    std::string strAuthenticationInterval;  // LCPAUT, first element
    std::string strAuthenticationAttempts;  // LCPAUT, second element
    std::string strRetryTimer;              // LCPCFG, first element ("%.1f")
    std::string strMaxFailures;             // LCPCFG, second element
    std::string strMaxRequests;             // LCPCFG, third element
    std::string strMaxTerminates;           // LCPCFG, fourth element
    std::string strRecoveryCount;           // CMNRCYLMT, first element
    std::string strRecoveryInterval;        // CMNRCYLMT, second element; empty with "*SYSVAL"
    // Security page.
    std::string strAuthority;  // AUT
    // Whether the server takes MSGQ (CapabilityA).
    bool bMessageQueue = false;
};

}  // namespace ptp::lines
