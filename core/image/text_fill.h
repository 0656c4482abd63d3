#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace zrx {

// `format` with each %1 ... %9 replaced by the value in that place of
// `values` ("CH %1: %2"). A marker without a value stays as it is, and a
// value is never searched for markers itself.
[[nodiscard]] std::string fillText(std::string_view format,
                                   std::initializer_list<std::string_view> values);

} // namespace zrx
