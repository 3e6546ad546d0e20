// The about box, opened from the main window's Help menu.
#include "program_fixture.h"

#include <QTimer>
#include <functional>

namespace {

// How a row closes the about box: a key, or Key_unknown for its OK button and Key_Close for the
// window's close box.
struct Closer {
    const char* name;
    Qt::Key key;
};

class AboutBoxTest : public ProgramTest, public testing::WithParamInterface<Closer> {
protected:
    // Opens the about box from the Help menu and runs whileOpen inside its modal loop; the
    // fixture fails a box that whileOpen leaves open.
    void withAboutBox(const std::function<void(frmAbout&)>& whileOpen) {
        bool ran = false;
        QTimer::singleShot(0, [&] {
            ran = true;
            whileOpen(about());
        });
        main().MenuEntry(QStringLiteral("mnuAbout"))->trigger();
        EXPECT_TRUE(ran) << "the about box did not run a modal loop";
    }
    bool shownModal() {
        return about().IsVisible() && QApplication::activeModalWidget() == about().Window();
    }
};

// Opened twice and closed the row's way each time: its links keep it open, the closer unloads
// it, and the second opening shows what the first did.
TEST_P(AboutBoxTest, LinksKeepTheModalBoxOpenAndTheCloserUnloadsIt) {
    start();
    QStringList content[2];
    for (QStringList& texts : content) {
        bool modal = false;
        withAboutBox([&](frmAbout& box) {
            texts << box.Window()->windowTitle();
            for (const char* name : {"Label1", "Label2", "Label3", "lblCobrand", "lblHomePage"})
                texts << label(box, name);
            click(box, "lblCobrand");
            click(box, "lblHomePage");
            modal = shownModal();
            if (GetParam().key == Qt::Key_unknown)
                click(box, "cmdOK");
            else if (GetParam().key == Qt::Key_Close)
                box.Window()->close();
            else
                QTest::keyClick(box.Window()->focusWidget(), GetParam().key);
        });
        EXPECT_TRUE(modal);
        EXPECT_FALSE(about().IsLoaded());
        EXPECT_TRUE(main().IsVisible());
    }
    EXPECT_EQ(content[1], content[0]);
    const QStringList links{PageUrl("fully-branded"), PageUrl("home-page")};
    EXPECT_EQ(m_fake.urls.m_opened, links + links);
    ASSERT_EQ(content[0].size(), 6);
    EXPECT_EQ(content[0][0], QStringLiteral("Lunavik v" LUNAVIK_VERSION_TEXT));
    EXPECT_EQ(content[0][2], QStringLiteral("Lunavik v" LUNAVIK_VERSION_TEXT));
    EXPECT_EQ(content[0][4], QStringLiteral("Click here for more details."));
}

INSTANTIATE_TEST_SUITE_P(Closers, AboutBoxTest,
                         testing::Values(Closer{"OK", Qt::Key_unknown},
                                         Closer{"Enter", Qt::Key_Return},
                                         Closer{"Escape", Qt::Key_Escape},
                                         Closer{"CloseBox", Qt::Key_Close}),
                         [](const auto& row) { return std::string(row.param.name); });

} // namespace
