#include "build_config.h"
#include "program_fixture.h"

#include <QUrlQuery>

namespace {

QString pageUrl(const char* key) {
    return QStringLiteral(LUNAVIK_SITE_BASE "/lunavik/ssd.php?page=") + QLatin1String(key);
}

struct LinkCase {
    const char* name;
    void (modHelp::*open)();
    const char* key;
};

class LinkProcedures : public ProgramTest, public testing::WithParamInterface<LinkCase> {};

TEST_P(LinkProcedures, OpenTheirPageOnEveryCall) {
    const LinkCase& c = GetParam();
    (program->help.*c.open)();
    (program->help.*c.open)();
    EXPECT_EQ(fake.urls.opened, QStringList({pageUrl(c.key), pageUrl(c.key)}));
    EXPECT_EQ(QUrlQuery(QUrl(fake.urls.opened.front())).queryItemValue(QStringLiteral("page")),
              QLatin1String(c.key));
    EXPECT_TRUE(fake.messageBox.shown.empty());
    EXPECT_TRUE(program->runtime.Forms().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Pages, LinkProcedures,
    testing::Values(LinkCase{"Softwares", &modHelp::OpenSoftwaresPage, "orvanethsoftwares"},
                    LinkCase{"Donate", &modHelp::OpenDonatePage, "donate"},
                    LinkCase{"Help", &modHelp::OpenHelpPage, "help-web-page"},
                    LinkCase{"CoBrand", &modHelp::OpenCoBrandPage, "co-brand"},
                    LinkCase{"FullBrand", &modHelp::OpenFullBrandPage, "fully-branded"},
                    LinkCase{"Home", &modHelp::OpenHomePage, "home-page"},
                    LinkCase{"Download", &modHelp::OpenDownloadPage, "download-web-page"}),
    [](const testing::TestParamInfo<LinkCase>& info) { return std::string(info.param.name); });

using CheckBoxLink = ProgramTest;

TEST_F(CheckBoxLink, EachClickOpensTheHomePageOnceAndLeavesItUnchecked) {
    program->nag.Show();
    auto* check = control<forms::FormCheckButton>(program->nag, "Check1");
    ASSERT_NE(check, nullptr);
    for (int clicks = 1; clicks <= 2; ++clicks) {
        QTest::mouseClick(check, Qt::LeftButton);
        EXPECT_EQ(fake.urls.opened, QStringList(clicks, pageUrl("home-page")));
        EXPECT_FALSE(check->isChecked());
        EXPECT_EQ(check->Value(), 0);
    }
    EXPECT_TRUE(program->nag.Visible());
}

} // namespace
