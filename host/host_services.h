#pragma once
// The plug-in's only door to a server: command connections, server files and server objects. The
// plug-in holds these interfaces; the process that loads it installs one implementation with
// SetHost (the in-process client of the server stand-in today).
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "host/sof_error.h"
#include "platform/vocabulary/stream_file.h"

namespace ptp::host {

// The client name every server object is created with.
inline constexpr std::string_view kClientName = "NXWIN";

// ---------------------------------------------------------------------------------------------
// Commands

class ICommandConnection {
public:
    virtual ~ICommandConnection() = default;
    // Runs one CL command. An empty reply means success; otherwise message identifier and text.
    virtual std::string RunCommand(std::string_view command) = 0;
};

class ICommandService {
public:
    virtual ~ICommandService() = default;
    // Opens a command connection (mode 1). `status` is non-zero on success; on failure the result
    // is null and the command is reported as failed without running.
    virtual std::unique_ptr<ICommandConnection> OpenConnection(std::string_view server, int mode,
                                                               int& status) = 0;
};

// ---------------------------------------------------------------------------------------------
// Server files (stream file system)

inline constexpr int kFileOk = 0;
inline constexpr int kFileError = 1;  // any other failure (bad path, no server, write failed)
inline constexpr int kFileEndOfFile = 2;
inline constexpr int kFileNotFound = 3;  // opening for reading a file that does not exist
inline constexpr int kFileInUse = 5;
inline constexpr int kFileChangedSince = 6;  // another client wrote the file after it was read
inline constexpr int kCcsidUtf16 = 13488;
// The write flag of a line that names another file to include, and of every other line.
inline constexpr int kWriteInclude = 1;
inline constexpr int kWritePlain = 0;

class IServerFile {
public:
    virtual ~IServerFile() = default;
    // Reading passes the mode words 3, 1, 1; writing 3, 3, 1. 0 is success, 5 the file in use.
    virtual int Open(int mode1, int mode2, int mode3) = 0;
    // The one preparing call a file opened for writing gets before its first line.
    virtual int PrepareWrite() = 0;
    // Coded character set of the file's text; 13488 is UTF-16. Set before Open when writing.
    virtual int SetCcsid(int ccsid) = 0;
    virtual int GetCcsid() const = 0;
    // Fills `buffer` (capacity bytes, NUL-terminated) with the next line without its line end.
    // 0 for a line, 2 at end of file (the buffer may still hold a last unterminated line).
    virtual int ReadLine(char* buffer, std::size_t capacity) = 0;
    // Writes `text`, NUL-terminated, as one line of the file. `length` counts the line's
    // characters (16-bit units, as the host library counts them) and the NUL; a length that does
    // not match the text is refused. `flag` is kWriteInclude for a line that includes another
    // file, else kWritePlain. 0 is success.
    virtual int WriteLine(const char* text, std::size_t length, int flag) = 0;
    // Ends a read or write; a write becomes visible to others only now, whole.
    virtual int Close() = 0;
    // After an Open for reading: the version of the content read, code::stream_file::kNoVersion
    // when the open found no file, empty when unknown. After a Close of a write: the version
    // written.
    [[nodiscard]] virtual std::string GetVersion() const { return {}; }
    // For a file opened for writing: Close replaces the file only while it is still at
    // `version` (as a read gave it); otherwise nothing is written and Close answers
    // kFileChangedSince. Empty replaces whatever is there.
    virtual void ExpectVersion(std::string_view version) { (void)version; }
};

// The length WriteLine wants with `line`: its 16-bit characters and the NUL.
[[nodiscard]] std::size_t WriteLength(std::string_view line);

class IServerFiles {
public:
    virtual ~IServerFiles() = default;
    // A server-file object for reading; `result` 0 on success.
    virtual std::unique_ptr<IServerFile> CreateFile(std::string_view server, std::string_view path,
                                                    int& result) = 0;
    // A server-file object for writing, with the further arguments 0 and 1 of the host library.
    virtual std::unique_ptr<IServerFile> CreateFileForWrite(std::string_view server,
                                                            std::string_view path, int arg0,
                                                            int& result, int arg1) = 0;
    // Names matching a pattern such as "\QSYS.LIB\QGPL.LIB\QTXTSRC.FILE\*.*" or
    // "\QSYS.LIB\*.AUTL" or a stream-file folder pattern.
    virtual std::vector<std::string> ListDirectory(std::string_view server,
                                                   std::string_view pattern, SOFError** error) = 0;
};

// ---------------------------------------------------------------------------------------------
// Server objects and lists

class IServerObject {
public:
    virtual ~IServerObject() = default;
    // Copies the attribute's text into `buffer` (capacity characters including the NUL). On error
    // the buffer is untouched and `*error` receives an error object.
    virtual void GetAttribute(int id, char* buffer, std::size_t capacity, SOFError** error) = 0;
    // Convenience over GetAttribute for code that keeps text.
    virtual std::string GetAttributeText(int id, SOFError** error) = 0;
    // Stages a value until Commit.
    virtual void SetAttribute(int id, std::string_view value) = 0;
    // Writes all staged values to the server in one call.
    virtual void Commit(SOFError** error) = 0;
    virtual void Discard() = 0;
    virtual void Delete(SOFError** error) = 0;
    virtual std::string GetKind() const = 0;
    virtual std::string GetName() const = 0;
};

inline constexpr int kListStateComplete = 50;
inline constexpr int kListStateCompleteWithErrors = 51;

class IServerList {
public:
    virtual ~IServerList() = default;
    virtual void Open(SOFError** error) = 0;
    // Loading ends in state 50 or 51; WaitStep advances it.
    virtual int GetState(SOFError** error) = 0;
    virtual void WaitStep(SOFError** error) = 0;
    virtual long GetCount(SOFError** error) = 0;
    // The element stays owned by the list and lives until the list is refreshed or closed.
    virtual IServerObject* ElementAt(long index, SOFError** error) = 0;
    virtual void Refresh(int flags, SOFError** error) = 0;
    virtual void Close(SOFError** error) = 0;
};

class IServerObjects {
public:
    virtual ~IServerObjects() = default;
    // A single object of `kind` named `name` (empty for a new object whose name is set as an
    // attribute, or for singletons such as system values).
    virtual std::unique_ptr<IServerObject> CreateObject(std::string_view kind,
                                                        std::string_view client,
                                                        std::string_view server,
                                                        std::string_view name,
                                                        SOFError** error) = 0;
    // A list of objects of `kind`; `filter` narrows it (a profile kind, a line name, a job prefix),
    // empty for all.
    virtual std::unique_ptr<IServerList> CreateList(std::string_view kind, std::string_view client,
                                                    std::string_view server,
                                                    std::string_view filter, SOFError** error) = 0;
};

// ---------------------------------------------------------------------------------------------
// Errors shown to the user

class IErrorDisplay {
public:
    virtual ~IErrorDisplay() = default;
    // Shows an error object (kind 4 through the common message dialog) or a message text
    // modally over `parent`, with the message-source name "NXWIN".
    virtual void ShowError(SOFError* error, HWND parent) = 0;
    virtual void ShowMessageText(std::string_view text, HWND parent) = 0;
};

// ---------------------------------------------------------------------------------------------
// Server facts

class IServerFacts {
public:
    virtual ~IServerFacts() = default;
    // Copies the six-digit release text VVRRMM into `buffer` (capacity 7 or more). False, with
    // the buffer untouched, when the server cannot be reached.
    virtual bool GetRelease(std::string_view server, char* buffer, std::size_t capacity) = 0;
    // Whether the signed-on user has configuration authority on the server. An error object
    // returned instead means no.
    virtual bool HasConfigurationAuthority(std::string_view server, SOFError** error) = 0;
};

// ---------------------------------------------------------------------------------------------
// The whole door

class IHost {
public:
    virtual ~IHost() = default;
    virtual ICommandService& Commands() = 0;
    virtual IServerFiles& Files() = 0;
    virtual IServerObjects& Objects() = 0;
    virtual IErrorDisplay& Errors() = 0;
    // Release and authority; the default knows no server (no release, no authority).
    virtual IServerFacts& Facts();
};

// The host installed in this process, or null. The process that loads the plug-in installs it
// before the plug-in makes its first call; it stays the installer's.
IHost* GetHost();
void SetHost(IHost* host);

}  // namespace ptp::host
