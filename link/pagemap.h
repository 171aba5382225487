#pragma once

#include "rv23_config.h"

#include <QList>
#include <QString>

#include <array>

namespace Framework {
class Item;
}

namespace moduleRV_23 {

// How the items of the device pages meet the configuration record: which items a load fills
// and a save reads, and which record members the named controls stand for.
namespace PageMap {

// The pages under the top item, by their index.
enum Page { InputsPage, OutputsPage, SettingsPage, InformationsPage, EventsPage };

// The entries of a page: the children of its groups, in index order. A group or entry that
// carries a device command is left out with everything under it, and so is an item without a
// short name. On the Inputs and Outputs pages the entries are the controls themselves.
QList<Framework::Item*> entries(const Framework::Item* page);

// The controls of a Settings page entry: its children that have a short name.
QList<Framework::Item*> controls(const Framework::Item* entry);

// Writes the debug line of an item a load or save visits.
void logVisit(const Framework::Item* item);

// The position in letters of the letter that makes pattern ("leSMSOn%1") into name; -1 when
// no letter does.
int letterIndex(const QString& name, const QString& pattern, QLatin1String letters);

constexpr QLatin1String inputLetters("ABCD");
constexpr QLatin1String outputLetters("XY");

// The seven option check boxes of the Settings page, in the order of optionFlags().
const std::array<QString, 7>& optionNames();

// The twelve peripheral code fields of the Settings page and the slots they show.
struct PeripheralField
{
    QString name;
    QString RV23_Config::Peripherals::*slot;
};
const std::array<PeripheralField, 12>& peripheralFields();

} // namespace PageMap

} // namespace moduleRV_23
