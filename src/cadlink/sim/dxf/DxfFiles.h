#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include "cadlink/sim/dxf/GroupWriter.h"

namespace tavor::cad::sim::dxf {

// The whole file; raises DxfError naming it when it cannot be read.
std::string readWholeFile(const std::filesystem::path& file);

// Writes what `produce` hands its sink into a new file beside `target` and then renames that
// over the target, so a failed or interrupted write never leaves a half-written drawing: on
// any failure the target is as it was, the new file is removed, and DxfError is raised.
void replaceFile(const std::filesystem::path& target,
                 const std::function<void(const ByteSink&)>& produce);

}  // namespace tavor::cad::sim::dxf
