// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow.h"

#include "band.h"
#include "buttonlabel.h"
#include "extras/extrasfile.h"
#include "extras/extrasmenu.h"
#include "extras/flashreading.h"
#include "extras/speakerbutton.h"
#include "platform/x11windowframe.h"
#include "popuplist.h"
#include "settingsfile.h"
#include "speech/speaker.h"
#include "syllablepalette.h"
#include "syllableruns.h"
#include "texts.h"
#include "twips.h"
#include "userdialogs.h"
#include "windowtexts.h"
#include "wordfield.h"
#include "wordlistfile.h"
#include "wordpractice.h"

#include <QApplication>
#include <QCloseEvent>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTime>
#include <QWindow>

namespace {

QColor paletteColour(int index)
{
    const RgbColour colour = SyllablePalette::paletteColour(index);
    return QColor(colour.red, colour.green, colour.blue);
}

// Between two syllables read one after the other: long enough to hear them apart, short
// enough to still hear one word.
constexpr std::chrono::milliseconds syllablePause{350};

} // namespace

template <typename Box> auto MainWindow::withBox(Box box)
{
    m_flash->setCovered(true);
    const auto uncover = qScopeGuard([this] { m_flash->setCovered(false); });
    return box();
}

MainWindow::MainWindow(const Services &services, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_dialogs(services.dialogs), m_fontSource(services.fontSource),
      m_practice(new WordPractice(services.folder, this)),
      m_markerLoader(new SyllableMarkerLoader(services.markerSource, this)),
      m_speaker(services.speaker)
{
    Q_ASSERT(m_dialogs);
    buildControls();
    buildExtras();
    wireEvents();
    startUp();
}

// ---- Building -------------------------------------------------------------------------------

void MainWindow::buildControls()
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(WindowTexts::windowCaption);
    setFixedSize(Twips::toPixels(LayoutTable::clientWidth),
                 Twips::toPixels(LayoutTable::clientHeight));
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(LayoutTable::windowBackground));
    setPalette(background);
    setAutoFillBackground(true);

    const ControlLayout &band = LayoutTable::control(Control::Band);
    m_band = new Band(band.background.resolve(palette()), QColor(LayoutTable::bandOutline),
                      LayoutTable::bandOutlinePixels, this);
    m_band->setObjectName(band.objectName);
    m_band->setGeometry(band.pixelRect());

    m_exit = addLabel(Control::ExitButton);
    m_fontsButton = addLabel(Control::FontsButton);
    m_firstSwatch = addLabel(Control::FirstSwatch);
    m_secondSwatch = addLabel(Control::SecondSwatch);
    m_letterEntry = addLabel(Control::LetterEntryButton);
    m_letterSequence = addLabel(Control::LetterSequence);
    m_orderMode = addLabel(Control::OrderMode);
    m_filesButton = addLabel(Control::FilesButton);
    m_narrow = addLabel(Control::NarrowButton);
    m_medium = addLabel(Control::MediumButton);
    m_wide = addLabel(Control::WideButton);
    m_fileName = addLabel(Control::FileName);
    m_wordCount = addLabel(Control::WordCount);

    const ControlLayout &field = LayoutTable::control(Control::WordField);
    m_field = new WordField(this);
    m_field->setObjectName(field.objectName);
    m_field->setGeometry(field.pixelRect());
    m_field->setFont(field.font());
    QPalette fieldColours = m_field->palette();
    fieldColours.setColor(QPalette::Base, field.background.resolve(palette()));
    m_field->setPalette(fieldColours);

    const ControlLayout &bar = LayoutTable::control(Control::SizeBar);
    m_sizeBar = new QScrollBar(Qt::Vertical, this);
    m_sizeBar->setObjectName(bar.objectName);
    m_sizeBar->setGeometry(bar.pixelRect());
    m_sizeBar->setRange(Settings::minimumFontSize, Settings::maximumFontSize);
    m_sizeBar->setSingleStep(LayoutTable::sizeBarStep);
    m_sizeBar->setPageStep(LayoutTable::sizeBarStep);
    m_sizeBar->setValue(m_state.settings.fontSize);
    m_sizeBar->setFocusPolicy(Qt::ClickFocus);
    m_sizeBar->setContextMenuPolicy(Qt::NoContextMenu); // the bar only sets the size
    m_sizeBar->setAccessibleName(WindowTexts::sizeBarAccessibleName);

    m_fontList = addPopupList(Control::FontList);
    m_fileList = addPopupList(Control::FileList);
    m_extrasCue = addLabel(Control::ExtrasCue);
    m_extrasCue->hide(); // only while an extra is on
    m_speakerButton = new SpeakerButton(this);
    setUpLabel(m_speakerButton, Control::SpeakerButton);
    m_speakerButton->hide();

    // Later rows of the table lie in front of earlier ones.
    for (const ControlLayout &row : LayoutTable::controls())
        findChild<QWidget *>(row.objectName, Qt::FindDirectChildrenOnly)->raise();
}

ButtonLabel *MainWindow::addLabel(Control control)
{
    auto *label = new ButtonLabel(this);
    setUpLabel(label, control);
    return label;
}

void MainWindow::setUpLabel(ButtonLabel *label, Control control)
{
    const ControlLayout &row = LayoutTable::control(control);
    label->setObjectName(row.objectName);
    label->setGeometry(row.pixelRect());
    label->setText(row.caption);
    label->setToolTip(row.tooltip);
    label->setColours(row.background.resolve(palette()), row.text.resolve(palette()));
    label->setFont(row.font());
    label->setBorder(row.border);
    label->setAlignment(row.alignment);
}

PopupList *MainWindow::addPopupList(Control control)
{
    const ControlLayout &row = LayoutTable::control(control);
    auto *list = new PopupList(Twips::toPixels(LayoutTable::shownTop),
                               Twips::toPixels(LayoutTable::hiddenTop), this);
    list->setObjectName(row.objectName);
    list->setGeometry(row.pixelRect());
    QPalette colours = list->palette();
    colours.setColor(QPalette::Base, row.background.resolve(palette()));
    colours.setColor(QPalette::Text, row.text.resolve(palette()));
    colours.setColor(QPalette::WindowText, Qt::black); // the frame line
    list->setPalette(colours);
    list->setFont(row.font());
    list->setFramed(row.border);
    return list;
}

void MainWindow::wireEvents()
{
    connect(m_practice, &WordPractice::wordShown, this, &MainWindow::onWordShown);
    connect(m_practice, &WordPractice::wordListLoaded, this, &MainWindow::onWordListLoaded);
    connect(m_practice, &WordPractice::queueSorted, this, &MainWindow::onQueueSorted);

    connect(m_field, &WordField::clicked, this, &MainWindow::showNextWord);
    connect(m_exit, &ButtonLabel::clicked, this, &QWidget::close);
    connect(m_orderMode, &ButtonLabel::clicked, this, &MainWindow::switchOrderMode);
    connect(m_firstSwatch, &ButtonLabel::clicked, this, [this] {
        setFirstColour(SyllablePalette::nextSwatchIndex(m_state.settings.firstColourIndex));
    });
    connect(m_secondSwatch, &ButtonLabel::clicked, this, [this] {
        setSecondColour(SyllablePalette::nextSwatchIndex(m_state.settings.secondColourIndex));
    });
    connect(m_letterEntry, &ButtonLabel::clicked, this, &MainWindow::enterLetterSequence);
    connect(m_fontsButton, &ButtonLabel::clicked, m_fontList, &PopupList::toggle);
    connect(m_fontList, &PopupList::chosen, this, &MainWindow::chooseFont);
    // Thumb drags change the value too (tracking), so the word follows the drag.
    connect(m_sizeBar, &QScrollBar::valueChanged, this, &MainWindow::setFieldFontSize);
    connect(m_narrow, &ButtonLabel::clicked, this, [this] { setWidthMode(WidthMode::Narrow); });
    connect(m_medium, &ButtonLabel::clicked, this, [this] { setWidthMode(WidthMode::Medium); });
    connect(m_wide, &ButtonLabel::clicked, this, [this] { setWidthMode(WidthMode::Wide); });
    connect(m_filesButton, &ButtonLabel::clicked, m_fileList, &PopupList::toggle);
    connect(m_fileList, &PopupList::chosen, this, &MainWindow::chooseWordListFile);
}

// ---- Start-up, hint and exit ----------------------------------------------------------------

void MainWindow::startUp()
{
    centreOnScreen();
    fillFileList();
    fillFontList();
    loadSettings();
    loadExtras();
    showNextWord();
    // Seeded only now: the first word is always shown in the mode "nach A B C", which draws
    // no random numbers.
    m_practice->seedRandom(static_cast<quint32>(QTime::currentTime().msecsSinceStartOfDay()));
}

void MainWindow::centreOnScreen()
{
    // The frame is not known before the window is shown; it is taken as laid out.
    const int frame = Twips::toPixels(LayoutTable::frameWidth);
    const QSize outer = size() + QSize(2 * frame, 2 * frame);
    const QRect screenArea = screen()->geometry();
    move(screenArea.topLeft() + QPoint((screenArea.width() - outer.width()) / 2,
                                       (screenArea.height() - outer.height()) / 2));
}

void MainWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_shownBefore)
        return;
    m_shownBefore = true;
    // Created but not yet mapped: the last moment to ask for a frame and centre within it.
    X11WindowFrame::prepareFirstMap(this);
    // Every key press reaches the window before the focused control (key preview).
    windowHandle()->installEventFilter(this);
    QMetaObject::invokeMethod(this, &MainWindow::startExtrasWork, Qt::QueuedConnection);
    // Not tied to activation: without a window manager the window may never be activated,
    // and the hint must still come exactly once.
    QMetaObject::invokeMethod(this, &MainWindow::greet, Qt::QueuedConnection);
}

void MainWindow::greet()
{
    setWidthMode(WidthMode::Narrow);
    m_dialogs->inform(this, WindowTexts::hintTitle, WindowTexts::hintText);
    // The first word was drawn under the hint: its time in flash reading starts only now.
    m_flash->setCovered(false);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    // Any key, a modifier alone or an automatic repeat included, shows the next word first;
    // the focused control then handles it as usual. While a modal box is open the toolkit
    // delivers no key to this window, so the Enter that closes the hint shows no word.
    // While the extras menu is open its keys are the menu's: they choose entries, no word.
    if (watched == windowHandle() && event->type() == QEvent::KeyPress && !m_ending &&
        !QApplication::activePopupWidget())
        showNextWord();
    return QWidget::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // "X" and a close request of the window system (Alt+F4, a taskbar) take the same way
    // out: a child's stray Alt+F4 must not end the lesson unasked nor lose the settings.
    if (m_ending || runExitSequence())
        event->accept();
    else
        event->ignore();
}

bool MainWindow::runExitSequence()
{
    if (!withBox([this] {
            return m_dialogs->confirm(this, WindowTexts::exitTitle, WindowTexts::exitQuestion);
        }))
        return false;
    m_dialogs->inform(this, WindowTexts::farewellTitle, WindowTexts::farewellText);
    saveSettings();
    m_ending = true;
    return true;
}

// ---- Words and drawing ----------------------------------------------------------------------

void MainWindow::showNextWord()
{
    m_practice->showNextWord();
}

void MainWindow::onWordShown()
{
    // A new word stops the reading of the one before.
    if (m_speaker)
        m_speaker->stop();
    m_flash->wordShown();
    if (m_extrasMenu)
        m_extrasMenu->setShowAgainEnabled(canShowWordAgain());
    drawColouredWord();
    m_wordCount->setText(m_practice->wordCountText());
}

void MainWindow::drawColouredWord()
{
    // The syllable colours are those the swatches show at this moment.
    const QString word = m_practice->currentWord();
    m_field->setArcs(m_state.extras.syllableArcs);
    m_field->drawColouredWord(SyllableRuns::of(drawnEntry(word)), m_firstSwatch->backgroundColour(),
                              m_secondSwatch->backgroundColour());
    // A screen reader speaks the word as the child reads it, without the syllable marks.
    QString spoken = word;
    m_field->setAccessibleName(spoken.remove(u'-'));
}

void MainWindow::onWordListLoaded(const QString &error)
{
    // A word list that cannot be read is told without a box, which would come up at every
    // key: the file name turns red and its tooltip says why.
    const ControlLayout &row = LayoutTable::control(Control::FileName);
    const QColor text = error.isEmpty() ? row.text.resolve(palette()) : QColor(Qt::red);
    m_fileName->setText(m_practice->wordListFileName());
    m_fileName->setColours(row.background.resolve(palette()), text);
    m_fileName->setToolTip(error);
    // A list that was read but gave no entry for these letters.
    m_nothingFits = error.isEmpty() && m_practice->queue().isEmpty();
    showNoWordSign();
}

void MainWindow::onQueueSorted()
{
    // The sort once borrowed the sorted font chooser as its aid: every alphabetical load still
    // closes and refills it, as teachers know it.
    m_fontList->setOpen(false);
    fillFontList();
}

void MainWindow::switchOrderMode()
{
    m_practice->switchOrderMode();
    m_orderMode->setText(m_practice->orderModeCaption());
}

void MainWindow::enterLetterSequence()
{
    const QString entered = withBox([this] {
        return m_dialogs->askText(this, WindowTexts::letterEntryTitle,
                                  WindowTexts::letterEntryPrompt, m_state.settings.letterSequence);
    });
    // The engine decides what an entry means (nothing entered is "abc") and reloads the queue.
    m_practice->enterLetterSequence(entered);
    m_state.settings.letterSequence = m_practice->letterSequence();
    applyLetterSequence();
}

// ---- Colours, font, size and width ----------------------------------------------------------

void MainWindow::applyLetterSequence()
{
    m_practice->setLetterSequence(m_state.settings.letterSequence);
    m_letterSequence->setText(m_state.settings.letterSequence);
}

void MainWindow::applyColours()
{
    m_firstSwatch->setBackgroundColour(paletteColour(m_state.settings.firstColourIndex));
    m_secondSwatch->setBackgroundColour(paletteColour(m_state.settings.secondColourIndex));
}

void MainWindow::applyFont()
{
    QFont font = m_field->font();
    font.setFamily(m_state.settings.fontName);
    font.setPointSize(m_state.settings.fontSize);
    m_field->setFont(font);
    // The bar shows the size; only the teacher's own moves of it run its handler.
    const QSignalBlocker quiet(m_sizeBar);
    m_sizeBar->setValue(m_state.settings.fontSize);
}

void MainWindow::setFirstColour(int index)
{
    m_state.settings.firstColourIndex = index;
    applyColours();
    drawColouredWord();
}

void MainWindow::setSecondColour(int index)
{
    m_state.settings.secondColourIndex = index;
    applyColours();
    drawColouredWord();
}

void MainWindow::setFieldFontSize(int points)
{
    m_state.settings.fontSize = points;
    applyFont();
    drawColouredWord();
}

void MainWindow::chooseFont(const QString &family)
{
    m_fontList->setOpen(false);
    m_state.settings.fontName = family;
    applyFont();
    drawColouredWord();
}

void MainWindow::setWidthMode(WidthMode mode)
{
    const WidthLayout &layout = LayoutTable::width(mode);
    // The window grows and shrinks on its right: its left and top edges stay.
    const QPoint topLeft = pos();
    setFixedSize(Twips::toPixels(layout.clientWidth), height());
    if (pos() != topLeft)
        move(topLeft);
    m_band->resize(Twips::toPixels(layout.bandWidth), m_band->height());
    m_field->resize(Twips::toPixels(layout.fieldWidth), m_field->height());
    m_wordCount->move(Twips::toPixels(layout.countLeft), m_wordCount->y());
    drawColouredWord();
}

void MainWindow::fillFontList()
{
    m_fontList->refill(FontCatalog::offeredFamilies(m_fontSource ? m_fontSource() : QStringList()));
}

// ---- Word-list files ------------------------------------------------------------------------

void MainWindow::fillFileList()
{
    // Read once: files created later are not offered.
    m_fileList->refill(WordListFile::listFolder(m_practice->folder()));
}

void MainWindow::chooseWordListFile(const QString &listedName)
{
    m_fileList->setOpen(false);
    m_practice->chooseWordListFile(listedName);
}

// ---- Settings -------------------------------------------------------------------------------

QString MainWindow::settingsPath() const
{
    return m_practice->folder().filePath(Texts::settingsFile);
}

void MainWindow::loadSettings()
{
    const SettingsFile::ReadResult read = SettingsFile::read(settingsPath());
    const int keptSize = m_state.settings.fontSize;
    m_state.settings = read.settings;
    if (!read.hasFontSize())
        m_state.settings.fontSize = keptSize;
    applyLetterSequence();
    applyColours();
    applyFont();
}

void MainWindow::saveSettings()
{
    m_state.settings.letterSequence =
        SettingsFile::tidyLetterSequence(m_state.settings.letterSequence);
    applyLetterSequence();

    const QString path = settingsPath();
    const SettingsFile::WriteResult written = SettingsFile::write(path, m_state.settings);
    if (!written.ok)
        m_dialogs->warn(
            this, WindowTexts::saveFailedTitle,
            WindowTexts::saveFailedText.arg(QDir::toNativeSeparators(path), written.error));
}

// ---- Extras ---------------------------------------------------------------------------------

void MainWindow::buildExtras()
{
    m_field->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_field, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { extrasMenu()->popup(m_field->mapToGlobal(at)); });
    connect(m_markerLoader, &SyllableMarkerLoader::finished, this, &MainWindow::onMarkerLoaded);
    connect(m_speakerButton, &ButtonLabel::clicked, this, &MainWindow::readWord);
    if (m_speaker)
        connect(m_speaker, &Speaker::readinessChanged, this, &MainWindow::onSpeechReadiness);
    onSpeechReadiness();

    m_flash = new FlashReading(m_field, this);
    m_flash->setCovered(true); // until the hint has been closed
}

ExtrasMenu *MainWindow::extrasMenu()
{
    if (m_extrasMenu)
        return m_extrasMenu;
    m_extrasMenu = new ExtrasMenu(this);
    m_extrasMenu->setObjectName(QStringLiteral("extrasMenu"));
    connect(m_extrasMenu, &ExtrasMenu::extrasChanged, this, &MainWindow::chooseExtras);
    connect(m_extrasMenu, &ExtrasMenu::allExtrasOff, this, [this] { chooseExtras({}); });
    connect(m_extrasMenu, &ExtrasMenu::showWordAgain, this, &MainWindow::showWordAgain);
    connect(m_extrasMenu, &ExtrasMenu::readWord, this, &MainWindow::readWord);
    connect(m_extrasMenu, &ExtrasMenu::readSyllables, this, &MainWindow::readSyllables);
    // The speech service is asked for only when a teacher looks for its entries.
    connect(m_extrasMenu, &QMenu::aboutToShow, this, &MainWindow::prepareSpeech);
    // The menu shows the state as it stands now; later changes reach it as they happen.
    m_extrasMenu->showExtras(m_state.extras);
    m_extrasMenu->setShowAgainEnabled(canShowWordAgain());
    const QString patternsError = m_markerLoader->error();
    m_extrasMenu->setSyllablesAvailable(patternsError.isEmpty(), patternsError);
    onSpeechReadiness();
    return m_extrasMenu;
}

QString MainWindow::extrasPath() const
{
    return m_practice->folder().filePath(WindowTexts::extrasFile);
}

void MainWindow::loadExtras()
{
    m_state.extras = ExtrasFile::read(extrasPath());
    applyExtras();
}

// The teacher's choice takes effect at once and is written at once.
void MainWindow::chooseExtras(const Extras &extras)
{
    m_state.extras = extras;
    if (m_extrasMenu)
        m_extrasMenu->showExtras(extras);
    applyExtras();
    drawColouredWord();
    const QString path = extrasPath();
    const ExtrasFile::WriteResult written = ExtrasFile::write(path, extras);
    if (!written.ok)
        withBox([&] {
            m_dialogs->warn(this, WindowTexts::extrasSaveFailedTitle,
                            WindowTexts::extrasSaveFailedText.arg(QDir::toNativeSeparators(path),
                                                                  written.error));
        });
}

void MainWindow::applyExtras()
{
    const Extras &extras = m_state.extras;
    startExtrasWork();
    m_flash->setDuration(extras.flashDuration);
    if (m_speaker)
        m_speaker->setSlow(extras.slowSpeech);
    m_speakerButton->setVisible(extras.speakerButton);
    showNoWordSign();
    if (m_extrasMenu)
        m_extrasMenu->setShowAgainEnabled(canShowWordAgain());

    // The cue tells whoever sits down at the program that it does more than usual, and which
    // extras are on.
    QStringList on;
    const std::pair<bool, QString> named[] = {
        {extras.automaticSyllables, WindowTexts::automaticSyllablesEntry},
        {extras.syllableArcs, WindowTexts::syllableArcsEntry},
        {extras.flashDuration.count() > 0, WindowTexts::flashReadingMenu},
        {extras.slowSpeech, WindowTexts::slowSpeechEntry},
        {extras.speakerButton, WindowTexts::speakerButtonEntry},
        {extras.noWordSign, WindowTexts::noWordSignEntry},
    };
    for (const auto &[isOn, name] : named) {
        if (isOn)
            on << name;
    }
    m_extrasCue->setVisible(!on.isEmpty());
    m_extrasCue->setToolTip(WindowTexts::extrasCueTooltip.arg(on.join(u'\n')));
}

// Work that takes seconds (loading the patterns, connecting to the speech service) starts only
// once the window is up, on its own threads, so that an extra never delays the window.
void MainWindow::startExtrasWork()
{
    if (!m_shownBefore)
        return;
    if (m_state.extras.automaticSyllables)
        m_markerLoader->start();
    if (m_state.extras.speakerButton)
        prepareSpeech();
}

void MainWindow::onMarkerLoaded()
{
    const QString error = m_markerLoader->error();
    if (m_extrasMenu)
        m_extrasMenu->setSyllablesAvailable(error.isEmpty(), error);
    if (m_state.extras.automaticSyllables)
        drawColouredWord();
}

// The entry as drawn: with automatic syllables, an entry without the teacher's own marks gets
// school syllables (once the marker is loaded; until then it is drawn as written).
QString MainWindow::drawnEntry(const QString &word) const
{
    const SyllableMarker *marker = m_markerLoader->marker();
    return m_state.extras.automaticSyllables && marker ? marker->markEntry(word) : word;
}

// "Wort noch einmal zeigen" needs flash reading on and a word shown.
bool MainWindow::canShowWordAgain() const
{
    return m_flash->isOn() && !m_practice->currentWord().isNull();
}

void MainWindow::showWordAgain()
{
    if (m_practice->currentWord().isNull())
        return;
    m_flash->wordShown();
    drawColouredWord();
}

void MainWindow::prepareSpeech()
{
    if (m_speaker)
        m_speaker->prepare();
}

// Without a speech service or a German voice the entries and the button are disabled and
// say what is missing; a click never brings up a box.
void MainWindow::onSpeechReadiness()
{
    const bool ready = m_speaker && m_speaker->isReady();
    const QString reason = m_speaker ? m_speaker->reason() : WindowTexts::speechNotStarted;
    if (m_extrasMenu)
        m_extrasMenu->setSpeechAvailable(ready, reason);
    m_speakerButton->setEnabled(ready);
    m_speakerButton->setToolTip(ready ? WindowTexts::speakerTooltip : reason);
}

// The word as the child reads it, without the syllable marks; nothing when there is none.
void MainWindow::readWord()
{
    const QString word = m_practice->currentWord().remove(u'-').trimmed();
    if (m_speaker && !word.isEmpty())
        m_speaker->say({word}, {});
}

// The syllables one after the other: the teacher's marks and blanks, or the automatic ones.
void MainWindow::readSyllables()
{
    const QString drawn = drawnEntry(m_practice->currentWord());
    static const QRegularExpression marks(QStringLiteral("[- ]"));
    const QStringList syllables = drawn.split(marks, Qt::SkipEmptyParts);
    if (m_speaker && !syllables.isEmpty())
        m_speaker->say(syllables, syllablePause);
}

// While the extra is on, a load that found no entry for the letters colours the letter
// sequence and says why in its tooltip: a teacher who typed new letters sees that nothing fits
// rather than a program that seems stuck. An unreadable list has its own red sign instead.
void MainWindow::showNoWordSign()
{
    const ControlLayout &row = LayoutTable::control(Control::LetterSequence);
    const bool sign = m_state.extras.noWordSign && m_nothingFits;
    const QColor background =
        sign ? QColor(LayoutTable::noWordSignBackground) : row.background.resolve(palette());
    m_letterSequence->setColours(background, row.text.resolve(palette()));
    // The sequence the load filtered by; the window's own copy follows only after the load.
    m_letterSequence->setToolTip(sign ? WindowTexts::noWordFits.arg(m_practice->wordListFileName(),
                                                                    m_practice->letterSequence())
                                      : row.tooltip);
}
