#include "platform/instance_lock.h"
#include "platform/termination.h"
#include "program_fixture.h"

#include <QFile>
#include <csignal>
#include <cstdlib>
#include <stdexcept>

namespace {

// Counts the Show events of top-level windows, so a window that only flashes up is caught.
class ShowCounter : public QObject {
public:
    ShowCounter() { qApp->installEventFilter(this); }
    ~ShowCounter() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (event->type() == QEvent::Show && widget && widget->isWindow())
            m_shown << widget;
        return false;
    }
    QList<QWidget*> m_shown;
};

bool anyWindowVisible() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible())
            return true;
    return false;
}

using StartUp = ProgramTest;

TEST_F(StartUp, AsksADueReminderBeforeAnyWindowShows) {
    storeReminder();
    int randomizedBefore = -1;
    bool windowUp = true;
    m_fake.messageBox.m_onShow = [&](const fakes::ShownMessage&) {
        randomizedBefore = m_fake.random.m_randomizes;
        windowUp = main().IsVisible() || anyWindowVisible();
    };
    ShowCounter counter;
    start();
    expectReminder();
    EXPECT_EQ(randomizedBefore, 1);
    EXPECT_FALSE(windowUp);
    EXPECT_TRUE(main().IsVisible());
    EXPECT_TRUE(m_program->m_startup.IsLoaded());
    EXPECT_FALSE(m_program->m_startup.IsVisible());
    EXPECT_FALSE(counter.m_shown.contains(m_program->m_startup.Window()));
}

TEST_F(StartUp, SecondInstanceSaysSoAndEndsWithoutTouchingAnything) {
    m_fake.instance.m_anotherRunning = true;
    ShowCounter counter;
    start();
    expectMessage(QStringLiteral("Application is already running"), platform::MsgIcon::Information);
    EXPECT_EQ(m_fake.ender.m_statuses, std::vector<int>{0});
    EXPECT_TRUE(counter.m_shown.isEmpty());
    EXPECT_FALSE(anyWindowVisible());
    EXPECT_TRUE(m_program->m_runtime.Forms().empty());
    EXPECT_EQ(m_fake.settings.m_reads, 0);
    EXPECT_EQ(m_fake.settings.m_saves, 0);
}

TEST_F(StartUp, LeftoverLockThatCannotGoIsNamedNotTakenForARunningInstance) {
    m_fake.instance.m_anotherRunning = true;
    m_fake.instance.m_blockingLock = QStringLiteral("/run/user/1000/lunavik.lock");
    start();
    expectMessage(QStringLiteral("Lunavik cannot start: its lock file\r\r"
                                 "/run/user/1000/lunavik.lock\r\r"
                                 "is left over from an earlier run and cannot be removed. "
                                 "Remove it, then start Lunavik again."),
                  platform::MsgIcon::Critical);
    EXPECT_EQ(m_fake.ender.m_statuses, std::vector<int>{0});
    EXPECT_FALSE(anyWindowVisible());
    EXPECT_EQ(m_fake.settings.m_saves, 0);
}

TEST_F(StartUp, CoBrandDrawRoundsHalfToEvenAndShowsTheOfferFiveTimesInTwelve) {
    m_fake.random.m_values = {0.25000003f};
    start();
    EXPECT_TRUE(m_fake.random.m_values.empty());
    EXPECT_EQ(m_program->m_startup.intCoBrandRandomNumber, 3);
    // Each r makes r * 6 + 1, computed in single precision, land just below, exactly on or
    // just above a half.
    const struct {
        float r;
        int variant;
        const char* front;
    } draws[] = {{0.0f, 1, "lblCobrand"},
                 {0.0833333135f, 1, "lblCobrand"},
                 {0.0833333209f, 2, "lblFullBrand"},
                 {0.25f, 2, "lblFullBrand"},
                 {0.25000003f, 3, "lblCobrand"},
                 {0.916666627f, 6, "lblFullBrand"},
                 {0.916666746f, 7, "lblFullBrand"},
                 {0.99999994f, 7, "lblFullBrand"}};
    auto draw = [&](float r) {
        main().Control(QStringLiteral("lblFullBrand"))->raise(); // the design's stacking
        m_fake.random.m_values = {r};
        m_program->m_startup.CoBrand_Randomize();
        return onTopAt(main(), "lblCobrand")->objectName();
    };
    for (const auto& d : draws) {
        EXPECT_EQ(draw(d.r), QLatin1String(d.front)) << d.r;
        EXPECT_EQ(m_program->m_startup.intCoBrandRandomNumber, d.variant) << d.r;
    }
    int cobrand = 0;
    for (int i = 0; i < 1200; ++i)
        cobrand += draw(i / 1200.0f) == QLatin1String("lblCobrand");
    EXPECT_NEAR(cobrand / 1200.0, 5.0 / 12.0, 0.005);
}

// The sequence skips a failing step and runs the rest: here seeding the generator fails.
TEST_F(StartUp, CarriesOnPastAFailingStep) {
    m_fake.random.m_onRandomize = [] { throw std::runtime_error("no system timer"); };
    m_fake.random.m_values = {0.0f};
    start();
    EXPECT_TRUE(main().IsVisible());
    EXPECT_FALSE(m_program->m_startup.IsVisible());
    EXPECT_EQ(m_program->m_startup.intCoBrandRandomNumber, 1);
    EXPECT_EQ(onTopAt(main(), "lblCobrand")->objectName(), QStringLiteral("lblCobrand"));
}

using Shutdown = ProgramTest;

TEST_F(Shutdown, UnloadsEveryWindowAndEndsOnce) {
    start();
    result().Show();
    nag().Show();
    ASSERT_EQ(m_program->m_runtime.Forms().size(), 4u);
    ShowCounter counter;
    m_program->m_help.UnloadAllAndEnd();
    EXPECT_TRUE(m_program->m_runtime.Forms().empty());
    // The start-up window's and the exit screen's unload handlers run the sequence again.
    EXPECT_EQ(m_fake.ender.m_statuses, std::vector<int>{0});
    EXPECT_TRUE(counter.m_shown.isEmpty());
    settle();
    EXPECT_FALSE(anyWindowVisible());
}

// The real process ender and the real services in a child process: leaving the exit screen
// ends the process with status 0, drops the instance lock and keeps the stored reminder date;
// a termination signal ends it the same way instead of killing it.
class ShutdownDeathTest : public ::testing::Test {
protected:
    // In the throw-away runtime folder of the tests' main, as are the settings.
    const QString m_lock =
        qEnvironmentVariable("XDG_RUNTIME_DIR") + QStringLiteral("/lunavik.lock");
    const QString m_app = QStringLiteral("lunavik");
    QString storedReminder() {
        return platform::QtSettingsStore().Read(m_app, QStringLiteral("Settings"), kReminderKey);
    }
    // Runs the program over the real settings, lock and ender, in the throw-away folders.
    template <class Then> void runProgram(Then then) {
        fakes::TestPlatform fake;
        platform::LockFileInstanceGuard instance(m_app);
        platform::QtSettingsStore settings;
        platform::ExitProcessEnder ender(settings, instance);
        platform::Platform services{fake.messageBox, fake.urls,  settings,
                                    fake.clipboard,  fake.clock, fake.random,
                                    instance,        ender,      m_app};
        TestedProgram program(services);
        program.Start();
        if (!program.m_main.IsVisible() || !QFile::exists(m_lock))
            std::_Exit(2);
        then(program, ender);
        std::_Exit(3); // the process should have ended before this
    }
};

TEST_F(ShutdownDeathTest, ExitOnTheExitScreenEndsTheProcessAndDropsTheLock) {
    GTEST_FLAG_SET(death_test_style, "fast"); // the child must see this test's folder
    EXPECT_EXIT(runProgram([](TestedProgram& program, platform::ProcessEnder&) {
                    program.m_main.MenuEntry(QStringLiteral("mnuExit"))->trigger();
                    QTest::mouseClick(program.m_nag.Control(QStringLiteral("cmdClose")),
                                      Qt::LeftButton);
                }),
                ::testing::ExitedWithCode(0), "");
    EXPECT_FALSE(QFile::exists(m_lock));
    EXPECT_FALSE(storedReminder().isEmpty());
}

TEST_F(ShutdownDeathTest, TerminationSignalEndsThroughTheEnder) {
    GTEST_FLAG_SET(death_test_style, "fast");
    EXPECT_EXIT(runProgram([](TestedProgram&, platform::ProcessEnder& ender) {
                    platform::EndOnTermination(ender);
                    std::raise(SIGTERM);
                    QTest::qWait(5000); // the event loop hands the signal to the ender
                }),
                ::testing::ExitedWithCode(0), "");
    EXPECT_FALSE(QFile::exists(m_lock));
}

} // namespace
