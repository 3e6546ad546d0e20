// The forms runtime seen from a window's point of view: units, captions, the lifecycle of a
// window and the events its controls raise.
#include "fakes.h"
#include "forms/forms.h"

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

    std::function<void(ProbeForm&)> onLoad, onUnload;
    int loads = 0, unloads = 0;

protected:
    void Form_Load() override {
        ++loads;
        if (onLoad)
            onLoad(*this);
    }
    void Form_Unload() override {
        ++unloads;
        if (onUnload)
            onUnload(*this);
    }

private:
    QString m_name;
};

class FormsRuntimeTest : public ::testing::Test {
protected:
    fakes::TestPlatform fake;
    FormsRuntime runtime{fake.platform};
    ProbeForm form{runtime, QStringLiteral("frmProbe")};

    FormTextBox* box(const char* name) { return form.Control<FormTextBox>(QLatin1String(name)); }
    void TearDown() override {
        form.Unload();
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
    ProbeForm other(runtime, QStringLiteral("frmOther"));
    bool controlsBuiltBeforeLoad = false;
    form.onLoad = [&](ProbeForm& f) {
        controlsBuiltBeforeLoad = f.Control(QStringLiteral("txtLine")) != nullptr;
    };
    EXPECT_TRUE(runtime.Forms().empty());
    other.Load();
    form.Show();
    form.Show();
    EXPECT_TRUE(form.Visible());
    EXPECT_EQ(form.loads, 1);
    EXPECT_TRUE(controlsBuiltBeforeLoad);
    EXPECT_EQ(runtime.Forms(), (std::vector<Form*>{&other, &form}));
    other.Unload();
    EXPECT_EQ(other.unloads, 1);
    EXPECT_EQ(runtime.Forms(), (std::vector<Form*>{&form}));
    form.window()->close();
    EXPECT_EQ(form.unloads, 1);
    EXPECT_FALSE(form.IsLoaded());
    EXPECT_TRUE(runtime.Forms().empty());
}

TEST_F(FormsRuntimeTest, HideKeepsContentsAndReloadStartsFromDesign) {
    form.Show();
    QTest::keyClicks(box("txtLine")->editor(), QStringLiteral("typed"));
    form.Hide();
    EXPECT_TRUE(form.IsLoaded());
    EXPECT_FALSE(form.Visible());
    form.Show();
    EXPECT_EQ(box("txtLine")->Text(), QStringLiteral("hinttyped"));
    EXPECT_EQ(form.loads, 1);

    // An unload from inside the unload handler does nothing more.
    bool loadedDuringHandler = false;
    form.onUnload = [&](ProbeForm& f) {
        f.Unload();
        loadedDuringHandler = f.IsLoaded();
    };
    form.Unload();
    form.onUnload = {}; // the handler refers to this test's locals
    EXPECT_EQ(form.unloads, 1);
    EXPECT_TRUE(loadedDuringHandler);
    EXPECT_FALSE(form.IsLoaded());
    EXPECT_EQ(form.Control(QStringLiteral("txtLine")), nullptr);
    form.Load();
    EXPECT_EQ(form.loads, 2);
    EXPECT_EQ(box("txtLine")->Text(), QStringLiteral("hint"));
}

TEST_F(FormsRuntimeTest, LaterControlsInDesignOrderLieOnTop) {
    form.Load();
    QWidget* back = form.Control(QStringLiteral("lblBack"));
    EXPECT_EQ(back->parentWidget()->childAt(back->geometry().center())->objectName(),
              QStringLiteral("lblFront"));
}

TEST_F(FormsRuntimeTest, KeyPressFiltersTypedCharactersOnly) {
    form.Show();
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
    QTest::keyClicks(line->editor(), QStringLiteral("ab1c"));
    EXPECT_EQ(line->Text(), QStringLiteral("ABC"));
    EXPECT_EQ(seen, QStringLiteral("ab1c"));
    // Alt with a character types nothing; AltGr (Ctrl+Alt on Windows) types through the handler.
    const auto altGr = Qt::ControlModifier | Qt::AltModifier;
    for (const auto& [held, text] : {std::pair{Qt::KeyboardModifiers(Qt::AltModifier), u"m"},
                                     {Qt::AltModifier | Qt::ShiftModifier, u"K"},
                                     {Qt::GroupSwitchModifier, u"@"},
                                     {altGr, u"€"},
                                     {altGr, u"x"}})
        QTest::sendKeyEvent(QTest::Click, line->editor(), Qt::Key_unknown, QString::fromUtf16(text),
                            held);
    EXPECT_EQ(line->Text(), QString::fromUtf16(u"ABC@€X"));

    line->SetText(QStringLiteral("set1x"));
    EXPECT_EQ(line->Text(), QStringLiteral("set1x"));
    QGuiApplication::clipboard()->setText(QStringLiteral("pa1d"));
    QTest::keyClick(line->editor(), Qt::Key_End);
    // Desktop platforms deliver Ctrl+V with the control character as its text.
    QTest::sendKeyEvent(QTest::Click, line->editor(), Qt::Key_V, QString(QChar(0x16)),
                        Qt::ControlModifier);
    EXPECT_EQ(line->Text(), QStringLiteral("set1xpa1d"));
}

TEST_F(FormsRuntimeTest, MultiLineBoxKeepsCrLfWithoutStrayCharacters) {
    form.Show();
    FormTextBox* memo = box("txtMemo");
    auto* editor = qobject_cast<QPlainTextEdit*>(memo->editor());
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
