// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordpractice.h"

#include "alphabeticalorder.h"
#include "charactercase.h"
#include "wordlistfile.h"

#include <QSet>

#include <algorithm>
#include <cmath>

WordPractice::WordPractice(const QDir &folder, QObject *parent) : QObject(parent), m_folder(folder)
{
    setRandomSource({});
}

QString WordPractice::orderModeCaption() const
{
    switch (m_orderMode) {
    case OrderMode::Alphabetical:
        return Texts::orderAlphabetical;
    case OrderMode::FileOrder:
        return Texts::orderFileOrder;
    case OrderMode::Random:
        return Texts::orderRandom;
    }
    return {};
}

void WordPractice::setRandomSource(RandomSource source)
{
    if (source)
        m_random = std::move(source);
    else
        m_random = [this] { return m_generator.generateDouble(); };
}

void WordPractice::loadWordList()
{
    m_queue.clear();
    WordListFile::Result file = WordListFile::read(m_folder, m_wordListFileName, m_listedFileName);
    m_wordListError = file.message;
    m_queue = passingEntries(file.lines);
    file.lines.clear();

    if (m_orderMode == OrderMode::Alphabetical) {
        sortQueue(file.bytes);
        emit queueSorted();
    }
    emit wordListLoaded(m_wordListError);
}

// What of the lines passes the letter filter with the filter rules, in file order: the one filter
// that both the queue and the printed words go through, so neither can miss a rule.
QStringList WordPractice::passingEntries(const QStringList &lines) const
{
    const LetterFilter filter(m_letterSequence, m_filterRules);
    QStringList entries;
    for (const QString &line : lines)
        filter.appendPassing(line, entries);
    return entries;
}

QStringList WordPractice::printedWords() const
{
    const QStringList entries =
        passingEntries(WordListFile::read(m_folder, m_wordListFileName, m_listedFileName).lines);
    QStringList words;
    QSet<QString> seen;
    for (const QString &entry : entries) {
        if (!isPrintable(entry))
            continue;
        // "Ro-se" and "Rose" are one word on paper, however the teacher marked it.
        const QString letters = QString(entry).remove(u'-');
        if (!seen.contains(letters)) {
            seen.insert(letters);
            words.append(entry);
        }
    }
    switch (m_orderMode) {
    case OrderMode::Alphabetical:
        AlphabeticalOrder().sort(words);
        break;
    case OrderMode::FileOrder:
        break;
    case OrderMode::Random: {
        QRandomGenerator shuffler(QRandomGenerator::global()->generate());
        std::shuffle(words.begin(), words.end(), shuffler);
        break;
    }
    }
    return words;
}

bool WordPractice::isPrintable(QStringView entry)
{
    return std::any_of(entry.begin(), entry.end(), [](QChar c) { return c != u'-' && c != u' '; });
}

void WordPractice::sortQueue(const QByteArray &fileBytes)
{
    const QLocale locale;
    const bool same = m_lastSorted.fileBytes == fileBytes &&
                      m_lastSorted.letterSequence == m_letterSequence &&
                      m_lastSorted.filterRules == m_filterRules && m_lastSorted.locale == locale &&
                      qsizetype(m_lastSorted.order.size()) == m_queue.size();
    if (!same)
        m_lastSorted = {fileBytes, m_letterSequence, m_filterRules, locale,
                        AlphabeticalOrder(locale).order(m_queue)};
    AlphabeticalOrder::arrange(m_queue, m_lastSorted.order);
}

qsizetype WordPractice::nextPosition()
{
    if (m_orderMode != OrderMode::Random)
        return 0;
    const qsizetype count = m_queue.size();
    const auto position = static_cast<qsizetype>(std::floor(double(count) * m_random()));
    // A random source that returns 1.0 (outside its promise) must still pick a queued entry.
    return std::clamp<qsizetype>(position, 0, count - 1);
}

bool WordPractice::showNextWord()
{
    if (m_queue.isEmpty())
        loadWordList();
    if (m_queue.isEmpty())
        return false;

    m_currentWord = m_queue.takeAt(nextPosition());
    m_wordCountText = countText(m_queue.size());
    emit wordShown();
    return true;
}

QString WordPractice::countText(qsizetype remaining)
{
    // The blank stands where a negative number would carry its sign.
    return u' ' + QString::number(remaining) +
           (remaining == 1 ? Texts::wordSingular : Texts::wordPlural);
}

void WordPractice::switchOrderMode()
{
    m_queue.clear();
    switch (m_orderMode) {
    case OrderMode::Alphabetical:
        m_orderMode = OrderMode::FileOrder;
        break;
    case OrderMode::FileOrder:
        m_orderMode = OrderMode::Random;
        break;
    case OrderMode::Random:
        m_orderMode = OrderMode::Alphabetical;
        break;
    }
    showNextWord();
}

void WordPractice::enterLetterSequence(const QString &entered)
{
    m_letterSequence = letterSequenceFromEntry(entered);
    loadWordList();
}

QString WordPractice::letterSequenceFromEntry(const QString &entered)
{
    QString sequence = entered;
    sequence.removeIf([](QChar c) { return c == u'\r' || c == u'\n'; });
    return sequence.isEmpty() ? Texts::defaultLetterSequence : sequence;
}

void WordPractice::chooseWordListFile(const QString &listedName)
{
    m_wordListFileName = CharacterCase::upper(listedName);
    m_listedFileName = listedName;
    loadWordList();
    showNextWord();
}
