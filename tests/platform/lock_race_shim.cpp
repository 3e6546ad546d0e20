// Preloaded into racing starts by single_instance_test.py to hold them in the worst order for
// the instance lock: the start that creates the lock file first stops right after creating it,
// before it can lock it, until the other start is either held up by the guard (a lock on the
// file or its folder it cannot take) or has got past it (it created a lock file of its own).
// LUNAVIK_RACE_LOCK names the lock file, LUNAVIK_RACE_MARKS a fresh folder the starts share.
#include <cerrno>
#include <chrono>
#include <cstdarg>
#include <cstdlib>
#include <dlfcn.h>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

std::string env(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string mark(const char* name) { return env("LUNAVIK_RACE_MARKS") + "/" + name; }

// Only the first start to ask gets a mark: making a folder is atomic.
bool make(const char* name) { return ::mkdir(mark(name).c_str(), 0700) == 0; }

void created(const char* path) {
    if (env("LUNAVIK_RACE_LOCK") != path)
        return;
    if (!make("first")) {
        make("go");
        return;
    }
    // Bounded, so that a start that never comes cannot hang this one for good.
    for (int i = 0; i < 3000 && ::access(mark("go").c_str(), F_OK) != 0; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
}

using Open = int (*)(const char*, int, ...);

int openWatched(Open next, const char* path, int flags, va_list args) {
    const int mode = (flags & (O_CREAT | O_TMPFILE)) ? va_arg(args, int) : 0;
    const int fd = next(path, flags, mode);
    if (fd >= 0 && (flags & O_CREAT) && (flags & O_EXCL))
        created(path);
    return fd;
}

} // namespace

extern "C" {

// open and open64 alike: the next library's call, watched.
#define WATCHED_OPEN(name)                                                                         \
    int name(const char* path, int flags, ...) {                                                   \
        static auto next = reinterpret_cast<Open>(::dlsym(RTLD_NEXT, #name));                      \
        va_list args;                                                                              \
        va_start(args, flags);                                                                     \
        const int fd = openWatched(next, path, flags, args);                                       \
        va_end(args);                                                                              \
        return fd;                                                                                 \
    }
WATCHED_OPEN(open)
WATCHED_OPEN(open64)

// Named as the call it stands in for, which the lock's struct of the same name does not mind.
#pragma GCC diagnostic ignored "-Wshadow"
int flock(int fd, int operation) {
    static auto next = reinterpret_cast<int (*)(int, int)>(::dlsym(RTLD_NEXT, "flock"));
    const int result = next(fd, operation);
    if (result != 0 && errno == EWOULDBLOCK) {
        const int saved = errno;
        char target[4096] = {};
        const std::string link = "/proc/self/fd/" + std::to_string(fd);
        const std::string lock = env("LUNAVIK_RACE_LOCK");
        if (::readlink(link.c_str(), target, sizeof target - 1) > 0 &&
            (lock == target || lock.substr(0, lock.rfind('/')) == target))
            make("go");
        errno = saved;
    }
    return result;
}
}
