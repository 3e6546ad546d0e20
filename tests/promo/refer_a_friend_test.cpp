// Refer-a-friend: the checks of the five values and the referral address that is opened.
#include "program_fixture.h"

#include <QUrl>
#include <utility>
#include <vector>

namespace {

const QString kReferralPage = PageUrl("orvs-refer-a-friend");
const QString kProgramFolder = QStringLiteral(LUNAVIK_SITE_BASE "/lunavik/");

// The query of an address as the server splits it: name and still-encoded value per "&".
std::vector<std::pair<QString, QString>> queryOf(const QString& url) {
    std::vector<std::pair<QString, QString>> out;
    for (const QString& part : url.mid(url.indexOf(u'?') + 1).split(u'&')) {
        const qsizetype eq = part.indexOf(u'=');
        out.emplace_back(part.left(eq), part.mid(eq + 1));
    }
    return out;
}

QString decoded(const QString& raw) { return QUrl::fromPercentEncoding(raw.toLatin1()); }

} // namespace

class ReferTest : public ProgramTest {
protected:
    modTellAFriend& taf() { return m_program->m_tellAFriend; }
    // The sender's name, e-mail and message, then the friend's name and e-mail.
    void submitDirectly(const QStringList& v) {
        taf().strSenderName = v[0];
        taf().strSenderEmail = v[1];
        taf().strMessage = v[2];
        taf().strFriendName = v[3];
        taf().strFriendEmail = v[4];
        taf().SubmitReferral();
    }
    // Fills the exit screen's form; a null value leaves that box as it was loaded.
    void fillForm(const char* name, const char* email, const char* friendName,
                  const char* friendEmail, const char* message = nullptr) {
        nag().Show();
        const char* const names[] = {"txtName", "txtEmail", "txtFriendName", "txtFriendEmail",
                                     "txtMessage"};
        const char* const values[] = {name, email, friendName, friendEmail, message};
        for (int i = 0; i < 5; ++i)
            if (values[i])
                box(nag(), names[i])->SetText(QString::fromUtf8(values[i]));
    }
    void clickRefer() { click(nag(), "cmdSubmit"); }
};

// Each value in turn left at its hint or blank, with the values before it filled in.
TEST_F(ReferTest, ReportsTheFirstMissingValue) {
    const QString filled[] = {QStringLiteral("Ann"), QStringLiteral("ann@example.org"),
                              QStringLiteral("Hello"), QStringLiteral("Bob"),
                              QStringLiteral("bob@example.net")};
    const QString hints[] = {QStringLiteral("Your Name"), QStringLiteral("Your Email Address"),
                             QStringLiteral("Your Message"), QStringLiteral("Friend's Name"),
                             QStringLiteral("Friend's Email Address")};
    const char* const messages[] = {"Please Enter Your Name", "Please Enter Your Email",
                                    "Please Enter Your Message", "Please Enter Your Friend's Name",
                                    "Please Enter Your Friend's Email"};
    for (int missing = 0; missing < 5; ++missing) {
        for (const QString& blank : {hints[missing], QStringLiteral("  ") + hints[missing] + u' ',
                                     QString(), QStringLiteral("   ")}) {
            SCOPED_TRACE(qPrintable(QStringLiteral("value %1 as '%2'").arg(missing).arg(blank)));
            QStringList v;
            for (int i = 0; i < 5; ++i)
                v << (i < missing ? filled[i] : i == missing ? blank : hints[i]);
            submitDirectly(v);
            expectMessage(QLatin1String(messages[missing]), platform::MsgIcon::Critical);
            EXPECT_TRUE(m_fake.urls.m_opened.isEmpty());
        }
    }
}

TEST_F(ReferTest, HintsInOtherLetterCaseAndTheHintWithALineBreakPass) {
    submitDirectly({QStringLiteral("your name"), QStringLiteral("YOUR EMAIL ADDRESS"),
                    QStringLiteral("Your Message\r\n"), QStringLiteral("friend's name"),
                    QStringLiteral("FRIEND'S EMAIL ADDRESS")});
    expectNoMessage();
    EXPECT_EQ(m_fake.urls.m_opened.size(), 1);
}

TEST_F(ReferTest, NormalFormOpensTheReferralAddressOnEachClickAndKeepsTheForm) {
    fillForm("  Ann Lee ", "ann@example.org", "Bob", "bob@example.net", "Hello");
    clickRefer();
    clickRefer();
    expectNoMessage();
    ASSERT_EQ(m_fake.urls.m_opened.size(), 2);
    EXPECT_EQ(m_fake.urls.m_opened[0], m_fake.urls.m_opened[1]);
    // The at sign may travel as it is or escaped; the server reads both the same.
    QString url = m_fake.urls.m_opened.front();
    url.replace(QLatin1String("%40"), QLatin1String("@"));
    EXPECT_EQ(url, kReferralPage +
                       QStringLiteral("&taf1=Ann%20Lee&taf2=ann@example.org&taf3=Hello"
                                      "&taf4=Bob&taf5=bob@example.net&taf6=") +
                       kProgramFolder);
    EXPECT_EQ(box(nag(), "txtName")->Text(), QStringLiteral("  Ann Lee "));
    EXPECT_TRUE(nag().IsVisible());
}

TEST_F(ReferTest, EveryValueReachesTheServerAsTyped) {
    for (const char* typed :
         {"Tom & Jerry", "a=b", "#1 fan", "why? because", "1+1", "100% sure", "two  inner  spaces",
          "a/b:c;d,e'f", "line one\r\nline two", "Grüße, Zoë, Ñandú, 日本"}) {
        SCOPED_TRACE(typed);
        const QString value = QString::fromUtf8(typed);
        m_fake.urls.m_opened.clear();
        submitDirectly({value, QStringLiteral("ann@example.org"), value, value,
                        QStringLiteral("bob@example.net")});
        ASSERT_EQ(m_fake.urls.m_opened.size(), 1);
        const QString url = m_fake.urls.m_opened.front();
        // Nothing the browser or shell would cut at, rewrite or fail to carry.
        for (const QChar ch : url)
            EXPECT_TRUE(ch.unicode() > 32 && ch.unicode() < 127 && ch != u'#') << qPrintable(url);
        ASSERT_TRUE(url.startsWith(kReferralPage + QStringLiteral("&taf1=")));
        const auto query = queryOf(url);
        ASSERT_EQ(query.size(), 7u) << qPrintable(url);
        const char* const keys[] = {"page", "taf1", "taf2", "taf3", "taf4", "taf5", "taf6"};
        for (size_t i = 0; i < query.size(); ++i)
            EXPECT_EQ(query[i].first, QLatin1String(keys[i]));
        for (size_t i : {1u, 3u, 4u}) {
            EXPECT_EQ(decoded(query[i].second), value) << keys[i];
            // Form decoding on the server turns a bare "+" into a space.
            EXPECT_FALSE(query[i].second.contains(u'+')) << keys[i];
        }
        EXPECT_EQ(query[6].second, kProgramFolder);
    }
}

// The name box still holds its hint, so a pair that passes the e-mail checks reaches the
// referral checks and stops at the name.
TEST_F(ReferTest, EmailChecksReportOneMessageAndChangeNothing) {
    const char* const distinct = "Please Enter Distinct Email Addresses";
    const char* const proper = "Please Enter Proper Email Address";
    const char* const name = "Please Enter Your Name";
    const struct {
        const char *email, *friendEmail, *message;
    } cases[] = {{nullptr, nullptr, proper}, // the untouched form
                 {"", "", distinct},
                 {"ann@example.org", "ann@example.org", distinct},
                 {" ann@example.org", "ann@example.org  ", distinct},
                 {"ann@example.org", "ANN@example.org", name},
                 {"ann@example", "bob@example.net", proper},
                 {"ann@example.org", "bob@example", proper},
                 {"ann.example.org", "bob@example.net", proper},
                 {"ann.lee@example", ".bob@example", name}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.email ? c.email : "untouched") << " / "
                                        << (c.friendEmail ? c.friendEmail : "untouched"));
        nag().Unload();
        fillForm(nullptr, c.email, nullptr, c.friendEmail);
        clickRefer();
        expectMessage(QLatin1String(c.message), platform::MsgIcon::Critical);
        EXPECT_TRUE(m_fake.urls.m_opened.isEmpty());
        if (c.email) {
            EXPECT_EQ(box(nag(), "txtEmail")->Text(), QString::fromUtf8(c.email));
        }
        EXPECT_EQ(box(nag(), "txtName")->Text(), QStringLiteral("Your Name"));
    }
}

TEST_F(ReferTest, UntouchedMessageBoxSendsItsTextWithTheLineBreak) {
    fillForm("Ann", "ann@example.org", "Bob", "bob@example.net");
    clickRefer();
    ASSERT_EQ(m_fake.urls.m_opened.size(), 1);
    EXPECT_EQ(decoded(queryOf(m_fake.urls.m_opened.front())[3].second),
              QStringLiteral("Your Message\r\n"));
}
