// What a screen reader gets from every window through Qt's accessibility interfaces.
#include "build_config.h"
#include "long_texts.h"
#include "program_fixture.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <set>

namespace {

QAccessibleInterface* accessible(QWidget* widget) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    EXPECT_NE(iface, nullptr) << qPrintable(widget->objectName());
    return iface;
}

QString allText(QAccessibleInterface* iface) {
    QAccessibleTextInterface* text = iface->textInterface();
    return text ? text->text(0, text->characterCount()) : QStringLiteral("(no text interface)");
}

class AccessibilityTest : public ProgramTest {
protected:
    // Every window loaded; the main window shows the offer the draw puts in front.
    void loadAll(float draw) {
        m_fake.random.m_values = {draw};
        start();
        for (const char* name : kWindows)
            form(name).Load();
    }
    QAccessibleInterface* of(const char* window, const char* control) {
        return accessible(form(window).Control(QLatin1String(control)));
    }
};

TEST_F(AccessibilityTest, WindowsAreFramesTheAboutBoxIsADialogAndTitledFramesAreGroups) {
    loadAll(0);
    for (const char* name : kWindows) {
        const bool dialog = QByteArray(name) == "frmAbout";
        EXPECT_EQ(accessible(form(name).Window())->role(),
                  dialog ? QAccessible::Dialog : QAccessible::Window)
            << name;
    }
    // A titled frame is a group, named as the focus enters it; an untitled strip is not.
    EXPECT_EQ(of("frmMain", "fraBirthDay")->role(), QAccessible::Grouping);
    EXPECT_EQ(of("frmNagScreen2", "Frame2")->role(), QAccessible::Grouping);
    EXPECT_EQ(of("frmMain", "Frame5")->role(), QAccessible::Client);
}

TEST_F(AccessibilityTest, LabelsReadTheirVisibleTextAndKeepTheirShortNameAsDescription) {
    using namespace long_texts;
    loadAll(0); // the first appeal on the exit screen
    const QString title = QStringLiteral("Lunavik v" LUNAVIK_VERSION_TEXT);
    const struct {
        const char *window, *control;
        QString name;
        const char* description;
        bool link;
    } labels[] = {
        {"frmMain", "Label1", QStringLiteral("First Name"), "", false},
        {"frmMain", "Label4", QStringLiteral("Middle Name"), "", false},
        {"frmMain", "Label5", QStringLiteral("Last Name"), "", false},
        {"frmMain", "Label61", kBoardBanner, "Discussion board", true},
        {"frmMain", "lblCobrand", kCoBrandOffer, "Co-branding offer", true},
        {"frmMain", "lblFullBrand", kFullBrandOffer, "Fully-branded offer", true},
        {"frmInnerDrmOrPerNo", "Label61", kBoardBanner, "Discussion board", true},
        {"frmInnerDrmOrPerNo", "lblCobrand", kCoBrandOffer, "Co-branding offer", true},
        {"frmInnerDrmOrPerNo", "lblFullBrand", kFullBrandOffer, "Fully-branded offer", true},
        {"frmAbout", "Label1", kAboutDescription, "", false},
        {"frmAbout", "Label2", title, "", false},
        {"frmAbout", "Label3", kAboutFullBrandText, "", false},
        {"frmAbout", "lblCobrand", QStringLiteral("Click here for more details."), "", true},
        {"frmAbout", "lblHomePage", QStringLiteral("Click here to visit www.orvaneth.example"), "",
         true},
        {"frmNagScreen2", "Label2", kBoardAppeals[0], "", false},
        {"frmNagScreen2", "Label3", kOtherSoftwaresPromotion, "", false},
        {"frmNagScreen2", "lblGoToHome", QStringLiteral("Click Here To Visit Orvaneth Softwares"),
         "", true},
        {"frmNagScreen2", "lblNagScreen2Caption", title, "", false}};
    for (const auto& l : labels) {
        SCOPED_TRACE(std::string(l.window) + "." + l.control);
        QAccessibleInterface* label = of(l.window, l.control);
        EXPECT_EQ(label->text(QAccessible::Name), l.name);
        EXPECT_EQ(allText(label), l.name);
        EXPECT_EQ(label->text(QAccessible::Description), QLatin1String(l.description));
        EXPECT_EQ(label->role(), l.link ? QAccessible::Link : QAccessible::StaticText);
    }
    size_t designed = 0; // every label of every window has its row
    for (const char* window : kWindows)
        for (const forms::ControlDesign& c : form(window).Design().controls)
            designed += c.kind == forms::Kind::Label;
    EXPECT_EQ(designed, std::size(labels));
    EXPECT_TRUE(of("frmMain", "lblCobrand")->text(QAccessible::Name).contains(u" & "));
    EXPECT_EQ(of("frmMain", "Label61")->text(QAccessible::Description),
              QStringLiteral("Discussion board"));
}

TEST_F(AccessibilityTest, EachLinkPressOpensThePageItsClickOpens) {
    const struct {
        const char *window, *control, *page;
    } links[] = {{"frmMain", "Label61", "home-page"},
                 {"frmMain", "lblCobrand", "co-brand"},
                 {"frmMain", "lblFullBrand", "fully-branded"},
                 {"frmInnerDrmOrPerNo", "Label61", "home-page"},
                 {"frmInnerDrmOrPerNo", "lblCobrand", "co-brand"},
                 {"frmInnerDrmOrPerNo", "lblFullBrand", "fully-branded"},
                 {"frmAbout", "lblCobrand", "fully-branded"},
                 {"frmAbout", "lblHomePage", "home-page"},
                 {"frmNagScreen2", "lblGoToHome", "orvanethsoftwares"}};
    loadAll(0);
    for (const auto& l : links) {
        SCOPED_TRACE(std::string(l.window) + "." + l.control);
        QAccessibleActionInterface* action = of(l.window, l.control)->actionInterface();
        ASSERT_NE(action, nullptr);
        ASSERT_EQ(action->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
        m_fake.urls.m_opened.clear();
        action->doAction(QAccessibleActionInterface::pressAction());
        EXPECT_EQ(m_fake.urls.m_opened, QStringList{PageUrl(l.page)});
    }
    EXPECT_TRUE(of("frmAbout", "Label3")->actionInterface()->actionNames().isEmpty());
}

// The draw puts the co-branding offer in front on the main window; the result window always
// shows the fully-branded one.
TEST_F(AccessibilityTest, CoveredOfferAndHiddenExitButtonAreNotVisible) {
    loadAll(0);
    result().Show();
    const struct {
        const char *window, *control;
        bool invisible;
    } cases[] = {{"frmMain", "lblCobrand", false},
                 {"frmMain", "lblFullBrand", true},
                 {"frmInnerDrmOrPerNo", "lblCobrand", true},
                 {"frmInnerDrmOrPerNo", "lblFullBrand", false},
                 {"frmMain", "cmdExit", true}};
    for (const auto& c : cases)
        EXPECT_EQ(of(c.window, c.control)->state().invisible, c.invisible)
            << c.window << "." << c.control;
}

TEST_F(AccessibilityTest, DateListsAreNamedAndValuedByTheirCurrentItem) {
    start();
    const struct {
        const char *list, *name, *first, *second;
    } lists[] = {{"cboMonth", "Month of birth", "January", "February"},
                 {"cboDate", "Day of birth", "1", "2"},
                 {"cboYear", "Year of birth", "1900", "1901"}};
    for (const auto& l : lists) {
        SCOPED_TRACE(l.list);
        QAccessibleInterface* list = of("frmMain", l.list);
        EXPECT_EQ(list->role(), QAccessible::ComboBox);
        EXPECT_EQ(list->text(QAccessible::Name), QLatin1String(l.name));
        EXPECT_EQ(list->text(QAccessible::Value), QLatin1String(l.first));
        EXPECT_EQ(allText(list), QLatin1String(l.first));
        control<QComboBox>(main(), l.list)->setCurrentIndex(1);
        EXPECT_EQ(list->text(QAccessible::Name), QLatin1String(l.name));
        EXPECT_EQ(allText(list), QLatin1String(l.second));
        QObject* dropDown = control<QComboBox>(main(), l.list)->view();
        EXPECT_EQ(list->child(0)->object(), dropDown);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        // Where Qt passes them on: the current item as the selection, the value as valuetext.
        const QList<QAccessibleInterface*> selected = list->selectionInterface()->selectedItems();
        ASSERT_EQ(selected.size(), 1);
        EXPECT_EQ(selected[0]->text(QAccessible::Name), QLatin1String(l.second));
        EXPECT_EQ(list->indexOfChild(selected[0]), 1);
        using Attributes = QHash<QString, QString>;
        const QVariant attributes =
            list->attributesInterface()->attributeValue(QAccessible::Attribute::Custom);
        EXPECT_EQ(attributes.value<Attributes>()[QStringLiteral("valuetext")],
                  QLatin1String(l.second));
#endif
    }
}

// Said as the window opens: the result's number line, the exit screen's appeal drawn at load.
TEST_F(AccessibilityTest, WindowsAreDescribedByTheNumberLineAndTheAppeal) {
    startAndNext();
    EXPECT_EQ(accessible(result().Window())->text(QAccessible::Description),
              QStringLiteral("Your Inner Dreams Number is: 2"));
    EXPECT_TRUE(allText(accessible(box(result(), "txtDisplay")->focusProxy()))
                    .startsWith(QStringLiteral("Your Inner Dreams Number is: 2\n")));
    m_fake.random.m_values = {0.9f};
    nag().Load();
    EXPECT_EQ(accessible(nag().Window())->text(QAccessible::Description),
              long_texts::kBoardAppeals[3]);
}

// Screen readers split what they read at text-attribute runs; a run that ends where it starts
// cost the last letter of a name.
TEST_F(AccessibilityTest, NameBoxesReadTheirWholeText) {
    startWithJohnSmith();
    QAccessibleTextInterface* text = of("frmMain", "txtFirstName")->textInterface();
    if (!text) // the box is reached through its editor
        text = accessible(box(main(), "txtFirstName")->focusProxy())->textInterface();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->text(0, text->characterCount()), QStringLiteral("JOHN"));
    int start = -1, end = -1;
    text->attributes(3, &start, &end);
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, 4);
}

TEST_F(AccessibilityTest, EveryFocusStopHasANameOfItsOwn) {
    loadAll(0);
    for (const char* window : kWindows) {
        std::set<QString> names;
        for (QWidget* stop : form(window).TabOrder()) {
            QWidget* focused = stop->focusProxy() ? stop->focusProxy() : stop;
            const QString name = accessible(focused)->text(QAccessible::Name);
            EXPECT_FALSE(name.isEmpty()) << window << "." << qPrintable(stop->objectName());
            EXPECT_TRUE(names.insert(name).second) << window << ": " << qPrintable(name);
        }
    }
}

} // namespace
