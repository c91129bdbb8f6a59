#include "lines/virtual_line_files.h"

#include "host/host_services.h"

namespace ptp::lines {

LineFileRead LoadLineFile(config::CKeyedConfigFileBase& file) {
    if (file.Load() == config::kFileResultOk) return LineFileRead::Read;
    host::IHost* host = host::GetHost();
    if (!host) return LineFileRead::Unreadable;
    int result = -1;
    auto probe = host->Files().CreateFile(file.GetSystemName(), file.GetServerPath(), result);
    if (!probe || result != host::kFileOk) return LineFileRead::Unreadable;
    const bool missing = probe->Open(3, 1, 1) == host::kFileNotFound;
    return missing ? LineFileRead::Missing : LineFileRead::Unreadable;
}

}  // namespace ptp::lines
