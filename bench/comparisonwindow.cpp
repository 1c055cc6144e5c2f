// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for the program's start-up cost: a plain window of the same client size with
// thirteen labels (the top and bottom rows' captions in Arial 14 pt bold) and one word drawn
// in 48 pt bold, and nothing else: no word list, no settings, no font list, no translation.

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QWidget>

namespace {

// The one word, drawn as the program draws its word: text painted into a white field.
class WordPane : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        QFont font(QStringLiteral("Arial"));
        font.setPointSize(48);
        font.setBold(true);
        painter.setFont(font);
        painter.drawText(rect(), Qt::AlignLeft | Qt::AlignTop, QStringLiteral("Ba-na-ne"));
    }
};

struct LabelPlace
{
    int left, top, width, height;
    const char *caption;
};

// Eight labels in the top row, five in the bottom row, in pixels.
constexpr LabelPlace places[] = {
    {8, 8, 33, 33, "X"},
    {48, 8, 33, 33, "S"},
    {88, 8, 33, 33, "1"},
    {120, 8, 33, 33, "2"},
    {160, 8, 73, 33, "ABC"},
    {240, 8, 473, 33, "Label2"},
    {720, 8, 161, 33, "nach A B C"},
    {888, 8, 33, 33, "T"},
    {8, 448, 41, 17, "-"},
    {56, 448, 41, 17, "- -"},
    {104, 448, 41, 17, "- - -"},
    {152, 450, 201, 19, "SILBEN.TXT"},
    {800, 448, 121, 17, "0 Wörter"},
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Vergleich"));
    window.setFixedSize(928, 474);

    QFont captionFont(QStringLiteral("Arial"));
    captionFont.setPointSize(14);
    captionFont.setBold(true);
    for (const LabelPlace &place : places) {
        auto *label = new QLabel(QString::fromUtf8(place.caption), &window);
        label->setGeometry(place.left, place.top, place.width, place.height);
        label->setFont(captionFont);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    }
    auto *pane = new WordPane(&window);
    pane->setGeometry(24, 64, 897, 377);

    window.show();
    return QApplication::exec();
}
