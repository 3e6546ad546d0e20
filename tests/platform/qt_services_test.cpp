#include "platform/qt_services.h"
#include "program_fixture.h"

#include <QMessageBox>
#include <gtest/gtest.h>

namespace {

TEST(QtMessageBoxTest, ShowsABareCarriageReturnAsALineBreakAndAnswersByKey) {
    const struct {
        platform::MsgButtons buttons;
        Qt::Key key;
        platform::MsgAnswer answer;
    } cases[] = {{platform::MsgButtons::YesNo, Qt::Key_Return, platform::MsgAnswer::Yes},
                 {platform::MsgButtons::YesNo, Qt::Key_Escape, platform::MsgAnswer::No},
                 {platform::MsgButtons::Ok, Qt::Key_Escape, platform::MsgAnswer::Ok}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        MessageBoxReader reader(c.key);
        EXPECT_EQ(platform::QtMessageBox().Show(QStringLiteral("First\rSecond"),
                                                platform::MsgIcon::Information, c.buttons,
                                                QStringLiteral("Lunavik")),
                  c.answer);
        ASSERT_EQ(reader.m_seen.size(), 1u);
        EXPECT_EQ(reader.m_seen[0].text, QStringLiteral("First\nSecond"));
        EXPECT_EQ(reader.m_seen[0].title, QStringLiteral("Lunavik"));
        EXPECT_EQ(reader.m_seen[0].icon, QMessageBox::Information);
    }
    EXPECT_EQ(platform::LineFeedsOnly(QStringLiteral("a\r\nb\rc")), QStringLiteral("a\nb\nc"));
}

TEST(StdRandomGeneratorTest, ValuesLieInTheHalfOpenUnitInterval) {
    platform::StdRandomGenerator random;
    random.Randomize();
    double sum = 0;
    for (int i = 0; i < 100000; ++i) {
        const float r = random.Rnd();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
        sum += r;
    }
    EXPECT_NEAR(sum / 100000, 0.5, 0.01);
}

} // namespace
