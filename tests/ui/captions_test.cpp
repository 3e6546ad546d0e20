#include "promo/exit_texts.h"
#include "ui/captions.h"

#include "build_config.h"

#include <gtest/gtest.h>

namespace {

const QString kHost = QStringLiteral(LUNAVIK_BOARD_HOST);

TEST(Captions, HaveTheirLengthOpeningAndHost) {
    // Lengths are those with the default board host; another host shifts them by its own length.
    constexpr qsizetype kDefaultHostLength = sizeof("www.orvaneth-forum.example") - 1;
    const struct {
        QString text;
        qsizetype length;
        const char* opening;
        bool namesHost;
    } cases[] = {
        {captions::CoBrandOffer(), 181, "Co-brand this software for your site. ", false},
        {captions::FullBrandOffer(), 161, "Home Business Opportunity. Start your own Internet ",
         false},
        {captions::AboutDescription(), 209, "Lunavik Software helps you to uncover your secret ",
         false},
        {captions::BoardBanner(), 115, "", true},
        {exit_texts::OtherSoftwaresPromotion(), 615,
         "If you have enjoyed this software you will surely be interested in our other Orvaneth "
         "Softwares. ",
         false},
        {exit_texts::BoardAppeal(0), 227,
         "Orvaneth Softwares, such as this can be created and maintained only with your support. ",
         true},
        {exit_texts::BoardAppeal(1), 211, "", true},
        {exit_texts::BoardAppeal(2), 160, "", true},
        {exit_texts::BoardAppeal(3), 196, "", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(qPrintable(c.text));
        EXPECT_EQ(c.text.size(),
                  c.namesHost ? c.length - kDefaultHostLength + kHost.size() : c.length);
        EXPECT_TRUE(c.text.startsWith(QLatin1String(c.opening)));
        EXPECT_EQ(c.text.contains(kHost), c.namesHost);
        EXPECT_FALSE(c.text.contains(u'\n') || c.text.contains(u'\r') || c.text.contains(u'\t'));
    }
    for (const int index : {-1, 4, 100})
        EXPECT_EQ(exit_texts::BoardAppeal(index), exit_texts::BoardAppeal(0)) << index;
}

TEST(Captions, HostAndAmpersandsAppearWhereDesigned) {
    EXPECT_EQ(captions::AboutFullBrandText() + QStringLiteral("Click here for more details."),
              captions::FullBrandOffer());
    EXPECT_EQ(exit_texts::VisitBoardCaption(),
              QStringLiteral("Click Here To Visit ") + kHost + QStringLiteral(" Now"));
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
