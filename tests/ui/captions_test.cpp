#include "ui/captions.h"

#include "build_config.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>

namespace {

const QString kHost = QStringLiteral(LUNAVIK_BOARD_HOST);

// Lengths are those with the default board host; another host shifts them by its own length.
qsizetype withHost(qsizetype lengthWithDefaultHost) {
    constexpr qsizetype kDefaultHostLength = sizeof("www.orvaneth-forum.example") - 1;
    return lengthWithDefaultHost - kDefaultHostLength + kHost.size();
}

struct CaptionCase {
    const char* name;
    std::function<QString()> caption;
    qsizetype length;
    QString opening;
    bool namesHost;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const CaptionCase& c, std::ostream* os) { *os << c.name; }

class Caption : public testing::TestWithParam<CaptionCase> {};

TEST_P(Caption, HasItsLengthOpeningAndHost) {
    const CaptionCase& c = GetParam();
    const QString text = c.caption();
    EXPECT_EQ(text.size(), c.namesHost ? withHost(c.length) : c.length) << qPrintable(text);
    EXPECT_TRUE(text.startsWith(c.opening)) << qPrintable(text);
    EXPECT_EQ(text.contains(kHost), c.namesHost) << qPrintable(text);
    EXPECT_FALSE(text.contains(u'\n') || text.contains(u'\r') || text.contains(u'\t'));
}

INSTANTIATE_TEST_SUITE_P(
    Captions, Caption,
    testing::Values(
        CaptionCase{"CoBrandOffer", captions::CoBrandOffer, 181,
                    "Co-brand this software for your site. ", false},
        CaptionCase{"BoardBanner", captions::BoardBanner, 115, "", true},
        CaptionCase{"NagLabel3", captions::NagLabel3, 615,
                    "If you have enjoyed this software you will surely be interested in our other "
                    "Orvaneth Softwares. ",
                    false},
        CaptionCase{"NagLabel2Index0", [] { return captions::NagLabel2(0); }, 227,
                    "Orvaneth Softwares, such as this can be created and maintained only with your "
                    "support. ",
                    true},
        CaptionCase{"NagLabel2Index1", [] { return captions::NagLabel2(1); }, 211, "", true},
        CaptionCase{"NagLabel2Index2", [] { return captions::NagLabel2(2); }, 160, "", true},
        CaptionCase{"NagLabel2Index3", [] { return captions::NagLabel2(3); }, 196, "", true}),
    [](const testing::TestParamInfo<CaptionCase>& info) { return std::string(info.param.name); });

TEST(Captions, FixedTextsAreExact) {
    EXPECT_EQ(captions::FullBrandOffer(),
              "Home Business Opportunity. Start your own Internet business and make money online. "
              "Get this software fully branded for your website. Click here for more details.");
    EXPECT_EQ(captions::AboutFullBrandText(),
              "Home Business Opportunity. Start your own Internet business and make money online. "
              "Get this software fully branded for your website. ");
    EXPECT_EQ(captions::NagCheck1Caption(), "Click Here To Visit " + kHost + " Now");
}

TEST(Captions, CoBrandOfferShowsOneAmpersand) {
    const QString text = captions::CoBrandOffer();
    EXPECT_EQ(text.count(QStringLiteral("&&")), 1);
    EXPECT_EQ(text.count(u'&'), 2);
}

TEST(Captions, BannerInvitesToTheBoardHost) {
    const QString text = captions::BoardBanner();
    EXPECT_TRUE(text.endsWith(kHost));
    EXPECT_FALSE(text.contains(u'&'));
}

TEST(Captions, Label3SeparatesItsParagraphsWithSixtyOneSpaces) {
    const QString text = captions::NagLabel3();
    const QString run(61, u' ');
    const qsizetype at = text.indexOf(run);
    ASSERT_GT(at, 0);
    EXPECT_NE(text[at - 1], u' ');
    EXPECT_NE(text[at + run.size()], u' ');
    EXPECT_EQ(text.indexOf(run, at + 1), -1);
    // Elsewhere only single spaces, so the run is the one paragraph break.
    QString rest = text;
    rest.remove(at, run.size());
    EXPECT_FALSE(rest.contains(QStringLiteral("  ")));
}

TEST(Captions, Label2OutOfRangeFallsBackToIndexZero) {
    for (const int index : {-1, 4, 100}) {
        EXPECT_EQ(captions::NagLabel2(index), captions::NagLabel2(0)) << index;
    }
    EXPECT_NE(captions::NagLabel2(1), captions::NagLabel2(0));
}

TEST(Captions, AboutTextsOpenAsDesigned) {
    const QString description = captions::AboutDescription();
    EXPECT_TRUE(description.startsWith(
        "Lunavik Software helps you to uncover your secret dreams or inner desires and to have a "
        "better understanding about them. This software gives an insight into your personality "
        "as well."));
    EXPECT_LE(description.size(), 230); // five short lines in the about box

    // The link shows the site's address without its scheme.
    const QString link = captions::AboutHomePageLink();
    const QString prefix = QStringLiteral("Click here to visit ");
    ASSERT_TRUE(link.startsWith(prefix));
    const QString address = link.mid(prefix.size());
    EXPECT_FALSE(address.isEmpty());
    EXPECT_FALSE(address.contains(QStringLiteral("://")));
    EXPECT_TRUE(QStringLiteral(LUNAVIK_SITE_BASE).endsWith("://" + address));
}

} // namespace
