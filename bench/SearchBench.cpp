// The search tab on a drawing of 200,000 TEXTs on 20 layers (3 locked), each command beside the
// bare cost of the same CAD calls on the simulated CAD: the program's own work is the
// difference. The sort is measured alone, and beside the literal exchange sort on fewer hits.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "base/TextUtil.h"
#include "cadlink/Connection.h"
#include "search/SearchPattern.h"
#include "search/SortHitsByText.h"
#include "shell/MainFormRig.h"

namespace tavor {
namespace {

constexpr int kTexts = 200000, kLayers = 20, kLockedLayers = 3;
constexpr int kChangedRows = 10000;

// Every second text is a wire number "W…" (100,000 hits for "W", many of them equal); the others
// are plain numbers that the search passes over.
void fillDrawing(cad::sim::Drawing& d) {
    for (int l = 0; l < kLayers; ++l)
        d.addLayer(u"L" + toU16(l), l < kLockedLayers);
    for (int i = 0; i < kTexts; ++i) {
        const std::u16string s = i % 2 == 0 ? u"W" + toU16((i * 7919LL) % 30000) : toU16(i);
        d.addText({s, {10.0 * (i % 400), -8.0 * (i / 400), 0}, u"L" + toU16(i % kLayers)});
    }
}

struct Bench {
    Bench() {
        fillDrawing(rig.cad.cad->drawing());
        rig.form.PageControl1.activePageIndex = 2;
        rig.form.CheckBox3.checked = false;
        rig.form.Edit3.text = u"W";
    }
    test::MainFormRig rig;
};

void BM_Search(benchmark::State& state) {
    Bench b;
    for (auto _ : state) {
        b.rig.form.SpeedButton14Click();
        benchmark::DoNotOptimize(b.rig.form.hitList.size());
    }
    state.counters["hits"] = static_cast<double>(b.rig.form.hitList.size());
}

// The calls the search makes, with nothing of the program's own.
void BM_SearchBareCad(benchmark::State& state) {
    Bench b;
    std::size_t hits = 0;
    for (auto _ : state) {
        std::shared_ptr<cad::Application> app;
        cad::ConnectToCad(b.rig.link, app);
        const auto doc = app->GetActiveDocument();
        const auto layers = doc->GetLayers();
        for (std::int32_t i = 0; i < layers->Count(); ++i) {
            const auto layer = layers->Item(i);
            if (layer->Lock())
                benchmark::DoNotOptimize(layer->Name());
        }
        std::shared_ptr<cad::SelectionSet> set;
        cad::GetWorkSelectionSet(*doc, set);
        set->ClearSelectionSet();
        set->SelectByMode(cad::kSelectAll, {}, {}, searchFilter(searchPattern(u"W", false)));
        const std::int32_t n = set->GetEntityCount();
        for (std::int32_t i = 0; i < n; ++i) {
            const auto text = set->GetEntityByIndex(i)->AsText();
            benchmark::DoNotOptimize(text->GetTextString());
            benchmark::DoNotOptimize(text->GetHandle());
            benchmark::DoNotOptimize(text->GetInsertionPoint());
            benchmark::DoNotOptimize(text->GetLayer());
        }
        hits = static_cast<std::size_t>(n);
        set->ClearSelectionSet();
        set->DeleteSelectionSet();
    }
    state.counters["hits"] = static_cast<double>(hits);
}

// The hits of the search, in selection order, as the sort receives them.
HitList searchedHits(std::size_t count) {
    Bench b;
    b.rig.form.SpeedButton14Click();
    HitList hits = b.rig.form.hitList;
    std::sort(hits.begin(), hits.end(),
              [](const Tavor2& a, const Tavor2& c) { return a.index < c.index; });
    hits.resize(std::min(count, hits.size()));
    return hits;
}

void BM_SortHitsByText(benchmark::State& state) {
    const HitList hits = searchedHits(static_cast<std::size_t>(state.range(0)));
    test::FakePlatform platform;
    TLabel label{u"Label6"};
    for (auto _ : state) {
        state.PauseTiming();
        HitList sorted = hits;
        state.ResumeTiming();
        SortHitsByText(sorted, label, platform);
        benchmark::DoNotOptimize(sorted.data());
    }
    state.counters["hits"] = static_cast<double>(hits.size());
}

// The exchange sort as written out, for scale: quadratic, so on a tenth of the hits only.
void BM_LiteralExchangeSort(benchmark::State& state) {
    const HitList hits = searchedHits(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        HitList sorted = hits;
        state.ResumeTiming();
        for (std::size_t i = 0; i + 1 < sorted.size(); ++i)
            for (std::size_t j = i + 1; j < sorted.size(); ++j)
                if (sorted[i].text > sorted[j].text)
                    std::swap(sorted[i], sorted[j]);
        benchmark::DoNotOptimize(sorted.data());
    }
    state.counters["hits"] = static_cast<double>(hits.size());
}

// The search done; every fifth row on an unlocked layer edited, 10,000 rows in all. Each round
// edits them anew, so that every update has 10,000 changed rows to write.
struct UpdateBench : Bench {
    UpdateBench() {
        rig.form.SpeedButton14Click();
        const int rowCount = rig.form.StringGrid2.rowCount();
        for (int row = 0; row < rowCount && static_cast<int>(rows.size()) < kChangedRows; row += 5)
            if (!rig.form.hitList[static_cast<std::size_t>(row)].locked)
                rows.push_back(row);
    }
    void editRows(int round) {
        for (const int row : rows)
            rig.form.StringGrid2.setCell(0, row, u"E" + toU16(round) + u"-" + toU16(row));
    }
    std::vector<int> rows;
};

void BM_BulkUpdate(benchmark::State& state) {
    UpdateBench b;
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        b.editRows(++round);
        state.ResumeTiming();
        b.rig.form.SpeedButton15Click();
    }
    state.counters["rows"] = static_cast<double>(b.rows.size());
    // 1 when the last round wrote every row it tried.
    state.counters["allWritten"] =
        b.rig.platform.lastMessageText() == u"10000 / 10000 個の TEXT を更新しました．";
}

// The calls the bulk update makes for the same rows.
void BM_BulkUpdateBareCad(benchmark::State& state) {
    UpdateBench b;
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        b.editRows(++round);
        state.ResumeTiming();
        std::shared_ptr<cad::Application> app;
        cad::ConnectToCad(b.rig.link, app);
        cad::RestoreCadWindow(b.rig.cad.desktop, *app);
        const auto doc = app->GetActiveDocument();
        doc->BeginBulkUpdate();
        for (const int row : b.rows) {
            const Tavor2& hit = b.rig.form.hitList[static_cast<std::size_t>(row)];
            const auto text = doc->GetObjectByHandle(hit.sHnd)->AsText();
            text->SetTextString(b.rig.form.StringGrid2.cell(0, row));
            text->UpdateEntity();
            benchmark::DoNotOptimize(text->GetInsertionPoint());
        }
    }
    state.counters["rows"] = static_cast<double>(b.rows.size());
}

BENCHMARK(BM_Search)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchBareCad)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortHitsByText)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortHitsByText)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LiteralExchangeSort)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_BulkUpdate)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BulkUpdateBareCad)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tavor
