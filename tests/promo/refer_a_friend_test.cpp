// Refer-a-friend: the checks of the five values and the referral address that is opened.
#include "build_config.h"
#include "program_fixture.h"

#include <QUrl>
#include <ostream>
#include <utility>
#include <vector>

namespace {

const QString kReferralPage =
    QStringLiteral(LUNAVIK_SITE_BASE "/lunavik/ssd.php?page=orvs-refer-a-friend");
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

struct Values {
    QString name, email, message, friendName, friendEmail;
};

void expectCriticalMessage(const fakes::MessageBox& box, const char* text) {
    ASSERT_EQ(box.shown.size(), 1u) << qPrintable(box.texts().join('|'));
    EXPECT_EQ(box.shown.front().text, QLatin1String(text));
    EXPECT_EQ(box.shown.front().icon, platform::MsgIcon::Critical);
    EXPECT_EQ(box.shown.front().buttons, platform::MsgButtons::Ok);
    EXPECT_EQ(box.shown.front().title, QStringLiteral("Lunavik"));
}

} // namespace

class ReferTest : public ProgramTest {
protected:
    modTellAFriend& taf() { return program->tellAFriend; }
    void submitDirectly(const Values& v) {
        taf().strSenderName = v.name;
        taf().strSenderEmail = v.email;
        taf().strMessage = v.message;
        taf().strFriendName = v.friendName;
        taf().strFriendEmail = v.friendEmail;
        taf().SubmitReferral();
    }
    // Fills the exit screen's form; a null value leaves that box as it was loaded.
    void fillForm(const char* name, const char* email, const char* friendName,
                  const char* friendEmail, const char* message = nullptr) {
        program->nag.Show();
        const std::pair<const char*, const char*> boxes[] = {{"txtName", name},
                                                             {"txtEmail", email},
                                                             {"txtFriendName", friendName},
                                                             {"txtFriendEmail", friendEmail},
                                                             {"txtMessage", message}};
        for (const auto& [boxName, value] : boxes)
            if (value)
                box(program->nag, boxName)->SetText(QString::fromUtf8(value));
    }
    void clickRefer() {
        QTest::mouseClick(control<QPushButton>(program->nag, "cmdSubmit"), Qt::LeftButton);
    }
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
            QString v[5];
            for (int i = 0; i < 5; ++i)
                v[i] = i < missing ? filled[i] : i == missing ? blank : hints[i];
            fake.messageBox.shown.clear();
            submitDirectly({v[0], v[1], v[2], v[3], v[4]});
            expectCriticalMessage(fake.messageBox, messages[missing]);
            EXPECT_TRUE(fake.urls.opened.isEmpty());
        }
    }
}

TEST_F(ReferTest, HintsInOtherLetterCaseAndTheHintWithALineBreakPass) {
    submitDirectly({QStringLiteral("your name"), QStringLiteral("YOUR EMAIL ADDRESS"),
                    QStringLiteral("Your Message\r\n"), QStringLiteral("friend's name"),
                    QStringLiteral("FRIEND'S EMAIL ADDRESS")});
    EXPECT_TRUE(fake.messageBox.shown.empty()) << qPrintable(fake.messageBox.texts().join('|'));
    EXPECT_EQ(fake.urls.opened.size(), 1);
}

TEST_F(ReferTest, NormalFormOpensTheReferralAddress) {
    fillForm("  Ann Lee ", "ann@example.org", "Bob", "bob@example.net", "Hello");
    clickRefer();
    EXPECT_TRUE(fake.messageBox.shown.empty()) << qPrintable(fake.messageBox.texts().join('|'));
    ASSERT_EQ(fake.urls.opened.size(), 1);
    // The at sign may travel as it is or escaped; the server reads both the same.
    QString url = fake.urls.opened.front();
    url.replace(QLatin1String("%40"), QLatin1String("@"));
    EXPECT_EQ(url, kReferralPage +
                       QStringLiteral("&taf1=Ann%20Lee&taf2=ann@example.org&taf3=Hello"
                                      "&taf4=Bob&taf5=bob@example.net&taf6=") +
                       kProgramFolder);
}

// Names a table row in failure output instead of dumping its bytes.
template <class Case>
requires requires(const Case& c) { c.name; }
void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

struct ValueCase {
    const char* name;
    const char* typed;
};

class ReferralValue : public ReferTest, public testing::WithParamInterface<ValueCase> {};

TEST_P(ReferralValue, ReachesTheServerAsTyped) {
    const QString value = QString::fromUtf8(GetParam().typed);
    submitDirectly({value, QStringLiteral("ann@example.org"), value, value,
                    QStringLiteral("bob@example.net")});
    ASSERT_EQ(fake.urls.opened.size(), 1);
    const QString url = fake.urls.opened.front();
    ASSERT_TRUE(url.startsWith(kReferralPage + QStringLiteral("&taf1=")));
    EXPECT_TRUE(url.endsWith(QStringLiteral("&taf6=") + kProgramFolder));
    // Nothing the browser or shell would cut at, rewrite or fail to carry.
    for (const QChar ch : url)
        EXPECT_TRUE(ch.unicode() > 32 && ch.unicode() < 127 && ch != u'#') << qPrintable(url);

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

INSTANTIATE_TEST_SUITE_P(
    Refer, ReferralValue,
    testing::Values(ValueCase{"Ampersand", "Tom & Jerry"}, ValueCase{"EqualsSign", "a=b"},
                    ValueCase{"HashSign", "#1 fan"}, ValueCase{"QuestionMark", "why? because"},
                    ValueCase{"PlusSign", "1+1"}, ValueCase{"PercentSign", "100% sure"},
                    ValueCase{"InnerSpaces", "two  inner  spaces"},
                    ValueCase{"Punctuation", "a/b:c;d,e'f"},
                    ValueCase{"LineBreaks", "line one\r\nline two"},
                    ValueCase{"NonAsciiLetters", "Grüße, Zoë, Ñandú, 日本"}),
    [](const auto& info) { return std::string(info.param.name); });

struct EmailCase {
    const char* name;
    const char* email;
    const char* friendEmail;
    const char* message;
};

class EmailCheck : public ReferTest, public testing::WithParamInterface<EmailCase> {};

// The name box still holds its hint, so a pair that passes the e-mail checks reaches the
// referral checks and stops at the name.
TEST_P(EmailCheck, ReportsOneMessageAndChangesNothing) {
    const EmailCase& c = GetParam();
    fillForm(nullptr, c.email, nullptr, c.friendEmail);
    clickRefer();
    expectCriticalMessage(fake.messageBox, c.message);
    EXPECT_TRUE(fake.urls.opened.isEmpty());
    if (c.email) {
        EXPECT_EQ(box(program->nag, "txtEmail")->Text(), QString::fromUtf8(c.email));
    }
    EXPECT_EQ(box(program->nag, "txtName")->Text(), QStringLiteral("Your Name"));
}

const char* const kDistinct = "Please Enter Distinct Email Addresses";
const char* const kProper = "Please Enter Proper Email Address";
const char* const kName = "Please Enter Your Name";

INSTANTIATE_TEST_SUITE_P(
    Refer, EmailCheck,
    testing::Values(EmailCase{"UntouchedForm", nullptr, nullptr, kProper},
                    EmailCase{"BothEmpty", "", "", kDistinct},
                    EmailCase{"SameAddress", "ann@example.org", "ann@example.org", kDistinct},
                    EmailCase{"SameAddressAmidSpaces", " ann@example.org", "ann@example.org  ",
                              kDistinct},
                    EmailCase{"DifferOnlyInCase", "ann@example.org", "ANN@example.org", kName},
                    EmailCase{"SenderAtWithoutDot", "ann@example", "bob@example.net", kProper},
                    EmailCase{"FriendAtWithoutDot", "ann@example.org", "bob@example", kProper},
                    EmailCase{"DotWithoutAt", "ann.example.org", "bob@example.net", kProper},
                    EmailCase{"DotOnlyBeforeAt", "ann.lee@example", ".bob@example", kName}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ReferTest, UntouchedMessageBoxSendsItsTextWithTheLineBreak) {
    fillForm("Ann", "ann@example.org", "Bob", "bob@example.net");
    clickRefer();
    ASSERT_EQ(fake.urls.opened.size(), 1);
    EXPECT_EQ(decoded(queryOf(fake.urls.opened.front())[3].second),
              QStringLiteral("Your Message\r\n"));
}

TEST_F(ReferTest, SubmittingTwiceOpensTwiceAndKeepsTheForm) {
    fillForm("Ann", "ann@example.org", "Bob", "bob@example.net", "Hello");
    clickRefer();
    clickRefer();
    ASSERT_EQ(fake.urls.opened.size(), 2);
    EXPECT_EQ(fake.urls.opened[0], fake.urls.opened[1]);
    EXPECT_TRUE(fake.messageBox.shown.empty());
    EXPECT_EQ(box(program->nag, "txtName")->Text(), QStringLiteral("Ann"));
    EXPECT_EQ(box(program->nag, "txtMessage")->Text(), QStringLiteral("Hello"));
    EXPECT_TRUE(program->nag.Visible());
}
