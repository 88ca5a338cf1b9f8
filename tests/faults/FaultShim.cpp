// A preloaded library (LD_PRELOAD) that counts the calls a process makes to write files under one
// folder, and fails or slows a chosen one, as a full disk, a failing disk or a slow one would.
//
//   LCCD_FAULT_DIR     the folder whose files are watched (every call elsewhere passes untouched)
//   LCCD_FAULT_LOG     a file that gets a line per watched call: kind, its number within the kind,
//                      the function and the file, and "fault" on the failed one
//   LCCD_FAULT_KIND    the kind of call to fail: write, sync, rename, create, truncate
//   LCCD_FAULT_NTH     which call of that kind fails (from 1)
//   LCCD_FAULT_ERROR   ENOSPC, EIO, or short: a write that writes half and returns the half
//                      (a flush cannot be made short: it fails with ENOSPC, losing the buffer)
//   LCCD_FAULT_DELAY_US, LCCD_FAULT_CHUNK
//                      every watched write goes out in pieces of CHUNK bytes with a pause of
//                      DELAY_US microseconds before each, so that a kill lands inside it
//
// The kinds: write is write, pwrite(64), writev, pwritev, fwrite and a fflush or fclose that
// has buffered bytes to write (stdio writes its buffer through libc's own write, which no
// preload sees), copy_file_range and sendfile; sync is fsync, fdatasync and sync_file_range;
// rename is rename, renameat, renameat2, link and linkat; create is an open that creates a file
// (O_CREAT, O_TMPFILE) and creat; truncate is ftruncate and truncate.

#include <dlfcn.h>
#include <fcntl.h>
#include <limits.h>
#include <pthread.h>
#include <stdio_ext.h>
#include <sys/sendfile.h>
#include <sys/uio.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace {

enum Kind { kWrite, kSync, kRename, kCreate, kTruncate, kKinds };
const char* const kKindNames[kKinds] = {"write", "sync", "rename", "create", "truncate"};

enum class Verdict { Pass, Fail, Short };

template <typename F> F realFunction(const char* name) {
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

using WriteFn = ssize_t (*)(int, const void*, size_t);
using OpenFn = int (*)(const char*, int, ...);
using OpenatFn = int (*)(int, const char*, int, ...);

struct Config {
    bool ready = false;
    char folder[PATH_MAX] = {};
    size_t folderLength = 0;
    int log = -1;
    int faultKind = -1;
    long faultNth = 0;
    int faultErrno = 0;
    bool shortWrite = false;
    long delayMicroseconds = 0;
    size_t chunk = 0;
    long counts[kKinds] = {};
};

Config config;
pthread_mutex_t lock = PTHREAD_RECURSIVE_MUTEX_INITIALIZER_NP;
WriteFn realWrite = nullptr;

void setUp() {
    if (config.ready)
        return;
    config.ready = true;
    realWrite = realFunction<WriteFn>("write");
    const char* folder = getenv("LCCD_FAULT_DIR");
    if (folder == nullptr || realpath(folder, config.folder) == nullptr) {
        config.folder[0] = '\0';
        return;
    }
    config.folderLength = strlen(config.folder);
    if (const char* log = getenv("LCCD_FAULT_LOG"))
        config.log =
            realFunction<OpenFn>("open")(log, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (const char* kind = getenv("LCCD_FAULT_KIND"))
        for (int k = 0; k < kKinds; ++k)
            if (strcmp(kind, kKindNames[k]) == 0)
                config.faultKind = k;
    if (const char* nth = getenv("LCCD_FAULT_NTH"))
        config.faultNth = atol(nth);
    if (const char* error = getenv("LCCD_FAULT_ERROR")) {
        config.shortWrite = strcmp(error, "short") == 0;
        config.faultErrno = strcmp(error, "EIO") == 0 ? EIO : ENOSPC;
    }
    if (const char* delay = getenv("LCCD_FAULT_DELAY_US"))
        config.delayMicroseconds = atol(delay);
    if (const char* chunk = getenv("LCCD_FAULT_CHUNK"))
        config.chunk = size_t(atol(chunk));
}

bool watched(const char* path) {
    return config.folderLength > 0 && strncmp(path, config.folder, config.folderLength) == 0 &&
           (path[config.folderLength] == '/' || path[config.folderLength] == '\0');
}

// The file an open descriptor stands for; an unnamed file (O_TMPFILE) shows as
// "<folder>/#<inode> (deleted)", still inside its folder.
bool fdPath(int fd, char* path) {
    char link[64];
    snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    const ssize_t length = readlink(link, path, PATH_MAX - 1);
    if (length < 0)
        return false;
    path[length] = '\0';
    return true;
}

// A path as given to a call, made absolute against the descriptor or the working folder.
void absolutePath(int dirfd, const char* given, char* path) {
    if (given == nullptr) {
        path[0] = '\0';
        return;
    }
    if (given[0] == '/') {
        snprintf(path, PATH_MAX, "%s", given);
        return;
    }
    char base[PATH_MAX];
    if (dirfd == AT_FDCWD ? getcwd(base, sizeof base) == nullptr : !fdPath(dirfd, base))
        base[0] = '\0';
    if (snprintf(path, PATH_MAX, "%s/%s", base, given) >= PATH_MAX)
        path[0] = '\0'; // no watched file has so long a name
}

void logCall(int kind, long number, const char* function, const char* path, bool fault) {
    if (config.log < 0)
        return;
    char line[PATH_MAX + 128];
    const int length = snprintf(line, sizeof line, "%s\t%ld\t%s\t%s%s\n", kKindNames[kind], number,
                                function, path, fault ? "\tfault" : "");
    if (length > 0)
        realWrite(config.log, line, std::min(size_t(length), sizeof line - 1));
}

// Counts a call on a file at path (when it is watched) and says what becomes of it.
Verdict judge(int kind, const char* function, const char* path, const char* other = nullptr) {
    pthread_mutex_lock(&lock);
    setUp();
    Verdict verdict = Verdict::Pass;
    const char* shown = watched(path) ? path : other != nullptr && watched(other) ? other : nullptr;
    if (shown != nullptr) {
        const long number = ++config.counts[kind];
        const bool fault = kind == config.faultKind && number == config.faultNth;
        if (fault)
            verdict = config.shortWrite && kind == kWrite ? Verdict::Short : Verdict::Fail;
        logCall(kind, number, function, shown, fault);
    }
    pthread_mutex_unlock(&lock);
    if (verdict == Verdict::Fail)
        errno = config.faultErrno;
    return verdict;
}

Verdict judgeFd(int kind, const char* function, int fd) {
    char path[PATH_MAX];
    if (!fdPath(fd, path))
        path[0] = '\0';
    return judge(kind, function, path);
}

Verdict judgeAt(int kind, const char* function, int dirfd, const char* given,
                int otherDirfd = AT_FDCWD, const char* otherGiven = nullptr) {
    char path[PATH_MAX];
    char other[PATH_MAX];
    absolutePath(dirfd, given, path);
    absolutePath(otherDirfd, otherGiven, other);
    return judge(kind, function, path, other);
}

bool slowed() {
    return config.delayMicroseconds > 0 && config.chunk > 0;
}

// A watched write on a slow disk: piece by piece, a pause before each.
template <typename Piece> ssize_t slowly(size_t count, Piece piece) {
    size_t done = 0;
    while (done < count) {
        const timespec pause = {config.delayMicroseconds / 1000000,
                                (config.delayMicroseconds % 1000000) * 1000};
        nanosleep(&pause, nullptr);
        const ssize_t written = piece(done, std::min(config.chunk, count - done));
        if (written <= 0)
            return done > 0 ? ssize_t(done) : written;
        done += size_t(written);
    }
    return ssize_t(done);
}

bool createsFile(int flags) {
    return (flags & O_CREAT) != 0 || (flags & O_TMPFILE) == O_TMPFILE;
}

mode_t modeArgument(int flags, va_list arguments) {
    return createsFile(flags) ? mode_t(va_arg(arguments, int)) : 0;
}

// An iovec list cut to its first bytes.
int cutVector(const iovec* vector, int count, size_t bytes, iovec* cut) {
    int used = 0;
    for (int i = 0; i < count && bytes > 0; ++i, ++used) {
        cut[i] = vector[i];
        cut[i].iov_len = std::min(cut[i].iov_len, bytes);
        bytes -= cut[i].iov_len;
    }
    return used;
}

size_t vectorBytes(const iovec* vector, int count) {
    size_t total = 0;
    for (int i = 0; i < count; ++i)
        total += vector[i].iov_len;
    return total;
}

} // namespace

extern "C" {

ssize_t write(int fd, const void* buffer, size_t count) {
    static const WriteFn real = realFunction<WriteFn>("write");
    switch (judgeFd(kWrite, "write", fd)) {
    case Verdict::Fail:
        return -1;
    case Verdict::Short:
        return real(fd, buffer, count / 2);
    case Verdict::Pass:
        break;
    }
    char path[PATH_MAX];
    if (slowed() && fdPath(fd, path) && watched(path))
        return slowly(count, [&](size_t at, size_t bytes) {
            return real(fd, static_cast<const char*>(buffer) + at, bytes);
        });
    return real(fd, buffer, count);
}

#define LCCD_PWRITE(name, offsetType)                                                              \
    ssize_t name(int fd, const void* buffer, size_t count, offsetType offset) {                    \
        using Fn = ssize_t (*)(int, const void*, size_t, offsetType);                              \
        static const Fn real = realFunction<Fn>(#name);                                            \
        switch (judgeFd(kWrite, #name, fd)) {                                                      \
        case Verdict::Fail:                                                                        \
            return -1;                                                                             \
        case Verdict::Short:                                                                       \
            return real(fd, buffer, count / 2, offset);                                            \
        case Verdict::Pass:                                                                        \
            break;                                                                                 \
        }                                                                                          \
        return real(fd, buffer, count, offset);                                                    \
    }
LCCD_PWRITE(pwrite, off_t)
LCCD_PWRITE(pwrite64, off64_t)

ssize_t writev(int fd, const iovec* vector, int count) {
    using Fn = ssize_t (*)(int, const iovec*, int);
    static const Fn real = realFunction<Fn>("writev");
    switch (judgeFd(kWrite, "writev", fd)) {
    case Verdict::Fail:
        return -1;
    case Verdict::Short: {
        iovec cut[IOV_MAX];
        const int used =
            cutVector(vector, std::min(count, IOV_MAX), vectorBytes(vector, count) / 2, cut);
        return real(fd, cut, used);
    }
    case Verdict::Pass:
        break;
    }
    return real(fd, vector, count);
}

ssize_t pwritev(int fd, const iovec* vector, int count, off_t offset) {
    using Fn = ssize_t (*)(int, const iovec*, int, off_t);
    static const Fn real = realFunction<Fn>("pwritev");
    switch (judgeFd(kWrite, "pwritev", fd)) {
    case Verdict::Fail:
        return -1;
    case Verdict::Short: {
        iovec cut[IOV_MAX];
        const int used =
            cutVector(vector, std::min(count, IOV_MAX), vectorBytes(vector, count) / 2, cut);
        return real(fd, cut, used, offset);
    }
    case Verdict::Pass:
        break;
    }
    return real(fd, vector, count, offset);
}

size_t fwrite(const void* buffer, size_t size, size_t items, FILE* stream) {
    using Fn = size_t (*)(const void*, size_t, size_t, FILE*);
    static const Fn real = realFunction<Fn>("fwrite");
    switch (judgeFd(kWrite, "fwrite", fileno(stream))) {
    case Verdict::Fail:
        return 0;
    case Verdict::Short:
        return real(buffer, size, items / 2, stream);
    case Verdict::Pass:
        break;
    }
    return real(buffer, size, items, stream);
}

// A failed flush loses the buffered bytes, as the disk refused them.
int fflush(FILE* stream) {
    using Fn = int (*)(FILE*);
    static const Fn real = realFunction<Fn>("fflush");
    if (stream != nullptr && __fpending(stream) > 0 &&
        judgeFd(kWrite, "fflush", fileno(stream)) != Verdict::Pass) {
        __fpurge(stream);
        errno = config.faultErrno;
        return EOF;
    }
    return real(stream);
}

int fclose(FILE* stream) {
    using Fn = int (*)(FILE*);
    static const Fn real = realFunction<Fn>("fclose");
    if (__fpending(stream) > 0 && judgeFd(kWrite, "fclose", fileno(stream)) != Verdict::Pass) {
        __fpurge(stream);
        real(stream);
        errno = config.faultErrno;
        return EOF;
    }
    return real(stream);
}

ssize_t copy_file_range(int in, off64_t* inOffset, int out, off64_t* outOffset, size_t count,
                        unsigned flags) {
    using Fn = ssize_t (*)(int, off64_t*, int, off64_t*, size_t, unsigned);
    static const Fn real = realFunction<Fn>("copy_file_range");
    switch (judgeFd(kWrite, "copy_file_range", out)) {
    case Verdict::Fail:
        return -1;
    case Verdict::Short:
        return real(in, inOffset, out, outOffset, count / 2, flags);
    case Verdict::Pass:
        break;
    }
    return real(in, inOffset, out, outOffset, count, flags);
}

ssize_t sendfile(int out, int in, off_t* offset, size_t count) {
    using Fn = ssize_t (*)(int, int, off_t*, size_t);
    static const Fn real = realFunction<Fn>("sendfile");
    switch (judgeFd(kWrite, "sendfile", out)) {
    case Verdict::Fail:
        return -1;
    case Verdict::Short:
        return real(out, in, offset, count / 2);
    case Verdict::Pass:
        break;
    }
    return real(out, in, offset, count);
}

#define LCCD_SYNC(name)                                                                            \
    int name(int fd) {                                                                             \
        using Fn = int (*)(int);                                                                   \
        static const Fn real = realFunction<Fn>(#name);                                            \
        return judgeFd(kSync, #name, fd) == Verdict::Pass ? real(fd) : -1;                         \
    }
LCCD_SYNC(fsync)
LCCD_SYNC(fdatasync)

int sync_file_range(int fd, off64_t offset, off64_t bytes, unsigned flags) {
    using Fn = int (*)(int, off64_t, off64_t, unsigned);
    static const Fn real = realFunction<Fn>("sync_file_range");
    return judgeFd(kSync, "sync_file_range", fd) == Verdict::Pass ? real(fd, offset, bytes, flags)
                                                                  : -1;
}

int rename(const char* from, const char* to) {
    using Fn = int (*)(const char*, const char*);
    static const Fn real = realFunction<Fn>("rename");
    return judgeAt(kRename, "rename", AT_FDCWD, to, AT_FDCWD, from) == Verdict::Pass
               ? real(from, to)
               : -1;
}

int renameat(int fromDir, const char* from, int toDir, const char* to) {
    using Fn = int (*)(int, const char*, int, const char*);
    static const Fn real = realFunction<Fn>("renameat");
    return judgeAt(kRename, "renameat", toDir, to, fromDir, from) == Verdict::Pass
               ? real(fromDir, from, toDir, to)
               : -1;
}

int renameat2(int fromDir, const char* from, int toDir, const char* to, unsigned flags) {
    using Fn = int (*)(int, const char*, int, const char*, unsigned);
    static const Fn real = realFunction<Fn>("renameat2");
    return judgeAt(kRename, "renameat2", toDir, to, fromDir, from) == Verdict::Pass
               ? real(fromDir, from, toDir, to, flags)
               : -1;
}

int link(const char* from, const char* to) {
    using Fn = int (*)(const char*, const char*);
    static const Fn real = realFunction<Fn>("link");
    return judgeAt(kRename, "link", AT_FDCWD, to) == Verdict::Pass ? real(from, to) : -1;
}

// The source of a link may be "/proc/self/fd/N" (an unnamed file made visible): the new name
// is what decides.
int linkat(int fromDir, const char* from, int toDir, const char* to, int flags) {
    using Fn = int (*)(int, const char*, int, const char*, int);
    static const Fn real = realFunction<Fn>("linkat");
    return judgeAt(kRename, "linkat", toDir, to) == Verdict::Pass
               ? real(fromDir, from, toDir, to, flags)
               : -1;
}

#define LCCD_OPEN(name)                                                                            \
    int name(const char* path, int flags, ...) {                                                   \
        static const OpenFn real = realFunction<OpenFn>(#name);                                    \
        va_list arguments;                                                                         \
        va_start(arguments, flags);                                                                \
        const mode_t mode = modeArgument(flags, arguments);                                        \
        va_end(arguments);                                                                         \
        if (createsFile(flags) && judgeAt(kCreate, #name, AT_FDCWD, path) != Verdict::Pass)        \
            return -1;                                                                             \
        return real(path, flags, mode);                                                            \
    }
LCCD_OPEN(open)
LCCD_OPEN(open64)

#define LCCD_OPENAT(name)                                                                          \
    int name(int dirfd, const char* path, int flags, ...) {                                        \
        static const OpenatFn real = realFunction<OpenatFn>(#name);                                \
        va_list arguments;                                                                         \
        va_start(arguments, flags);                                                                \
        const mode_t mode = modeArgument(flags, arguments);                                        \
        va_end(arguments);                                                                         \
        if (createsFile(flags) && judgeAt(kCreate, #name, dirfd, path) != Verdict::Pass)           \
            return -1;                                                                             \
        return real(dirfd, path, flags, mode);                                                     \
    }
LCCD_OPENAT(openat)
LCCD_OPENAT(openat64)

int creat(const char* path, mode_t mode) {
    using Fn = int (*)(const char*, mode_t);
    static const Fn real = realFunction<Fn>("creat");
    return judgeAt(kCreate, "creat", AT_FDCWD, path) == Verdict::Pass ? real(path, mode) : -1;
}

int ftruncate(int fd, off_t length) {
    using Fn = int (*)(int, off_t);
    static const Fn real = realFunction<Fn>("ftruncate");
    return judgeFd(kTruncate, "ftruncate", fd) == Verdict::Pass ? real(fd, length) : -1;
}

int ftruncate64(int fd, off64_t length) {
    using Fn = int (*)(int, off64_t);
    static const Fn real = realFunction<Fn>("ftruncate64");
    return judgeFd(kTruncate, "ftruncate64", fd) == Verdict::Pass ? real(fd, length) : -1;
}

int truncate(const char* path, off_t length) {
    using Fn = int (*)(const char*, off_t);
    static const Fn real = realFunction<Fn>("truncate");
    return judgeAt(kTruncate, "truncate", AT_FDCWD, path) == Verdict::Pass ? real(path, length)
                                                                           : -1;
}

} // extern "C"
