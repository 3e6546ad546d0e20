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

// The offer label on top: raising a widget moves it to the end of its parent's children.
QString frontOffer(frmMain& main) {
    QWidget* cobrand = main.Control(QStringLiteral("lblCobrand"));
    QWidget* full = main.Control(QStringLiteral("lblFullBrand"));
    const QObjectList& order = cobrand->parentWidget()->children();
    return order.indexOf(cobrand) > order.indexOf(full) ? QStringLiteral("lblCobrand")
                                                        : QStringLiteral("lblFullBrand");
}

class StartUp : public ProgramTest {};

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
    ASSERT_EQ(fake.messageBox.shown.size(), 1u);
    const fakes::ShownMessage& m = fake.messageBox.shown.front();
    EXPECT_EQ(m.text, QStringLiteral("Application is already running"));
    EXPECT_EQ(m.icon, platform::MsgIcon::Information);
    EXPECT_EQ(m.buttons, platform::MsgButtons::Ok);
    EXPECT_EQ(m.title, QStringLiteral("Lunavik"));
    EXPECT_EQ(fake.ender.statuses, std::vector<int>{0});
    EXPECT_TRUE(counter.shown.isEmpty());
    EXPECT_FALSE(anyWindowVisible());
    EXPECT_TRUE(program->runtime.Forms().empty());
    EXPECT_EQ(fake.settings.reads, 0);
    EXPECT_EQ(fake.settings.saves, 0);
}

struct DrawCase {
    const char* name;
    float r;
    int variant;
    const char* front;
};

class CoBrandDraw : public ProgramTest, public testing::WithParamInterface<DrawCase> {};

TEST_P(CoBrandDraw, RoundsHalfToEvenAndRestacksTheOffers) {
    const DrawCase& c = GetParam();
    fake.random.values = {c.r};
    start();
    EXPECT_TRUE(fake.random.values.empty());
    EXPECT_EQ(program->startup.intCoBrandRandomNumber, c.variant);
    EXPECT_EQ(frontOffer(program->main), QLatin1String(c.front));
}

// Each r makes r * 6 + 1, computed in single precision, land just below, exactly on or just
// above a half.
INSTANTIATE_TEST_SUITE_P(
    Boundaries, CoBrandDraw,
    testing::Values(DrawCase{"Zero", 0.0f, 1, "lblCobrand"},
                    DrawCase{"JustBelowOneAndAHalf", 0.0833333135f, 1, "lblCobrand"},
                    DrawCase{"OneAndAHalf", 0.0833333209f, 2, "lblFullBrand"},
                    DrawCase{"TwoAndAHalf", 0.25f, 2, "lblFullBrand"},
                    DrawCase{"JustAboveTwoAndAHalf", 0.25000003f, 3, "lblCobrand"},
                    DrawCase{"SixAndAHalf", 0.916666627f, 6, "lblFullBrand"},
                    DrawCase{"JustAboveSixAndAHalf", 0.916666746f, 7, "lblFullBrand"},
                    DrawCase{"LargestBelowOne", 0.99999994f, 7, "lblFullBrand"}),
    [](const testing::TestParamInfo<DrawCase>& info) { return std::string(info.param.name); });

TEST_F(StartUp, CoBrandOfferIsInFrontFiveTimesInTwelve) {
    start();
    const int draws = 1200;
    int cobrand = 0;
    for (int i = 0; i < draws; ++i) {
        program->main.BringToFront(QStringLiteral("lblFullBrand")); // the design's stacking
        fake.random.values = {static_cast<float>(i) / draws};
        program->startup.CoBrand_Randomize();
        cobrand += frontOffer(program->main) == QLatin1String("lblCobrand");
    }
    EXPECT_NEAR(static_cast<double>(cobrand) / draws, 5.0 / 12.0, 0.005);
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
