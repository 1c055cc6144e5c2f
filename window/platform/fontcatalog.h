// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

#include <functional>

// Which of the supported font families the font chooser offers.
class FontCatalog
{
public:
    // Gives the font family names of the system, repeats allowed, in the system's order.
    using Source = std::function<QStringList()>;

    // The eight families the chooser can offer, in the order they are compared.
    static const QStringList &supportedFamilies();

    // The font families the font configuration lists, each once, followed by each supported
    // name that is not installed but for which the configuration substitutes a
    // metric-compatible font with a strong binding (as "Liberation Sans" stands in for
    // "Arial"). A weak fallback, such as a general sans-serif font for "Verdana", does not
    // count. Looked up once per run, on a thread of its own.
    static QStringList systemFamilies();

    // Starts that lookup, so that reading the font configuration overlaps the rest of the
    // start-up; systemFamilies() then waits for the answer. Needs no application object;
    // further calls do nothing.
    static void prepareSystemFamilies();

    // Those of the families that are supported names, compared exactly (whole name, letter
    // case included), one entry per occurrence, in alphabetical order. A family that several
    // foundries supply is listed once per foundry, as "Arial [Monotype]": such an entry
    // names the family, and a family named with a foundry is offered once, however many
    // entries name it.
    static QStringList offeredFamilies(const QStringList &families);

    // The family an entry of the font database names: the entry without a foundry in
    // brackets at its end.
    static QString familyOf(const QString &entry);

private:
    // The answer of systemFamilies(), worked out on the lookup's own thread.
    static QStringList lookUpFamilies();
    static QStringList configuredFamilies();
    // Those of the supported families that have a strong substitute, in their order.
    static QStringList stronglySubstituted();
    static bool hasStrongSubstitute(const QString &family);
};
