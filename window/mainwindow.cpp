// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow.h"

#include "band.h"
#include "buttonlabel.h"
#include "extras/extrascontroller.h"
#include "platform/x11windowframe.h"
#include "popuplist.h"
#include "settingsfile.h"
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

} // namespace

template <typename Box> auto MainWindow::withBox(Box box)
{
    m_extras->setCovered(true);
    const auto uncover = qScopeGuard([this] { m_extras->setCovered(false); });
    return box();
}

MainWindow::MainWindow(const Services &services, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_dialogs(services.dialogs), m_fontSource(services.fontSource),
      m_practice(new WordPractice(services.folder, this))
{
    Q_ASSERT(m_dialogs);
    buildControls(services);
    wireEvents();
    startUp();
}

// ---- Building -------------------------------------------------------------------------------

void MainWindow::buildControls(const Services &services)
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
    m_sizeBar->setValue(m_shown.fontSize);
    m_sizeBar->setFocusPolicy(Qt::ClickFocus);
    m_sizeBar->setContextMenuPolicy(Qt::NoContextMenu); // the bar only sets the size
    m_sizeBar->setAccessibleName(WindowTexts::sizeBarAccessibleName);

    m_fontList = addPopupList(Control::FontList);
    m_fileList = addPopupList(Control::FileList);
    // The extras lay out their own controls.
    m_extras = new ExtrasController({services.dialogs, services.markerSource, services.speaker,
                                     services.keptMarkerSource, services.printing},
                                    m_practice, m_field, this);

    // Later rows of the table lie in front of earlier ones.
    for (const ControlLayout &row : LayoutTable::controls())
        findChild<QWidget *>(row.objectName, Qt::FindDirectChildrenOnly)->raise();
}

ButtonLabel *MainWindow::addLabel(Control control)
{
    auto *label = new ButtonLabel(this);
    label->layOut(LayoutTable::control(control));
    return label;
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
    connect(m_extras, &ExtrasController::redrawWord, this, &MainWindow::drawColouredWord);
    connect(m_extras, &ExtrasController::noWordSign, this, &MainWindow::showNoWordSign);

    connect(m_field, &WordField::clicked, m_practice, &WordPractice::showNextWord);
    connect(m_exit, &ButtonLabel::clicked, this, &QWidget::close);
    connect(m_orderMode, &ButtonLabel::clicked, this, &MainWindow::switchOrderMode);
    connect(m_firstSwatch, &ButtonLabel::clicked, this, [this] {
        setColourIndex(m_shown.firstColourIndex,
                       SyllablePalette::nextSwatchIndex(m_shown.firstColourIndex));
    });
    connect(m_secondSwatch, &ButtonLabel::clicked, this, [this] {
        setColourIndex(m_shown.secondColourIndex,
                       SyllablePalette::nextSwatchIndex(m_shown.secondColourIndex));
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
    m_extras->load();
    m_practice->showNextWord();
    // Seeded only now: the first word is always shown in the mode "nach A B C", which draws
    // no random numbers.
    m_practice->seedRandom(static_cast<quint32>(QTime::currentTime().msecsSinceStartOfDay()));
}

void MainWindow::centreOnScreen()
{
    // The frame is not known before the window is shown; it is taken as laid out, and the
    // window is placed as a window system places a frame (the toolkit then adds its size).
    const int frame = Twips::toPixels(LayoutTable::frameWidth);
    move(X11WindowFrame::centredFramePosition(screen()->geometry(), size(),
                                              QMargins(frame, frame, frame, frame)));
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
    QMetaObject::invokeMethod(m_extras, &ExtrasController::windowShown, Qt::QueuedConnection);
    // Not tied to activation: without a window manager the window may never be activated,
    // and the hint must still come exactly once.
    QMetaObject::invokeMethod(this, &MainWindow::greet, Qt::QueuedConnection);
}

void MainWindow::greet()
{
    setWidthMode(WidthMode::Narrow);
    m_dialogs->inform(this, WindowTexts::hintTitle, WindowTexts::hintText);
    // The first word was drawn under the hint: its time in flash reading starts only now.
    m_extras->setCovered(false);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    // Any key, a modifier alone or an automatic repeat included, shows the next word first;
    // the focused control then handles it as usual. While a modal box is open the toolkit
    // delivers no key to this window, so the Enter that closes the hint shows no word.
    // While the extras menu is open its keys are the menu's: they choose entries, no word.
    if (watched == windowHandle() && event->type() == QEvent::KeyPress && !m_ending &&
        !QApplication::activePopupWidget())
        m_practice->showNextWord();
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

void MainWindow::onWordShown()
{
    drawColouredWord();
    m_wordCount->setText(m_practice->wordCountText());
}

void MainWindow::drawColouredWord()
{
    // The syllable colours are those the swatches show at this moment.
    const QString word = m_practice->currentWord();
    m_field->drawColouredWord(SyllableRuns::of(m_extras->drawnEntry(word)),
                              m_firstSwatch->backgroundColour(),
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
}

void MainWindow::onQueueSorted()
{
    // The sort once borrowed the sorted font chooser as its aid: every alphabetical load still
    // closes and refills it, as teachers know it.
    m_fontList->setOpen(false);
    fillFontList();
}

// The letter sequence turns amber and its tooltip says why, while the extras ask for it.
void MainWindow::showNoWordSign(const QString &reason)
{
    const ControlLayout &row = LayoutTable::control(Control::LetterSequence);
    const QColor background = reason.isEmpty() ? row.background.resolve(palette())
                                               : QColor(LayoutTable::noWordSignBackground);
    m_letterSequence->setColours(background, row.text.resolve(palette()));
    m_letterSequence->setToolTip(reason.isEmpty() ? row.tooltip : reason);
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
                                  WindowTexts::letterEntryPrompt, m_practice->letterSequence());
    });
    // The engine decides what an entry means (nothing entered is "abc") and reloads the queue.
    m_practice->enterLetterSequence(entered);
    showLetterSequence();
}

// ---- Colours, font, size and width ----------------------------------------------------------

void MainWindow::showLetterSequence()
{
    m_letterSequence->setText(m_practice->letterSequence());
}

void MainWindow::showColours()
{
    m_firstSwatch->setBackgroundColour(paletteColour(m_shown.firstColourIndex));
    m_secondSwatch->setBackgroundColour(paletteColour(m_shown.secondColourIndex));
}

void MainWindow::showFont()
{
    QFont font = m_field->font();
    font.setFamily(m_shown.fontName);
    font.setPointSize(m_shown.fontSize);
    m_field->setFont(font);
    // The bar shows the size; only the teacher's own moves of it run its handler.
    const QSignalBlocker quiet(m_sizeBar);
    m_sizeBar->setValue(m_shown.fontSize);
}

void MainWindow::setColourIndex(int &index, int value)
{
    index = value;
    showColours();
    drawColouredWord();
}

void MainWindow::setFieldFontSize(int points)
{
    m_shown.fontSize = points;
    showFont();
    drawColouredWord();
}

void MainWindow::chooseFont(const QString &family)
{
    m_fontList->setOpen(false);
    m_shown.fontName = family;
    showFont();
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
    const int keptSize = m_shown.fontSize;
    m_shown = ShownState::of(read.settings);
    if (!read.hasFontSize())
        m_shown.fontSize = keptSize;
    m_practice->setLetterSequence(read.settings.letterSequence);
    showLetterSequence();
    showColours();
    showFont();
}

// The letter sequence as the engine holds it, tidied as the file keeps it, and the window's
// own settings.
void MainWindow::saveSettings()
{
    m_practice->setLetterSequence(SettingsFile::tidyLetterSequence(m_practice->letterSequence()));
    showLetterSequence();

    const QString path = settingsPath();
    const SettingsFile::WriteResult written =
        SettingsFile::write(path, m_shown.withLetterSequence(m_practice->letterSequence()));
    if (!written.ok)
        m_dialogs->warn(
            this, WindowTexts::saveFailedTitle,
            WindowTexts::saveFailedText.arg(QDir::toNativeSeparators(path), written.error));
}
