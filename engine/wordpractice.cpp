// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordpractice.h"

#include "alphabeticalorder.h"
#include "charactercase.h"
#include "letterfilter.h"
#include "wordlistfile.h"

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
    const LetterFilter filter(m_letterSequence);
    m_queue.clear();

    WordListFile::Result file = WordListFile::read(m_folder, m_wordListFileName, m_listedFileName);
    m_wordListError = file.message;
    for (const QString &line : std::as_const(file.lines))
        filter.appendPassing(line, m_queue);
    file.lines.clear();

    if (m_orderMode == OrderMode::Alphabetical) {
        sortQueue(file.bytes);
        emit queueSorted();
    }
    emit wordListLoaded(m_wordListError);
}

void WordPractice::sortQueue(const QByteArray &fileBytes)
{
    const QLocale locale;
    const bool same =
        m_lastSorted.fileBytes == fileBytes && m_lastSorted.letterSequence == m_letterSequence &&
        m_lastSorted.locale == locale && qsizetype(m_lastSorted.order.size()) == m_queue.size();
    if (!same)
        m_lastSorted = {fileBytes, m_letterSequence, locale,
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
