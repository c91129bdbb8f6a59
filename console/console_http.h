#pragma once
// The console's HTTP face: guards every request, serves the browser UI and routes the API to
// the console's operations.
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "console/access_guard.h"
#include "console/console_app.h"
#include "console/web_assets.h"

namespace httplib {
class Server;
struct Request;
struct Response;
}  // namespace httplib

namespace ptp::console {

class ConsoleHttp {
  public:
    ConsoleHttp(ConsoleApp& app, const WebAssets& assets);
    ~ConsoleHttp();
    ConsoleHttp(const ConsoleHttp&) = delete;
    ConsoleHttp& operator=(const ConsoleHttp&) = delete;

    // Binds to the address and port (0 picks a free one); false when the port is taken.
    [[nodiscard]] bool Bind(const std::string& address, int port);
    [[nodiscard]] int Port() const { return m_nPort; }
    // The URL that opens a session, with the token.
    [[nodiscard]] std::string StartUrl() const;
    // Serves until Stop; returns false when serving failed.
    bool Serve();
    void Stop();

  private:
    using Handler = std::function<Result<Json>(const httplib::Request&)>;
    struct Route {
        std::string method;
        Handler handler;
    };

    void AddRoutes();
    template <typename Request>
    void AddBodyRoute(const std::string& path, Result<Request> (*parse)(std::string_view),
                      Result<Json> (ConsoleApp::*operation)(const Request&));
    void AddFolderRoute(const std::string& path,
                        Result<Json> (ConsoleApp::*operation)(const SelectionRequest&));
    void AddViewRoute(const std::string& path, const std::string& argument,
                      Result<Json> (ConsoleApp::*operation)(const ViewRequest&));
    void Dispatch(const httplib::Request& request, httplib::Response& response);
    // Answers before routing; true when the request is done (refused or a token exchanged).
    bool Guard(const httplib::Request& request, httplib::Response& response);

    ConsoleApp& m_app;
    const WebAssets& m_assets;
    std::unique_ptr<httplib::Server> m_server;
    std::unique_ptr<AccessGuard> m_guard;
    std::map<std::string, Route> m_routes;
    std::string m_strAddress;
    int m_nPort = 0;
};

// The headers every answer carries.
void AddSecurityHeaders(httplib::Response& response);
// Fills `response` with the error, as JSON for the API and as plain text otherwise.
void SendError(httplib::Response& response, const ConsoleError& error, bool api);

}  // namespace ptp::console
