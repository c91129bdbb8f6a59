#pragma once
// Who may talk to the console. The console listens on the loopback interface, but any web page
// the administrator visits can still make the browser send requests to it; so every request must
// carry the session cookie (got by presenting the start URL's token), name this machine in Host
// (a page that rebinds its own DNS name to 127.0.0.1 sends its name) and, when it comes from a
// page, come from the console's own origin.
#include <optional>
#include <set>
#include <string>
#include <string_view>

#include "console/console_error.h"

namespace ptp::console {

// The parts of an HTTP request the guard looks at.
struct RequestFacts {
    std::string method;  // "GET", "POST", ...
    std::string path;
    std::string host;        // the Host header
    std::string origin;      // the Origin header, empty when absent
    std::string fetchSite;   // the Sec-Fetch-Site header, empty when absent
    std::string cookie;      // the Cookie header
    std::string queryToken;  // the "token" query parameter, empty when absent
};

enum class Admission {
    Allowed,        // go on with the request
    ExchangeToken,  // a correct start-URL token: set the session cookie and drop the token
};

class AccessGuard {
  public:
    // `token` is the secret of the start URL; `port` the port the console listens on; `hostNames`
    // the names by which this machine may be addressed (without port).
    AccessGuard(std::string token, int port, std::set<std::string> hostNames);

    [[nodiscard]] Result<Admission> Check(const RequestFacts& request) const;

    // The Set-Cookie value that opens a session, and the name of that cookie.
    [[nodiscard]] std::string SessionCookie() const;
    [[nodiscard]] const std::string& CookieName() const { return m_strCookieName; }
    [[nodiscard]] const std::string& Token() const { return m_strToken; }
    [[nodiscard]] int Port() const { return m_nPort; }

    // A fresh secret: 32 random bytes as hexadecimal text.
    [[nodiscard]] static std::string NewSecret();
    // The names of this machine: the loopback names and the host name.
    [[nodiscard]] static std::set<std::string> LocalHostNames();

  private:
    [[nodiscard]] bool HostIsOurs(std::string_view host) const;
    [[nodiscard]] bool OriginIsOurs(std::string_view origin) const;
    [[nodiscard]] bool HasSession(std::string_view cookieHeader) const;

    std::string m_strToken;
    std::string m_strSession;
    std::string m_strCookieName;
    int m_nPort = 0;
    std::set<std::string> m_hostNames;
};

// Constant-time comparison, so the secret cannot be guessed a character at a time.
[[nodiscard]] bool SecretsEqual(std::string_view a, std::string_view b);

}  // namespace ptp::console
