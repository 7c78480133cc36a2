#include "cadlink/sim/ScriptedPicker.h"

namespace tavor::cad::sim {

void ScriptedPicker::pickNext(std::vector<Handle> handles) {
    answers_.push_back({{}, std::move(handles), false});
}

void ScriptedPicker::pickAllNext() {
    answers_.push_back({{}, std::vector<Handle>{}, true});
}

void ScriptedPicker::cancelNext() {
    answers_.push_back({{}, std::nullopt, false});
}

void ScriptedPicker::pickNextAfter(std::function<void()> action, std::vector<Handle> handles) {
    answers_.push_back({std::move(action), std::move(handles), false});
}

std::optional<std::vector<Handle>> ScriptedPicker::pickEntities(const PickRequest& request) {
    ++picks;
    if (answers_.empty())
        return std::vector<Handle>{};
    Answer answer = std::move(answers_.front());
    answers_.pop_front();
    if (answer.action)
        answer.action();
    if (!answer.all)
        return answer.handles;
    std::vector<Handle> all;
    for (EntityId id : request.drawing.modelSpace())
        if (request.accepts(request.drawing.live(id)))
            all.push_back(formatHandle(id));
    return all;
}

}  // namespace tavor::cad::sim
