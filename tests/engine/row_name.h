#pragma once

#include <string>

namespace orvane::testing {

// Names each instance of a table-driven test after its row's `name`.
struct RowName {
    template <typename ParamInfo>
    std::string operator()(const ParamInfo& info) const {
        return std::string(info.param.name);
    }
};

}  // namespace orvane::testing
