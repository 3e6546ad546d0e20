// Every window as the desktop draws it: CTest runs this once per scale (QT_SCALE_FACTOR is read
// at start-up) and language (LANG, read as the program reads it), and each run paints the windows
// in the program's own style over two desktop styles and in a light and a dark palette. It checks
// the pixels: frame edges, the designed colours, readable text, captions that fit their controls, a
// focus mark on every control that takes the focus, and drop-down lists that stay short.
#include "app/translations.h"
#include "build_config.h"
#include "fakes.h"
#include "forms/controls.h"
#include "forms/light_style.h"
#include "promo/exit_texts.h"
#include "tested_program.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyleFactory>
#include <QTest>
#include <QTextLayout>
#include <algorithm>
#include <gtest/gtest.h>
#include <iterator>
#include <map>

namespace {

using forms::ControlDesign;
using forms::Kind;

QPalette darkPalette() {
    // The colours of a typical dark desktop scheme.
    QPalette p;
    const QColor window(53, 53, 53), base(35, 35, 35), text(230, 230, 230);
    for (const auto& [role, colour] :
         {std::pair(QPalette::Window, window), std::pair(QPalette::WindowText, text),
          std::pair(QPalette::Base, base), std::pair(QPalette::AlternateBase, window),
          std::pair(QPalette::Text, text), std::pair(QPalette::Button, window),
          std::pair(QPalette::ButtonText, text), std::pair(QPalette::Light, QColor(80, 80, 80)),
          std::pair(QPalette::Midlight, QColor(66, 66, 66)),
          std::pair(QPalette::Mid, QColor(40, 40, 40)),
          std::pair(QPalette::Dark, QColor(25, 25, 25)),
          std::pair(QPalette::Shadow, QColor(10, 10, 10)),
          std::pair(QPalette::Highlight, QColor(42, 130, 218)),
          std::pair(QPalette::HighlightedText, QColor(Qt::white))})
        p.setColor(role, colour);
    return p;
}

// A desktop; column is where its values stand in the colour table's rows that differ by desktop.
struct Desktop {
    const char* style;
    bool dark;
    int column;
};

// What the controls are drawn in on each desktop: text colour and background, "" where none is
// checked (nothing fills it, the desktop's style shades it, or it shows no text). A row with
// three values lists them for the desktops in the order of the instantiation below. Fixed
// colours stay as designed; a system colour paired with a fixed one takes the desktop's value,
// or its classic light one where the dark desktop's would leave the text unreadable.
const struct {
    const char *window, *controls, *fore, *back;
} kColours[] = {
    {"frmMain", "Frame2 Frame5 fraName fraBirthDay txtFirstName txtMiddleName txtLastName", "",
     "#7ca5e7"},
    {"frmMain", "Label1 Label4 Label5", "#ffffff", ""},
    {"frmMain", "cboDate cboMonth cboYear", "#ffffff", "#7ca5e7"},
    // The offers' link blue on the button face; the buttons' system text on panel blue.
    {"frmMain", "lblCobrand lblFullBrand", "#0000ff", "#efefef #f0f0f0 #d4d0c8"},
    {"frmMain", "cmdNext", "#000000", "#7ca5e7"},
    {"frmInnerDrmOrPerNo", "Frame2 Frame5 txtDisplay", "", "#7ca5e7"},
    {"frmInnerDrmOrPerNo", "lblCobrand lblFullBrand", "#0000ff", "#efefef #f0f0f0 #d4d0c8"},
    {"frmInnerDrmOrPerNo", "cmdback", "#000000", "#7ca5e7"},
    {"frmAbout", "Label1 Label2 Label3 lblCobrand lblHomePage", "#ffffff", ""},
    {"frmAbout", "cmdOK", "#000000", "#7ca5e7"},
    {"frmNagScreen2", "Frame2 Frame6", "", "#000080"},
    {"frmNagScreen2", "Label3", "#ffffff", ""},
    {"frmNagScreen2", "lblGoToHome", "#ffff00", ""},
    {"frmNagScreen2", "Check1", "#0000c0", ""},
    // The title and the appeal in system text on white.
    {"frmNagScreen2", "Label2 lblNagScreen2Caption", "#000000", ""}};

std::string desktopName(const testing::TestParamInfo<Desktop>& info) {
    return std::string(info.param.style) + (info.param.dark ? "Dark" : "Light");
}

// Whether the board's host name, where a label shows it, stays whole on one of its lines (an
// invisible joiner may follow each hyphen).
bool hostWhole(const forms::FormLabel* label) {
    const QRegularExpressionMatch host =
        QRegularExpression(QRegularExpression::escape(QStringLiteral(LUNAVIK_BOARD_HOST))
                               .replace(QStringLiteral("\\-"), QStringLiteral("-\\x{2060}?")))
            .match(label->text());
    QTextLayout layout(label->text(), label->font(), label); // wraps at words
    layout.beginLayout();
    bool whole = !host.hasMatch();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(label->width());
        const qsizetype at = host.capturedStart(), end = line.textStart() + line.textLength();
        if (host.hasMatch() && line.textStart() <= at && at < end)
            whole = host.capturedEnd() <= end;
    }
    layout.endLayout();
    return whole;
}

// A caption as it shows: "&x" shows x underlined, "&&" one ampersand.
QString shownText(const QString& caption) {
    return QString(caption).replace(QRegularExpression(QStringLiteral("&(.)")),
                                    QStringLiteral("\\1"));
}

bool near(QRgb a, const QColor& b, int tolerance = 8) {
    return std::abs(qRed(a) - b.red()) <= tolerance &&
           std::abs(qGreen(a) - b.green()) <= tolerance &&
           std::abs(qBlue(a) - b.blue()) <= tolerance;
}

class RenderTest : public testing::TestWithParam<Desktop> {
protected:
    // The catalogues the language of the run asks for, as the program loads them.
    static inline std::unique_ptr<app::Translations> m_translations;
    static void SetUpTestSuite() {
        m_translations = std::make_unique<app::Translations>(app::Translations::DesktopLanguages());
        m_translations->Install();
    }
    static void TearDownTestSuite() { m_translations.reset(); }

    fakes::TestPlatform m_fake;
    std::unique_ptr<TestedProgram> m_program;
    QImage m_shot;       // the window being checked, in device pixels
    qreal m_ratio = 1.0; // device pixels per logical pixel

    void SetUp() override {
        QApplication::setStyle(
            new forms::LightStyle(QStyleFactory::create(QLatin1String(GetParam().style))));
        QApplication::setPalette(GetParam().dark ? darkPalette()
                                                 : QApplication::style()->standardPalette());
        m_program = std::make_unique<TestedProgram>(m_fake.platform);
        m_fake.random.m_values = {0.0f}; // the co-branding offer in front on the main window
        m_program->Start();
        m_program->m_result.Load();
        m_program->m_about.Load();
        m_program->m_nag.Load();
    }
    void TearDown() override {
        m_program.reset();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    void paint(forms::Form& f, bool withoutFocus = false) {
        f.Window()->show();
        QApplication::processEvents();
        if (QWidget* focused = f.Window()->focusWidget(); focused && withoutFocus)
            focused->clearFocus();
        const QPixmap pixmap = f.Window()->grab();
        m_ratio = pixmap.devicePixelRatio();
        m_shot = pixmap.toImage().convertToFormat(QImage::Format_RGB32);
        // LUNAVIK_RENDER_SHOTS=folder keeps what was checked, to look at.
        const QString folder = qEnvironmentVariable("LUNAVIK_RENDER_SHOTS");
        if (!folder.isEmpty())
            m_shot.save(QStringLiteral("%1/%2-%3-%4.png")
                            .arg(folder, QString::fromLatin1(desktopName({GetParam(), 0})),
                                 QString::number(qRound(m_ratio * 100)), f.Window()->objectName()));
    }
    // The control's rectangle in the shot, in device pixels, when it shows whole.
    std::optional<QRect> place(forms::Form& f, QWidget* w) {
        if (!w->isVisible())
            return std::nullopt;
        for (QWidget* p = w; p != f.Window(); p = p->parentWidget())
            if (!p->parentWidget()->rect().contains(p->geometry()))
                return std::nullopt; // cut off by its container
        // Each edge rounded onto device pixels, as Qt clips a widget.
        const QPoint at = w->mapTo(f.Window(), QPoint(0, 0));
        return QRect(QPoint(qRound(at.x() * m_ratio), qRound(at.y() * m_ratio)),
                     QPoint(qRound((at.x() + w->width()) * m_ratio) - 1,
                            qRound((at.y() + w->height()) * m_ratio) - 1));
    }
    // The most frequent colour inside the rectangle, a margin in from its edges, where none
    // of the control's children lie.
    QColor dominant(const QRect& r, int margin, QWidget* control) {
        std::map<QRgb, int> counts;
        QRegion free(r.adjusted(margin, margin, -margin, -margin));
        for (QWidget* child : control->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (child->isVisible() && !child->objectName().isEmpty()) {
                const QPoint at = child->mapTo(control->window(), QPoint(0, 0));
                free -=
                    QRectF(QPointF(at) * m_ratio, QSizeF(child->size()) * m_ratio).toAlignedRect();
            }
        for (const QRect& part : free)
            for (int y = part.top(); y <= part.bottom(); ++y)
                for (int x = part.left(); x <= part.right(); ++x)
                    ++counts[m_shot.pixel(x, y) | 0xFF000000u];
        const auto best = std::max_element(counts.begin(), counts.end(),
                                           [](auto& a, auto& b) { return a.second < b.second; });
        return best == counts.end() ? QColor() : QColor(best->first);
    }
    int countNear(const QRect& r, const QColor& colour) {
        int n = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                n += near(m_shot.pixel(x, y), colour, 24);
        return n;
    }
    // True when one line of pixels at the edge (one device pixel out to two in) is
    // almost all the colour, along the stretch [from, to) of the edge.
    bool edgeDrawn(const QRect& r, char side, double from, double to, const QColor& colour) {
        for (int depth = -1; depth < 3; ++depth) {
            int hits = 0, total = 0;
            const bool across = side == 't' || side == 'b';
            const int length = across ? r.width() : r.height();
            for (int i = static_cast<int>(length * from); i < static_cast<int>(length * to); ++i) {
                const QPoint p = side == 't'   ? QPoint(r.left() + i, r.top() + depth)
                                 : side == 'b' ? QPoint(r.left() + i, r.bottom() - depth)
                                 : side == 'l' ? QPoint(r.left() + depth, r.top() + i)
                                               : QPoint(r.right() - depth, r.top() + i);
                ++total;
                hits += m_shot.rect().contains(p) && near(m_shot.pixel(p), colour);
            }
            if (total > 0 && hits * 10 >= total * 9)
                return true;
        }
        return false;
    }
};

TEST_P(RenderTest, EveryFrameAndTextBoxShowsAllFourEdges) {
    for (const char* name : kWindows) {
        forms::Form& f = m_program->FormNamed(name);
        paint(f, true); // a focused text box edges itself in its text colour
        for (const ControlDesign& c : f.Design().controls) {
            if (c.kind != Kind::Frame && c.kind != Kind::TextBox)
                continue;
            QWidget* w = f.Control(c.name);
            const auto r = place(f, w);
            if (!r)
                continue;
            SCOPED_TRACE(testing::Message() << name << '.' << c.name.toStdString());
            QColor colour = w->palette().color(QPalette::Shadow);
            double topFrom = 0.25;
            int top = 0;
            if (c.kind == Kind::Frame) {
                colour = w->palette().color(c.flat ? QPalette::WindowText : QPalette::Dark);
                if (!c.caption.isEmpty()) {
                    // The top edge runs through the caption line, right of the caption.
                    const QFontMetrics fm(w->font());
                    top = static_cast<int>(fm.height() / 2 * m_ratio);
                    topFrom = (fm.horizontalAdvance(shownText(c.caption)) + 16.0) / w->width();
                }
            }
            const QRect box = r->adjusted(0, top, 0, 0);
            EXPECT_TRUE(edgeDrawn(box, 't', topFrom, 0.95, colour)) << "top";
            EXPECT_TRUE(edgeDrawn(box, 'b', 0.25, 0.75, colour)) << "bottom";
            EXPECT_TRUE(edgeDrawn(box, 'l', 0.25, 0.75, colour)) << "left";
            EXPECT_TRUE(edgeDrawn(box, 'r', 0.25, 0.75, colour)) << "right";
        }
    }
}

TEST_P(RenderTest, DesignedColoursAreDrawnAndTextStaysReadable) {
    // A row's value on this desktop.
    auto here = [](const char* values) {
        const QStringList all = QString::fromLatin1(values).split(u' ');
        return all.size() == 1 ? all[0] : all.value(GetParam().column);
    };
    for (const char* name : kWindows) {
        forms::Form& f = m_program->FormNamed(name);
        paint(f);
        for (const ControlDesign& c : f.Design().controls) {
            QWidget* w = f.Control(c.name);
            const auto r = place(f, w);
            if (!r || c.kind == Kind::Line || c.kind == Kind::Picture)
                continue;
            SCOPED_TRACE(testing::Message() << name << '.' << c.name.toStdString());
            const auto row = std::find_if(std::begin(kColours), std::end(kColours), [&](auto& k) {
                return name == std::string(k.window) &&
                       QString::fromLatin1(k.controls).split(u' ').contains(c.name);
            });
            if (row == std::end(kColours)) {
                EXPECT_FALSE(c.fore.rgb || c.back.rgb) << "a fixed colour the table leaves out";
                continue;
            }
            if (const QString back = here(row->back); !back.isEmpty()) {
                EXPECT_EQ(dominant(*r, static_cast<int>(4 * m_ratio), w).name().toStdString(),
                          back.toStdString())
                    << "background";
            }
            if (const QString fore = here(row->fore); !fore.isEmpty()) {
                EXPECT_GE(countNear(*r, QColor(fore)), 5) << "text colour " << fore.toStdString();
            }
        }
    }
}

// Measured with the font each control really resolves to, at this scale. What the user can
// press with Alt differs within each window (menu bar, shown controls) and each of its menus.
TEST_P(RenderTest, EveryCaptionFitsItsControlAndAccessKeysDiffer) {
    for (const char* name : kWindows) {
        forms::Form& f = m_program->FormNamed(name);
        f.Window()->show();
        std::map<int, QString> keys; // what Alt with each letter presses
        const auto press = [&](const QString& caption, const QString& control,
                               std::map<int, QString>& taken) {
            const QKeySequence key = QKeySequence::mnemonic(caption);
            EXPECT_TRUE(key.isEmpty() || taken.emplace(key[0].toCombined(), control).second)
                << name << ": " << control.toStdString() << " takes a letter already taken";
        };
        for (const QMenuBar* bar : f.Window()->findChildren<QMenuBar*>())
            for (QAction* entry : bar->actions()) {
                std::map<int, QString> menu; // an open drop-down menu's letters
                for (QAction* item : entry->menu() ? entry->menu()->actions() : QList<QAction*>{})
                    if (item->isVisible())
                        press(item->text(), item->objectName(), menu);
                if (entry->isVisible())
                    press(entry->text(), entry->objectName(), keys);
            }
        for (const ControlDesign& c : f.Design().controls) {
            QWidget* w = f.Control(c.name);
            if (!w->isVisible())
                continue;
            SCOPED_TRACE(testing::Message() << name << '.' << c.name.toStdString() << " in "
                                            << QFontInfo(w->font()).family().toStdString());
            const QFontMetricsF fm(w->font(), w);
            QString caption = c.caption;
            if (auto* label = qobject_cast<forms::FormLabel*>(w))
                caption = label->Caption();
            if (auto* button = qobject_cast<QPushButton*>(w))
                caption = button->text();
            if (c.kind == Kind::Label || c.kind == Kind::Button || c.kind == Kind::CheckButton)
                press(caption, c.name, keys);
            const QString text = shownText(caption);
            if (text.trimmed().isEmpty() && c.kind != Kind::ComboList)
                continue;
            const QSizeF size = w->size();
            switch (c.kind) {
            case Kind::Label: {
                // What the container leaves visible of the label. The exit screen's appeal is
                // any of four.
                const QRect shown = w->geometry() & w->parentWidget()->rect();
                auto* label = static_cast<forms::FormLabel*>(w);
                QStringList captions{label->Caption()};
                if (c.name == QLatin1String("Label2") && std::string_view(name) == "frmNagScreen2")
                    captions = {exit_texts::BoardAppeal(0), exit_texts::BoardAppeal(1),
                                exit_texts::BoardAppeal(2), exit_texts::BoardAppeal(3)};
                for (const QString& each : captions) {
                    label->SetCaption(each);
                    const QRectF needed = fm.boundingRect(QRectF(0, 0, size.width(), 1e6),
                                                          Qt::TextWordWrap, shownText(each));
                    EXPECT_LE(needed.width(), shown.width() + 0.5) << each.toStdString();
                    EXPECT_LE(needed.height(), shown.height() + 0.5) << each.toStdString();
                    EXPECT_TRUE(hostWhole(label)) << each.toStdString();
                }
                break;
            }
            case Kind::Button:
            case Kind::CheckButton:
                // The text plus the style's margins on both sides.
                EXPECT_LE(fm.horizontalAdvance(text) + 8, size.width());
                EXPECT_LE(fm.height(), size.height());
                break;
            case Kind::Frame:
                EXPECT_LE(fm.horizontalAdvance(text) + 12, size.width());
                break;
            case Kind::TextBox:
                for (const QString& line : text.split(QStringLiteral("\r\n")))
                    EXPECT_LE(fm.horizontalAdvance(line) + 4, size.width());
                EXPECT_LE(fm.height() + 2, size.height());
                break;
            case Kind::ComboList: {
                auto* combo = static_cast<QComboBox*>(w);
                for (int i = 0; i < combo->count(); ++i)
                    EXPECT_LE(fm.horizontalAdvance(combo->itemText(i)) + 24, size.width())
                        << combo->itemText(i).toStdString();
                break;
            }
            default:
                break;
            }
        }
    }
}

TEST_P(RenderTest, EveryControlThatTakesTheFocusShowsAMark) {
    for (const char* name : kWindows) {
        forms::Form& f = m_program->FormNamed(name);
        f.Window()->show();
        f.Window()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(f.Window()));
        for (QWidget* w : f.TabOrder()) {
            if (!place(f, w))
                continue; // never seen
            SCOPED_TRACE(testing::Message() << name << '.' << w->objectName().toStdString());
            // Away from the control, then back as a window gives it when it opens.
            f.Window()->setFocus();
            QApplication::processEvents();
            const QImage plain = w->grab().toImage();
            w->setFocus(Qt::OtherFocusReason);
            QApplication::processEvents();
            ASSERT_TRUE(w->hasFocus() || w->focusProxy());
            const QImage marked = w->grab().toImage();
            EXPECT_NE(plain, marked);
        }
    }
}

TEST_P(RenderTest, DropDownListsOpenAsShortScrollingLists) {
    m_program->m_main.Show();
    auto* year = m_program->m_main.Control<QComboBox>(QStringLiteral("cboYear"));
    year->showPopup();
    QAbstractItemView* view = year->view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view->window()));
    const int row = view->sizeHintForRow(0);
    EXPECT_LE(view->window()->height(), row * 12) << "rows " << view->window()->height() / row;
    EXPECT_GE(view->window()->height(), row * 5);
    year->hidePopup();
}

INSTANTIATE_TEST_SUITE_P(Desktops, RenderTest,
                         testing::Values(Desktop{"Fusion", false, 0}, Desktop{"Fusion", true, 1},
                                         Desktop{"Windows", false, 2}),
                         desktopName);

} // namespace
