// Lunavik's main window as an ordinary Qt program would write it by hand: the same caption, size,
// menus, controls, texts, fonts and colours at the same places, with no forms runtime and no
// behaviour. bench/startup.sh compares Lunavik against it: what Lunavik takes beyond this is the
// cost of how it builds its windows, not of what they show.
#include "shown_window.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>
#include <utility>

namespace {

const QColor kPanelBlue(124, 165, 231);

// The designs measure in twips: 15 to a pixel at 96 dpi.
QRect twips(int left, int top, int width, int height) {
    return {left / 15, top / 15, width / 15, height / 15};
}

QFont face(qreal points, bool bold = false, bool underline = false) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

void colour(QWidget* w, const QColor& back, const QColor& fore, bool fill = true) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, back);
    pal.setColor(QPalette::Base, back);
    pal.setColor(QPalette::Button, back);
    pal.setColor(QPalette::WindowText, fore);
    pal.setColor(QPalette::Text, fore);
    pal.setColor(QPalette::ButtonText, fore);
    w->setPalette(pal);
    w->setAutoFillBackground(fill);
}

template <class W> W* place(W* w, QRect where) {
    w->setGeometry(where);
    return w;
}

QLabel* label(QWidget* parent, const QString& text, QRect where, const QFont& font,
              const QColor& back, const QColor& fore, bool fill) {
    auto* l = place(new QLabel(text, parent), where);
    l->setFont(font);
    colour(l, back, fore, fill);
    return l;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QPixmap icon(32, 32);
    icon.fill(kPanelBlue);
    app.setWindowIcon(icon);

    ShownWindow window;
    window.setWindowTitle(QStringLiteral("Lunavik v1.70"));
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* bar = new QMenuBar(&window);
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&Next"));
    file->addAction(QStringLiteral("E&xit"));
    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    help->addAction(QStringLiteral("&Online Help"));
    help->addAction(QStringLiteral("&Visit Us Online"));
    help->addSeparator();
    help->addAction(QStringLiteral("&Check for Software Update"));
    help->addSeparator();
    help->addAction(QStringLiteral("&About Software"));
    bar->addAction(QStringLiteral("&Donate"));
    bar->addAction(QStringLiteral("Make Money &Online"))->setEnabled(false);
    layout->setMenuBar(bar);

    auto* client = new QWidget(&window);
    client->setFixedSize(6405 / 15, 3420 / 15);
    client->setFont(face(8.25));
    client->setCursor(Qt::PointingHandCursor);
    colour(client, kPanelBlue, Qt::white);
    layout->addWidget(client);

    auto* offers = place(new QFrame(client), twips(0, 2400, 6300, 975));
    colour(offers, kPanelBlue, Qt::black);
    const QColor buttonFace = QApplication::palette().color(QPalette::Button);
    const QString offerTexts[] = {
        QStringLiteral("Co-brand this software for your site. Get more loyalty & traffic. Put your "
                       "site's name and link in this place. See Help for details. Click here for "
                       "more information on co-branding."),
        QStringLiteral("Home Business Opportunity. Start your own Internet business and make money "
                       "online. Get this software fully branded for your website. Click here for "
                       "more details.")};
    for (const QString& text : offerTexts) {
        QLabel* offer = label(offers, text, twips(120, 240, 5985, 615), face(8.25, true, true),
                              buttonFace, Qt::blue, true);
        offer->setAlignment(Qt::AlignCenter);
        offer->setWordWrap(true);
    }

    auto* name = place(new QGroupBox(QStringLiteral("Please Fill In The Below Details:"), client),
                       twips(80, 720, 6255, 1605));
    name->setFont(face(8.25, true));
    name->setFlat(true);
    colour(name, kPanelBlue, Qt::white);
    for (const QRect& box :
         {twips(4200, 450, 1935, 345), twips(2115, 450, 1965, 345), twips(90, 450, 1905, 345)}) {
        auto* edit = place(new QLineEdit(name), box);
        edit->setFont(client->font());
        colour(edit, kPanelBlue, Qt::white);
    }

    auto* birth =
        place(new QGroupBox(QStringLiteral("Date Of Birth"), name), twips(120, 840, 6045, 645));
    colour(birth, kPanelBlue, Qt::white);
    auto list = [&](QRect where) {
        auto* combo = place(new QComboBox(birth), where);
        combo->setFont(client->font());
        colour(combo, kPanelBlue, Qt::white);
        return combo;
    };
    QComboBox* days = list(twips(1760, 210, 855, 315));
    QComboBox* months = list(twips(120, 210, 1455, 315));
    QComboBox* years = list(twips(2800, 210, 975, 315));
    for (int i = 1; i <= 31; ++i)
        days->addItem(QString::number(i));
    for (const char* month : {"January", "February", "March", "April", "May", "June", "July",
                              "August", "September", "October", "November", "December"})
        months->addItem(QString::fromLatin1(month));
    for (int i = 1900; i <= 2050; ++i)
        years->addItem(QString::number(i));
    auto* next =
        place(new QPushButton(QStringLiteral("&Next"), birth), twips(3960, 210, 1965, 315));
    next->setFont(client->font());
    colour(next, kPanelBlue, Qt::black);

    const std::pair<const char*, QRect> captions[] = {{"Last Name", twips(4200, 240, 765, 195)},
                                                      {"Middle Name", twips(2115, 240, 1095, 195)},
                                                      {"First Name", twips(120, 240, 750, 195)}};
    for (const auto& [text, where] : captions)
        label(name, QString::fromLatin1(text), where, face(8.25), kPanelBlue, Qt::white, false)
            ->adjustSize();

    auto* banner = place(new QFrame(client), twips(80, 0, 6255, 615));
    colour(banner, kPanelBlue, Qt::white);
    QLabel* board =
        label(banner,
              QStringLiteral("The most popular online numerology board and the best "
                             "resource on the topic. Visit us at "
                             "www.orvaneth-forum.example"),
              twips(50, 140, 6120, 585), face(9, false, true), kPanelBlue, Qt::white, false);
    board->setAlignment(Qt::AlignCenter);
    board->setWordWrap(true);

    window.show();
    return app.exec();
}
