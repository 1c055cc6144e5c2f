// SPDX-License-Identifier: GPL-3.0-or-later
#include "pixels.h"
#include "printing/lessonpages.h"
#include "printing/printmodule.h"
#include "windowfixture.h"
#include "windowtexts.h"

#include <QPdfWriter>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QRegularExpression>
#include <QTimer>

namespace {

// The colours 4 and 1, and how far from them a PDF renderer's blended pixels may be.
const QRgb first = 0x800000, second = 0x000080;
constexpr int blended = 23;

// The first card's inside at this resolution: A4 with 10 mm margins, 2 × 4 cards, 2 mm inset.
QRect firstCard(int dpi)
{
    const qreal mm = dpi / 25.4;
    return QRectF(12 * mm, 12 * mm, 91 * mm, 65.25 * mm).toRect();
}

using Kind = LessonPages::Kind;

// Distinct words of two or three syllables: Ma-lo, Ri-su-ne, ...
QStringList words(int count)
{
    static const QStringList syllables{u"ma"_s, u"lo"_s, u"ri"_s, u"su"_s, u"ne"_s, u"ta"_s};
    QStringList made;
    for (int i = 0; i < count; ++i) {
        QStringList parts;
        for (int n = i + 7; n > 0; n /= 6)
            parts << syllables[n % 6];
        parts[0][0] = parts[0][0].toUpper();
        made << parts.join(u'-');
    }
    return made;
}

QString writePdf(const QTemporaryDir &dir, Kind kind, const QStringList &entries,
                 bool greyscale = false, bool arcs = false)
{
    PrintedLesson lesson{{}, QFont(u"Arial"_s), {{first, second}, arcs}, u"TIERE.TXT"_s, u"mal"_s};
    for (const QString &entry : entries)
        lesson.words << SyllableRuns::syllablesOf(entry);
    const QString path = dir.filePath(u"lesson.pdf"_s);
    QPdfWriter pdf(path);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
    if (!LessonPages::draw(&pdf, kind, lesson, greyscale))
        return {};
    return path;
}

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        qWarning() << program << "failed:" << process.readAllStandardError();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The text of each page, laid out as printed.
QStringList pageTexts(const QString &pdf)
{
    QStringList pages = run(u"pdftotext"_s, {u"-layout"_s, pdf, u"-"_s}).split(u'\f');
    pages.removeLast(); // after the last page's form feed
    return pages;
}

// The first page at this resolution.
QImage rendered(const QString &pdf, int dpi = 50)
{
    run(u"pdftoppm"_s, {u"-r"_s, QString::number(dpi), u"-png"_s, u"-singlefile"_s, pdf, pdf});
    return QImage(pdf + u".png"_s);
}

} // namespace

// The lesson on paper: which pages the words give, how they look, and the two commands.
class TestPrinting : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

private Q_SLOTS:
    // Eight cards a page, in the order given, every word whole and without its marks.
    void cardPages_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("pages");
        QTest::addRow("one page full") << 8 << 1;
        QTest::addRow("20 words") << 20 << 3;
    }

    void cardPages()
    {
        QFETCH(int, count);
        QFETCH(int, pages);
        const QStringList entries = words(count);
        const QStringList texts = pageTexts(writePdf(dir, Kind::WordCards, entries));
        QCOMPARE(texts.size(), pages);
        static const QRegularExpression space(u"\\s+"_s);
        QCOMPARE(texts.join(u' ').split(space, Qt::SkipEmptyParts).join(u'|'),
                 entries.join(u'|').remove(u'-'));
    }

    // Both syllable colours on a card, first left of second; the arcs below the letters; in
    // greyscale black and a clearly lighter grey.
    void look_data()
    {
        QTest::addColumn<bool>("greyscale");
        QTest::addRow("colours, arcs") << false;
        QTest::addRow("greyscale, arcs") << true;
    }

    void look()
    {
        QFETCH(bool, greyscale);
        const QStringList entries{u"Ro-se"_s, u"Ba-na-nen-scha-le"_s}; // the second sets the size
        const QImage plain = rendered(writePdf(dir, Kind::WordCards, entries));
        const QImage image = rendered(writePdf(dir, Kind::WordCards, entries, greyscale, true));
        const QRect card = firstCard(50);
        const QRect left = extent(plain, first, card, blended),
                    right = extent(plain, second, card, blended);
        QVERIFY(left.isValid() && right.isValid() && left.right() < right.left());
        if (greyscale) {
            // Black in the first; in the second no grey darker than 100 (channels summed: 300).
            QVERIFY(extent(image, 0, left).isValid());
            QVERIFY2(!extent(image, 0, right, 300).isValid(), "the second syllable is too dark");
            return;
        }
        const int below = extent(image, first, card, blended).bottom() - left.bottom();
        QVERIFY2(below > 3, qPrintable(QString::number(below)));
    }

    // A word too wide for 24 points gets a smaller size on its own card, never cut off; the
    // others keep 24 points.
    void longWordStaysOnItsCard()
    {
        const QString longWord = u"Ab-"_s.repeated(15).chopped(1); // 30 letters
        const QString pdf = writePdf(dir, Kind::WordCards, {longWord, u"Oma"_s});
        QVERIFY(pageTexts(pdf).constFirst().contains(QString(longWord).remove(u'-')));
        const int dpi = 100;
        const QImage image = rendered(pdf, dpi);
        const QRect card = firstCard(dpi).adjusted(-dpi / 10, -dpi / 10, dpi / 10, dpi / 10);
        const QRect leftColumn(0, 0, card.right() + dpi / 10, image.height());
        const QRect longInk =
            extent(image, first, leftColumn, blended) | extent(image, second, leftColumn, blended);
        QVERIFY2(card.contains(longInk), "the long word leaves its card");
        QVERIFY(longInk.width() > card.width() * 3 / 4);
        // "O" is about 0.7 of the font's size high.
        const QRect omaInk =
            extent(image, first, image.rect().adjusted(leftColumn.right(), 0, 0, 0), blended);
        QVERIFY2(omaInk.height() > 0.6 * 24 * dpi / 72, "the short word is smaller than 24 points");
    }

    // The header names the list and the letters; each row ends in the running total, which
    // goes on over the pages to the number of words.
    void readingSheet()
    {
        const QStringList entries = words(200);
        const QStringList pages = pageTexts(writePdf(dir, Kind::ReadingSheet, entries));
        QVERIFY(pages.size() >= 2);
        QVERIFY(pages[0].contains(u"TIERE.TXT"_s) && pages[0].contains(u"Lautfolge: mal"_s));
        QVERIFY(pages[0].contains(u"Name:"_s) && pages[0].contains(u"Datum:"_s));
        QStringList read;
        qsizetype total = 0;
        for (qsizetype page = 0; page < pages.size(); ++page) {
            QVERIFY(pages[page].contains(u"Seite %1 von %2"_s.arg(page + 1).arg(pages.size())));
            for (const QString &line : pages[page].split(u'\n')) {
                QStringList row = line.split(u' ', Qt::SkipEmptyParts);
                if (row.size() < 2 || !row.last().front().isDigit() || line.contains(u"Seite"_s))
                    continue;
                total += row.size() - 1;
                QCOMPARE(row.takeLast().toLongLong(), total);
                read << row;
            }
        }
        QCOMPARE(read.join(u'|'), entries.join(u'|').remove(u'-'));
    }

    // Both commands open the preview of their pages and change nothing of the lesson; without
    // a word that passes, they are disabled and say why.
    void commands()
    {
        PrintModule module(QStringLiteral(TRABELO_PRINT_MODULE_FILE));
        WindowFixture f;
        f.printing = &module;
        f.write(u"silben.ini"_s, redAndBlue);
        QVERIFY(f.openShown());
        const QString lesson = f.word() + f.label(Control::WordCount)->text();
        for (const QString &entry :
             {WindowTexts::printWordCardsEntry, WindowTexts::printReadingSheetEntry}) {
            // Whatever modal window comes up is noted and closed, so that nothing hangs.
            QString shown;
            int pages = 0;
            QTimer poll;
            connect(&poll, &QTimer::timeout, this, [&] {
                QWidget *dialog = QApplication::activeModalWidget();
                if (!dialog)
                    return;
                poll.stop();
                shown = QString::fromLatin1(dialog->metaObject()->className()) + u':' +
                        dialog->windowTitle();
                if (const auto *preview = dialog->findChild<QPrintPreviewWidget *>())
                    pages = preview->pageCount();
                dialog->close();
            });
            poll.start(20);
            f.choose(entry); // a disabled entry shows nothing
            QVERIFY2(shown.startsWith(u"QPrintPreviewDialog:Druckvorschau"_s), qPrintable(shown));
            QCOMPARE(pages, 1);
        }
        QCOMPARE(f.word() + f.label(Control::WordCount)->text(), lesson);

        f.dialogs.answer = u"xyz"_s;
        f.click(Control::LetterEntryButton);
        QAction *command = f.menu()->entry(WindowTexts::printWordCardsEntry);
        QVERIFY(!command->isEnabled());
        QCOMPARE(command->toolTip(), WindowTexts::nothingToPrint.arg(u"SILBEN.TXT"_s, u"xyz"_s));
    }

    // A module missing from the installation is named, not a crash.
    void missingModule()
    {
        PrintModule module(dir.filePath(u"none.so"_s));
        QVERIFY(module.show(nullptr, {}).contains(dir.filePath(u"none.so"_s)));
    }
};

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"
