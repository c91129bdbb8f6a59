#pragma once
// The one narrow door from the host client to a server: run a command, read, commit and delete
// objects and read lists of them by attribute number, read and write stream files, and read the
// server's logs. Everything that passes is plain data (names, attribute maps of text, file text,
// replies), so a client that talks to a server over a socket implements this interface next to
// the embedded server's. The server runs every transaction and every check itself.
//
// A session belongs to one system and one signed-on client; its calls may come from several
// threads.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "host/session/list_snapshot.h"
#include "platform/vocabulary/stream_file.h"

namespace ptp::host {

// The server's answer to a request that did not succeed: a message identifier and its text, as
// the server words them. An empty identifier is success.
struct ServerReply {
    std::string messageId;
    std::string text;

    [[nodiscard]] bool ok() const { return messageId.empty(); }
};

// Message identifiers a client acts on.
inline constexpr std::string_view kMessageNotFound = "CPF2105";
inline constexpr std::string_view kMessageFileNotFound = "CPFA0A9";
inline constexpr std::string_view kMessageFileInUse = "CPF3202";
inline constexpr std::string_view kMessageChangedSince = "CPF3220";
inline constexpr std::string_view kMessageFileChangedSince = "CPFA09F";

// The version of a stream file that does not exist.
inline constexpr std::string_view kNoFileVersion = code::stream_file::kNoVersion;

// The coded character set of stream files without a tag: the workstation's text.
inline constexpr int kCcsidText = 1208;

struct ServerFileText {
    std::string text;  // UTF-8, whatever the file's coded character set
    int ccsid = 0;
    std::string version;  // of the content read
};

struct LoggedCommand {
    std::int64_t sequence = 0;
    std::string time;  // UTC, "2026-12-05T15:36:27Z"
    std::string client;
    std::string command;
    std::string reply;
};

inline constexpr std::string_view kObjectCommitted = "commit";
inline constexpr std::string_view kObjectDeleted = "delete";

struct LoggedObjectChange {
    std::int64_t sequence = 0;
    std::string time;
    std::string client;
    std::string action;  // kObjectCommitted or kObjectDeleted
    std::string kind;
    std::string name;       // the name the object is stored under
    Attributes attributes;  // the values the client sent; none for a deletion
};

class IServerSession {
  public:
    virtual ~IServerSession() = default;

    // Facts of the system and the signed-on user.
    [[nodiscard]] virtual std::string Release() = 0;
    [[nodiscard]] virtual bool HasConfigurationAuthority() = 0;

    // Runs a CL command and gives the server's reply: empty for success, otherwise message
    // identifier and text. The server writes its command log.
    [[nodiscard]] virtual std::string RunCommand(std::string_view command) = 0;

    // One object into `into` (appended as one record). kMessageNotFound when there is none.
    [[nodiscard]] virtual ServerReply ReadObject(std::string_view kind, std::string_view name,
                                                 ListSnapshot& into) = 0;
    // Writes `staged` into the object, creating it when there is none, checks and numbering as
    // the server does them; `stored` is the name the server keeps it under. `read` holds, for
    // the staged attributes the client had read, the values it read: when another client has
    // changed one of them since, nothing is written and the reply says so (kMessageChangedSince),
    // so no one's update is lost unseen.
    [[nodiscard]] virtual ServerReply CommitObject(std::string_view kind, std::string_view name,
                                                   const Attributes& staged, const Attributes& read,
                                                   std::string& stored) = 0;
    // Removes the object and what depends on it.
    [[nodiscard]] virtual ServerReply DeleteObject(std::string_view kind,
                                                   std::string_view name) = 0;
    // The objects of a list, as the list of that kind selects them with `filter`.
    [[nodiscard]] virtual ServerReply ReadList(std::string_view kind, std::string_view filter,
                                               ListSnapshot& into) = 0;
    // Runs check operation `check` of the rules file verification on `path`; the outcome comes
    // back as the verification object's attributes.
    [[nodiscard]] virtual ServerReply CheckRulesFile(std::string_view path, int check,
                                                     Attributes& outcome) = 0;

    // Stream files. A read answers kMessageFileInUse while another client writes the file and
    // kMessageFileNotFound when there is none. Writing a file is claiming it, writing it whole
    // and releasing the claim. A write with `expectedVersion` (the version a read gave, or
    // kNoFileVersion) replaces the file only while it is still at that version: when another
    // client has written it since, nothing is written and the reply is kMessageFileChangedSince,
    // so no one's update is lost unseen. An empty `expectedVersion` writes whatever is there.
    // `writtenVersion` receives the version of the file written.
    [[nodiscard]] virtual ServerReply ReadFile(std::string_view path, ServerFileText& file) = 0;
    [[nodiscard]] virtual ServerReply ClaimFile(std::string_view path) = 0;
    virtual void ReleaseFile(std::string_view path) = 0;
    [[nodiscard]] virtual ServerReply WriteFile(std::string_view path, std::string_view text,
                                                int ccsid, std::string_view expectedVersion,
                                                std::string& writtenVersion) = 0;
    // The file's coded character set; kMessageFileNotFound when there is none.
    [[nodiscard]] virtual ServerReply FileCcsid(std::string_view path, int& ccsid) = 0;
    [[nodiscard]] virtual ServerReply ListFiles(std::string_view pattern,
                                                std::vector<std::string>& names) = 0;

    // The server's logs: the last `tail` commands (all for 0), and the object changes after
    // `afterSequence`, oldest first.
    [[nodiscard]] virtual ServerReply CommandLog(std::size_t tail,
                                                 std::vector<LoggedCommand>& entries) = 0;
    [[nodiscard]] virtual ServerReply ObjectLog(std::int64_t afterSequence,
                                                std::vector<LoggedObjectChange>& entries) = 0;
};

}  // namespace ptp::host
