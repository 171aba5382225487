#pragma once

#include "translatabletext.h"

#include <QStringList>

namespace moduleRV_23 {

class TsCatalogue;

// Brings catalogue in step with the ids in use: adds missing ones with their source texts,
// drops the ones no longer used, and marks a translation unfinished when its source text has
// changed. The Czech catalogue takes the page description's Czech texts as its translations
// (and follows them when they change, unless someone worded the translation differently);
// everything else starts untranslated.
void updateCatalogue(TsCatalogue* catalogue, const TranslatableTexts& texts);

// One line per id in use that lacks a finished translation in catalogue, or whose source text
// differs from the one in use; empty when the catalogue is complete.
QStringList catalogueProblems(const TsCatalogue& catalogue, const TranslatableTexts& texts);

// The ids of catalogue that nothing uses any more.
QStringList unusedIds(const TsCatalogue& catalogue, const TranslatableTexts& texts);

} // namespace moduleRV_23
