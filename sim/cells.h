#pragma once

// Addresses of the unit's configuration memory. Pairs and groups are laid out X before Y and
// A before D; the "count" constants give the size of a block.
namespace Sim::Cell {

constexpr int BehaviourVersion = 1;
constexpr int OutputOnText = 3;       // X, Y
constexpr int OutputOffText = 5;      // X, Y
constexpr int StatusSmsText = 7;
constexpr int ProgrammingCode = 54;
constexpr int InputOnText = 64;       // A..D
constexpr int InputOffText = 68;      // A..D
constexpr int DtmfOn = 76;            // X, Y; stored in reverse order
constexpr int DtmfOff = 78;           // X, Y; stored in reverse order
constexpr int CreditUssd = 92;
constexpr int ServiceNumber = 108;    // 1, 2
constexpr int InputPhones = 111;      // 8 per input A..D
constexpr int InputPhoneCount = 8;
constexpr int OutputPhones = 143;     // 50 per output X, Y
constexpr int OutputPhoneCount = 50;
constexpr int RelayTime = 244;        // X, Y; seconds, 0 = permanent
constexpr int CallOnChange = 246;     // A..D
constexpr int Options = 258;          // 7 flags
constexpr int OptionCount = 7;
constexpr int CreditPeriod = 268;
constexpr int CreditLimit = 269;
constexpr int CreditPosition = 270;
constexpr int PhoneCounts = 273;      // 50 per output X, Y, row by row with OutputPhones
constexpr int PeripheralCode = 373;   // 16 entries, 12 in use
constexpr int PeripheralMode = 389;   // 16 entries, 12 in use
constexpr int PeripheralSlots = 16;
constexpr int PeripheralsInUse = 12;
constexpr int Last = 404;

} // namespace Sim::Cell
