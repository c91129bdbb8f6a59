#include "config/server_file_lines.h"

#include <string>
#include <vector>

#include "config/file_prompts.h"
#include "resources/ids/files.h"

namespace ptp::config {

void ReadServerFileLines(host::IServerFile& file, std::size_t bufferSize,
                         std::string_view displayPath,
                         const std::function<void(std::string_view line)>& onLine) {
    std::vector<char> buffer(bufferSize, '\0');
    for (bool ended = false; !ended;) {
        // The service always ends the line with a NUL, so only an empty start needs setting.
        buffer[0] = '\0';
        const int read = file.ReadLine(buffer.data(), buffer.size());
        ended = read == host::kFileEndOfFile;
        if (read != host::kFileOk && !ended) {
            GetFilePrompts().ShowMessage(IDS_FILE_READ_WRITE_ERROR, {std::string(displayPath)});
            return;
        }
        buffer.back() = '\0';
        onLine(std::string_view(buffer.data()));
    }
}

}  // namespace ptp::config
