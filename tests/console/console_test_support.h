#pragma once
// A console serving on a free loopback port with its state in a fresh temporary folder.
#include <httplib.h>

#include <filesystem>
#include <memory>
#include <string>
#include <thread>

#include "console/console_app.h"
#include "console/console_http.h"
#include "console/web_assets.h"
#include "tests/support/test_paths.h"

namespace ptp::console::testing {

class RunningConsole {
  public:
    explicit RunningConsole(bool demo = false) {
        m_stateDir = std::filesystem::temp_directory_path() /
                     ("ptpconsole-test-" + AccessGuard::NewSecret().substr(0, 12));
        ConsoleOptions options;
        options.stateDir = m_stateDir;
        options.webDir = std::filesystem::path(ptp::test::SourceDir()) / "console" / "web";
        options.libraryDir = ptp::test::BinDir();
        options.demo = demo;
        m_loaded = m_assets.Load(options.webDir);
        m_app = std::make_unique<ConsoleApp>(options);
        m_started = m_app->Start().ok();
        m_http = std::make_unique<ConsoleHttp>(*m_app, m_assets);
        m_bound = m_http->Bind("127.0.0.1", 0);
        if (m_bound) m_thread = std::thread([this] { m_http->Serve(); });
        // Serving starts on the thread; wait until the listening loop runs.
        for (int i = 0; i < 500 && m_bound; ++i) {
            if (httplib::Client("127.0.0.1", Port()).Get("/")) break;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }
    ~RunningConsole() {
        m_http->Stop();
        if (m_thread.joinable()) m_thread.join();
        m_app->Stop();
        std::error_code ec;
        std::filesystem::remove_all(m_stateDir, ec);
    }

    [[nodiscard]] bool Ready() const { return m_loaded && m_started && m_bound; }
    [[nodiscard]] int Port() const { return m_http->Port(); }
    [[nodiscard]] std::string Token() const {
        const auto url = m_http->StartUrl();
        return url.substr(url.find("token=") + 6);
    }
    [[nodiscard]] std::string Origin() const {
        return "http://127.0.0.1:" + std::to_string(Port());
    }
    [[nodiscard]] httplib::Client Client() const { return httplib::Client("127.0.0.1", Port()); }
    [[nodiscard]] const std::filesystem::path& StateDir() const { return m_stateDir; }
    [[nodiscard]] ConsoleApp& App() { return *m_app; }

    // Presents the token and returns the session cookie ("name=value"), empty on failure.
    [[nodiscard]] std::string SignIn() const {
        auto client = Client();
        const auto answer = client.Get("/?token=" + Token());
        if (!answer || answer->status != 303) return {};
        const auto cookie = answer->get_header_value("Set-Cookie");
        return cookie.substr(0, cookie.find(';'));
    }

    // A same-origin JSON POST with the session, as the console's page sends it.
    [[nodiscard]] httplib::Result Post(const std::string& path, const std::string& body) const {
        auto client = Client();
        const httplib::Headers headers{{"Cookie", SignIn()}, {"Origin", Origin()}};
        return client.Post(path.c_str(), headers, body, "application/json");
    }

    // The page's requests from the browser window that names itself `window`.
    [[nodiscard]] httplib::Result PostFrom(const std::string& window, const std::string& path,
                                           const std::string& body) const {
        auto client = Client();
        const httplib::Headers headers{
            {"Cookie", SignIn()}, {"Origin", Origin()}, {"X-Ptp-Window", window}};
        return client.Post(path.c_str(), headers, body, "application/json");
    }
    [[nodiscard]] httplib::Result GetFrom(const std::string& window,
                                          const std::string& path) const {
        auto client = Client();
        return client.Get(path.c_str(), {{"Cookie", SignIn()}, {"X-Ptp-Window", window}});
    }

  private:
    std::filesystem::path m_stateDir;
    WebAssets m_assets;
    std::unique_ptr<ConsoleApp> m_app;
    std::unique_ptr<ConsoleHttp> m_http;
    std::thread m_thread;
    bool m_loaded = false;
    bool m_started = false;
    bool m_bound = false;
};

}  // namespace ptp::console::testing
