// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "syllableruns.h"
#include "wordfield.h"

#include <QObject>

#include <chrono>

class Speaker;

// Reads the shown word aloud with the word field following along, as a finger under the word
// would: each part stands on the field's highlighter band from the moment the speech service
// reports that it started saying it until the next part starts; after the last part, or once
// the reading stops, the band goes. The parts are cut from the runs the field draws, so the
// band stands behind their letters.
class ReadAlong : public QObject
{
    Q_OBJECT

public:
    // Without a speaker (null) nothing is read. The speaker and the field must outlive it.
    ReadAlong(Speaker *speaker, WordField *field, QObject *parent = nullptr);

    // The word as the child reads it: in one go, without the syllable marks.
    void readWord(const QList<SyllableRun> &runs);
    // Syllable by syllable with the pause between them: the runs, split at blanks.
    void readSyllables(const QList<SyllableRun> &runs, std::chrono::milliseconds pause);
    // Stops the reading and takes the band away; cheap when nothing is being read.
    void stop();

private:
    struct Part
    {
        QString text;
        TextSpan span;
    };

    void read(const QList<Part> &parts, std::chrono::milliseconds pause);
    void showPart(int index);
    void onPainted(bool blank);

    Speaker *m_speaker;
    WordField *m_field;
    QList<TextSpan> m_spans; // where the parts being read stand
    // Writes when a new band position is painted, with the system clock's time, when
    // TRABELO_READALONG_LOG is set; bench/readalong-lag compares it with the speech service's
    // log.
    bool m_log = false;
    bool m_logNextPaint = false;
};
