// Stands in for a running instance: holds the lock file named by its argument until it is
// killed or its standard input closes, and says "locked" once it holds it.
#include <QLockFile>
#include <QString>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 2)
        return 2;
    QLockFile lock(QString::fromLocal8Bit(argv[1]));
    if (!lock.tryLock(0)) {
        std::puts("busy");
        return 1;
    }
    std::puts("locked");
    std::fflush(stdout);
    while (std::getchar() != EOF) {
    }
    return 0;
}
