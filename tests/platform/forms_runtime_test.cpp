// The forms runtime seen from a window's point of view: units, captions, the lifecycle of a
// window and the events its controls raise.
#include "fakes.h"
#include "platform/forms.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

using namespace forms;

namespace {

// A small window with one control of each kind the tests need.
class ProbeForm : public Form {
public:
    ProbeForm(FormsRuntime& runtime, QString name) : Form(runtime), m_name(std::move(name)) {}

    FormDesign Design() const override {
        FormDesign d;
        d.name = m_name;
        d.caption = QStringLiteral("Probe");
        d.clientWidth = 3000;
        d.clientHeight = 1500;
        auto add = [&d](const char* name, Kind kind, int l, int t, int w, int h,
                        int tab) -> ControlDesign& {
            ControlDesign c;
            c.name = QLatin1String(name);
            c.kind = kind;
            c.left = l, c.top = t, c.width = w, c.height = h;
            c.tabIndex = tab;
            d.controls.push_back(c);
            return d.controls.back();
        };
        add("txtLine", Kind::TextBox, 0, 0, 1500, 300, 0).caption = QStringLiteral("hint");
        auto& memo = add("txtMemo", Kind::TextBox, 1500, 0, 1500, 600, 1);
        memo.multiLine = true;
        memo.verticalScroll = true;
        add("cboList", Kind::ComboList, 0, 300, 1500, 300, 2);
        add("chkOption", Kind::CheckButton, 0, 600, 1500, 300, 3).caption = QStringLiteral("Opt");
        add("lblBack", Kind::Label, 1500, 900, 900, 300, 4).caption = QStringLiteral("back");
        add("lblFront", Kind::Label, 1500, 900, 900, 300, 5).caption = QStringLiteral("front");
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

struct TwipsCase {
    const char* name;
    int twips;
    int pixels;
};

class TwipsToPixelsTest : public ::testing::TestWithParam<TwipsCase> {};

TEST_P(TwipsToPixelsTest, RoundsToNearestPixel) {
    EXPECT_EQ(TwipsToPixels(GetParam().twips), GetParam().pixels);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, TwipsToPixelsTest,
    ::testing::Values(TwipsCase{"Zero", 0, 0}, TwipsCase{"OnePixel", 15, 1},
                      TwipsCase{"JustUnderHalf", 7, 0}, TwipsCase{"JustOverHalf", 8, 1},
                      TwipsCase{"UnderOneAndHalf", 22, 1}, TwipsCase{"OverOneAndHalf", 23, 2},
                      TwipsCase{"MainWidth", 6405, 427}, TwipsCase{"NotMultipleOf15", 1905, 127},
                      TwipsCase{"NegativeExact", -60, -4},
                      TwipsCase{"NegativeRoundsAway", -68, -5}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Forms, ControlsThatTouchInTwipsTouchInPixels) {
    // Widths of 22 twips are 1.47 pixels: rounding each size alone would open gaps.
    for (int left = 0; left < 22 * 20; left += 22) {
        const QRect a = TwipsToRect(left, 0, 22, 100);
        const QRect b = TwipsToRect(left + 22, 0, 22, 100);
        EXPECT_EQ(a.x() + a.width(), b.x()) << "at " << left << " twips";
    }
    EXPECT_EQ(TwipsToRect(90, 450, 1905, 345), QRect(6, 30, 127, 23));
}

struct AccessKeyCase {
    const char* name;
    const char* caption;
    const char* shown;
    int marked;
};

class AccessKeyTest : public ::testing::TestWithParam<AccessKeyCase> {};

TEST_P(AccessKeyTest, StripsMarksAndFindsTheKey) {
    const AccessKeyCase& c = GetParam();
    int marked = -2;
    EXPECT_EQ(StripAccessKeys(QString::fromUtf8(c.caption), &marked), QString::fromUtf8(c.shown));
    EXPECT_EQ(marked, c.marked);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, AccessKeyTest,
    ::testing::Values(AccessKeyCase{"Plain", "Next", "Next", -1},
                      AccessKeyCase{"FirstLetter", "&Next", "Next", 0},
                      AccessKeyCase{"InnerLetter", "E&xit", "Exit", 1},
                      AccessKeyCase{"Doubled", "Tom && Jerry", "Tom & Jerry", -1},
                      AccessKeyCase{"DoubledThenMark", "a&&&b", "a&b", 2},
                      AccessKeyCase{"FirstMarkWins", "&a&b", "ab", 0},
                      AccessKeyCase{"TrailingAmpersand", "Save&", "Save&", -1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FormsRuntimeTest, ShowLoadsOnFirstUseAndFormsListsInLoadOrder) {
    ProbeForm other(runtime, QStringLiteral("frmOther"));
    bool controlsBuiltBeforeLoad = false;
    form.onLoad = [&](ProbeForm& f) {
        controlsBuiltBeforeLoad = f.Control(QStringLiteral("txtLine")) != nullptr;
    };
    EXPECT_FALSE(form.IsLoaded());
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
}

TEST_F(FormsRuntimeTest, HideKeepsContentsAndReloadStartsFromDesign) {
    form.Show();
    QTest::keyClicks(box("txtLine")->editor(), "typed");
    form.Control<QComboBox>(QStringLiteral("cboList"))->addItems({"a", "b"});
    form.Hide();
    EXPECT_TRUE(form.IsLoaded());
    EXPECT_FALSE(form.Visible());
    form.Show();
    EXPECT_EQ(box("txtLine")->Text(), "hinttyped");
    EXPECT_EQ(form.loads, 1);

    form.Unload();
    EXPECT_FALSE(form.IsLoaded());
    EXPECT_EQ(form.Control(QStringLiteral("txtLine")), nullptr);
    form.Load();
    EXPECT_EQ(form.loads, 2);
    EXPECT_EQ(box("txtLine")->Text(), "hint");
    EXPECT_EQ(form.Control<QComboBox>(QStringLiteral("cboList"))->count(), 0);
}

TEST_F(FormsRuntimeTest, CloseBoxUnloadsLikeUnload) {
    form.Show();
    form.window()->close();
    EXPECT_EQ(form.unloads, 1);
    EXPECT_FALSE(form.IsLoaded());
    EXPECT_TRUE(runtime.Forms().empty());
}

TEST_F(FormsRuntimeTest, UnloadInsideUnloadHandlerDoesNothingMore) {
    bool loadedDuringHandler = false;
    form.onUnload = [&](ProbeForm& f) {
        f.Unload();
        loadedDuringHandler = f.IsLoaded();
    };
    form.Show();
    form.Unload();
    EXPECT_EQ(form.unloads, 1);
    EXPECT_TRUE(loadedDuringHandler);
    EXPECT_FALSE(form.IsLoaded());
}

TEST_F(FormsRuntimeTest, BringToFrontChangesWhichLabelIsOnTop) {
    form.Load();
    QWidget* back = form.Control(QStringLiteral("lblBack"));
    const QPoint centre = back->geometry().center();
    QWidget* container = back->parentWidget();
    EXPECT_EQ(container->childAt(centre)->objectName(), "lblFront"); // later in design order
    form.BringToFront(QStringLiteral("lblBack"));
    EXPECT_EQ(container->childAt(centre)->objectName(), "lblBack");
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
    QTest::keyClicks(line->editor(), "ab1c");
    EXPECT_EQ(line->Text(), "ABC");
    EXPECT_EQ(seen, "ab1c");

    line->SetText(QStringLiteral("set1x"));
    EXPECT_EQ(line->Text(), "set1x");

    QGuiApplication::clipboard()->setText(QStringLiteral("pa1d"));
    QTest::keyClick(line->editor(), Qt::Key_End);
    // Desktop platforms deliver Ctrl+V with the control character as its text.
    QTest::sendKeyEvent(QTest::Click, line->editor(), Qt::Key_V, QString(QChar(0x16)),
                        Qt::ControlModifier);
    EXPECT_EQ(line->Text(), "set1xpa1d");
}

TEST_F(FormsRuntimeTest, MultiLineBoxKeepsCrLfWithoutStrayCharacters) {
    form.Show();
    FormTextBox* memo = box("txtMemo");
    auto* editor = qobject_cast<QPlainTextEdit*>(memo->editor());
    ASSERT_NE(editor, nullptr);
    memo->SetText(QStringLiteral("one\r\ntwo\r\n"));
    EXPECT_EQ(memo->Text(), "one\r\ntwo\r\n");
    EXPECT_EQ(editor->toPlainText(), "one\ntwo\n");

    memo->SetText(QString());
    QTest::keyClicks(editor, "a");
    QTest::keyClick(editor, Qt::Key_Return);
    QTest::keyClicks(editor, "b");
    EXPECT_EQ(memo->Text(), "a\r\nb");
    EXPECT_FALSE(editor->toPlainText().contains(QLatin1Char('\r')));
}

TEST(Forms, LabelShowsDoubledAmpersandOnce) {
    FormLabel label;
    label.SetCaption(QStringLiteral("Tom && Jerry"));
    EXPECT_EQ(label.text(), "Tom & Jerry");
    EXPECT_EQ(label.Caption(), "Tom && Jerry");
}

TEST(Forms, CheckButtonValueFromCodeRaisesClick) {
    FormCheckButton check;
    check.show();
    int clicks = 0;
    QObject::connect(&check, &FormCheckButton::Click, [&clicks] { ++clicks; });
    check.SetValue(1);
    EXPECT_EQ(check.Value(), 1);
    EXPECT_EQ(clicks, 1);
    check.SetValue(1); // no change, no click
    EXPECT_EQ(clicks, 1);
    check.SetValue(0);
    EXPECT_EQ(check.Value(), 0);
    EXPECT_EQ(clicks, 2);
    QTest::mouseClick(&check, Qt::LeftButton);
    EXPECT_EQ(check.Value(), 1);
    EXPECT_EQ(clicks, 3);
}

} // namespace
