#include "platform/termination.h"
#include "program_fixture.h"

#include <QFile>
#include <QTemporaryDir>
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
            shown << widget;
        return false;
    }
    QList<QWidget*> shown;
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
    fake.messageBox.onShow = [&](const fakes::ShownMessage&) {
        randomizedBefore = fake.random.randomizes;
        windowUp = program->main.Visible() || anyWindowVisible();
    };
    ShowCounter counter;
    start();
    expectReminder();
    EXPECT_EQ(randomizedBefore, 1);
    EXPECT_FALSE(windowUp);
    EXPECT_TRUE(program->main.Visible());
    EXPECT_TRUE(program->startup.IsLoaded());
    EXPECT_FALSE(program->startup.Visible());
    EXPECT_FALSE(counter.shown.contains(program->startup.window()));
}

TEST_F(StartUp, SecondInstanceSaysSoAndEndsWithoutTouchingAnything) {
    fake.instance.anotherRunning = true;
    ShowCounter counter;
    start();
    expectMessage(QStringLiteral("Application is already running"), platform::MsgIcon::Information);
    EXPECT_EQ(fake.ender.statuses, std::vector<int>{0});
    EXPECT_TRUE(counter.shown.isEmpty());
    EXPECT_FALSE(anyWindowVisible());
    EXPECT_TRUE(program->runtime.Forms().empty());
    EXPECT_EQ(fake.settings.reads, 0);
    EXPECT_EQ(fake.settings.saves, 0);
}

TEST_F(StartUp, LeftoverLockThatCannotGoIsNamedNotTakenForARunningInstance) {
    fake.instance.anotherRunning = true;
    fake.instance.blockingLock = QStringLiteral("/run/user/1000/lunavik.lock");
    start();
    expectMessage(QStringLiteral("Lunavik cannot start: its lock file\r\r"
                                 "/run/user/1000/lunavik.lock\r\r"
                                 "is left over from an earlier run and cannot be removed. "
                                 "Remove it, then start Lunavik again."),
                  platform::MsgIcon::Critical);
    EXPECT_EQ(fake.ender.statuses, std::vector<int>{0});
    EXPECT_FALSE(anyWindowVisible());
    EXPECT_EQ(fake.settings.saves, 0);
}

TEST_F(StartUp, CoBrandDrawRoundsHalfToEvenAndShowsTheOfferFiveTimesInTwelve) {
    fake.random.values = {0.25000003f};
    start();
    EXPECT_TRUE(fake.random.values.empty());
    EXPECT_EQ(program->startup.intCoBrandRandomNumber, 3);
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
        program->main.Control(QStringLiteral("lblFullBrand"))->raise(); // the design's stacking
        fake.random.values = {r};
        program->startup.CoBrand_Randomize();
        return onTopAt(program->main, "lblCobrand")->objectName();
    };
    for (const auto& d : draws) {
        EXPECT_EQ(draw(d.r), QLatin1String(d.front)) << d.r;
        EXPECT_EQ(program->startup.intCoBrandRandomNumber, d.variant) << d.r;
    }
    int cobrand = 0;
    for (int i = 0; i < 1200; ++i)
        cobrand += draw(i / 1200.0f) == QLatin1String("lblCobrand");
    EXPECT_NEAR(cobrand / 1200.0, 5.0 / 12.0, 0.005);
}

// The sequence skips a failing step and runs the rest: here seeding the generator fails.
TEST_F(StartUp, CarriesOnPastAFailingStep) {
    fake.random.onRandomize = [] { throw std::runtime_error("no system timer"); };
    fake.random.values = {0.0f};
    start();
    EXPECT_TRUE(program->main.Visible());
    EXPECT_FALSE(program->startup.Visible());
    EXPECT_EQ(program->startup.intCoBrandRandomNumber, 1);
    EXPECT_EQ(onTopAt(program->main, "lblCobrand")->objectName(), QStringLiteral("lblCobrand"));
}

using Shutdown = ProgramTest;

TEST_F(Shutdown, UnloadsEveryWindowAndEndsOnce) {
    start();
    program->result.Show();
    program->nag.Show();
    ASSERT_EQ(program->runtime.Forms().size(), 4u);
    ShowCounter counter;
    program->help.UnloadAllAndEnd();
    EXPECT_TRUE(program->runtime.Forms().empty());
    // The start-up window's and the exit screen's unload handlers run the sequence again.
    EXPECT_EQ(fake.ender.statuses, std::vector<int>{0});
    EXPECT_TRUE(counter.shown.isEmpty());
    settle();
    EXPECT_FALSE(anyWindowVisible());
}

// The real process ender and the real services in a child process: leaving the exit screen
// ends the process with status 0, drops the instance lock and keeps the stored reminder date;
// a termination signal ends it the same way instead of killing it.
class ShutdownDeathTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    const QString app = QStringLiteral("lunavik");
    QString lockPath() const { return dir.filePath(app + QStringLiteral(".lock")); }
    QString storedReminder() {
        return platform::QtSettingsStore(dir.path())
            .Read(app, QStringLiteral("Settings"), kReminderKey);
    }
    // Runs the program over the real settings, lock and ender, in the temporary folder.
    template <class Then> void runProgram(Then then) {
        fakes::TestPlatform fake;
        platform::LockFileInstanceGuard instance(app, dir.path());
        platform::QtSettingsStore settings(dir.path());
        platform::ExitProcessEnder ender(settings, instance);
        platform::Platform services{fake.messageBox, fake.urls,  settings,
                                    fake.clipboard,  fake.clock, fake.random,
                                    instance,        ender,      app};
        TestedProgram program(services);
        program.Start();
        if (!program.main.Visible() || !QFile::exists(lockPath()))
            std::_Exit(2);
        then(program, ender);
        std::_Exit(3); // the process should have ended before this
    }
};

TEST_F(ShutdownDeathTest, ExitOnTheExitScreenEndsTheProcessAndDropsTheLock) {
    GTEST_FLAG_SET(death_test_style, "fast"); // the child must see this test's folder
    EXPECT_EXIT(runProgram([](TestedProgram& program, platform::ProcessEnder&) {
                    program.main.MenuEntry(QStringLiteral("mnuExit"))->trigger();
                    QTest::mouseClick(program.nag.Control(QStringLiteral("cmdClose")),
                                      Qt::LeftButton);
                }),
                ::testing::ExitedWithCode(0), "");
    EXPECT_FALSE(QFile::exists(lockPath()));
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
    EXPECT_FALSE(QFile::exists(lockPath()));
}

} // namespace
