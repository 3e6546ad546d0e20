// The four windows as built from their designs: sizes, places, focus order, menus, stacking.
#include "program_fixture.h"

#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>

namespace {

class LayoutTest : public ProgramTest {
protected:
    forms::Form& loaded(const char* name) {
        forms::Form& f = form(name);
        f.Load();
        return f;
    }
};

TEST_F(LayoutTest, ClientAreasAreFixedSizeWithoutMinimizeOrMaximize) {
    const QSize clients[] = {{427, 228}, {425, 348}, {455, 253}, {741, 315}};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(kWindows[i]);
        forms::FormWindow* window = loaded(kWindows[i]).Window();
        EXPECT_EQ(window->Client()->size(), clients[i]);
        const auto* bar = window->findChild<QMenuBar*>();
        const int menuHeight = bar ? bar->sizeHint().height() : 0;
        EXPECT_EQ(window->Client()->y(), menuHeight);
        EXPECT_EQ(window->size(), clients[i] + QSize(0, menuHeight));
        EXPECT_EQ(window->minimumSize(), window->maximumSize());
        EXPECT_FALSE(window->windowFlags() &
                     (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    }
}

TEST_F(LayoutTest, ControlsSitAtTheirDesignPlacesInPixels) {
    const struct {
        const char *window, *control, *container;
        QRect pixels;
    } places[] = {
        {"frmMain", "txtFirstName", "fraName", {6, 30, 127, 23}},
        {"frmMain", "txtLastName", "fraName", {280, 30, 129, 23}},
        {"frmMain", "cmdNext", "fraBirthDay", {264, 14, 131, 21}},
        {"frmMain", "lblFullBrand", "Frame5", {8, 16, 399, 41}},
        {"frmInnerDrmOrPerNo", "txtDisplay", "frmInnerDrmOrPerNo_client", {4, 46, 420, 197}},
        {"frmInnerDrmOrPerNo", "cmdback", "frmInnerDrmOrPerNo_client", {350, 252, 73, 25}},
        {"frmAbout", "cmdOK", "frmAbout_client", {360, 224, 84, 23}},
        {"frmNagScreen2", "txtName", "Frame2", {6, 24, 225, 19}},
        {"frmNagScreen2", "txtMessage", "Frame2", {320, 240, 121, 33}}};
    for (const auto& p : places) {
        SCOPED_TRACE(p.control);
        QWidget* c = loaded(p.window).Control(QLatin1String(p.control));
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(c->parentWidget()->objectName(), QLatin1String(p.container));
        EXPECT_EQ(c->geometry(), p.pixels);
    }
    // The message box lies below its frame's bottom edge, out of sight.
    EXPECT_GE(nag().Control(QStringLiteral("txtMessage"))->y(),
              nag().Control(QStringLiteral("Frame2"))->height());
}

TEST_F(LayoutTest, FocusFollowsTabOrderStartsOnTheFirstAndTabWalksIt) {
    const QStringList orders[] = {Texts({"txtFirstName", "txtMiddleName", "txtLastName", "cboMonth",
                                         "cboDate", "cboYear", "cmdNext"}),
                                  Texts({"cmdback", "txtDisplay"}), Texts({"cmdOK"}),
                                  Texts({"cmdClose", "Check1", "txtName", "cmdSubmit", "txtEmail",
                                         "txtFriendEmail", "txtFriendName", "txtMessage"})};
    // Real Tab presses walk the main window in that order and wrap around.
    main().Show();
    activate(main().Window());
    QStringList visited{focusedControl(main())};
    for (int i = 0; i < 7; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << focusedControl(main());
    }
    EXPECT_EQ(visited, orders[0] + QStringList{orders[0].front()});
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(kWindows[i]);
        forms::Form& f = form(kWindows[i]);
        QString focused;
        if (&f == &about()) {
            // A modal Show returns only when the box goes away.
            QTimer::singleShot(0, [&] {
                focused = focusedControl(f);
                f.Hide();
            });
            f.Show(forms::Form::ShowMode::Modal);
        } else {
            f.Show();
            focused = focusedControl(f);
        }
        QStringList names;
        for (QWidget* w : f.TabOrder())
            names << w->objectName();
        EXPECT_EQ(names, orders[i]);
        EXPECT_EQ(focused, orders[i].front());
    }
}

// Moved away by the user, unloaded and shown again, a window is back in the centre of the
// screen's free area, its frame included.
TEST_F(LayoutTest, EachLoadShowsTheWindowCentred) {
    for (const char* name : {"frmMain", "frmInnerDrmOrPerNo", "frmNagScreen2"}) {
        SCOPED_TRACE(name);
        m_program = std::make_unique<TestedProgram>(m_fake.platform);
        forms::Form& f = form(name);
        for (int load = 1; load <= 2; ++load) {
            SCOPED_TRACE(load);
            f.Show();
            QWidget* window = f.Window();
            const QRect area = window->screen()->availableGeometry();
            const QPoint offCentre = window->frameGeometry().center() - area.center();
            EXPECT_LE(offCentre.manhattanLength(), 1)
                << offCentre.x() << "," << offCentre.y() << " from the centre";
            window->move(area.topLeft());
            f.Unload();
            settle();
        }
    }
}

TEST_F(LayoutTest, MainMenuBarHasTheDesignEntries) {
    QMenuBar* bar = loaded("frmMain").Window()->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    // Every entry as text=name, a menu's entries in brackets after it.
    QStringList entries;
    for (QAction* top : bar->actions()) {
        QList<QAction*> all{top};
        if (top->menu())
            all += top->menu()->actions();
        for (QAction* a : all) {
            entries << (a->isSeparator() ? QStringLiteral("-") : a->text()) + u'=' +
                           a->objectName();
            EXPECT_TRUE(a->shortcut().isEmpty()) << qPrintable(entries.back());
            EXPECT_FALSE(a->isCheckable()) << qPrintable(entries.back());
            EXPECT_TRUE(a->isVisible()) << qPrintable(entries.back());
            EXPECT_EQ(a->isEnabled(), a->objectName() != QLatin1String("mkmoney"));
        }
        if (top->menu())
            entries << QStringLiteral("]");
    }
    EXPECT_EQ(
        entries,
        Texts({"&File=nuFile", "&Next=mnuNext", "E&xit=mnuExit", "]", "&Help=mnuHelp",
               "&Online Help=mnuOnline", "&Visit Us Online=mnuVisit", "-=mnuFileSep1",
               "&Check for Software Update=mnuUpdate", "-=mnuFileSep2", "&About Software=mnuAbout",
               "]", "&Donate=mnuDonate", "Make Money &Online=mkmoney"}));
}

TEST_F(LayoutTest, ResultWindowShowsFullBrandOfferEvenWhenMainShowsCoBrand) {
    m_fake.random.m_values = {0.0f}; // the draw that brings the co-branding offer to the front
    start();
    result().Load();
    EXPECT_EQ(onTopAt(main(), "lblCobrand")->objectName(), QStringLiteral("lblCobrand"));
    EXPECT_EQ(onTopAt(result(), "lblCobrand")->objectName(), QStringLiteral("lblFullBrand"));
}

TEST_F(LayoutTest, MainExitButtonIsNeverSeen) {
    main().Show();
    QWidget* exit = main().Control(QStringLiteral("cmdExit"));
    EXPECT_FALSE(exit->isVisible());
    EXPECT_GE(exit->y(), main().Window()->Client()->height());
}

TEST_F(LayoutTest, EveryControlIsBuiltUnderItsDesignNameWithAnAccessibleName) {
    for (const char* name : kWindows) {
        forms::Form& f = loaded(name);
        for (const forms::ControlDesign& c : f.Design().controls) {
            SCOPED_TRACE(c.name.toStdString());
            QWidget* widget = f.Control(c.name);
            ASSERT_NE(widget, nullptr);
            EXPECT_EQ(widget->objectName(), c.name);
            EXPECT_FALSE(widget->accessibleName().isEmpty());
        }
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
    EXPECT_TRUE(qobject_cast<forms::MultiLineTextBox*>(box(nag, "txtMessage")));
}

} // namespace
