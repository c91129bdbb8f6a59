#include "server/file_calls.h"

#include <sqlite3.h>
#include <stdio.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <mutex>

namespace ptp::server {
namespace {

struct Armed {
    std::mutex mutex;
    bool armed = false;
    FileCallFault fault;
    std::array<int, 3> calls{};
    int fired = 0;
};

Armed& State() {
    static Armed state;
    return state;
}

// Counts the call; the errno it is to fail with, or 0.
int Check(FileCall call) {
    Armed& state = State();
    std::lock_guard lock(state.mutex);
    const int count = ++state.calls[static_cast<std::size_t>(call)];
    if (!state.armed || state.fault.call != call) return 0;
    if (count < state.fault.nth || (count > state.fault.nth && !state.fault.repeat)) return 0;
    ++state.fired;
    return state.fault.error;
}

// The database engine's files, wrapped: writes and syncs pass through the calls above, the rest
// goes to the engine's own file layer unchanged.
struct WrappedFile {
    sqlite3_file base;
    sqlite3_file* inner;  // allocated right after this struct
};

sqlite3_vfs* InnerLayer() {
    static sqlite3_vfs* inner = sqlite3_vfs_find(nullptr);
    return inner;
}

sqlite3_file* Inner(sqlite3_file* file) {
    return reinterpret_cast<WrappedFile*>(file)->inner;
}

int WrappedClose(sqlite3_file* file) {
    return Inner(file)->pMethods->xClose(Inner(file));
}
int WrappedRead(sqlite3_file* file, void* data, int amount, sqlite3_int64 offset) {
    return Inner(file)->pMethods->xRead(Inner(file), data, amount, offset);
}
int WrappedWrite(sqlite3_file* file, const void* data, int amount, sqlite3_int64 offset) {
    if (const int error = Check(FileCall::Write); error != 0)
        return error == ENOSPC ? SQLITE_FULL : SQLITE_IOERR_WRITE;
    return Inner(file)->pMethods->xWrite(Inner(file), data, amount, offset);
}
int WrappedTruncate(sqlite3_file* file, sqlite3_int64 size) {
    return Inner(file)->pMethods->xTruncate(Inner(file), size);
}
int WrappedSync(sqlite3_file* file, int flags) {
    if (Check(FileCall::Sync) != 0) return SQLITE_IOERR_FSYNC;
    return Inner(file)->pMethods->xSync(Inner(file), flags);
}
int WrappedFileSize(sqlite3_file* file, sqlite3_int64* size) {
    return Inner(file)->pMethods->xFileSize(Inner(file), size);
}
int WrappedLock(sqlite3_file* file, int level) {
    return Inner(file)->pMethods->xLock(Inner(file), level);
}
int WrappedUnlock(sqlite3_file* file, int level) {
    return Inner(file)->pMethods->xUnlock(Inner(file), level);
}
int WrappedCheckReservedLock(sqlite3_file* file, int* out) {
    return Inner(file)->pMethods->xCheckReservedLock(Inner(file), out);
}
int WrappedFileControl(sqlite3_file* file, int op, void* arg) {
    return Inner(file)->pMethods->xFileControl(Inner(file), op, arg);
}
int WrappedSectorSize(sqlite3_file* file) {
    return Inner(file)->pMethods->xSectorSize(Inner(file));
}
int WrappedDeviceCharacteristics(sqlite3_file* file) {
    return Inner(file)->pMethods->xDeviceCharacteristics(Inner(file));
}
int WrappedShmMap(sqlite3_file* file, int page, int size, int extend, void volatile** out) {
    return Inner(file)->pMethods->xShmMap(Inner(file), page, size, extend, out);
}
int WrappedShmLock(sqlite3_file* file, int offset, int n, int flags) {
    return Inner(file)->pMethods->xShmLock(Inner(file), offset, n, flags);
}
void WrappedShmBarrier(sqlite3_file* file) {
    Inner(file)->pMethods->xShmBarrier(Inner(file));
}
int WrappedShmUnmap(sqlite3_file* file, int deleteFlag) {
    return Inner(file)->pMethods->xShmUnmap(Inner(file), deleteFlag);
}
int WrappedFetch(sqlite3_file* file, sqlite3_int64 offset, int amount, void** out) {
    return Inner(file)->pMethods->xFetch(Inner(file), offset, amount, out);
}
int WrappedUnfetch(sqlite3_file* file, sqlite3_int64 offset, void* page) {
    return Inner(file)->pMethods->xUnfetch(Inner(file), offset, page);
}

const sqlite3_io_methods kWrappedMethods = {
    3,
    WrappedClose,
    WrappedRead,
    WrappedWrite,
    WrappedTruncate,
    WrappedSync,
    WrappedFileSize,
    WrappedLock,
    WrappedUnlock,
    WrappedCheckReservedLock,
    WrappedFileControl,
    WrappedSectorSize,
    WrappedDeviceCharacteristics,
    WrappedShmMap,
    WrappedShmLock,
    WrappedShmBarrier,
    WrappedShmUnmap,
    WrappedFetch,
    WrappedUnfetch,
};

int WrappedOpen(sqlite3_vfs* vfs, const char* name, sqlite3_file* file, int flags, int* outFlags) {
    auto* wrapped = reinterpret_cast<WrappedFile*>(file);
    wrapped->inner = reinterpret_cast<sqlite3_file*>(wrapped + 1);
    sqlite3_vfs* inner = static_cast<sqlite3_vfs*>(vfs->pAppData);
    const int rc = inner->xOpen(inner, name, wrapped->inner, flags, outFlags);
    // The engine closes a file whose methods are set, even after a failed open.
    wrapped->base.pMethods = wrapped->inner->pMethods ? &kWrappedMethods : nullptr;
    return rc;
}

int PassDelete(sqlite3_vfs* vfs, const char* name, int syncDir) {
    auto* inner = static_cast<sqlite3_vfs*>(vfs->pAppData);
    return inner->xDelete(inner, name, syncDir);
}
int PassAccess(sqlite3_vfs* vfs, const char* name, int flags, int* out) {
    auto* inner = static_cast<sqlite3_vfs*>(vfs->pAppData);
    return inner->xAccess(inner, name, flags, out);
}
int PassFullPathname(sqlite3_vfs* vfs, const char* name, int size, char* out) {
    auto* inner = static_cast<sqlite3_vfs*>(vfs->pAppData);
    return inner->xFullPathname(inner, name, size, out);
}
void* PassDlOpen(sqlite3_vfs* vfs, const char* name) {
    auto* inner = static_cast<sqlite3_vfs*>(vfs->pAppData);
    return inner->xDlOpen(inner, name);
}
void PassDlError(sqlite3_vfs* vfs, int size, char* out) {
    auto* inner = static_cast<sqlite3_vfs*>(vfs->pAppData);
    inner->xDlError(inner, size, out);
}
void (*PassDlSym(sqlite3_vfs* vfs, void* handle, const char* symbol))(void) {
    auto* inner = static_cast<sqlite3_vfs*>(vfs->pAppData);
    return inner->xDlSym(inner, handle, symbol);
}
void PassDlClose(sqlite3_vfs* vfs, void* handle) {
    auto* inner = static_cast<sqlite3_vfs*>(vfs->pAppData);
    inner->xDlClose(inner, handle);
}
int PassRandomness(sqlite3_vfs* vfs, int size, char* out) {
    auto* inner = static_cast<sqlite3_vfs*>(vfs->pAppData);
    return inner->xRandomness(inner, size, out);
}
int PassSleep(sqlite3_vfs* vfs, int microseconds) {
    auto* inner = static_cast<sqlite3_vfs*>(vfs->pAppData);
    return inner->xSleep(inner, microseconds);
}
int PassCurrentTime(sqlite3_vfs* vfs, double* out) {
    auto* inner = static_cast<sqlite3_vfs*>(vfs->pAppData);
    return inner->xCurrentTime(inner, out);
}
int PassGetLastError(sqlite3_vfs* vfs, int size, char* out) {
    auto* inner = static_cast<sqlite3_vfs*>(vfs->pAppData);
    return inner->xGetLastError ? inner->xGetLastError(inner, size, out) : 0;
}
int PassCurrentTimeInt64(sqlite3_vfs* vfs, sqlite3_int64* out) {
    auto* inner = static_cast<sqlite3_vfs*>(vfs->pAppData);
    return inner->xCurrentTimeInt64(inner, out);
}

constexpr const char* kLayerName = "ptp-file-calls";

}  // namespace

void InjectFileCallFault(const FileCallFault& fault) {
    Armed& state = State();
    std::lock_guard lock(state.mutex);
    state.armed = true;
    state.fault = fault;
    state.calls = {};
    state.fired = 0;
}

void ClearFileCallFault() {
    Armed& state = State();
    std::lock_guard lock(state.mutex);
    state.armed = false;
}

int FileCallCount(FileCall call) {
    Armed& state = State();
    std::lock_guard lock(state.mutex);
    return state.calls[static_cast<std::size_t>(call)];
}

int FileCallFaultsFired() {
    Armed& state = State();
    std::lock_guard lock(state.mutex);
    return state.fired;
}

ssize_t WriteThroughFileCalls(int fd, const void* data, std::size_t size) {
    if (const int error = Check(FileCall::Write); error != 0) {
        errno = error;
        return -1;
    }
    return ::write(fd, data, size);
}

int SyncThroughFileCalls(int fd) {
    if (const int error = Check(FileCall::Sync); error != 0) {
        errno = error;
        return -1;
    }
    return ::fsync(fd);
}

int RenameThroughFileCalls(const char* from, const char* to) {
    if (const int error = Check(FileCall::Rename); error != 0) {
        errno = error;
        return -1;
    }
    return ::rename(from, to);
}

const char* FileCallsDatabaseLayer() {
    static const bool registered = [] {
        sqlite3_vfs* inner = InnerLayer();
        static sqlite3_vfs layer = {
            3,
            static_cast<int>(sizeof(WrappedFile)) + inner->szOsFile,
            inner->mxPathname,
            nullptr,
            kLayerName,
            inner,
            WrappedOpen,
            PassDelete,
            PassAccess,
            PassFullPathname,
            PassDlOpen,
            PassDlError,
            PassDlSym,
            PassDlClose,
            PassRandomness,
            PassSleep,
            PassCurrentTime,
            PassGetLastError,
            PassCurrentTimeInt64,
            nullptr,
            nullptr,
            nullptr,
        };
        return sqlite3_vfs_register(&layer, 0) == SQLITE_OK;
    }();
    return registered ? kLayerName : nullptr;
}

}  // namespace ptp::server
