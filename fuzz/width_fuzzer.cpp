// The width conversions. Each table routine gives what its rows give applied one after the
// other (the one-pass converter against the row-by-row procedure), calls eachRow once per row,
// and a half-width text converted to full width and back is itself again. The system mapping
// turns printable ASCII to full width and back unchanged, is idempotent, and maps in place as
// it maps a copy.
#include <fuzzer/FuzzedDataProvider.h>

#include <functional>
#include <span>

#include "FuzzText.h"
#include "convert/WidthMap.h"
#include "convert/WidthTables.h"
#include "convert/ZenHanUtil.h"

using namespace tavor;
using namespace tavor::zenHanUtil;
using tavor::fuzz::require;

namespace {

using Routine = void (*)(std::u16string&, const std::function<void()>&);

struct TableRoutines {
    std::span<const TableRow> rows;
    Routine toFull, toHalf;
};

const TableRoutines kTables[] = {
    {DigitTable, HanDigitToZen, ZenDigitToHan}, {NumTable, HanNumToZen, ZenNumToHan},
    {AlphaTable, HanAlphaToZen, ZenAlphaToHan}, {SymbolTable, HanSymbolToZen, ZenSymbolToHan},
    {KanaTable, HanKanaToZen, ZenKanaToHan},
};

std::u16string rowByRow(std::u16string s, std::span<const TableRow> rows, bool toFull) {
    for (const TableRow& row : rows) {
        const std::u16string_view from = toFull ? row.half : row.full;
        const std::u16string_view to = toFull ? row.full : row.half;
        for (std::size_t at = s.find(from); at != std::u16string::npos;
             at = s.find(from, at + to.size()))
            s.replace(at, from.size(), to);
    }
    return s;
}

bool holdsAnyFullForm(std::u16string_view s, std::span<const TableRow> rows) {
    for (const TableRow& row : rows)
        if (s.find_first_of(row.full) != std::u16string_view::npos)
            return true;
    return false;
}

void tableRoutineMatchesRows(const TableRoutines& t, const std::u16string& text, bool toFull) {
    std::u16string s = text;
    std::size_t rowsRun = 0;
    (toFull ? t.toFull : t.toHalf)(s, [&] { ++rowsRun; });
    require(s == rowByRow(text, t.rows, toFull), "a table converts as its rows one by one");
    require(rowsRun == t.rows.size(), "eachRow runs once per row");
}

void systemMapping(const std::u16string& text) {
    for (WidthForm to : {WidthForm::Full, WidthForm::Half}) {
        const std::u16string mapped = portableWidthMap(text, to);
        std::u16string inPlace = text;
        portableWidthMapInPlace(inPlace, to);
        require(inPlace == mapped, "mapping in place maps as a copy");
        require(portableWidthMap(mapped, to) == mapped, "the mapping is idempotent");
    }
    for (char16_t c : text)
        if (c < 0x20 || c > 0x7E)
            return;
    require(portableWidthMap(portableWidthMap(text, WidthForm::Full), WidthForm::Half) == text,
            "printable ASCII goes to full width and back unchanged");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    const std::u16string text = tavor::fuzz::takeText(data, 64);
    for (const TableRoutines& t : kTables) {
        tableRoutineMatchesRows(t, text, true);
        tableRoutineMatchesRows(t, text, false);
        if (holdsAnyFullForm(text, t.rows))
            continue;
        std::u16string s = text;
        t.toFull(s, {});
        t.toHalf(s, {});
        require(s == text, "half width to full and back is the text again");
    }
    systemMapping(text);
    std::u16string viaRoutine = text;
    StrToZen(viaRoutine);
    require(viaRoutine == portableWidthMap(text, WidthForm::Full), "StrToZen is the mapping");
    return 0;
}
