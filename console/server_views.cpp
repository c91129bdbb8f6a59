#include "console/server_views.h"
#include "console/console_texts.h"

#include <memory>
#include <vector>

#include "host/in_process_host.h"
#include "platform/ui/toolkit.h"
#include "platform/vocabulary/connection.h"
#include "platform/vocabulary/job.h"
#include "platform/vocabulary/kinds.h"

namespace ptp::console {
namespace {
namespace job = attr::job;
namespace spooled = attr::spooled_file;
namespace connection = attr::connection;

struct Column {
    std::uint32_t heading;
    int width;
    int attribute;
};

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
    if (error != nullptr || !list) return TakeError(error, ui::LoadText(kListNotOpened));
    list->Open(&error);
    if (error != nullptr) return TakeError(error, ui::LoadText(kListNotRead));
    const long count = list->GetCount(&error);
    if (error != nullptr) return TakeError(error, ui::LoadText(kListNotRead));
    Json rows = Json::array();
    for (long index = 0; index < count; ++index) {
        auto* element = list->ElementAt(index, &error);
        if (error != nullptr || element == nullptr)
            return TakeError(error, ui::LoadText(kListEntryMissing));
        Json cells = Json::array();
        for (const auto& column : columns) {
            cells.push_back(element->GetAttributeText(column.attribute, &error));
            if (error != nullptr) return TakeError(error, ui::LoadText(kListEntryUnreadable));
        }
        rows.push_back({{"id", element->GetName()}, {"cells", cells}});
    }
    list->Close(&error);
    if (error != nullptr && !host::IsAlreadyReported(error)) error->Destroy();
    return Json{{"columns", ColumnsJson(columns)}, {"rows", rows}};
}

const std::vector<Column> kJobColumns{{kHeadingJob, 160, job::kName},
                                      {kHeadingUser, 90, job::kUser},
                                      {kHeadingNumber, 80, job::kNumber},
                                      {kHeadingStatus, 90, job::kStatus},
                                      {kHeadingProfile, 110, job::kProfileName}};

}  // namespace

Result<Json> ServerViews::Jobs(const std::string& system, const std::string& prefix) {
    return ListTable(m_host, kinds::kJob, system, prefix, kJobColumns);
}

Result<Json> ServerViews::Job(const std::string& system, const std::string& jobName) {
    host::SOFError* error = nullptr;
    auto object =
        m_host.Objects().CreateObject(kinds::kJob, host::kClientName, system, jobName, &error);
    if (error != nullptr || !object) return TakeError(error, ui::LoadText(kNoSuchJob));
    Json facts = Json::array();
    for (const auto& column : kJobColumns) {
        facts.push_back(object->GetAttributeText(column.attribute, &error));
        if (error != nullptr) return TakeError(error, ui::LoadText(kNoSuchJob));
    }
    const std::vector<Column> fileColumns{{kHeadingSpooledFile, 160, spooled::kFileName},
                                          {kHeadingJob, 140, spooled::kJobName},
                                          {kHeadingUser, 90, spooled::kJobUser},
                                          {kHeadingNumber, 80, spooled::kJobNumber}};
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
    if (error != nullptr || !object) return TakeError(error, ui::LoadText(kNoSuchSpooledFile));
    // Every spooled file has a file name; an object without one was never spooled.
    const auto fileName = object->GetAttributeText(spooled::kFileName, &error);
    if (error != nullptr) return TakeError(error, ui::LoadText(kSpooledFileUnreadable));
    if (fileName.empty()) return Fail(ErrorKind::NotFound, ui::LoadText(kNoSuchSpooledFile));
    auto text = object->GetAttributeText(spooled::kText, &error);
    if (error != nullptr) return TakeError(error, ui::LoadText(kSpooledFileUnreadable));
    return Json{{"name", file}, {"text", text}};
}

Result<Json> ServerViews::Connections(const std::string& system, const std::string&) {
    return ListTable(m_host, kinds::kConnectionJob, system, "",
                     {{kHeadingProfile, 110, connection::kProfileName},
                      {kHeadingStatus, 70, connection::kStatus},
                      {kHeadingLine, 100, connection::kLineName},
                      {kHeadingRemoteAddress, 120, connection::kRemoteAddress},
                      {kHeadingLocalAddress, 120, connection::kLocalAddress},
                      {kHeadingJob, 140, connection::kJobName},
                      {kHeadingUser, 80, connection::kJobUser},
                      {kHeadingNumber, 80, connection::kJobNumber},
                      {kHeadingBundle, 100, connection::kBundleKind}});
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
    const Json columns = Json::array({{{"text", ui::LoadText(kHeadingTime)}, {"width", 170}},
                                      {{"text", ui::LoadText(kHeadingClient)}, {"width", 80}},
                                      {{"text", ui::LoadText(kHeadingCommand)}, {"width", 420}},
                                      {{"text", ui::LoadText(kHeadingReply)}, {"width", 260}}});
    return Json{{"columns", columns}, {"rows", rows}};
}

}  // namespace ptp::console
