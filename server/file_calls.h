#pragma once
// The file-system calls through which a save reaches the disk: writing a stream file's new text,
// syncing it and renaming it over the old one, and the database's writes and syncs when an object
// commit lands. Everything else goes to the system directly; these calls are where a full disk or
// a failing device shows, so tests can make the Nth call of one kind fail with an error number
// (ENOSPC, EIO) and see every step of a save fail against real files.
#include <sys/types.h>

#include <cstddef>

namespace ptp::server {

enum class FileCall { Write, Sync, Rename };

struct FileCallFault {
    FileCall call = FileCall::Write;
    int nth = 1;          // the Nth call of that kind after the fault was armed fails
    int error = 0;        // the errno it fails with
    bool repeat = false;  // and every call of that kind after it
};

// Arms `fault` (replacing any other) and restarts the counts.
void InjectFileCallFault(const FileCallFault& fault);
// Disarms it; the counts go on.
void ClearFileCallFault();
// Calls of `call` since the last fault was armed (failed ones included).
int FileCallCount(FileCall call);
// How many calls the armed fault has failed.
int FileCallFaultsFired();

// The calls themselves: as write(2), fsync(2) and rename(2).
ssize_t WriteThroughFileCalls(int fd, const void* data, std::size_t size);
int SyncThroughFileCalls(int fd);
int RenameThroughFileCalls(const char* from, const char* to);

// The name of the database file layer that routes writes and syncs through these calls, made
// known to the database engine on first use.
const char* FileCallsDatabaseLayer();

}  // namespace ptp::server
