// The four windows as built from their designs: sizes, places, focus order, menus, stacking.
#include "program_fixture.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <string>

namespace {

struct Window {
    const char* name;
    QSize client;
};

const Window kWindows[] = {
    {"frmMain", {427, 228}},
    {"frmInnerDrmOrPerNo", {425, 348}},
    {"frmAbout", {455, 253}},
    {"frmNagScreen2", {741, 315}},
};

class LayoutTest : public ProgramTest {
protected:
    forms::Form& form(const char* name) {
        const std::string n = name;
        if (n == "frmMain")
            return program->main;
        if (n == "frmInnerDrmOrPerNo")
            return program->result;
        if (n == "frmAbout")
            return program->about;
        return program->nag;
    }
    forms::Form& loaded(const char* name) {
        forms::Form& f = form(name);
        f.Load();
        return f;
    }
    // The design name of the control holding the focus (a text box's editor has none).
    static QString named(QWidget* w) {
        while (w && w->objectName().isEmpty())
            w = w->parentWidget();
        return w ? w->objectName() : QStringLiteral("<none>");
    }
    static QStringList names(const std::vector<QWidget*>& widgets) {
        QStringList out;
        for (QWidget* w : widgets)
            out << w->objectName();
        return out;
    }
    // What the user sees on top at the centre of a control.
    static QString onTopAt(QWidget* control) {
        return named(control->parentWidget()->childAt(control->geometry().center()));
    }
};

TEST_F(LayoutTest, ClientAreasAreFixedSizeWithoutMinimizeOrMaximize) {
    for (const Window& w : kWindows) {
        SCOPED_TRACE(w.name);
        forms::FormWindow* window = loaded(w.name).window();
        EXPECT_EQ(window->client()->size(), w.client);
        const int menuHeight = window->menuBar() ? window->menuBar()->sizeHint().height() : 0;
        EXPECT_EQ(window->client()->y(), menuHeight);
        EXPECT_EQ(window->size(), w.client + QSize(0, menuHeight));
        EXPECT_EQ(window->minimumSize(), window->maximumSize());
        EXPECT_FALSE(window->windowFlags() & Qt::WindowMinimizeButtonHint);
        EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
    }
}

struct Place {
    const char* window;
    const char* control;
    const char* container;
    QRect pixels;
};

TEST_F(LayoutTest, ControlsSitAtTheirDesignPlacesInPixels) {
    const Place places[] = {
        {"frmMain", "txtFirstName", "fraName", {6, 30, 127, 23}},
        {"frmMain", "txtLastName", "fraName", {280, 30, 129, 23}},
        {"frmMain", "fraBirthDay", "fraName", {8, 56, 403, 43}},
        {"frmMain", "cmdNext", "fraBirthDay", {264, 14, 131, 21}},
        {"frmMain", "lblFullBrand", "Frame5", {8, 16, 399, 41}},
        {"frmInnerDrmOrPerNo", "txtDisplay", "frmInnerDrmOrPerNo_client", {4, 46, 420, 197}},
        {"frmInnerDrmOrPerNo", "cmdback", "frmInnerDrmOrPerNo_client", {350, 252, 73, 25}},
        {"frmAbout", "Picture1", "frmAbout_client", {8, 8, 32, 32}},
        {"frmAbout", "cmdOK", "frmAbout_client", {360, 224, 84, 23}},
        {"frmNagScreen2", "txtName", "Frame2", {6, 24, 225, 19}},
        {"frmNagScreen2", "txtMessage", "Frame2", {320, 240, 121, 33}},
    };
    for (const Place& p : places) {
        SCOPED_TRACE(std::string(p.window) + "." + p.control);
        QWidget* c = loaded(p.window).Control(QLatin1String(p.control));
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(c->parentWidget()->objectName(), p.container);
        EXPECT_EQ(c->geometry(), p.pixels);
    }
    // The message box lies below its frame's bottom edge, out of sight.
    EXPECT_GE(program->nag.Control(QStringLiteral("txtMessage"))->y(),
              program->nag.Control(QStringLiteral("Frame2"))->height());
}

struct FocusOrder {
    const char* window;
    QStringList order;
};

TEST_F(LayoutTest, FocusFollowsTabOrderAndStartsOnTheFirst) {
    const FocusOrder orders[] = {
        {"frmMain",
         {"txtFirstName", "txtMiddleName", "txtLastName", "cboMonth", "cboDate", "cboYear",
          "cmdNext"}},
        {"frmInnerDrmOrPerNo", {"cmdback", "txtDisplay"}},
        {"frmAbout", {"cmdOK"}},
        {"frmNagScreen2",
         {"cmdClose", "Check1", "txtName", "cmdSubmit", "txtEmail", "txtFriendEmail",
          "txtFriendName", "txtMessage"}},
    };
    for (const FocusOrder& o : orders) {
        SCOPED_TRACE(o.window);
        forms::Form& f = form(o.window);
        QString focused;
        if (f.Design().name == QLatin1String("frmAbout")) {
            // A modal Show returns only when the box goes away.
            QTimer::singleShot(0, [&] {
                focused = named(f.window()->focusWidget());
                f.Hide();
            });
            f.Show(forms::Form::ShowMode::Modal);
        } else {
            f.Show();
            focused = named(f.window()->focusWidget());
        }
        EXPECT_EQ(names(f.TabOrder()), o.order);
        EXPECT_EQ(focused, o.order.front());
    }
}

TEST_F(LayoutTest, TabKeyWalksTheMainWindowInOrderAndWrapsAround) {
    program->main.Show();
    QWidget* window = program->main.window();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    QStringList visited{named(QApplication::focusWidget())};
    for (int i = 0; i < 7; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << named(QApplication::focusWidget());
    }
    EXPECT_EQ(visited, QStringList({"txtFirstName", "txtMiddleName", "txtLastName", "cboMonth",
                                    "cboDate", "cboYear", "cmdNext", "txtFirstName"}));
}

TEST_F(LayoutTest, MainMenuBarHasTheDesignEntries) {
    QMenuBar* bar = loaded("frmMain").window()->menuBar();
    ASSERT_NE(bar, nullptr);
    QStringList top, topNames;
    for (QAction* a : bar->actions()) {
        top << a->text();
        topNames << a->objectName();
    }
    EXPECT_EQ(top, QStringList({"&File", "&Help", "&Donate", "Make Money &Online"}));
    EXPECT_EQ(topNames, QStringList({"nuFile", "mnuHelp", "mnuDonate", "mkmoney"}));

    const QList<QAction*> actions = bar->actions();
    EXPECT_EQ(actions[2]->menu(), nullptr); // Donate acts directly
    EXPECT_EQ(actions[3]->menu(), nullptr);
    EXPECT_FALSE(actions[3]->isEnabled());

    auto entries = [](QAction* menuAction) {
        QStringList out;
        for (QAction* a : menuAction->menu()->actions())
            out << (a->isSeparator() ? QStringLiteral("-") : a->text()) + "=" + a->objectName();
        return out;
    };
    EXPECT_EQ(entries(actions[0]), QStringList({"&Next=mnuNext", "E&xit=mnuExit"}));
    EXPECT_EQ(entries(actions[1]),
              QStringList({"&Online Help=mnuOnline", "&Visit Us Online=mnuVisit", "-=mnuFileSep1",
                           "&Check for Software Update=mnuUpdate", "-=mnuFileSep2",
                           "&About Software=mnuAbout"}));

    for (QAction* top : actions) {
        QList<QAction*> all{top};
        if (top->menu())
            all += top->menu()->actions();
        for (QAction* a : all) {
            SCOPED_TRACE(a->objectName().toStdString());
            EXPECT_TRUE(a->shortcut().isEmpty());
            EXPECT_FALSE(a->isCheckable());
            EXPECT_TRUE(a->isVisible());
            EXPECT_EQ(a->isEnabled(), a->objectName() != QLatin1String("mkmoney"));
        }
    }
}

TEST_F(LayoutTest, FullBrandOfferLiesOnTopByDesign) {
    for (const char* name : {"frmMain", "frmInnerDrmOrPerNo"}) {
        SCOPED_TRACE(name);
        forms::Form& f = loaded(name);
        EXPECT_EQ(onTopAt(f.Control(QStringLiteral("lblCobrand"))), "lblFullBrand");
    }
}

TEST_F(LayoutTest, ResultWindowShowsFullBrandOfferEvenWhenMainShowsCoBrand) {
    fake.random.values = {0.0f}; // the draw that brings the co-branding offer to the front
    start();
    program->result.Load();
    EXPECT_EQ(onTopAt(program->main.Control(QStringLiteral("lblCobrand"))), "lblCobrand");
    EXPECT_EQ(onTopAt(program->result.Control(QStringLiteral("lblCobrand"))), "lblFullBrand");
}

TEST_F(LayoutTest, CoBrandLabelShowsDoubledAmpersandOnce) {
    auto* label = control<forms::FormLabel>(loaded("frmMain"), "lblCobrand");
    ASSERT_TRUE(label->Caption().contains(QLatin1String("&&")));
    EXPECT_EQ(label->text().count(QLatin1Char('&')), 1);
    EXPECT_EQ(label->textFormat(), Qt::PlainText);
}

TEST_F(LayoutTest, MainExitButtonIsNeverSeen) {
    program->main.Show();
    QWidget* exit = program->main.Control(QStringLiteral("cmdExit"));
    EXPECT_FALSE(exit->isVisible());
    EXPECT_GE(exit->y(), program->main.window()->client()->height());
}

TEST_F(LayoutTest, EveryControlIsBuiltUnderItsDesignName) {
    for (const Window& w : kWindows) {
        forms::Form& f = loaded(w.name);
        for (const forms::ControlDesign& c : f.Design().controls) {
            QWidget* widget = f.Control(c.name);
            ASSERT_NE(widget, nullptr) << w.name << "." << c.name.toStdString();
            EXPECT_EQ(widget->objectName(), c.name);
        }
    }
}

TEST_F(LayoutTest, EveryControlHasAnAccessibleName) {
    for (const Window& w : kWindows) {
        forms::Form& f = loaded(w.name);
        for (const forms::ControlDesign& c : f.Design().controls)
            EXPECT_FALSE(f.Control(c.name)->accessibleName().isEmpty())
                << w.name << "." << c.name.toStdString();
    }
}

TEST_F(LayoutTest, ReferralBoxesStartWithTheirHints) {
    forms::Form& nag = loaded("frmNagScreen2");
    const std::pair<const char*, const char*> hints[] = {
        {"txtName", "Your Name"},           {"txtEmail", "Your Email Address"},
        {"txtFriendName", "Friend's Name"}, {"txtFriendEmail", "Friend's Email Address"},
        {"txtMessage", "Your Message\r\n"},
    };
    for (const auto& [name, hint] : hints)
        EXPECT_EQ(box(nag, name)->Text(), QLatin1String(hint)) << name;
    EXPECT_TRUE(box(nag, "txtMessage")->IsMultiLine());
}

} // namespace
