#pragma once

#include <stdexcept>
#include <string>

namespace tavor::cad::sim::dxf {

// A file that is not a DXF drawing this reader can keep whole. The message names the place:
// the 1-based line of an ASCII file, the byte offset of a binary one.
class DxfError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace tavor::cad::sim::dxf
