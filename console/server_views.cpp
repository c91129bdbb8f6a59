#include "console/server_views.h"
#include "console/console_texts.h"
#include "console/rules_statements.h"

#include <charconv>
#include <map>
#include <memory>
#include <vector>

#include "host/in_process_host.h"
#include "platform/ui/toolkit.h"
#include "platform/vocabulary/connection.h"
#include "platform/vocabulary/job.h"
#include "platform/vocabulary/kinds.h"
#include "platform/vocabulary/status.h"

namespace ptp::console {
namespace {
namespace job = attr::job;
namespace spooled = attr::spooled_file;
namespace connection = attr::connection;

struct Column {
    std::uint32_t heading;
    int width;
    int attribute;
    // What the cell shows of the attribute's value; the value itself when null.
    std::string (*show)(const std::string& value) = nullptr;
};

// A connection's status as an administrator reads it; a code without a text here shows as a
// numbered status.
std::string ConnectionStatusText(const std::string& value) {
    namespace st = code::status;
    static const std::map<int, std::uint32_t> kTexts = {
        {st::kInactive, IDS_CONSOLE_STATUS_INACTIVE},
        {st::kEnded, IDS_CONSOLE_STATUS_ENDED},
        {st::kFailed, IDS_CONSOLE_STATUS_FAILED},
        {st::kWaitingForCall, IDS_CONSOLE_STATUS_WAITING_FOR_CALL},
        {st::kStarting, IDS_CONSOLE_STATUS_STARTING},
        {st::kDialing, IDS_CONSOLE_STATUS_DIALING},
        {st::kNotStarted, IDS_CONSOLE_STATUS_NOT_STARTED},
        {st::kActive, IDS_CONSOLE_STATUS_ACTIVE},
        {st::kLcpStarting, IDS_CONSOLE_STATUS_LCP_STARTING},
        {st::kLcpRequestSent, IDS_CONSOLE_STATUS_LCP_REQUEST_SENT},
        {st::kLcpOpened, IDS_CONSOLE_STATUS_LCP_OPENED},
        {st::kIpcpStarting, IDS_CONSOLE_STATUS_IPCP_STARTING},
        {st::kIpcpRequestSent, IDS_CONSOLE_STATUS_IPCP_REQUEST_SENT},
        {st::kIpcpOpened, IDS_CONSOLE_STATUS_IPCP_OPENED},
        {st::kEndedByOperator, IDS_CONSOLE_STATUS_ENDED_BY_OPERATOR}};
    int code = 0;
    const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), code);
    if (ec != std::errc() || end != value.data() + value.size()) return value;
    const auto text = kTexts.find(code);
    if (text != kTexts.end()) return ui::LoadText(text->second);
    return ui::FormatResource(IDS_CONSOLE_STATUS_CODE, {value});
}

Json ColumnsJson(const std::vector<Column>& columns) {
    Json out = Json::array();
    for (const auto& column : columns)
        out.push_back({{"text", ui::LoadText(column.heading)}, {"width", column.width}});
    return out;
}

// Takes the text of an error object and destroys it, as its receiver must.
ConsoleError TakeError(host::SOFError* error, const std::string& fallback) {
    if (error == nullptr || host::IsAlreadyReported(error)) {
        return Fail(ErrorKind::Unavailable, fallback);
    }
    std::string text = error->GetText();
    error->Destroy();
    return Fail(ErrorKind::Unavailable, text.empty() ? fallback : text);
}

// Reads every element of a server list into rows of the given attributes.
Result<Json> ListTable(host::IHost& host, std::string_view kind, const std::string& system,
                       const std::string& filter, const std::vector<Column>& columns) {
    host::SOFError* error = nullptr;
    auto list = host.Objects().CreateList(kind, host::kClientName, system, filter, &error);
    if (error != nullptr || !list)
        return TakeError(error, ui::LoadText(IDS_CONSOLE_LIST_NOT_OPENED));
    list->Open(&error);
    if (error != nullptr) return TakeError(error, ui::LoadText(IDS_CONSOLE_LIST_NOT_READ));
    const long count = list->GetCount(&error);
    if (error != nullptr) return TakeError(error, ui::LoadText(IDS_CONSOLE_LIST_NOT_READ));
    Json rows = Json::array();
    for (long index = 0; index < count; ++index) {
        auto* element = list->ElementAt(index, &error);
        if (error != nullptr || element == nullptr)
            return TakeError(error, ui::LoadText(IDS_CONSOLE_LIST_ENTRY_MISSING));
        Json cells = Json::array();
        for (const auto& column : columns) {
            std::string value = element->GetAttributeText(column.attribute, &error);
            if (error != nullptr)
                return TakeError(error, ui::LoadText(IDS_CONSOLE_LIST_ENTRY_UNREADABLE));
            cells.push_back(column.show ? column.show(value) : std::move(value));
        }
        rows.push_back({{"id", element->GetName()}, {"cells", cells}});
    }
    list->Close(&error);
    if (error != nullptr && !host::IsAlreadyReported(error)) error->Destroy();
    return Json{{"columns", ColumnsJson(columns)}, {"rows", rows}};
}

// Longer than any statement line the rules editor writes.
constexpr std::size_t kRulesLineCapacity = 8192;

const std::vector<Column> kJobColumns{{IDS_CONSOLE_HEADING_JOB, 160, job::kName},
                                      {IDS_CONSOLE_HEADING_USER, 90, job::kUser},
                                      {IDS_CONSOLE_HEADING_NUMBER, 80, job::kNumber},
                                      {IDS_CONSOLE_HEADING_STATUS, 90, job::kStatus},
                                      {IDS_CONSOLE_HEADING_PROFILE, 110, job::kProfileName}};

}  // namespace

Result<Json> ServerViews::Jobs(const std::string& system, const std::string& prefix) {
    return ListTable(m_host, kinds::kJob, system, prefix, kJobColumns);
}

Result<Json> ServerViews::Job(const std::string& system, const std::string& jobName) {
    host::SOFError* error = nullptr;
    auto object =
        m_host.Objects().CreateObject(kinds::kJob, host::kClientName, system, jobName, &error);
    if (error != nullptr || !object) return TakeError(error, ui::LoadText(IDS_CONSOLE_NO_SUCH_JOB));
    Json facts = Json::array();
    for (const auto& column : kJobColumns) {
        facts.push_back(object->GetAttributeText(column.attribute, &error));
        if (error != nullptr) return TakeError(error, ui::LoadText(IDS_CONSOLE_NO_SUCH_JOB));
    }
    const std::vector<Column> fileColumns{
        {IDS_CONSOLE_HEADING_SPOOLED_FILE, 160, spooled::kFileName},
        {IDS_CONSOLE_HEADING_JOB, 140, spooled::kJobName},
        {IDS_CONSOLE_HEADING_USER, 90, spooled::kJobUser},
        {IDS_CONSOLE_HEADING_NUMBER, 80, spooled::kJobNumber}};
    auto files = ListTable(m_host, kinds::kSpooledFile, system, jobName, fileColumns);
    if (!files) return files.error();
    Json answer = *files;
    answer["job"] = {{"columns", ColumnsJson(kJobColumns)}, {"cells", facts}};
    for (auto& row : answer["rows"])
        row["spool"] = row["id"];
    if (!answer["rows"].empty()) answer["spool"] = answer["rows"][0]["id"];
    return answer;
}

Result<Json> ServerViews::SpooledFile(const std::string& system, const std::string& file) {
    host::SOFError* error = nullptr;
    auto object =
        m_host.Objects().CreateObject(kinds::kSpooledFile, host::kClientName, system, file, &error);
    if (error != nullptr || !object)
        return TakeError(error, ui::LoadText(IDS_CONSOLE_NO_SUCH_SPOOLED_FILE));
    // Every spooled file has a file name; an object without one was never spooled.
    const auto fileName = object->GetAttributeText(spooled::kFileName, &error);
    if (error != nullptr)
        return TakeError(error, ui::LoadText(IDS_CONSOLE_SPOOLED_FILE_UNREADABLE));
    if (fileName.empty())
        return Fail(ErrorKind::NotFound, ui::LoadText(IDS_CONSOLE_NO_SUCH_SPOOLED_FILE));
    auto text = object->GetAttributeText(spooled::kText, &error);
    if (error != nullptr)
        return TakeError(error, ui::LoadText(IDS_CONSOLE_SPOOLED_FILE_UNREADABLE));
    return Json{{"name", file}, {"text", text}};
}

Result<Json> ServerViews::Connections(const std::string& system, const std::string&) {
    return ListTable(m_host, kinds::kConnectionJob, system, "",
                     {{IDS_CONSOLE_HEADING_PROFILE, 110, connection::kProfileName},
                      {IDS_CONSOLE_HEADING_STATUS, 110, connection::kStatus, ConnectionStatusText},
                      {IDS_CONSOLE_HEADING_LINE, 100, connection::kLineName},
                      {IDS_CONSOLE_HEADING_REMOTE_ADDRESS, 120, connection::kRemoteAddress},
                      {IDS_CONSOLE_HEADING_LOCAL_ADDRESS, 120, connection::kLocalAddress},
                      {IDS_CONSOLE_HEADING_JOB, 140, connection::kJobName},
                      {IDS_CONSOLE_HEADING_USER, 80, connection::kJobUser},
                      {IDS_CONSOLE_HEADING_NUMBER, 80, connection::kJobNumber},
                      {IDS_CONSOLE_HEADING_BUNDLE, 100, connection::kBundleKind}});
}

Result<Json> ServerViews::CommandLog(const std::string& system, const std::string&) {
    server::Error why;
    auto* opened = m_host.SystemFor(system, &why);
    if (opened == nullptr) return Fail(ErrorKind::Unavailable, why.text);
    auto entries = opened->ReadCommandLog(500);
    if (!entries) return Fail(ErrorKind::Unavailable, entries.error().text);
    Json rows = Json::array();
    for (const auto& entry : *entries) {
        rows.push_back({{"id", std::to_string(entry.sequence)},
                        {"cells", {entry.time, entry.client, entry.command, entry.reply}}});
    }
    const Json columns =
        Json::array({{{"text", ui::LoadText(IDS_CONSOLE_HEADING_TIME)}, {"width", 170}},
                     {{"text", ui::LoadText(IDS_CONSOLE_HEADING_CLIENT)}, {"width", 80}},
                     {{"text", ui::LoadText(IDS_CONSOLE_HEADING_COMMAND)}, {"width", 420}},
                     {{"text", ui::LoadText(IDS_CONSOLE_HEADING_REPLY)}, {"width", 260}}});
    return Json{{"columns", columns}, {"rows", rows}};
}

Result<Json> ServerViews::PacketRules(const std::string& system, const std::string& path) {
    int result = host::kFileOk;
    auto file = m_host.Files().CreateFile(system, path, result);
    if (file && result == host::kFileOk) result = file->Open(3, 1, 1);
    if (result == host::kFileNotFound)
        return Fail(ErrorKind::NotFound, ui::FormatResource(IDS_CONSOLE_RULES_NOT_FOUND, {path}));
    if (!file || result != host::kFileOk) {
        return Fail(ErrorKind::Unavailable,
                    ui::FormatResource(IDS_CONSOLE_RULES_NOT_READ, {path, std::to_string(result)}));
    }
    std::vector<std::string> lines;
    std::string buffer(kRulesLineCapacity, '\0');
    for (;;) {
        buffer[0] = '\0';
        const int read = file->ReadLine(buffer.data(), buffer.size());
        // At the end the buffer may still hold a last line without its line end.
        if (read == host::kFileOk || buffer[0] != '\0') lines.emplace_back(buffer.c_str());
        if (read != host::kFileOk) break;
    }
    (void)file->Close();
    const RulesStatements split = SplitRulesStatements(lines);
    Json rows = Json::array();
    const std::string comment = ui::LoadText(IDS_CONSOLE_RULES_COMMENT);
    for (const RulesStatement& statement : split.statements) {
        rows.push_back({{"id", std::to_string(statement.line)},
                        {"cells",
                         {std::to_string(statement.line),
                          statement.comment ? comment : statement.keyword, statement.text}}});
    }
    const Json columns =
        Json::array({{{"text", ui::LoadText(IDS_CONSOLE_HEADING_RULES_LINE)}, {"width", 60}},
                     {{"text", ui::LoadText(IDS_CONSOLE_HEADING_RULES_KIND)}, {"width", 120}},
                     {{"text", ui::LoadText(IDS_CONSOLE_HEADING_RULES_TEXT)}, {"width", 640}}});
    Json answer{{"file", path}, {"columns", columns}, {"rows", rows}};
    if (split.unclosed) answer["message"] = ui::LoadText(IDS_CONSOLE_RULES_NOT_CLOSED);
    return answer;
}

}  // namespace ptp::console
