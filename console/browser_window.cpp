#include "console/browser_window.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace ptp::console {
namespace {

constexpr std::size_t kMaxWindowId = 64;

thread_local std::string t_strWindow;

bool IsIdCharacter(unsigned char c) {
    return std::isalnum(c) != 0 || c == '-';
}

}  // namespace

std::string WindowIdOf(std::string_view header) {
    if (header.empty() || header.size() > kMaxWindowId) return {};
    if (!std::all_of(header.begin(), header.end(), IsIdCharacter)) return {};
    return std::string(header);
}

RequestWindow::RequestWindow(std::string id)
    : m_strOuter(std::exchange(t_strWindow, std::move(id))) {}

RequestWindow::~RequestWindow() {
    t_strWindow = std::move(m_strOuter);
}

const std::string& RequestWindow::Current() {
    return t_strWindow;
}

}  // namespace ptp::console
