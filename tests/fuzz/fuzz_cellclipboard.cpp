// The clipboard paste parser. Whatever it reads, writing those cells back and reading them
// again gives the same rows, in ascending order.

#include "fuzzinput.h"

#include "framework/cellclipboard.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace Framework::CellClipboard;
    const QList<QList<Cell>> rows = parse(Fuzz::text(data, size));
    QList<Cell> cells;
    for (int i = 0; i < rows.size(); ++i) {
        Fuzz::require(!rows.at(i).isEmpty());
        Fuzz::require(i == 0 || rows.at(i - 1).first().row < rows.at(i).first().row);
        cells += rows.at(i);
    }
    Fuzz::require(parse(toText(cells)) == rows);
    return 0;
}
