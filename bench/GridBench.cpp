// The attribute grid tab on whole drawings, each command beside the bare cost of the same CAD
// calls on the simulated CAD; SortGridRows; the cell undo journal; and the shared exact sort
// order beside the literal exchange sort, with its peak memory.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <memory>
#include <new>
#include <random>
#include <string>
#include <vector>

#include "attrgrid/GridTab.h"
#include "base/ExchangeSortOrder.h"
#include "base/TextUtil.h"
#include "cadlink/Connection.h"
#include "cadlink/GetAttPrompt.h"
#include "cadlink/PositionOrder.h"
#include "cadlink/SimCadRig.h"
#include "grid/GridClipboardKeys.h"
#include "grid/GroupUndo.h"
#include "grid/SortGridRows.h"
#include "support/FakePlatform.h"
#include "texttab/Tavor.h"
#include "ui/StopSwitch.h"

// Heap bytes in use and their peak, for the sort's memory.
namespace {
std::atomic<long long> gHeapBytes{0}, gHeapPeak{0};

void* countedAlloc(std::size_t size) {
    auto* block = static_cast<std::size_t*>(std::malloc(size + 16));
    if (!block)
        throw std::bad_alloc();
    *block = size;
    const long long now = gHeapBytes += static_cast<long long>(size);
    long long peak = gHeapPeak.load();
    while (now > peak && !gHeapPeak.compare_exchange_weak(peak, now)) {
    }
    return reinterpret_cast<char*>(block) + 16;
}

void countedFree(void* p) noexcept {
    if (!p)
        return;
    auto* block = reinterpret_cast<std::size_t*>(static_cast<char*>(p) - 16);
    gHeapBytes -= static_cast<long long>(*block);
    std::free(block);
}
}  // namespace

void* operator new(std::size_t size) {
    return countedAlloc(size);
}
void* operator new[](std::size_t size) {
    return countedAlloc(size);
}
void operator delete(void* p) noexcept {
    countedFree(p);
}
void operator delete[](void* p) noexcept {
    countedFree(p);
}
void operator delete(void* p, std::size_t) noexcept {
    countedFree(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    countedFree(p);
}

namespace tavor {
namespace {

constexpr int kBlocks = 10000;
constexpr int kTags = 20;

std::u16string tagName(int t) {
    return u"T" + toU16(10 + t);
}

// 10,000 references of one block with 20 attributes, in rows of 100.
struct GridDrawing {
    GridDrawing() {
        auto& d = cad.cad->drawing();
        d.addLayer(u"IO");
        cad::sim::BlockRecord block{u"IO20", {}};
        std::u16string group = u"G";
        for (int t = 0; t < kTags; ++t) {
            block.entities.push_back({u"AcDbAttributeDefinition",
                                      tagName(t),
                                      u"項目" + toU16(t),
                                      {},
                                      {0, -4.0 * t, 0},
                                      {}});
            group += u"," + tagName(t);
        }
        d.defineBlock(block);
        for (int i = 0; i < kBlocks; ++i) {
            std::vector<std::pair<std::u16string, std::u16string>> values;
            for (int t = 0; t < kTags; ++t)
                values.emplace_back(tagName(t), u"V" + toU16(i) + u"-" + toU16(t));
            d.addInsert({u"IO20",
                         {100.0 * (i % 100), -90.0 * (i / 100), 0},
                         u"IO",
                         d.attributesOf(u"IO20", values)});
        }
        controls.ComboBox2.items = {group};
        controls.ComboBox2.itemIndex = 0;
    }

    test::FakePlatform platform;
    test::SimCadRig cad{test::SimCadRig::Content::Empty};
    StopSwitch stop;
    TStatusBar StatusBar1{u"StatusBar1", {150, 100}};
    GridTabControls controls;
    GridTab tab{controls, {platform, stop, StatusBar1}, cad.link, [] {}};
};

void BM_GridAcquisition(benchmark::State& state) {
    GridDrawing g;
    for (auto _ : state) {
        g.cad.picker.pickAllNext();
        g.tab.acquire();
        benchmark::DoNotOptimize(g.controls.attList.size());
    }
    state.counters["cells"] = static_cast<double>(g.controls.attList.size());
}

// The calls the acquisition makes, with nothing of the program's own.
void BM_GridAcquisitionBareCad(benchmark::State& state) {
    GridDrawing g;
    const std::u16string firstTag = tagName(0);
    for (auto _ : state) {
        std::shared_ptr<cad::Application> app;
        cad::ConnectToCad(g.cad.link, app);
        cad::PrepareCadForPicking(g.cad.link.desktop(), *app);
        const auto doc = app->GetActiveDocument();
        std::shared_ptr<cad::SelectionSet> set;
        cad::GetWorkSelectionSet(*doc, set);
        set->ClearSelectionSet();
        g.cad.picker.pickAllNext();
        set->SelectOnScreen({{cad::kFilterEntityType, u"INSERT"}, {cad::kFilterBlockName, u"*"}});
        const std::int32_t n = set->GetEntityCount();
        std::vector<cad::Handle> handles;
        for (std::int32_t i = 0; i < n; ++i) {
            const auto block = set->GetEntityByIndex(i)->AsBlockReference();
            benchmark::DoNotOptimize(block->GetHasAttributes());
            benchmark::DoNotOptimize(block->GetAttributes().front()->TagString());
            benchmark::DoNotOptimize(block->GetLayer());
            benchmark::DoNotOptimize(block->GetBlockInsertionPoint());
            handles.push_back(block->GetHandle());
            benchmark::DoNotOptimize(block->GetBlockName());
        }
        for (const auto& h : handles) {
            const auto block = doc->GetObjectByHandle(h)->AsBlockReference();
            benchmark::DoNotOptimize(block->GetHasAttributes());
            for (const auto& a : block->GetAttributes()) {
                benchmark::DoNotOptimize(a->TagString());
                benchmark::DoNotOptimize(a->GetAttributeText());
                benchmark::DoNotOptimize(a->GetAttributeInsertionPoint());
                benchmark::DoNotOptimize(a->GetLayer());
                benchmark::DoNotOptimize(a->GetHandle());
            }
        }
        for (int t = 0; t < kTags; ++t)
            benchmark::DoNotOptimize(cad::GetAttPrompt(*doc, u"IO20", tagName(t)));
        set->ClearSelectionSet();
        set->DeleteSelectionSet();
        cad::ReturnFromPicking(g.cad.link.desktop());
    }
}

void BM_GridUpdate(benchmark::State& state) {
    GridDrawing g;
    g.cad.picker.pickAllNext();
    g.tab.acquire();
    for (auto _ : state)
        g.tab.update();
}

void BM_GridUpdateBareCad(benchmark::State& state) {
    GridDrawing g;
    g.cad.picker.pickAllNext();
    g.tab.acquire();
    const GridState& grid = g.controls.StringGrid1;
    for (auto _ : state) {
        std::shared_ptr<cad::Application> app;
        cad::ConnectToCad(g.cad.link, app);
        cad::Desktop& desktop = g.cad.link.desktop();
        cad::ActivateCadWindow(desktop, cad::RestoreCadWindow(desktop, *app));
        const auto doc = app->GetActiveDocument();
        for (const nAtt& a : g.controls.attList) {
            const auto target = doc->GetObjectByHandle(a.sHnd)->AsAttributeReference();
            target->SetAttributeText(a.text);
            target->UpdateEntity();
        }
        benchmark::DoNotOptimize(grid.rowCount());
    }
}

// Rows of five columns: heavy ties in column 1 (text) and column 2 (numbers, some no number).
void fillSortGrid(GridState& grid, int rows) {
    std::mt19937 rng(5);
    grid.setColCount(5);
    grid.setRowCount(rows + 1);
    for (int r = 1; r <= rows; ++r) {
        grid.setCell(0, r, toU16(r));
        grid.setCell(1, r, u"KEY" + toU16(rng() % 500));
        const unsigned n = rng() % 1000;
        grid.setCell(2, r, n % 17 == 0 ? u"abc" : toU16(static_cast<long long>(n) - 300));
        for (int c = 3; c < 5; ++c)
            grid.setCell(c, r, u"x" + toU16(r));
        for (int c = 1; c < 5; ++c)
            grid.setLink(c, r, r * 4 + c);
    }
}

void BM_SortGridRows(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    const bool numeric = state.range(1) != 0;
    test::FakePlatform platform;
    GridState grid(5, 2, 1, 1);
    for (auto _ : state) {
        state.PauseTiming();
        fillSortGrid(grid, rows);
        state.ResumeTiming();
        SortGridRows(grid, numeric ? 2 : 1, numeric, platform);
    }
}

// A 20-column block pasted into 10,000 rows (200,000 cells), then Ctrl+Z of the whole group.
struct JournalBench {
    JournalBench() {
        for (int c = 0; c < 20; ++c)
            clip += u"p" + toU16(c) + (c == 19 ? u"\r\n" : u"\t");
        platform.clipboard = clip;
    }
    // The selection first: an undo leaves only its cell selected.
    void paste() {
        grid.setCurrent(1, 1);
        grid.setSelection({1, 1, 20, 10000});
        KeyCode key = vkV;
        GridClipboardKeys(GridEditTarget::of(grid, cells, count), platform, key, {.ctrl = true});
    }
    test::FakePlatform platform;
    GridState grid{21, 10001, 1, 1};
    TUndoCells cells;
    int count = 0;
    std::u16string clip;
};

void BM_JournalPaste(benchmark::State& state) {
    JournalBench j;
    for (auto _ : state) {
        j.paste();
        state.PauseTiming();
        j.cells.Clear();
        state.ResumeTiming();
    }
    state.counters["cells"] = j.count;
}

void BM_JournalUndoGroup(benchmark::State& state) {
    JournalBench j;
    for (auto _ : state) {
        state.PauseTiming();
        j.paste();
        state.ResumeTiming();
        GroupUndo(j.cells, j.grid, j.count);
    }
    state.counters["left"] = j.cells.Count();
}

// Text-tab records as an acquisition leaves them: rows of 100 that tie on Y.
TextList makeRecords(std::size_t n) {
    TextList list(n);
    for (std::size_t i = 0; i < n; ++i) {
        Tavor& t = list[i];
        t.sHnd = u"H" + toU16(static_cast<long long>(i));
        t.text = u"W" + toU16(static_cast<long long>(i));
        t.insPt = {10.0 * static_cast<double>(i % 100), -8.0 * static_cast<double>(i / 100), 0};
        t.index = static_cast<std::int32_t>(i);
    }
    std::shuffle(list.begin(), list.end(), std::mt19937(3));
    return list;
}

// The procedure as written: swap the whole records whenever a later one lies higher.
void literalSortByY(TextList& list) {
    for (std::size_t i = 0; i + 1 < list.size(); ++i)
        for (std::size_t j = i + 1; j < list.size(); ++j)
            if (list[i].insPt.y < list[j].insPt.y)
                std::swap(list[i], list[j]);
}

void BM_SortOrderLiteral(benchmark::State& state) {
    const TextList records = makeRecords(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        TextList list = records;
        state.ResumeTiming();
        literalSortByY(list);
        benchmark::DoNotOptimize(list.data());
    }
}

void BM_SortOrderFast(benchmark::State& state) {
    const std::size_t n = static_cast<std::size_t>(state.range(0));
    TextList records = makeRecords(n);
    long long listBytes = 0;
    long long extraPeak = 0;
    for (auto _ : state) {
        state.PauseTiming();
        TextList list = records;
        const long long before = gHeapBytes.load();
        gHeapPeak = before;
        listBytes = static_cast<long long>(list.capacity() * sizeof(Tavor));
        state.ResumeTiming();
        cad::SortByPosition(list, 1, referencePoint);
        state.PauseTiming();
        extraPeak = gHeapPeak.load() - before;
        state.ResumeTiming();
        benchmark::DoNotOptimize(list.data());
    }
    state.counters["peak/list"] =
        static_cast<double>(listBytes + extraPeak) / static_cast<double>(listBytes);
}

BENCHMARK(BM_GridAcquisition)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GridAcquisitionBareCad)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GridUpdate)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GridUpdateBareCad)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortGridRows)
    ->ArgsProduct({{10000, 100000}, {0, 1}})
    ->ArgNames({"rows", "numeric"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_JournalPaste)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_JournalUndoGroup)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortOrderLiteral)
    ->Arg(20000)
    ->Arg(50000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK(BM_SortOrderFast)
    ->Arg(20000)
    ->Arg(50000)
    ->Arg(200000)
    ->Arg(2000000)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tavor
