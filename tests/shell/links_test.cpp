// Every link of the working windows and the exit screen, reached the way the user reaches it.
#include "program_fixture.h"

#include <QDesktopServices>
#include <QUrl>

namespace {

struct LinkCase {
    const char* name;
    float rnd; // the start-up draw deciding which offer label lies on top of the main window
    const char* window;
    const char* control; // a menu entry, a control, or "offer" for whichever offer is on top
    const char* page;
    bool noBrowser = false; // none can be started: a box says so
};

class Link : public ProgramTest, public testing::WithParamInterface<LinkCase> {};

TEST_P(Link, OpensItsPageAndKeepsTheWindow) {
    const LinkCase& c = GetParam();
    m_fake.random.m_values = {c.rnd};
    m_fake.urls.m_refuse = c.noBrowser;
    start();
    forms::Form& f = form(c.window);
    f.Show();
    const QString name = QLatin1String(c.control);
    if (QAction* entry = f.MenuEntry(name))
        entry->trigger();
    else if (name == QLatin1String("offer"))
        QTest::mouseClick(onTopAt(f, "lblCobrand"), Qt::LeftButton);
    else
        click(f, c.control);
    EXPECT_EQ(m_fake.urls.m_opened, QStringList{PageUrl(c.page)});
    if (c.noBrowser)
        expectMessage(QStringLiteral("Lunavik could not open the page in your web browser."),
                      platform::MsgIcon::Critical);
    else
        expectNoMessage();
    EXPECT_TRUE(f.IsVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Links, Link,
    testing::Values(LinkCase{"Donate", 0, "frmMain", "mnuDonate", "donate"},
                    LinkCase{"OnlineHelp", 0, "frmMain", "mnuOnline", "help-web-page"},
                    LinkCase{"VisitUs", 0, "frmMain", "mnuVisit", "home-page"},
                    LinkCase{"VisitUsNoBrowser", 0, "frmMain", "mnuVisit", "home-page", true},
                    LinkCase{"CheckForUpdate", 0, "frmMain", "mnuUpdate", "download-web-page"},
                    LinkCase{"Banner", 0, "frmMain", "Label61", "home-page"},
                    LinkCase{"CoBrandOnTop", 0.0f, "frmMain", "offer", "co-brand"},
                    LinkCase{"FullBrandOnTop", 0.2f, "frmMain", "offer", "fully-branded"},
                    LinkCase{"ResultBanner", 0, "frmInnerDrmOrPerNo", "Label61", "home-page"},
                    LinkCase{"ResultOffer", 0.0f, "frmInnerDrmOrPerNo", "offer", "fully-branded"},
                    LinkCase{"OtherSoftwares", 0, "frmNagScreen2", "lblGoToHome",
                             "orvanethsoftwares"}),
    [](const auto& row) { return std::string(row.param.name); });

using CheckBoxLink = ProgramTest;

TEST_F(CheckBoxLink, OpensTheHomePageOncePerClickAndStaysUnchecked) {
    nag().Show();
    auto* check = control<forms::FormCheckButton>(nag(), "Check1");
    for (int clicks = 1; clicks <= 2; ++clicks) {
        QTest::mouseClick(check, Qt::LeftButton);
        EXPECT_EQ(m_fake.urls.m_opened, QStringList(clicks, PageUrl("home-page")));
        EXPECT_FALSE(check->isChecked());
        EXPECT_EQ(check->Value(), 0);
    }
    EXPECT_TRUE(nag().IsVisible());
}

// Stands in for the desktop's browser: receives what the real URL service hands over.
class Browser : public QObject {
    Q_OBJECT
public:
    QStringList m_opened;
public slots:
    void Open(const QUrl& url) { m_opened << url.toString(QUrl::FullyEncoded); }
};

TEST(DesktopUrlService, HandsThePageAndReferralAddressesOverUnchanged) {
    const QStringList addresses = {
        PageUrl("home-page"),
        modTellAFriend::BuildReferralUrl({QStringLiteral("Ann Lee"), QStringLiteral("a@b.org"),
                                          QStringLiteral("Tom & Jerry #1 100%\r\nbye"),
                                          QStringLiteral("Zo\u00eb"), QStringLiteral("z@y.net")})};
    const QString scheme = QUrl(addresses.front()).scheme();
    Browser browser;
    QDesktopServices::setUrlHandler(scheme, &browser, "Open");
    for (const QString& address : addresses)
        platform::DesktopUrlService().Open(address);
    QDesktopServices::unsetUrlHandler(scheme);
    EXPECT_EQ(browser.m_opened, addresses);
}

} // namespace

#include "links_test.moc"
