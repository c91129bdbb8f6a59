#include "console/console_http.h"
#include "console/browser_window.h"
#include "console/console_texts.h"
#include "platform/ui/toolkit.h"

#include <httplib.h>

#include <exception>
#include <memory>

namespace ptp::console {
namespace {

constexpr const char* kContentSecurityPolicy =
    "default-src 'none'; script-src 'self'; style-src 'self'; img-src 'self'; "
    "connect-src 'self'; base-uri 'none'; form-action 'none'; frame-ancestors 'none'";

bool IsApi(const std::string& path) {
    return path.rfind("/api/", 0) == 0;
}

std::string DumpJson(const Json& json) {
    // Texts from servers and users may hold bytes that are not UTF-8; they are replaced rather
    // than failing the whole answer.
    return json.dump(-1, ' ', false, Json::error_handler_t::replace);
}

RequestFacts FactsOf(const httplib::Request& request) {
    RequestFacts facts;
    facts.method = request.method;
    facts.path = request.path;
    facts.host = request.get_header_value("Host");
    facts.origin = request.get_header_value("Origin");
    facts.fetchSite = request.get_header_value("Sec-Fetch-Site");
    facts.cookie = request.get_header_value("Cookie");
    facts.queryToken = request.get_param_value("token");
    return facts;
}

// Bodies go out as they are. The console answers on the loopback interface, where compressing
// saves nothing, and the HTTP library compresses with its slowest brotli setting whenever the
// browser accepts brotli: seconds for a folder of thousands of rows. A body the library is handed
// by length, rather than as a string, it sends unchanged.
void SetUncompressed(httplib::Response& response, std::shared_ptr<const std::string> body,
                     const std::string& type) {
    if (body->empty()) {
        response.set_content(std::string(), type);
        return;
    }
    response.set_content_provider(
        body->size(), type,
        [body](std::size_t offset, std::size_t length, httplib::DataSink& sink) {
            return sink.write(body->data() + offset, length);
        });
}

bool IsJsonBody(const httplib::Request& request) {
    const auto type = request.get_header_value("Content-Type");
    return type.rfind("application/json", 0) == 0;
}

}  // namespace

void AddSecurityHeaders(httplib::Response& response) {
    response.set_header("Content-Security-Policy", kContentSecurityPolicy);
    response.set_header("X-Content-Type-Options", "nosniff");
    response.set_header("X-Frame-Options", "DENY");
    response.set_header("Referrer-Policy", "no-referrer");
    response.set_header("Cross-Origin-Opener-Policy", "same-origin");
    response.set_header("Cross-Origin-Resource-Policy", "same-origin");
    response.set_header("Cache-Control", "no-store");
}

void SendError(httplib::Response& response, const ConsoleError& error, bool api) {
    response.status = HttpStatusOf(error.kind);
    if (api) {
        response.set_content(
            DumpJson(Json{{"error", ErrorKindName(error.kind)}, {"message", error.message}}),
            "application/json");
        return;
    }
    // Plain text under nosniff: nothing in it can run as markup.
    response.set_content(error.message + "\n", "text/plain; charset=utf-8");
}

ConsoleHttp::ConsoleHttp(ConsoleApp& app, const WebAssets& assets)
    : m_app(app), m_assets(assets), m_server(std::make_unique<httplib::Server>()) {
    m_server->set_payload_max_length(kMaxRequestBody);
    m_server->set_keep_alive_timeout(5);
    m_server->set_pre_routing_handler(
        [this](const httplib::Request& request, httplib::Response& response) {
            AddSecurityHeaders(response);
            return Guard(request, response) ? httplib::Server::HandlerResponse::Handled
                                            : httplib::Server::HandlerResponse::Unhandled;
        });
    const auto dispatch = [this](const httplib::Request& request, httplib::Response& response) {
        Dispatch(request, response);
    };
    m_server->Get(".*", dispatch);
    m_server->Post(".*", dispatch);
    m_server->Put(".*", dispatch);
    m_server->Delete(".*", dispatch);
    m_server->Patch(".*", dispatch);
    m_server->Options(".*", dispatch);
    // Answers that httplib makes itself (a malformed request, a body too large) get a text too.
    m_server->set_error_handler(httplib::Server::HandlerWithResponse(
        [](const httplib::Request& request, httplib::Response& response) {
            if (!response.has_header("Content-Security-Policy")) AddSecurityHeaders(response);
            if (!response.body.empty()) return httplib::Server::HandlerResponse::Unhandled;
            const auto kind = response.status == 413 ? ErrorKind::TooLarge : ErrorKind::BadRequest;
            SendError(response, Fail(kind, ui::LoadText(IDS_CONSOLE_UNREADABLE_REQUEST)),
                      IsApi(request.path));
            return httplib::Server::HandlerResponse::Handled;
        }));
    m_server->set_exception_handler(
        [](const httplib::Request& request, httplib::Response& response, std::exception_ptr) {
            if (!response.has_header("Content-Security-Policy")) AddSecurityHeaders(response);
            SendError(response, Fail(ErrorKind::Internal, ui::LoadText(IDS_CONSOLE_FAILED_REQUEST)),
                      IsApi(request.path));
        });
    AddRoutes();
}

ConsoleHttp::~ConsoleHttp() {
    Stop();
}

bool ConsoleHttp::Bind(const std::string& address, int port) {
    m_strAddress = address;
    if (port == 0) {
        m_nPort = m_server->bind_to_any_port(address);
    } else {
        m_nPort = m_server->bind_to_port(address, port) ? port : -1;
    }
    if (m_nPort <= 0) return false;
    auto names = AccessGuard::LocalHostNames();
    names.insert(address);
    m_guard = std::make_unique<AccessGuard>(AccessGuard::NewSecret(), m_nPort, std::move(names));
    return true;
}

std::string ConsoleHttp::StartUrl() const {
    const std::string host = m_strAddress == "0.0.0.0" ? "127.0.0.1" : m_strAddress;
    return "http://" + host + ":" + std::to_string(m_nPort) + "/?token=" + m_guard->Token();
}

bool ConsoleHttp::Serve() {
    return m_server->listen_after_bind();
}

void ConsoleHttp::Stop() {
    if (m_server->is_running()) m_server->stop();
}

bool ConsoleHttp::Guard(const httplib::Request& request, httplib::Response& response) {
    const auto admission = m_guard->Check(FactsOf(request));
    if (!admission) {
        SendError(response, admission.error(), IsApi(request.path));
        return true;
    }
    if (*admission != Admission::ExchangeToken) return false;
    // The token leaves the address bar at once, so it is not kept in history or shown around.
    response.set_header("Set-Cookie", m_guard->SessionCookie());
    response.set_redirect(request.path.empty() ? "/" : request.path, 303);
    return true;
}

void ConsoleHttp::Dispatch(const httplib::Request& request, httplib::Response& response) {
    const bool api = IsApi(request.path);
    if (!api) {
        const auto* asset = request.method == "GET" ? m_assets.Find(request.path) : nullptr;
        if (asset == nullptr) {
            const auto kind =
                request.method == "GET" ? ErrorKind::NotFound : ErrorKind::MethodNotAllowed;
            SendError(response, Fail(kind, ui::LoadText(IDS_CONSOLE_NO_SUCH_PAGE)), false);
            return;
        }
        SetUncompressed(response, std::make_shared<const std::string>(asset->body),
                        asset->contentType);
        return;
    }
    const RequestWindow window(WindowIdOf(request.get_header_value(kWindowHeader)));
    const auto it = m_routes.find(request.path);
    if (it == m_routes.end()) {
        SendError(response, Fail(ErrorKind::NotFound, ui::LoadText(IDS_CONSOLE_NO_SUCH_OPERATION)),
                  true);
        return;
    }
    if (it->second.method != request.method) {
        response.set_header("Allow", it->second.method);
        SendError(
            response,
            Fail(ErrorKind::MethodNotAllowed,
                 ui::FormatResource(IDS_CONSOLE_WRONG_METHOD, {it->second.method, request.method})),
            true);
        return;
    }
    if (request.method == "POST" && !IsJsonBody(request)) {
        SendError(response, Fail(ErrorKind::UnsupportedType, ui::LoadText(IDS_CONSOLE_ONLY_JSON)),
                  true);
        return;
    }
    auto answer = it->second.handler(request);
    if (!answer) {
        SendError(response, answer.error(), true);
        return;
    }
    SetUncompressed(response, std::make_shared<const std::string>(DumpJson(*answer)),
                    "application/json");
}

void ConsoleHttp::AddRoutes() {
    // Each handler decodes, calls one console operation and hands back its answer.
    m_routes["/api/state"] = {"GET", [this](const httplib::Request&) { return m_app.GetState(); }};
    m_routes["/api/texts"] = {"GET", [this](const httplib::Request&) { return m_app.PageTexts(); }};
    AddBodyRoute("/api/systems/add", ParseAddSystemRequest, &ConsoleApp::AddSystem);
    AddBodyRoute("/api/systems/remove", ParseSystemRequest, &ConsoleApp::RemoveSystem);
    AddBodyRoute("/api/menu", ParseMenuRequest, &ConsoleApp::Menu);
    AddBodyRoute("/api/invoke", ParseInvokeRequest, &ConsoleApp::Invoke);
    AddBodyRoute("/api/task", ParseTaskRequest, &ConsoleApp::RunTask);
    AddBodyRoute("/api/dialog", ParseDialogActionRequest, &ConsoleApp::DialogAction);
    m_routes["/api/dialog/takeover"] = {
        "POST", [this](const httplib::Request&) { return m_app.TakeOverDialog(); }};
    AddFolderRoute("/api/folder", &ConsoleApp::Folder);
    AddFolderRoute("/api/tasks", &ConsoleApp::Tasks);
    AddViewRoute("/api/jobs", "prefix", &ConsoleApp::Jobs);
    AddViewRoute("/api/job", "job", &ConsoleApp::Job);
    AddViewRoute("/api/spool", "file", &ConsoleApp::Spool);
    AddViewRoute("/api/connections", "", &ConsoleApp::Connections);
    AddViewRoute("/api/log", "", &ConsoleApp::CommandLog);
    AddViewRoute("/api/rules", "file", &ConsoleApp::PacketRules);
}

template <typename Request>
void ConsoleHttp::AddBodyRoute(const std::string& path, Result<Request> (*parse)(std::string_view),
                               Result<Json> (ConsoleApp::*operation)(const Request&)) {
    m_routes[path] = {"POST", [this, parse, operation](const httplib::Request& request) {
                          auto decoded = parse(request.body);
                          if (!decoded) return Result<Json>(decoded.error());
                          return (m_app.*operation)(*decoded);
                      }};
}

void ConsoleHttp::AddFolderRoute(const std::string& path,
                                 Result<Json> (ConsoleApp::*operation)(const SelectionRequest&)) {
    m_routes[path] = {"GET", [this, operation](const httplib::Request& request) {
                          auto decoded = ParseFolderQuery(request.get_param_value("system"),
                                                          request.get_param_value("folder"));
                          if (!decoded) return Result<Json>(decoded.error());
                          return (m_app.*operation)(*decoded);
                      }};
}

void ConsoleHttp::AddViewRoute(const std::string& path, const std::string& argument,
                               Result<Json> (ConsoleApp::*operation)(const ViewRequest&)) {
    m_routes[path] = {"GET", [this, argument, operation](const httplib::Request& request) {
                          const auto value =
                              argument.empty() ? "" : request.get_param_value(argument.c_str());
                          auto decoded = ParseViewQuery(request.get_param_value("system"), value);
                          if (!decoded) return Result<Json>(decoded.error());
                          return (m_app.*operation)(*decoded);
                      }};
}

}  // namespace ptp::console
