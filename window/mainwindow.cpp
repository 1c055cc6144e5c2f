#include "mainwindow.h"

#include "alphabeticalorder.h"
#include "band.h"
#include "buttonlabel.h"
#include "popuplist.h"
#include "settingsfile.h"
#include "syllablepalette.h"
#include "syllableruns.h"
#include "texts.h"
#include "twips.h"
#include "userdialogs.h"
#include "wordfield.h"
#include "wordlistfile.h"
#include "wordpractice.h"

#include <QCloseEvent>
#include <QScreen>
#include <QScrollBar>
#include <QTime>
#include <QWindow>

namespace {

QColor paletteColour(int index)
{
    const RgbColour colour = SyllablePalette::paletteColour(index);
    return QColor(colour.red, colour.green, colour.blue);
}

} // namespace

MainWindow::MainWindow(const Services &services, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_dialogs(services.dialogs), m_fontSource(services.fontSource), m_folder(services.folder),
      m_practice(new WordPractice(services.folder, this))
{
    Q_ASSERT(m_dialogs);
    buildControls();
    wireEvents();
    startUp();
}

// ---- Building -------------------------------------------------------------------------------

void MainWindow::buildControls()
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(Texts::windowCaption);
    setFixedSize(Twips::toPixels(LayoutTable::clientWidth),
                 Twips::toPixels(LayoutTable::clientHeight));
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(LayoutTable::windowBackground));
    setPalette(background);
    setAutoFillBackground(true);

    const ControlLayout &band = LayoutTable::control(u"Figur2");
    m_band = new Band(band.background.resolve(palette()), QColor(LayoutTable::bandOutline),
                      LayoutTable::bandOutlinePixels, this);
    m_band->setObjectName(band.name);
    m_band->setGeometry(band.pixelRect());

    m_exit = addLabel(QStringLiteral("Bezeichnung6"));
    m_fontsButton = addLabel(QStringLiteral("Bezeichnung5"));
    m_firstSwatch = addLabel(QStringLiteral("Bezeichnung9"));
    m_secondSwatch = addLabel(QStringLiteral("Bezeichnung10"));
    m_letterEntry = addLabel(QStringLiteral("Label1"));
    m_letterSequence = addLabel(QStringLiteral("abc"));
    m_orderMode = addLabel(QStringLiteral("Bezeichnung11"));
    m_filesButton = addLabel(QStringLiteral("Bezeichnung2"));
    m_narrow = addLabel(QStringLiteral("Label2"));
    m_medium = addLabel(QStringLiteral("Label3"));
    m_wide = addLabel(QStringLiteral("Label4"));
    m_fileName = addLabel(QStringLiteral("Bezeichnung1"));
    m_wordCount = addLabel(QStringLiteral("Bezeichnung7"));

    const ControlLayout &field = LayoutTable::control(u"farbfeld");
    m_field = new WordField(this);
    m_field->setObjectName(field.name);
    m_field->setGeometry(field.pixelRect());
    m_field->setFont(field.font());
    QPalette fieldColours = m_field->palette();
    fieldColours.setColor(QPalette::Base, field.background.resolve(palette()));
    m_field->setPalette(fieldColours);

    const ControlLayout &bar = LayoutTable::control(u"VBildlauf1");
    m_sizeBar = new QScrollBar(Qt::Vertical, this);
    m_sizeBar->setObjectName(bar.name);
    m_sizeBar->setGeometry(bar.pixelRect());
    m_sizeBar->setRange(LayoutTable::sizeBarMinimum, LayoutTable::sizeBarMaximum);
    m_sizeBar->setSingleStep(LayoutTable::sizeBarStep);
    m_sizeBar->setPageStep(LayoutTable::sizeBarStep);
    m_sizeBar->setValue(LayoutTable::sizeBarStart);
    m_sizeBar->setFocusPolicy(Qt::ClickFocus);
    m_sizeBar->setContextMenuPolicy(Qt::NoContextMenu); // the bar only sets the size
    m_sizeBar->setAccessibleName(Texts::sizeBarAccessibleName);

    m_fontList = addPopupList(QStringLiteral("Liste1"));
    m_fileList = addPopupList(QStringLiteral("Datei1"));

    // Later rows of the table lie in front of earlier ones.
    for (const ControlLayout &row : LayoutTable::controls())
        findChild<QWidget *>(row.name, Qt::FindDirectChildrenOnly)->raise();
}

ButtonLabel *MainWindow::addLabel(const QString &name)
{
    const ControlLayout &row = LayoutTable::control(name);
    auto *label = new ButtonLabel(this);
    label->setObjectName(row.name);
    label->setGeometry(row.pixelRect());
    label->setText(row.caption);
    label->setToolTip(row.tooltip);
    label->setColours(row.background.resolve(palette()), row.text.resolve(palette()));
    label->setFont(row.font());
    label->setBorder(row.border);
    label->setAlignment(row.alignment);
    return label;
}

PopupList *MainWindow::addPopupList(const QString &name)
{
    const ControlLayout &row = LayoutTable::control(name);
    auto *list = new PopupList(this);
    list->setObjectName(row.name);
    list->setGeometry(row.pixelRect());
    QPalette colours = list->palette();
    colours.setColor(QPalette::Base, row.background.resolve(palette()));
    colours.setColor(QPalette::Text, row.text.resolve(palette()));
    colours.setColor(QPalette::WindowText, Qt::black); // the frame line
    list->setPalette(colours);
    list->setFont(row.font());
    list->setFrameStyle(row.border ? QFrame::Box | QFrame::Plain : QFrame::NoFrame);
    list->setLineWidth(1);
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
        setFirstColour(SyllablePalette::nextSwatchIndex(m_firstColourIndex));
        drawColouredWord();
    });
    connect(m_secondSwatch, &ButtonLabel::clicked, this, [this] {
        setSecondColour(SyllablePalette::nextSwatchIndex(m_secondColourIndex));
        drawColouredWord();
    });
    connect(m_letterEntry, &ButtonLabel::clicked, this, &MainWindow::enterLetterSequence);
    connect(m_fontsButton, &ButtonLabel::clicked, this, [this] { toggleList(m_fontList); });
    connect(m_fontList, &PopupList::chosen, this, &MainWindow::chooseFont);
    // Thumb drags change the value too (tracking), so the word follows the drag.
    connect(m_sizeBar, &QScrollBar::valueChanged, this, &MainWindow::setFieldFontSize);
    connect(m_narrow, &ButtonLabel::clicked, this, [this] { setWidthMode(WidthMode::Narrow); });
    connect(m_medium, &ButtonLabel::clicked, this, [this] { setWidthMode(WidthMode::Medium); });
    connect(m_wide, &ButtonLabel::clicked, this, [this] { setWidthMode(WidthMode::Wide); });
    connect(m_filesButton, &ButtonLabel::clicked, this, [this] { toggleList(m_fileList); });
    connect(m_fileList, &PopupList::chosen, this, &MainWindow::chooseWordListFile);
}

// ---- Start-up, hint and exit ----------------------------------------------------------------

void MainWindow::startUp()
{
    centreOnScreen();
    fillFileList();
    fillFontList();
    loadSettings();
    showNextWord();
    // Seeded only now: the first word is always shown in the mode "nach A B C", which draws
    // no random numbers.
    m_practice->seedRandom(static_cast<quint32>(QTime::currentTime().msecsSinceStartOfDay()));

    const int outerWidth = Twips::fromPixels(width()) + 2 * LayoutTable::frameWidth;
    m_startupWindowWidth = QString::number(outerWidth);
    m_startupScreenWidth = QString::number(Twips::fromPixels(screen()->geometry().width()));
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
    // Every key press reaches the window before the focused control (key preview).
    windowHandle()->installEventFilter(this);
    // Not tied to activation: without a window manager the window may never be activated,
    // and the hint must still come exactly once.
    QMetaObject::invokeMethod(this, &MainWindow::greet, Qt::QueuedConnection);
}

void MainWindow::greet()
{
    setWidthMode(WidthMode::Narrow);
    m_dialogs->inform(this, Texts::hintTitle, Texts::hintText);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    // Any key, a modifier alone or an automatic repeat included, shows the next word first;
    // the focused control then handles it as usual. While a modal box is open the toolkit
    // delivers no key to this window, so the Enter that closes the hint shows no word.
    if (watched == windowHandle() && event->type() == QEvent::KeyPress && !m_ending)
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
    if (!m_dialogs->confirm(this, Texts::exitTitle, Texts::exitQuestion))
        return false;
    m_dialogs->inform(this, Texts::farewellTitle, Texts::farewellText);
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
    drawColouredWord();
    m_wordCount->setText(m_practice->wordCountText());
}

void MainWindow::drawColouredWord()
{
    // The syllable colours are those the swatches show at this moment.
    const QString word = m_practice->currentWord();
    m_field->drawColouredWord(SyllableRuns::of(word), m_firstSwatch->backgroundColour(),
                              m_secondSwatch->backgroundColour());
    // A screen reader speaks the word as the child reads it, without the syllable marks.
    QString spoken = word;
    m_field->setAccessibleName(spoken.remove(u'-'));
}

void MainWindow::onWordListLoaded(const QString &error)
{
    // A word list that cannot be read is told without a box, which would come up at every
    // key: the file name turns red and its tooltip says why.
    const ControlLayout &row = LayoutTable::control(u"Bezeichnung1");
    const QColor text = error.isEmpty() ? row.text.resolve(palette()) : QColor(Qt::red);
    m_fileName->setText(m_practice->wordListFileName());
    m_fileName->setColours(row.background.resolve(palette()), text);
    m_fileName->setToolTip(error);
}

void MainWindow::onQueueSorted()
{
    hideList(m_fontList);
    fillFontList();
}

void MainWindow::switchOrderMode()
{
    m_practice->switchOrderMode();
    m_orderMode->setText(m_practice->orderModeCaption());
}

void MainWindow::enterLetterSequence()
{
    const QString entered = m_dialogs->askText(
        this, Texts::letterEntryTitle, Texts::letterEntryPrompt, m_practice->letterSequence());
    m_practice->enterLetterSequence(entered);
    m_letterSequence->setText(m_practice->letterSequence());
}

// ---- Colours, font, size and width ----------------------------------------------------------

// The swatch shows the colour the index stands for; the word is redrawn by the caller.
void MainWindow::setFirstColour(int index)
{
    m_firstColourIndex = index;
    m_firstSwatch->setBackgroundColour(paletteColour(index));
}

void MainWindow::setSecondColour(int index)
{
    m_secondColourIndex = index;
    m_secondSwatch->setBackgroundColour(paletteColour(index));
}

void MainWindow::setFieldFontSize(int points)
{
    QFont font = m_field->font();
    font.setPointSize(points);
    m_field->setFont(font);
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
    // Only the top edge tells whether the chooser is open; refilling leaves it where it is.
    m_fontList->refill(FontCatalog::offeredFamilies(m_fontSource ? m_fontSource() : QStringList()));
}

void MainWindow::chooseFont(const QString &family)
{
    hideList(m_fontList);
    QFont font = m_field->font();
    font.setFamily(family);
    m_field->setFont(font);
    drawColouredWord();
}

// ---- Pop-up lists ---------------------------------------------------------------------------

bool MainWindow::isShown(const PopupList *list)
{
    return list->y() == Twips::toPixels(LayoutTable::shownTop);
}

void MainWindow::toggleList(PopupList *list)
{
    if (isShown(list))
        hideList(list);
    else
        list->move(list->x(), Twips::toPixels(LayoutTable::shownTop));
}

void MainWindow::hideList(PopupList *list)
{
    list->move(list->x(), Twips::toPixels(LayoutTable::hiddenTop));
    // A hidden list must not keep the keyboard focus: arrow keys would go on choosing word
    // lists or fonts out of sight. The focus returns to no control, as at start.
    if (focusWidget() == list)
        list->clearFocus();
}

// ---- Word-list files ------------------------------------------------------------------------

void MainWindow::fillFileList()
{
    // Read once: files created later are not offered.
    QStringList names = WordListFile::names(m_folder);
    AlphabeticalOrder().sort(names);
    m_fileList->refill(names);
}

void MainWindow::chooseWordListFile(const QString &listedName)
{
    hideList(m_fileList);
    m_practice->chooseWordListFile(listedName);
}

// ---- Settings -------------------------------------------------------------------------------

void MainWindow::loadSettings()
{
    const SettingsFile::ReadResult settings =
        SettingsFile::read(m_folder.filePath(Texts::settingsFile));
    m_practice->setLetterSequence(settings.letterSequence);
    m_letterSequence->setText(settings.letterSequence);
    setFirstColour(settings.firstColourIndex);
    setSecondColour(settings.secondColourIndex);
    // A different value runs the bar's handler, which sets the field's size.
    if (settings.fontSize)
        m_sizeBar->setValue(*settings.fontSize);
    QFont font = m_field->font();
    font.setFamily(settings.fontName);
    m_field->setFont(font);
}

void MainWindow::saveSettings()
{
    const QString sequence = SettingsFile::tidyLetterSequence(m_practice->letterSequence());
    m_practice->setLetterSequence(sequence);
    m_letterSequence->setText(sequence);

    const Settings settings{sequence, m_firstColourIndex, m_secondColourIndex, m_sizeBar->value(),
                            m_field->font().family()};
    const QString path = m_folder.filePath(Texts::settingsFile);
    const SettingsFile::WriteResult written = SettingsFile::write(path, settings);
    if (!written.ok)
        m_dialogs->warn(this, Texts::saveFailedTitle,
                        Texts::saveFailedText.arg(QDir::toNativeSeparators(path), written.error));
}
