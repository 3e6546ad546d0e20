// The forms runtime seen from a window's point of view: units, captions, the lifecycle of a
// window and the events its controls raise.
#include "fakes.h"
#include "forms/controls.h"
#include "forms/forms.h"
#include "forms/text_box.h"

#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

using namespace forms;

namespace {

// A small window with the controls the tests need.
class ProbeForm : public Form {
public:
    ProbeForm(FormsRuntime& runtime, QString name) : Form(runtime), m_name(std::move(name)) {}

    FormDesign Design() const override {
        FormDesign d(m_name, QStringLiteral("Probe"), 3000, 1500);
        d.Add("txtLine", Kind::TextBox, "", 0, 0, 1500, 300, 0).caption = QStringLiteral("hint");
        ControlDesign& memo = d.Add("txtMemo", Kind::TextBox, "", 1500, 0, 1500, 600, 1);
        memo.multiLine = memo.verticalScroll = true;
        d.Add("lblBack", Kind::Label, "", 1500, 900, 1500, 300, 2).caption = QStringLiteral("back");
        d.Add("lblFront", Kind::Label, "", 1500, 900, 1500, 300, 3).caption =
            QStringLiteral("front");
        return d;
    }

    std::function<void(ProbeForm&)> m_onLoad, m_onUnload;
    int m_loads = 0, m_unloads = 0;

protected:
    void Form_Load() override {
        ++m_loads;
        if (m_onLoad)
            m_onLoad(*this);
    }
    void Form_Unload() override {
        ++m_unloads;
        if (m_onUnload)
            m_onUnload(*this);
    }

private:
    QString m_name;
};

class FormsRuntimeTest : public ::testing::Test {
protected:
    fakes::TestPlatform m_fake;
    FormsRuntime m_runtime{m_fake.platform};
    ProbeForm m_form{m_runtime, QStringLiteral("frmProbe")};

    FormTextBox* box(const char* name) { return m_form.Control<FormTextBox>(QLatin1String(name)); }
    void TearDown() override {
        m_form.Unload();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

TEST(Forms, TwipsRoundToNearestPixelAndTouchingControlsStillTouch) {
    const std::pair<int, int> cases[] = {{0, 0},  {15, 1},     {7, 0},      {8, 1},    {22, 1},
                                         {23, 2}, {6405, 427}, {1905, 127}, {-60, -4}, {-68, -5}};
    for (const auto& [twips, pixels] : cases)
        EXPECT_EQ(TwipsToPixels(twips), pixels) << twips << " twips";
    // Widths of 22 twips are 1.47 pixels: rounding each size alone would open gaps.
    for (int left = 0; left < 22 * 20; left += 22) {
        const QRect a = TwipsToRect(left, 0, 22, 100);
        EXPECT_EQ(a.x() + a.width(), TwipsToRect(left + 22, 0, 22, 100).x()) << left;
    }
    EXPECT_EQ(TwipsToRect(90, 450, 1905, 345), QRect(6, 30, 127, 23));
}

TEST(Forms, AccessKeysAreStrippedAndFound) {
    const struct {
        const char *caption, *shown;
        int marked;
    } cases[] = {{"Next", "Next", -1},  {"&Next", "Next", 0},
                 {"E&xit", "Exit", 1},  {"Tom && Jerry", "Tom & Jerry", -1},
                 {"a&&&b", "a&b", 2},   {"&a&b", "ab", 0},
                 {"Save&", "Save&", -1}};
    for (const auto& c : cases) {
        int marked = -2;
        EXPECT_EQ(StripAccessKeys(QString::fromUtf8(c.caption), &marked),
                  QString::fromUtf8(c.shown))
            << c.caption;
        EXPECT_EQ(marked, c.marked) << c.caption;
    }
}

TEST_F(FormsRuntimeTest, ShowLoadsOnceFormsListsInLoadOrderAndCloseBoxUnloads) {
    ProbeForm other(m_runtime, QStringLiteral("frmOther"));
    bool controlsBuiltBeforeLoad = false;
    m_form.m_onLoad = [&](ProbeForm& f) {
        controlsBuiltBeforeLoad = f.Control(QStringLiteral("txtLine")) != nullptr;
    };
    EXPECT_TRUE(m_runtime.Forms().empty());
    other.Load();
    m_form.Show();
    m_form.Show();
    EXPECT_TRUE(m_form.IsVisible());
    EXPECT_EQ(m_form.m_loads, 1);
    EXPECT_TRUE(controlsBuiltBeforeLoad);
    EXPECT_EQ(m_runtime.Forms(), (std::vector<Form*>{&other, &m_form}));
    other.Unload();
    EXPECT_EQ(other.m_unloads, 1);
    EXPECT_EQ(m_runtime.Forms(), (std::vector<Form*>{&m_form}));
    m_form.Window()->close();
    EXPECT_EQ(m_form.m_unloads, 1);
    EXPECT_FALSE(m_form.IsLoaded());
    EXPECT_TRUE(m_runtime.Forms().empty());
}

TEST_F(FormsRuntimeTest, HideKeepsContentsAndReloadStartsFromDesign) {
    m_form.Show();
    QTest::keyClicks(box("txtLine")->focusProxy(), QStringLiteral("typed"));
    m_form.Hide();
    EXPECT_TRUE(m_form.IsLoaded());
    EXPECT_FALSE(m_form.IsVisible());
    m_form.Show();
    EXPECT_EQ(box("txtLine")->Text(), QStringLiteral("hinttyped"));
    EXPECT_EQ(m_form.m_loads, 1);

    // An unload from inside the unload handler does nothing more.
    bool loadedDuringHandler = false;
    m_form.m_onUnload = [&](ProbeForm& f) {
        f.Unload();
        loadedDuringHandler = f.IsLoaded();
    };
    m_form.Unload();
    m_form.m_onUnload = {}; // the handler refers to this test's locals
    EXPECT_EQ(m_form.m_unloads, 1);
    EXPECT_TRUE(loadedDuringHandler);
    EXPECT_FALSE(m_form.IsLoaded());
    EXPECT_EQ(m_form.Control(QStringLiteral("txtLine")), nullptr);
    m_form.Load();
    EXPECT_EQ(m_form.m_loads, 2);
    EXPECT_EQ(box("txtLine")->Text(), QStringLiteral("hint"));
}

TEST_F(FormsRuntimeTest, LaterControlsInDesignOrderLieOnTop) {
    m_form.Load();
    QWidget* back = m_form.Control(QStringLiteral("lblBack"));
    EXPECT_EQ(back->parentWidget()->childAt(back->geometry().center())->objectName(),
              QStringLiteral("lblFront"));
}

TEST_F(FormsRuntimeTest, KeyPressFiltersTypedCharactersOnly) {
    m_form.Show();
    FormTextBox* line = box("txtLine");
    QString seen;
    QObject::connect(line, &FormTextBox::KeyPress, [&seen](int& key) {
        seen += QChar(key);
        if (key == '1')
            key = 0; // discarded
        else if (key >= 'a' && key <= 'z')
            key -= 32;
    });
    line->SetText(QString());
    QTest::keyClicks(line->focusProxy(), QStringLiteral("ab1c"));
    EXPECT_EQ(line->Text(), QStringLiteral("ABC"));
    EXPECT_EQ(seen, QStringLiteral("ab1c"));
    // Alt with a character types nothing; AltGr (Ctrl+Alt on Windows) types through the handler.
    const auto altGr = Qt::ControlModifier | Qt::AltModifier;
    for (const auto& [held, text] : {std::pair{Qt::KeyboardModifiers(Qt::AltModifier), u"m"},
                                     {Qt::AltModifier | Qt::ShiftModifier, u"K"},
                                     {Qt::GroupSwitchModifier, u"@"},
                                     {altGr, u"€"},
                                     {altGr, u"x"}})
        QTest::sendKeyEvent(QTest::Click, line->focusProxy(), Qt::Key_unknown,
                            QString::fromUtf16(text), held);
    EXPECT_EQ(line->Text(), QString::fromUtf16(u"ABC@€X"));

    line->SetText(QStringLiteral("set1x"));
    EXPECT_EQ(line->Text(), QStringLiteral("set1x"));
    QGuiApplication::clipboard()->setText(QStringLiteral("pa1d"));
    QTest::keyClick(line->focusProxy(), Qt::Key_End);
    // Desktop platforms deliver Ctrl+V with the control character as its text.
    QTest::sendKeyEvent(QTest::Click, line->focusProxy(), Qt::Key_V, QString(QChar(0x16)),
                        Qt::ControlModifier);
    EXPECT_EQ(line->Text(), QStringLiteral("set1xpa1d"));
}

TEST_F(FormsRuntimeTest, MultiLineBoxKeepsCrLfWithoutStrayCharacters) {
    m_form.Show();
    FormTextBox* memo = box("txtMemo");
    auto* editor = qobject_cast<QPlainTextEdit*>(memo->focusProxy());
    ASSERT_NE(editor, nullptr);
    memo->SetText(QStringLiteral("one\r\ntwo\r\n"));
    EXPECT_EQ(memo->Text(), QStringLiteral("one\r\ntwo\r\n"));
    EXPECT_EQ(editor->toPlainText(), QStringLiteral("one\ntwo\n"));

    memo->SetText(QString());
    QTest::keyClicks(editor, QStringLiteral("a"));
    QTest::keyClick(editor, Qt::Key_Return);
    QTest::keyClicks(editor, QStringLiteral("b"));
    EXPECT_EQ(memo->Text(), QStringLiteral("a\r\nb"));
    EXPECT_FALSE(editor->toPlainText().contains(QLatin1Char('\r')));
}

TEST(Forms, LabelShowsDoubledAmpersandOnce) {
    FormLabel label;
    label.SetCaption(QStringLiteral("Tom && Jerry"));
    EXPECT_EQ(label.text(), QStringLiteral("Tom & Jerry"));
    EXPECT_EQ(label.Caption(), QStringLiteral("Tom && Jerry"));
}

TEST(Forms, CheckButtonValueFromCodeRaisesClick) {
    FormCheckButton check;
    check.show();
    int clicks = 0;
    QObject::connect(&check, &FormCheckButton::Click, [&clicks] { ++clicks; });
    for (const auto& [value, expectedClicks] : {std::pair{1, 1}, {1, 1}, {0, 2}}) {
        check.SetValue(value);
        EXPECT_EQ(check.Value(), value);
        EXPECT_EQ(clicks, expectedClicks) << "after SetValue(" << value << ")";
    }
    QTest::mouseClick(&check, Qt::LeftButton);
    EXPECT_EQ(check.Value(), 1);
    EXPECT_EQ(clicks, 3);
}

} // namespace
