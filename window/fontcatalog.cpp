// SPDX-License-Identifier: GPL-3.0-or-later
#include "fontcatalog.h"

#include "alphabeticalorder.h"

#include <QFontDatabase>

#include <fontconfig/fontconfig.h>

#include <memory>

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
    QStringList families = QFontDatabase::families();
    for (const QString &supported : supportedFamilies()) {
        if (!families.contains(supported) && hasStrongSubstitute(supported))
            families.append(supported);
    }
    return families;
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
