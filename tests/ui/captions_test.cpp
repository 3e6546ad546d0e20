#include "promo/exit_texts.h"
#include "ui/captions.h"

#include "../support/long_texts.h"
#include "build_config.h"

#include <gtest/gtest.h>

namespace {

using namespace long_texts;

const QString kHost = QStringLiteral(LUNAVIK_BOARD_HOST);

TEST(Captions, ReadAsWrittenOnOneLine) {
    const struct {
        QString text, expected;
    } cases[] = {
        // The caption marks its one ampersand as such.
        {captions::CoBrandOffer(), QString(kCoBrandOffer).replace(u'&', QStringLiteral("&&"))},
        {captions::FullBrandOffer(), kFullBrandOffer},
        {captions::AboutDescription(), kAboutDescription},
        {captions::AboutFullBrandText(), kAboutFullBrandText},
        {captions::BoardBanner(), kBoardBanner},
        {exit_texts::OtherSoftwaresPromotion(), kOtherSoftwaresPromotion},
        {exit_texts::BoardAppeal(0), kBoardAppeals[0]},
        {exit_texts::BoardAppeal(1), kBoardAppeals[1]},
        {exit_texts::BoardAppeal(2), kBoardAppeals[2]},
        {exit_texts::BoardAppeal(3), kBoardAppeals[3]},
        {exit_texts::VisitBoardCaption(),
         QStringLiteral("Click Here To Visit " LUNAVIK_BOARD_HOST " Now")}};
    for (const auto& c : cases) {
        EXPECT_EQ(c.text.toStdString(), c.expected.toStdString());
        EXPECT_FALSE(c.text.contains(u'\n') || c.text.contains(u'\r') || c.text.contains(u'\t'));
    }
    for (const int index : {-1, 4, 100})
        EXPECT_EQ(exit_texts::BoardAppeal(index), kBoardAppeals[0]) << index;
}

TEST(Captions, HostAndAmpersandsAppearWhereDesigned) {
    EXPECT_TRUE(captions::BoardBanner().endsWith(kHost));
    EXPECT_EQ(captions::CoBrandOffer().count(QStringLiteral("&&")), 1);
    EXPECT_EQ(captions::CoBrandOffer().count(u'&'), 2);
    EXPECT_FALSE(captions::BoardBanner().contains(u'&'));
}

TEST(Captions, OtherSoftwaresPromotionSeparatesItsParagraphsWithSixtyOneSpaces) {
    QString text = exit_texts::OtherSoftwaresPromotion();
    const QString run(61, u' ');
    const qsizetype at = text.indexOf(run);
    ASSERT_GT(at, 0);
    EXPECT_NE(text[at - 1], u' ');
    EXPECT_NE(text[at + run.size()], u' ');
    // Elsewhere only single spaces, so the run is the one paragraph break.
    text.remove(at, run.size());
    EXPECT_FALSE(text.contains(QStringLiteral("  ")));
}

TEST(Captions, AboutLinkNamesTheSiteWithoutItsScheme) {
    const QString link = captions::AboutHomePageLink();
    const QString prefix = QStringLiteral("Click here to visit ");
    ASSERT_TRUE(link.startsWith(prefix));
    const QString address = link.mid(prefix.size());
    EXPECT_FALSE(address.isEmpty() || address.contains(QStringLiteral("://")));
    EXPECT_TRUE(QStringLiteral(LUNAVIK_SITE_BASE).endsWith(QStringLiteral("://") + address));
}

} // namespace
