// SPDX-License-Identifier: GPL-3.0-or-later
#include "fontcatalog.h"

#include "alphabeticalorder.h"

#include <QFontDatabase>
#include <QGuiApplication>

#include <fontconfig/fontconfig.h>

#include <future>
#include <memory>
#include <mutex>

using namespace Qt::StringLiterals;

namespace {

struct PatternDeleter
{
    void operator()(FcPattern *pattern) const { FcPatternDestroy(pattern); }
};
using Pattern = std::unique_ptr<FcPattern, PatternDeleter>;

const FcChar8 *utf8(const QByteArray &bytes)
{
    return reinterpret_cast<const FcChar8 *>(bytes.constData());
}

// The answer of the one lookup of the run. The font configuration is read once per run (the
// toolkit never reloads it), so the answer holds for the whole run: every refill of the font
// chooser offers exactly the entries a fresh lookup would give.
std::mutex lookupMutex;
std::shared_future<QStringList> substituteLookup; // guarded by lookupMutex
// Fills the toolkit's font database ahead of the first question; systemFamilies() still asks
// the database at every call.
std::shared_future<void> databaseFill; // guarded by lookupMutex

} // namespace

const QStringList &FontCatalog::supportedFamilies()
{
    static const QStringList families = {
        u"Arial"_s,      u"Comic Sans MS"_s, u"Courier New"_s, u"Verdana"_s,
        u"AAA Schule"_s, u"Fibel Sued"_s,    u"Fibel Nord"_s,  u"Druckschrift BY KAV"_s,
    };
    return families;
}

QStringList FontCatalog::systemFamilies()
{
    prepareSystemFamilies();
    std::shared_future<QStringList> lookup;
    std::shared_future<void> fill;
    {
        const std::lock_guard lock(lookupMutex);
        lookup = substituteLookup;
        fill = databaseFill;
    }
    // Waited for before the font database is asked, which would read the configuration too.
    const QStringList substituted = lookup.get();
    if (fill.valid())
        fill.wait();
    QStringList families = QFontDatabase::families();
    for (const QString &supported : substituted) {
        if (!families.contains(supported))
            families.append(supported);
    }
    return families;
}

void FontCatalog::prepareSystemFamilies()
{
    const std::lock_guard lock(lookupMutex);
    if (!substituteLookup.valid()) {
        substituteLookup = std::async(std::launch::async, [] {
                               // The chooser is sorted by the locale's collation: opening it
                               // here takes its loading off the window's start, and the word
                               // lists' sorts find it open too.
                               QStringList one = {u"a"_s};
                               AlphabeticalOrder().sort(one);
                               return stronglySubstituted();
                           }).share();
    }
    if (!databaseFill.valid() && qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        databaseFill = std::async(std::launch::async, [lookup = substituteLookup] {
                           lookup.wait(); // the configuration is read once, by the lookup
                           QFontDatabase::families();
                       }).share();
    }
}

QStringList FontCatalog::stronglySubstituted()
{
    QStringList substituted;
    for (const QString &supported : supportedFamilies()) {
        if (hasStrongSubstitute(supported))
            substituted.append(supported);
    }
    return substituted;
}

bool FontCatalog::hasStrongSubstitute(const QString &family)
{
    const QByteArray name = family.toUtf8();
    Pattern pattern(FcPatternCreate());
    if (!pattern || !FcPatternAddString(pattern.get(), FC_FAMILY, utf8(name)))
        return false;
    if (!FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern))
        return false;
    FcDefaultSubstitute(pattern.get());

    FcResult result = FcResultNoMatch;
    const Pattern match(FcFontMatch(nullptr, pattern.get(), &result));
    FcChar8 *matched = nullptr;
    if (!match || FcPatternGetString(match.get(), FC_FAMILY, 0, &matched) != FcResultMatch)
        return false;
    if (FcStrCmpIgnoreCase(matched, utf8(name)) == 0)
        return false; // the family itself, which the font database already lists

    // The substitution lists the family's stand-ins, each with the binding its rule gave it;
    // only a strong one promises the same metrics.
    FcValue value;
    FcValueBinding binding = FcValueBindingWeak;
    for (int i = 0;
         FcPatternGetWithBinding(pattern.get(), FC_FAMILY, i, &value, &binding) == FcResultMatch;
         ++i) {
        if (value.type == FcTypeString && FcStrCmpIgnoreCase(value.u.s, matched) == 0)
            return binding == FcValueBindingStrong;
    }
    return false;
}

QStringList FontCatalog::offeredFamilies(const QStringList &families)
{
    QStringList withFoundry;
    for (const QString &entry : families) {
        if (const QString family = familyOf(entry); family != entry)
            withFoundry.append(family);
    }
    QStringList offered;
    for (const QString &entry : families) {
        const QString family = familyOf(entry);
        if (!supportedFamilies().contains(family, Qt::CaseSensitive))
            continue;
        if (withFoundry.contains(family) && offered.contains(family))
            continue;
        offered.append(family);
    }
    AlphabeticalOrder().sort(offered);
    return offered;
}

QString FontCatalog::familyOf(const QString &entry)
{
    // As the font database writes it: the family, a blank, the foundry in brackets.
    const qsizetype open = entry.lastIndexOf(u" ["_s);
    if (open <= 0 || !entry.endsWith(u']'))
        return entry;
    return entry.left(open);
}
