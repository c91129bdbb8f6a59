#pragma once
// The services of InProcessHost, one class per operation family.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "host/host_services.h"

namespace ptp::host {

class InProcessHost;

class InProcessCommands final : public ICommandService {
  public:
    explicit InProcessCommands(InProcessHost& host) : m_host(host) {}
    std::unique_ptr<ICommandConnection> OpenConnection(std::string_view server, int mode,
                                                       int& status) override;

  private:
    InProcessHost& m_host;
};

class InProcessFiles final : public IServerFiles {
  public:
    explicit InProcessFiles(InProcessHost& host) : m_host(host) {}
    std::unique_ptr<IServerFile> CreateFile(std::string_view server, std::string_view path,
                                            int& result) override;
    std::unique_ptr<IServerFile> CreateFileForWrite(std::string_view server, std::string_view path,
                                                    int arg0, int& result, int arg1) override;
    std::vector<std::string> ListDirectory(std::string_view server, std::string_view pattern,
                                           SOFError** error) override;

  private:
    InProcessHost& m_host;
};

class InProcessObjects final : public IServerObjects {
  public:
    explicit InProcessObjects(InProcessHost& host) : m_host(host) {}
    std::unique_ptr<IServerObject> CreateObject(std::string_view kind, std::string_view client,
                                                std::string_view server, std::string_view name,
                                                SOFError** error) override;
    std::unique_ptr<IServerList> CreateList(std::string_view kind, std::string_view client,
                                            std::string_view server, std::string_view filter,
                                            SOFError** error) override;

  private:
    InProcessHost& m_host;
};

class InProcessErrorDisplay final : public IErrorDisplay {
  public:
    explicit InProcessErrorDisplay(InProcessHost& host) : m_host(host) {}
    void ShowError(SOFError* error, HWND parent) override;
    void ShowMessageText(std::string_view text, HWND parent) override;

  private:
    InProcessHost& m_host;
};

class InProcessFacts final : public IServerFacts {
  public:
    explicit InProcessFacts(InProcessHost& host) : m_host(host) {}
    bool GetRelease(std::string_view server, char* buffer, std::size_t capacity) override;
    bool HasConfigurationAuthority(std::string_view server, SOFError** error) override;

  private:
    InProcessHost& m_host;
};

// Copies `text` into `buffer`, cut to `capacity - 1` bytes and NUL-terminated. False (buffer
// untouched) for a null buffer or no capacity.
bool CopyToBuffer(std::string_view text, char* buffer, std::size_t capacity);

}  // namespace ptp::host
