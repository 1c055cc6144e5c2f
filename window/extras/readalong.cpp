// SPDX-License-Identifier: GPL-3.0-or-later
#include "readalong.h"

#include "speech/speaker.h"

#include <QDebug>

#include <chrono>

namespace {

QString joined(const QList<SyllableRun> &runs)
{
    QString text;
    for (const SyllableRun &run : runs)
        text += run.text;
    return text;
}

} // namespace

ReadAlong::ReadAlong(Speaker *speaker, WordField *field, QObject *parent)
    : QObject(parent), m_speaker(speaker), m_field(field),
      m_log(qEnvironmentVariableIsSet("TRABELO_READALONG_LOG"))
{
    if (m_speaker) {
        connect(m_speaker, &Speaker::partStarted, this, &ReadAlong::showPart);
        connect(m_speaker, &Speaker::finished, this, [this] {
            m_spans.clear();
            m_field->setHighlight({});
        });
    }
    if (m_log)
        connect(m_field, &WordField::painted, this, &ReadAlong::onPainted);
}

void ReadAlong::readWord(const QList<SyllableRun> &runs)
{
    const QString text = joined(runs);
    const QString word = text.trimmed();
    qsizetype from = 0;
    while (from < text.size() && text[from].isSpace())
        ++from;
    read({{word, {from, word.size()}}}, {});
}

void ReadAlong::readSyllables(const QList<SyllableRun> &runs, std::chrono::milliseconds pause)
{
    QList<Part> parts;
    qsizetype position = 0;
    for (const SyllableRun &run : runs) {
        for (const QString &piece : run.text.split(u' ')) {
            if (!piece.isEmpty())
                parts << Part{piece, {position, piece.size()}};
            position += piece.size() + 1; // and the blank after it
        }
        --position; // none after the run's last piece
    }
    read(parts, pause);
}

void ReadAlong::read(const QList<Part> &parts, std::chrono::milliseconds pause)
{
    if (!m_speaker || parts.isEmpty() || parts.front().text.isEmpty())
        return;
    QStringList texts;
    m_spans.clear();
    for (const Part &part : parts) {
        texts << part.text;
        m_spans << part.span;
    }
    // The band waits for the service to start the first part.
    m_field->setHighlight({});
    m_speaker->say(texts, pause);
}

void ReadAlong::stop()
{
    m_spans.clear();
    m_field->setHighlight({});
    if (m_speaker)
        m_speaker->stop();
}

void ReadAlong::showPart(int index)
{
    if (index < 0 || index >= m_spans.size())
        return;
    m_field->setHighlight(m_spans[index]);
    m_logNextPaint = m_log;
}

void ReadAlong::onPainted(bool blank)
{
    if (blank || !m_logNextPaint)
        return;
    m_logNextPaint = false;
    const TextSpan band = m_field->highlight();
    const auto now = std::chrono::duration_cast<std::chrono::microseconds>(
        std::chrono::system_clock::now().time_since_epoch());
    qInfo().noquote() << QStringLiteral("read-along: band at %1+%2 painted at %3 us")
                             .arg(band.from)
                             .arg(band.length)
                             .arg(now.count());
}
