// SPDX-License-Identifier: GPL-3.0-or-later
#include "extrasmenu.h"

#include "windowtexts.h"

#include <QActionGroup>

namespace {

QString flashCaption(Extras::Duration duration)
{
    switch (duration.count()) {
    case 300:
        return WindowTexts::flash300;
    case 500:
        return WindowTexts::flash500;
    case 1000:
        return WindowTexts::flash1000;
    case 2000:
        return WindowTexts::flash2000;
    default:
        return WindowTexts::flashOff;
    }
}

} // namespace

ExtrasMenu::ExtrasMenu(QWidget *parent) : QMenu(parent)
{
    // Disabled entries say what is missing in their tooltips.
    setToolTipsVisible(true);
    m_automaticSyllables = addSwitch(WindowTexts::automaticSyllablesEntry);
    m_syllableArcs = addSwitch(WindowTexts::syllableArcsEntry);
    addSeparator();
    addFlashChoices();
    m_showAgain = addCommand(WindowTexts::showWordAgainEntry, &ExtrasMenu::showWordAgain);
    addSeparator();
    m_readWord = addCommand(WindowTexts::readWordEntry, &ExtrasMenu::readWord);
    m_readSyllables = addCommand(WindowTexts::readSyllablesEntry, &ExtrasMenu::readSyllables);
    m_slowSpeech = addSwitch(WindowTexts::slowSpeechEntry);
    m_speakerButton = addSwitch(WindowTexts::speakerButtonEntry);
    addSeparator();
    m_noWordSign = addSwitch(WindowTexts::noWordSignEntry);
    addSeparator();
    addCommand(WindowTexts::allExtrasOffEntry, &ExtrasMenu::allExtrasOff);
    setShowAgainEnabled(false);
}

QAction *ExtrasMenu::addSwitch(const QString &caption)
{
    QAction *action = addAction(caption);
    action->setCheckable(true);
    // Only the teacher's own choice counts: triggered, unlike toggled, never comes from
    // showExtras.
    connect(action, &QAction::triggered, this, [this] { emit extrasChanged(chosenExtras()); });
    return action;
}

QAction *ExtrasMenu::addCommand(const QString &caption, void (ExtrasMenu::*signal)())
{
    QAction *action = addAction(caption);
    connect(action, &QAction::triggered, this, signal);
    return action;
}

void ExtrasMenu::addFlashChoices()
{
    QMenu *flash = addMenu(WindowTexts::flashReadingMenu);
    m_flash = new QActionGroup(this);
    m_flash->setExclusive(true);
    QList<Extras::Duration> choices{Extras::Duration(0)};
    for (const Extras::Duration duration : Extras::flashChoices)
        choices.append(duration);
    for (const Extras::Duration duration : choices) {
        QAction *action = flash->addAction(flashCaption(duration));
        action->setCheckable(true);
        action->setData(qlonglong(duration.count()));
        m_flash->addAction(action);
        connect(action, &QAction::triggered, this, [this] { emit extrasChanged(chosenExtras()); });
    }
}

void ExtrasMenu::showExtras(const Extras &extras)
{
    m_automaticSyllables->setChecked(extras.automaticSyllables);
    m_syllableArcs->setChecked(extras.syllableArcs);
    for (QAction *action : m_flash->actions())
        action->setChecked(action->data().toLongLong() == extras.flashDuration.count());
    m_slowSpeech->setChecked(extras.slowSpeech);
    m_speakerButton->setChecked(extras.speakerButton);
    m_noWordSign->setChecked(extras.noWordSign);
}

Extras ExtrasMenu::chosenExtras() const
{
    Extras extras;
    extras.automaticSyllables = m_automaticSyllables->isChecked();
    extras.syllableArcs = m_syllableArcs->isChecked();
    if (const QAction *chosen = m_flash->checkedAction())
        extras.flashDuration = Extras::Duration(chosen->data().toLongLong());
    extras.slowSpeech = m_slowSpeech->isChecked();
    extras.speakerButton = m_speakerButton->isChecked();
    extras.noWordSign = m_noWordSign->isChecked();
    return extras;
}

void ExtrasMenu::setAvailable(QAction *action, bool available, const QString &reason)
{
    action->setEnabled(available);
    action->setToolTip(available ? action->text() : reason);
}

void ExtrasMenu::setSyllablesAvailable(bool available, const QString &reason)
{
    setAvailable(m_automaticSyllables, available, reason);
}

void ExtrasMenu::setSpeechAvailable(bool available, const QString &reason)
{
    for (QAction *action : {m_readWord, m_readSyllables, m_slowSpeech, m_speakerButton})
        setAvailable(action, available, reason);
}

void ExtrasMenu::setShowAgainEnabled(bool enabled)
{
    m_showAgain->setEnabled(enabled);
}

QAction *ExtrasMenu::entry(const QString &caption) const
{
    const QList<QAction *> all = findChildren<QAction *>();
    for (QAction *action : all) {
        if (action->text() == caption)
            return action;
    }
    return nullptr;
}
