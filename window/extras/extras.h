// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "extrastable.h"

#include <QMap>
#include <QStringList>

// The extras as the teacher set them. Every extra starts off, and with all of them off the
// program behaves exactly as it always did. "trabelo.ini" keeps them, never "silben.ini".
class Extras
{
public:
    // A switch's value is 1 when on; a choice's is its option's value. 0 is off for both.
    int value(Extra extra) const { return m_values.value(extra); }
    bool isOn(Extra extra) const { return value(extra) != 0; }
    void setValue(Extra extra, int value);

    QStringList list(Extra extra) const { return m_lists.value(extra); }
    void setList(Extra extra, const QStringList &list);

    // Every switch and choice off; the stored lists stay, so a teacher's typed list is never
    // lost.
    void switchAllOff() { m_values.clear(); }

    friend bool operator==(const Extras &, const Extras &) = default;

private:
    QMap<Extra, int> m_values;        // only those on
    QMap<Extra, QStringList> m_lists; // only those not empty
};
