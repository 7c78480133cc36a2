// "検索": every TEXT of the drawing that matches the pattern becomes a hit in StringGrid2.
#include <algorithm>

#include "base/TextUtil.h"
#include "cadlink/CadError.h"
#include "cadlink/Connection.h"
#include "cadlink/LockedLayers.h"
#include "cadlink/WorkSetPick.h"
#include "search/SearchPattern.h"
#include "search/SearchTab.h"
#include "search/SortHitsByText.h"
#include "ui/StopSwitch.h"

namespace tavor {

namespace {

constexpr char16_t kStopCaption[] = u"中止";
constexpr char16_t kSearchCaption[] = u"検索";
constexpr char16_t kNoPatternCaption[] = u"検索 (部分一致)";

// However the button's press ends, the button reads "検索" again and takes clicks (the stop
// switch disables the button it was armed with), and Edit3 takes input.
class IdleOnExit {
public:
    explicit IdleOnExit(SearchTabControls& c) : c_(c) {}
    ~IdleOnExit() {
        c_.SpeedButton14.caption = kSearchCaption;
        c_.SpeedButton14.enabled = true;
        c_.Edit3.enabled = true;
    }
    IdleOnExit(const IdleOnExit&) = delete;
    IdleOnExit& operator=(const IdleOnExit&) = delete;

private:
    SearchTabControls& c_;
};

// However the reading ends: the CAD is activated again (one Escape cancels what the selection
// left running), then the program's window comes back to the front.
class HandBackOnExit {
public:
    HandBackOnExit(cad::Desktop& desktop, cad::WindowId cadWindow)
        : desktop_(desktop), cadWindow_(cadWindow) {}
    ~HandBackOnExit() {
        cad::ActivateCadWindow(desktop_, cadWindow_);
        cad::BringWindowToFront(desktop_, desktop_.programWindow());
    }
    HandBackOnExit(const HandBackOnExit&) = delete;
    HandBackOnExit& operator=(const HandBackOnExit&) = delete;

private:
    cad::Desktop& desktop_;
    cad::WindowId cadWindow_;
};

// Entity i of the set as a hit; nullopt when it cannot be read as a text.
std::optional<Tavor2> readHit(cad::SelectionSet& set, std::int32_t i) {
    try {
        const auto text = set.GetEntityByIndex(i)->AsText();
        Tavor2 hit;
        hit.text = text->GetTextString();
        hit.sHnd = text->GetHandle();
        hit.index = i;
        hit.insPt = text->GetInsertionPoint();
        hit.lay = text->GetLayer();
        return hit;
    } catch (const cad::CadError&) {
        return std::nullopt;
    }
}

// A layer list of only blanks, tabs and control characters names no layer.
bool namesALayer(const std::u16string& lockedList) {
    return std::any_of(lockedList.begin(), lockedList.end(), [](char16_t c) { return c > 32; });
}

}  // namespace

struct SearchTab::Found {
    HitList hits;
    cad::LockedLayers locked;
    int skipped = 0;  // entities that could not be read as texts
};

bool SearchTab::searching() const {
    return c_.SpeedButton14.caption.get().find(kStopCaption) != std::u16string::npos;
}

void SearchTab::startOrStop() {
    for (auto& panel : ctx_.StatusBar1.panels)
        panel = u"";
    c_.Edit3.enabled = false;
    const IdleOnExit idle(c_);
    if (searching()) {
        stopSearch();
        return;
    }
    c_.SpeedButton14.caption = kStopCaption;
    std::shared_ptr<cad::Application> app;
    // Without a CAD the list stays as it is.
    if (!cad::ConnectToCad(cad_, app))
        return;
    std::optional<Found> found = readHits(*app);
    if (found)
        showHits(std::move(*found));
    else
        clearHits();
}

// Runs inside the search's own message processing: the search leaves its loop at the next check.
void SearchTab::stopSearch() {
    ctx_.stop.clear();
    ctx_.platform.processMessages();
    c_.SpeedButton14.caption = kSearchCaption;
    c_.Label7.caption = kNoPatternCaption;
}

// The hits in selection order; nullopt when the search was stopped.
std::optional<SearchTab::Found> SearchTab::readHits(cad::Application& app) {
    cad::Desktop& desktop = cad_.desktop();
    const ArmedRun armed(ctx_.stop, c_.SpeedButton14);
    const cad::WindowId cadWindow = cad::RestoreCadWindow(desktop, app);
    cad::ActivateCadWindow(desktop, cadWindow);
    const HandBackOnExit handBack(desktop, cadWindow);

    const auto doc = app.GetActiveDocument();
    Found found{{}, cad::LockedLayers(*doc), 0};
    const std::u16string pattern = searchPattern(c_.Edit3.text, c_.CheckBox3.checked);
    c_.Label7.caption = u"[" + pattern + u"] (部分一致)";

    cad::selectAllIntoWorkSet(*doc, searchFilter(pattern), [&](cad::SelectionSet& set) {
        const std::int32_t n = set.GetEntityCount();
        c_.Label6.caption = u"TEXT = " + toU16(n);
        found.hits.reserve(static_cast<std::size_t>(std::max(n, 0)));
        const std::int32_t step = std::max(n / 100, 1);
        for (std::int32_t i = 0; i < n; ++i) {
            if (i % step == 0)
                c_.Label6.caption = toU16(i + 1) + u" / " + toU16(n);
            ctx_.platform.processMessages();
            if (!ctx_.stop.runFlag())
                return;
            if (std::optional<Tavor2> hit = readHit(set, i))
                found.hits.push_back(std::move(*hit));
            else
                ++found.skipped;
        }
    });
    if (!ctx_.stop.runFlag())
        return std::nullopt;
    return found;
}

void SearchTab::showHits(Found found) {
    HitList& hits = found.hits;
    SortHitsByText(hits, c_.Label6, ctx_.platform);
    if (!hits.empty() && namesALayer(found.locked.list()))
        for (Tavor2& hit : hits)
            hit.locked = found.locked.contains(hit.lay);
    c_.hitList = std::move(hits);

    GridState& grid = c_.StringGrid2;
    if (c_.hitList.empty()) {
        clearHits();
        ctx_.StatusBar1.panels[0] = u"";
    } else {
        const int n = static_cast<int>(c_.hitList.size());
        grid.setRowCount(n);
        for (int row = 0; row < n; ++row) {
            grid.setCell(kHitCol, row, c_.hitList[static_cast<std::size_t>(row)].text);
            grid.setLink(kHitCol, row, row + 1);
        }
    }
    grid.setCurrent(kHitCol, 0);
    selectRow();
    c_.FUndoCells2.Clear();
    c_.sgUndoCnt2 = 0;
    if (found.skipped > 0)
        c_.Label6.caption =
            c_.Label6.caption.get() + u"（読めない図形 " + toU16(found.skipped) + u" 個を除外）";
}

// The list is empty and the grid one empty row without a link.
void SearchTab::clearHits() {
    c_.hitList.clear();
    GridState& grid = c_.StringGrid2;
    grid.setRowCount(1);
    grid.setCell(kHitCol, 0, u"");
    grid.setLink(kHitCol, 0, 0);
}

bool SearchTab::optionChangeSearches(int activePageIndex) const {
    return activePageIndex == 2 && !c_.Edit3.text.get().empty();
}

void SearchTab::applyUpperCase() {
    c_.Edit3.upperCase = c_.CheckBox4.checked.get();
    if (c_.CheckBox4.checked)
        c_.Edit3.text = ctx_.platform.upperCase(c_.Edit3.text);
}

}  // namespace tavor
