#include "program_fixture.h"
#include "shell/setting_encoding.h"

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
    using settings_encoding::EncodeSetting;
    fake.settings
        .values[QStringLiteral("lunavik/Settings/") + EncodeSetting(QStringLiteral("Duration"))] =
        EncodeSetting(QStringLiteral("2026-10-01T09:30:00"));
    int randomizedBefore = -1;
    bool windowUp = true;
    fake.messageBox.onShow = [&](const fakes::ShownMessage&) {
        randomizedBefore = fake.random.randomizes;
        windowUp = program->main.Visible() || anyWindowVisible();
    };
    ShowCounter counter;
    start();
    EXPECT_EQ(fake.messageBox.shown.size(), 1u);
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
    expectOneMessage(QStringLiteral("Application is already running"),
                     platform::MsgIcon::Information);
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
    expectOneMessage(QStringLiteral("Lunavik cannot start: its lock file\r\r"
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
        program->main.BringToFront(QStringLiteral("lblFullBrand")); // the design's stacking
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

} // namespace
