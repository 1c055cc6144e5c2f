// SPDX-License-Identifier: GPL-3.0-or-later
#include "extras.h"

void Extras::setValue(Extra extra, int value)
{
    if (value == 0)
        m_values.remove(extra);
    else
        m_values.insert(extra, value);
}

void Extras::setList(Extra extra, const QStringList &list)
{
    if (list.isEmpty())
        m_lists.remove(extra);
    else
        m_lists.insert(extra, list);
}
