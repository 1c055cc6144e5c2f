// SPDX-License-Identifier: GPL-3.0-or-later
#include "extrascontroller.h"

#include "buttonlabel.h"
#include "extrasfile.h"
#include "flashreading.h"
#include "layouttable.h"
#include "printing/printpreview.h"
#include "readalong.h"
#include "speakerbutton.h"
#include "speech/speaker.h"
#include "syllableruns.h"
#include "userdialogs.h"
#include "windowtexts.h"
#include "wordfield.h"
#include "wordpractice.h"

#include <QDir>
#include <QEvent>
#include <QWindow>

namespace {

// Between two syllables read one after the other: long enough to hear them apart, short
// enough to still hear one word.
constexpr std::chrono::milliseconds syllablePause{350};

} // namespace

ExtrasController::ExtrasController(const Services &services, WordPractice *practice,
                                   WordField *field, QWidget *window)
    : QObject(window), m_dialogs(services.dialogs), m_speaker(services.speaker),
      m_keptMarkerSource(services.keptMarkerSource), m_printing(services.printing),
      m_practice(practice), m_field(field), m_window(window),
      m_markerLoader(new SyllableMarkerLoader(services.markerSource, this)),
      m_flash(new FlashReading(field, this)),
      m_readAlong(new ReadAlong(services.speaker, field, this)), m_cue(new ButtonLabel(window)),
      m_speakerButton(new SpeakerButton(window))
{
    m_cue->layOut(LayoutTable::control(Control::ExtrasCue));
    m_cue->hide();
    m_speakerButton->layOut(LayoutTable::control(Control::SpeakerButton));
    m_speakerButton->hide();
    m_flash->setCovered(true); // until the hint has been closed

    field->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(field, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { menu()->popup(m_field->mapToGlobal(at)); });
    connect(practice, &WordPractice::wordShown, this, &ExtrasController::onWordShown);
    connect(practice, &WordPractice::wordListLoaded, this, &ExtrasController::onWordListLoaded);
    connect(m_markerLoader, &SyllableMarkerLoader::finished, this,
            &ExtrasController::onMarkerLoaded);
    connect(m_speakerButton, &ButtonLabel::clicked, this, &ExtrasController::readWord);
    // A click on the word stops its reading, also when no next word comes.
    connect(field, &WordField::clicked, m_readAlong, &ReadAlong::stop);
    if (m_speaker)
        connect(m_speaker, &Speaker::readinessChanged, this, &ExtrasController::onSpeechReadiness);
    onSpeechReadiness();
}

QString ExtrasController::path() const
{
    return m_practice->folder().filePath(WindowTexts::extrasFile);
}

void ExtrasController::prepare(const QDir &folder)
{
    if (ExtrasFile::read(folder.filePath(WindowTexts::extrasFile)).isOn(Extra::AutomaticSyllables))
        SyllableMarkerLoader::prepareKeptSystemPatterns();
}

void ExtrasController::load()
{
    m_extras = ExtrasFile::read(path());
    if (m_extras.isOn(Extra::AutomaticSyllables) && m_keptMarkerSource)
        m_markerLoader->adopt(m_keptMarkerSource());
    apply();
}

void ExtrasController::windowShown()
{
    m_windowUp = true;
    // Keys reach the window before its controls, as the window's own key preview sees them.
    if (QWindow *handle = m_window->windowHandle())
        handle->installEventFilter(this);
    startWork();
}

// Any key stops the reading, as a click does, also when no next word comes.
bool ExtrasController::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress)
        m_readAlong->stop();
    return QObject::eventFilter(watched, event);
}

// A box over the window silences the reading: the child cannot see what is read.
void ExtrasController::setCovered(bool covered)
{
    if (covered)
        m_readAlong->stop();
    m_flash->setCovered(covered);
}

ExtrasMenu *ExtrasController::menu()
{
    if (m_menu)
        return m_menu;
    m_menu = new ExtrasMenu(m_window);
    m_menu->setObjectName(QStringLiteral("extrasMenu"));
    connect(m_menu, &ExtrasMenu::valueChosen, this, &ExtrasController::choose);
    connect(m_menu, &ExtrasMenu::commandChosen, this, &ExtrasController::run);
    // The menu reads the extras as they stand when it is about to show; the speech service is
    // asked for only when a teacher looks for its entries.
    connect(m_menu, &QMenu::aboutToShow, this, [this] {
        prepareSpeech();
        showStateInMenu();
    });
    return m_menu;
}

// ---- The teacher's choices ------------------------------------------------------------------

void ExtrasController::choose(Extra extra, int value)
{
    m_extras.setValue(extra, value);
    changed();
}

void ExtrasController::run(Extra command)
{
    switch (command) {
    case Extra::ShowWordAgain:
        return showWordAgain();
    case Extra::ReadWord:
        return readWord();
    case Extra::ReadSyllables:
        return readSyllables();
    case Extra::EditSightWords:
        return editSightWords();
    case Extra::PrintWordCards:
        return print(LessonPages::Kind::WordCards);
    case Extra::PrintReadingSheet:
        return print(LessonPages::Kind::ReadingSheet);
    case Extra::AllExtrasOff:
        m_readAlong->stop();
        m_extras.switchAllOff();
        return changed();
    default:
        return;
    }
}

// The teacher's choice takes effect at once and is written at once. A changed filter rebuilds
// the queue, as new letters do: the next word is from the new pass.
void ExtrasController::changed()
{
    const LetterFilter::Rules before = m_practice->filterRules();
    apply();
    if (m_practice->filterRules() != before)
        m_practice->loadWordList();
    emit redrawWord();
    save();
}

// Puts every extra into effect as it stands.
void ExtrasController::apply()
{
    startWork();
    m_practice->setFilterRules(filterRules());
    m_flash->setDuration(FlashReading::Duration(m_extras.value(Extra::FlashReading)));
    if (m_speaker)
        m_speaker->setSlow(m_extras.isOn(Extra::SlowSpeech));
    m_speakerButton->setVisible(m_extras.isOn(Extra::SpeakerButton));
    m_field->setArcs(m_extras.isOn(Extra::SyllableArcs));
    showNoWordSign();
    showCue();
    updateMenu();
}

// Work that takes seconds starts only once the window is up, and only for the extras on.
void ExtrasController::startWork()
{
    if (!m_windowUp)
        return;
    if (m_extras.isOn(Extra::AutomaticSyllables))
        m_markerLoader->start();
    if (m_extras.isOn(Extra::SpeakerButton))
        prepareSpeech();
}

LetterFilter::Rules ExtrasController::filterRules() const
{
    return {.soundUnits = m_extras.isOn(Extra::SoundUnits),
            .sightWords = m_extras.isOn(Extra::SightWords) ? m_extras.list(Extra::SightWordList)
                                                           : QStringList()};
}

void ExtrasController::save()
{
    const QString file = path();
    const ExtrasFile::WriteResult written = ExtrasFile::write(file, m_extras);
    if (written.ok)
        return;
    setCovered(true);
    m_dialogs->warn(
        m_window, WindowTexts::extrasSaveFailedTitle,
        WindowTexts::extrasSaveFailedText.arg(QDir::toNativeSeparators(file), written.error));
    setCovered(false);
}

// ---- What the extras show -------------------------------------------------------------------

ExtrasController::Availability ExtrasController::needsMet(ExtraNeeds needs) const
{
    switch (needs) {
    case ExtraNeeds::Nothing:
        return {};
    case ExtraNeeds::Patterns:
        return {m_markerLoader->error().isEmpty(), m_markerLoader->error()};
    case ExtraNeeds::Speech:
        if (!m_speaker)
            return {false, WindowTexts::speechNotStarted};
        return {m_speaker->isReady(), m_speaker->reason()};
    case ExtraNeeds::FlashedWord:
        return {canShowWordAgain(), {}};
    case ExtraNeeds::PrintableWord:
        if (!m_printing)
            return {false, WindowTexts::printingMissing};
        return {m_printable, WindowTexts::nothingToPrint.arg(m_practice->wordListFileName(),
                                                             m_practice->letterSequence())};
    }
    return {};
}

// What an extra does in this run, as its entry and the cue show it: an extra whose patterns
// could not be loaded is off until the next start, though "trabelo.ini" keeps it on, so that
// patterns installed later bring it back.
int ExtrasController::valueInEffect(Extra extra) const
{
    const ExtraNeeds needs = ExtrasTable::row(extra).needs;
    if (needs == ExtraNeeds::Patterns && !needsMet(needs).met)
        return 0;
    return m_extras.value(extra);
}

// What changes while the menu is open (the speech service answers, the patterns are in) reaches
// it at once; a closed menu reads the state when it opens next.
void ExtrasController::updateMenu()
{
    if (m_menu && m_menu->isVisible())
        showStateInMenu();
}

void ExtrasController::showStateInMenu()
{
    for (const ExtraRow &row : ExtrasTable::rows()) {
        const Availability available = needsMet(row.needs);
        m_menu->showEntry(row.extra, {valueInEffect(row.extra), available.met, available.reason});
    }
}

// The cue tells whoever sits down at the program that it does more than usual, and which
// extras are on.
void ExtrasController::showCue()
{
    QStringList on;
    for (const ExtraRow &row : ExtrasTable::rows()) {
        const bool setting = row.kind == ExtraKind::Switch || row.kind == ExtraKind::Choice;
        if (!setting || valueInEffect(row.extra) == 0)
            continue;
        if (row.extra == Extra::SightWords) {
            const qsizetype words = m_extras.list(Extra::SightWordList).size();
            on << (words == 1 ? WindowTexts::sightWordsCueOne.arg(row.caption)
                              : WindowTexts::sightWordsCueMany.arg(row.caption).arg(words));
        } else {
            on << row.caption;
        }
    }
    m_cue->setVisible(!on.isEmpty());
    m_cue->setToolTip(WindowTexts::extrasCueTooltip.arg(on.join(u'\n')));
}

// While the extra is on, a load that found no entry for the letters gives the sign: a teacher
// who typed new letters sees that nothing fits rather than a program that seems stuck. An
// unreadable list has its own red sign instead.
void ExtrasController::showNoWordSign()
{
    const bool sign = m_extras.isOn(Extra::NoWordSign) && m_nothingFits;
    // The sequence the load filtered by, as the engine holds it.
    emit noWordSign(sign ? WindowTexts::noWordFits.arg(m_practice->wordListFileName(),
                                                       m_practice->letterSequence())
                         : QString());
}

// ---- Following the engine and the services --------------------------------------------------

void ExtrasController::onWordShown()
{
    // A new word stops the reading of the one before.
    m_readAlong->stop();
    m_flash->wordShown();
    updateMenu();
}

void ExtrasController::onWordListLoaded(const QString &error)
{
    m_nothingFits = error.isEmpty() && m_practice->queue().isEmpty();
    const QStringList &queue = m_practice->queue();
    m_printable = std::any_of(queue.begin(), queue.end(), &WordPractice::isPrintable);
    updateMenu();
    showNoWordSign();
}

void ExtrasController::onMarkerLoaded()
{
    showCue();
    updateMenu();
    if (m_extras.isOn(Extra::AutomaticSyllables))
        emit redrawWord();
}

// Without a speech service or a German voice the entries and the button are disabled and
// say what is missing; a click never brings up a box. After a stall the button stays usable,
// saying why nothing was heard: a click tries again.
void ExtrasController::onSpeechReadiness()
{
    const Availability speech = needsMet(ExtraNeeds::Speech);
    m_speakerButton->setEnabled(speech.met || (m_speaker && m_speaker->hasStalled()));
    m_speakerButton->setToolTip(speech.met ? WindowTexts::speakerTooltip : speech.reason);
    updateMenu();
}

// ---- What the commands do -------------------------------------------------------------------

QString ExtrasController::drawnEntry(const QString &entry) const
{
    return m_extras.isOn(Extra::AutomaticSyllables) ? m_markerLoader->markEntry(entry) : entry;
}

QString ExtrasController::letterEntryPrompt() const
{
    if (!m_extras.isOn(Extra::SoundUnits))
        return WindowTexts::letterEntryPrompt;
    return WindowTexts::letterEntryPrompt + u'\r' + WindowTexts::letterEntryUnitsLine;
}

bool ExtrasController::canShowWordAgain() const
{
    return m_flash->isOn() && !m_practice->currentWord().isNull();
}

// The same word for the same time, the queue untouched.
void ExtrasController::showWordAgain()
{
    if (m_practice->currentWord().isNull())
        return;
    m_flash->wordShown();
    emit redrawWord();
}

void ExtrasController::prepareSpeech()
{
    if (m_speaker)
        m_speaker->prepare();
}

// The word as the child reads it, without the syllable marks; nothing when there is none.
void ExtrasController::readWord()
{
    m_readAlong->readWord(SyllableRuns::of(drawnEntry(m_practice->currentWord())));
}

// The syllables one after the other: the teacher's marks and blanks, or the automatic ones.
void ExtrasController::readSyllables()
{
    m_readAlong->readSyllables(SyllableRuns::of(drawnEntry(m_practice->currentWord())),
                               syllablePause);
}

// The words that pass the filter now, as the field would draw them; the queue stays as it is.
void ExtrasController::print(LessonPages::Kind kind)
{
    if (!m_printing)
        return;
    PrintedLesson lesson;
    for (const QString &word : m_practice->printedWords())
        lesson.words.append(SyllableRuns::syllablesOf(drawnEntry(word)));
    if (lesson.words.isEmpty()) // the list changed since its last load
        return;
    lesson.font = m_field->font();
    lesson.look = {{m_field->drawnColour(0), m_field->drawnColour(1)},
                   m_extras.isOn(Extra::SyllableArcs)};
    lesson.listName = m_practice->wordListFileName();
    lesson.letterSequence = m_practice->letterSequence();
    setCovered(true);
    const QString error =
        m_printing->show(m_window, LessonPages::printJob(kind, lesson, m_practice->folder()));
    if (!error.isEmpty())
        m_dialogs->warn(m_window, WindowTexts::windowCaption, error);
    setCovered(false);
}

// The list a teacher typed, a word a line when shown again. Abbrechen leaves it as it was.
void ExtrasController::editSightWords()
{
    setCovered(true);
    const std::optional<QString> typed =
        m_dialogs->editText(m_window, WindowTexts::sightWordsTitle, WindowTexts::sightWordsPrompt,
                            m_extras.list(Extra::SightWordList).join(u'\n'));
    setCovered(false);
    if (!typed)
        return;
    m_extras.setList(Extra::SightWordList, SightWords::fromText(*typed));
    changed();
}
