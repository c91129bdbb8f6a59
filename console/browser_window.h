#pragma once
// Every page load of the console names its browser window with an id of its own and sends it
// with each API request, so the console tells two windows apart: a dialog belongs to the window
// that opened it. The HTTP layer names the window for the length of one request; the console's
// operations take the name along to the UI thread.
#include <string>
#include <string_view>

namespace ptp::console {

inline constexpr const char* kWindowHeader = "X-Ptp-Window";

// A window id as the page makes it: 1 to 64 letters, digits and hyphens. Anything else names no
// window, as does a request from a client that does not name one (a test, a script).
[[nodiscard]] std::string WindowIdOf(std::string_view header);

class RequestWindow {
  public:
    explicit RequestWindow(std::string id);
    ~RequestWindow();
    RequestWindow(const RequestWindow&) = delete;
    RequestWindow& operator=(const RequestWindow&) = delete;

    // The window of the request this thread serves; empty when it named none.
    [[nodiscard]] static const std::string& Current();

  private:
    std::string m_strOuter;
};

}  // namespace ptp::console
