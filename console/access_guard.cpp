#include "console/access_guard.h"
#include "console/console_texts.h"
#include "platform/ui/toolkit.h"

#include <unistd.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <random>

namespace ptp::console {
namespace {

std::string Lower(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

bool IsStateChanging(std::string_view method) {
    return method != "GET" && method != "HEAD";
}

}  // namespace

bool SecretsEqual(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    unsigned char diff = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        diff |= static_cast<unsigned char>(a[i] ^ b[i]);
    }
    return diff == 0;
}

AccessGuard::AccessGuard(std::string token, int port, std::set<std::string> hostNames)
    : m_strToken(std::move(token)),
      m_strSession(NewSecret()),
      m_strCookieName("ptpconsole_" + std::to_string(port)),
      m_nPort(port) {
    for (const auto& name : hostNames)
        m_hostNames.insert(Lower(name));
}

std::string AccessGuard::NewSecret() {
    std::random_device device;
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out;
    for (int i = 0; i < 32; ++i) {
        const auto byte = device() & 0xFFu;
        out += kHex[byte >> 4];
        out += kHex[byte & 0xF];
    }
    return out;
}

std::set<std::string> AccessGuard::LocalHostNames() {
    std::set<std::string> names{"127.0.0.1", "localhost", "[::1]"};
    std::array<char, 256> buffer{};
    if (gethostname(buffer.data(), buffer.size() - 1) == 0 && buffer[0] != '\0') {
        names.insert(buffer.data());
    }
    return names;
}

std::string AccessGuard::SessionCookie() const {
    return m_strCookieName + "=" + m_strSession + "; Path=/; HttpOnly; SameSite=Strict";
}

bool AccessGuard::HostIsOurs(std::string_view host) const {
    const std::string lowered = Lower(Trim(host));
    const auto colon = lowered.rfind(':');
    if (colon == std::string::npos || lowered.back() == ']') return false;
    if (lowered.substr(colon + 1) != std::to_string(m_nPort)) return false;
    return m_hostNames.count(lowered.substr(0, colon)) != 0;
}

bool AccessGuard::OriginIsOurs(std::string_view origin) const {
    constexpr std::string_view kScheme = "http://";
    const std::string lowered = Lower(Trim(origin));
    if (lowered.rfind(kScheme, 0) != 0) return false;
    return HostIsOurs(std::string_view(lowered).substr(kScheme.size()));
}

bool AccessGuard::HasSession(std::string_view header) const {
    while (!header.empty()) {
        const auto semicolon = header.find(';');
        const std::string_view pair = Trim(header.substr(0, semicolon));
        header =
            semicolon == std::string_view::npos ? std::string_view{} : header.substr(semicolon + 1);
        const auto equals = pair.find('=');
        if (equals == std::string_view::npos) continue;
        if (pair.substr(0, equals) != m_strCookieName) continue;
        if (SecretsEqual(pair.substr(equals + 1), m_strSession)) return true;
    }
    return false;
}

Result<Admission> AccessGuard::Check(const RequestFacts& request) const {
    if (!HostIsOurs(request.host)) {
        return Fail(ErrorKind::Forbidden, ui::LoadText(IDS_CONSOLE_FOREIGN_HOST));
    }
    if (!request.origin.empty() && !OriginIsOurs(request.origin)) {
        return Fail(ErrorKind::Forbidden, ui::LoadText(IDS_CONSOLE_FOREIGN_SITE));
    }
    const bool changing = IsStateChanging(request.method);
    if (changing && request.origin.empty()) {
        return Fail(ErrorKind::Forbidden, ui::LoadText(IDS_CONSOLE_CHANGE_FROM_OWN_PAGE));
    }
    if (request.fetchSite == "cross-site" || (changing && request.fetchSite == "same-site")) {
        return Fail(ErrorKind::Forbidden, ui::LoadText(IDS_CONSOLE_FOREIGN_SITE));
    }
    if (HasSession(request.cookie)) return Admission::Allowed;
    if (!changing && !request.queryToken.empty() && SecretsEqual(request.queryToken, m_strToken)) {
        return Admission::ExchangeToken;
    }
    return Fail(ErrorKind::NotSignedIn, ui::LoadText(IDS_CONSOLE_NOT_SIGNED_IN));
}

}  // namespace ptp::console
