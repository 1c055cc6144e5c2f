// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "letterfilter.h"
#include "texts.h"

#include <QDir>
#include <QLocale>
#include <QObject>
#include <QRandomGenerator>
#include <QStringList>

#include <functional>
#include <vector>

// The state of a practice session and the operations on it: which letters the learner knows,
// which word list is used, which words of the current pass still wait, which word is shown.
// The window shows this state; it never keeps word logic of its own.
class WordPractice : public QObject
{
    Q_OBJECT

public:
    enum class OrderMode
    {
        Alphabetical,
        FileOrder,
        Random
    };

    // Returns a number uniformly distributed in [0, 1).
    using RandomSource = std::function<double()>;

    explicit WordPractice(const QDir &folder = QDir::current(), QObject *parent = nullptr);

    QString letterSequence() const { return m_letterSequence; }
    // Sets the sequence as it stands; takes effect at the next load.
    void setLetterSequence(const QString &sequence) { m_letterSequence = sequence; }

    const LetterFilter::Rules &filterRules() const { return m_filterRules; }
    // Sound units and sight words, as the teacher switched them; take effect at the next load.
    void setFilterRules(const LetterFilter::Rules &rules) { m_filterRules = rules; }

    OrderMode orderMode() const { return m_orderMode; }
    QString orderModeCaption() const;

    // The working folder, which holds the word lists and the settings files.
    const QDir &folder() const { return m_folder; }

    QString wordListFileName() const { return m_wordListFileName; }
    // The error of the last load, in German; empty when it read its file.
    QString wordListError() const { return m_wordListError; }

    const QStringList &queue() const { return m_queue; }
    // The entry shown last, hyphens included; empty until the first word is shown.
    QString currentWord() const { return m_currentWord; }
    // The entries left when the current word was taken, as the count label shows it: " 12
    // Wörter", " 1 Wort"; "0 Wörter" until the first word is shown. A snapshot: a load that
    // refills the queue without showing a word leaves it as it was.
    QString wordCountText() const { return m_wordCountText; }

    void setRandomSource(RandomSource source);
    void seedRandom(quint32 seed) { m_generator.seed(seed); }

    // Rebuilds the queue from the word-list file through the letter filter, sorted in the
    // mode "nach A B C". Leaves the current word and the count alone.
    void loadWordList();

    // Takes the next entry out of the queue (refilling it first when it is empty) and makes
    // it the current word. Returns false, changing nothing, when the list yields no entry.
    bool showNextWord();

    // The words of the list for paper: the entries that pass the letter filter now, its rules
    // included, from a fresh read of the list, each word once (by its letters; empty entries
    // left out), in the order mode: sorted as the queue sorts, in file order, or shuffled by a
    // generator of their own. The queue, the count, the current word and the random numbers of
    // the next words stay.
    QStringList printedWords() const;
    // True iff the entry shows anything on paper: a character other than hyphens and blanks.
    static bool isPrintable(QStringView entry);

    // Advances "nach A B C" → "nach Reihe" → "nach Zufall" → "nach A B C" and shows the
    // first word of a new pass.
    void switchOrderMode();

    // Takes a letter sequence the teacher entered and rebuilds the queue.
    void enterLetterSequence(const QString &entered);
    // The sequence an entry stands for. The entry is one line: a line break pasted into it
    // (CR, LF) is dropped, as it would split silben.ini; an entry left empty means "abc".
    static QString letterSequenceFromEntry(const QString &entered);

    // Makes the file, named as the file chooser lists it, the word list: its name upper-cased,
    // the queue rebuilt and the next word shown.
    void chooseWordListFile(const QString &listedName);

signals:
    // A new current word and count: the window draws them.
    void wordShown();
    // The queue was sorted alphabetically (at a load in the mode "nach A B C").
    void queueSorted();
    // A load ended; error is empty when the file was read.
    void wordListLoaded(const QString &error);

private:
    static QString countText(qsizetype remaining);
    qsizetype nextPosition();
    QStringList passingEntries(const QStringList &lines) const;
    void sortQueue(const QByteArray &fileBytes);

    // What the last alphabetical load sorted, and the order it found. The same file bytes,
    // letter sequence, filter rules and locale give the same queue, so its order is reused as
    // long as they stay the same; the file is still read at every load.
    struct SortedLoad
    {
        QByteArray fileBytes;
        QString letterSequence;
        LetterFilter::Rules filterRules;
        QLocale locale;
        std::vector<qsizetype> order;
    };

    QDir m_folder;
    QString m_letterSequence = Texts::letterSequencePlaceholder;
    LetterFilter::Rules m_filterRules;
    OrderMode m_orderMode = OrderMode::Alphabetical;
    QString m_wordListFileName = Texts::defaultWordListFile;
    // The chosen file's name as the file chooser lists it, opened by exactly that name: with
    // tiere.txt and TIERE.TXT in the folder, each opens its own file. Empty until a choice;
    // the default list is found in any letter case.
    QString m_listedFileName;
    QString m_wordListError;
    QStringList m_queue;
    QString m_currentWord;
    QString m_wordCountText = Texts::wordCountInitial;
    QRandomGenerator m_generator;
    RandomSource m_random;
    SortedLoad m_lastSorted;
};
