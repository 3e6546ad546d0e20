// Test entry point for everything that needs widgets: forces the offscreen platform and sends
// any settings to a throw-away folder, so tests never touch the user's desktop or files.
#include "platform/forms.h"

#include <QApplication>
#include <QTemporaryDir>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <mutex>
#include <string>
#include <thread>

namespace {

// Ends the run when one test takes far longer than any should: a modal window or message
// box left open, or a loop that never ends, would otherwise hang the suite. It watches from
// a thread of its own, so a stuck event loop cannot keep it from firing.
class Watchdog : public ::testing::EmptyTestEventListener {
public:
    explicit Watchdog(std::chrono::seconds limit) : m_limit(limit), m_thread([this] { run(); }) {}
    ~Watchdog() override {
        {
            const std::lock_guard lock(m_mutex);
            m_quit = true;
        }
        m_wake.notify_all();
        m_thread.join();
    }
    void OnTestStart(const ::testing::TestInfo& info) override {
        const std::lock_guard lock(m_mutex);
        m_test = std::string(info.test_suite_name()) + "." + info.name();
        m_deadline = std::chrono::steady_clock::now() + m_limit;
        m_armed = true;
        m_wake.notify_all();
    }
    void OnTestEnd(const ::testing::TestInfo&) override {
        const std::lock_guard lock(m_mutex);
        m_armed = false;
        m_wake.notify_all();
    }

private:
    void run() {
        std::unique_lock lock(m_mutex);
        while (!m_quit) {
            if (!m_armed) {
                m_wake.wait(lock);
                continue;
            }
            if (m_wake.wait_until(lock, m_deadline) == std::cv_status::timeout && m_armed &&
                std::chrono::steady_clock::now() >= m_deadline) {
                std::fprintf(stderr,
                             "\n%s still runs after %lld s: a modal window or message box left "
                             "open, or a loop that never ends. Stopping the run.\n",
                             m_test.c_str(), static_cast<long long>(m_limit.count()));
                std::fflush(stderr);
                std::_Exit(1);
            }
        }
    }

    const std::chrono::seconds m_limit;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::string m_test;
    std::chrono::steady_clock::time_point m_deadline;
    bool m_armed = false;
    bool m_quit = false;
    std::thread m_thread;
};

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", home.filePath(QStringLiteral("runtime")).toLocal8Bit());
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    forms::FormsRuntime::InstallFontSubstitutes();
    ::testing::InitGoogleTest(&argc, argv);
    const int limit = qEnvironmentVariableIntValue("LUNAVIK_TEST_WATCHDOG_SECONDS");
    ::testing::UnitTest::GetInstance()->listeners().Append(
        new Watchdog(std::chrono::seconds(limit > 0 ? limit : 30)));
    return RUN_ALL_TESTS();
}
