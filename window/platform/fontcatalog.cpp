// SPDX-License-Identifier: GPL-3.0-or-later
#include "fontcatalog.h"

#include "alphabeticalorder.h"

#include <fontconfig/fontconfig.h>

#include <future>
#include <memory>
#include <mutex>

using namespace Qt::StringLiterals;

namespace {

// Frees a font configuration object with its own function.
template <auto destroy> struct Destroyer
{
    void operator()(auto *object) const { destroy(object); }
};
using Pattern = std::unique_ptr<FcPattern, Destroyer<&FcPatternDestroy>>;
using FontSet = std::unique_ptr<FcFontSet, Destroyer<&FcFontSetDestroy>>;
using ObjectSet = std::unique_ptr<FcObjectSet, Destroyer<&FcObjectSetDestroy>>;

const FcChar8 *utf8(const QByteArray &bytes)
{
    return reinterpret_cast<const FcChar8 *>(bytes.constData());
}

QString fromUtf8(const FcChar8 *text)
{
    return QString::fromUtf8(reinterpret_cast<const char *>(text));
}

// The answer of the one lookup of the run. The font configuration is read once per run (the
// toolkit never reloads it), so the answer holds for the whole run: every refill of the font
// chooser offers exactly the entries a fresh lookup would give.
std::mutex lookupMutex;
std::shared_future<QStringList> familiesLookup; // guarded by lookupMutex

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
    {
        const std::lock_guard lock(lookupMutex);
        lookup = familiesLookup;
    }
    return lookup.get();
}

void FontCatalog::prepareSystemFamilies()
{
    const std::lock_guard lock(lookupMutex);
    if (familiesLookup.valid())
        return;
    familiesLookup = std::async(std::launch::async, &lookUpFamilies).share();
}

QStringList FontCatalog::lookUpFamilies()
{
    // At the program's own priority: the window waits for this answer. With both processors
    // busy, a lower priority (nice 10) left the lookup behind every other program and the
    // window mapped about 40 ms later.
    QStringList families = configuredFamilies();
    for (const QString &supported : stronglySubstituted()) {
        if (!families.contains(supported))
            families.append(supported);
    }
    return families;
}

QStringList FontCatalog::configuredFamilies()
{
    // Asked of the font configuration itself: the toolkit's font database would read every
    // font's details, which the window needs only once it draws.
    const Pattern all(FcPatternCreate());
    const ObjectSet familyOnly(FcObjectSetBuild(FC_FAMILY, nullptr));
    if (!all || !familyOnly)
        return {};
    const FontSet fonts(FcFontList(nullptr, all.get(), familyOnly.get()));
    QStringList families;
    for (int i = 0; fonts && i < fonts->nfont; ++i) {
        // The first name is the family's own. A further name that extends it is a subfamily
        // (as "DejaVu Sans Condensed"), which the toolkit lists as a family of its own; any
        // other is the family's name in another language, which it does not.
        FcChar8 *name = nullptr;
        if (FcPatternGetString(fonts->fonts[i], FC_FAMILY, 0, &name) != FcResultMatch)
            continue;
        const QString family = fromUtf8(name);
        families.append(family);
        for (int k = 1; FcPatternGetString(fonts->fonts[i], FC_FAMILY, k, &name) == FcResultMatch;
             ++k) {
            if (const QString other = fromUtf8(name); other.startsWith(family) && other != family)
                families.append(other);
        }
    }
    families.removeDuplicates();
    return families;
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
