#include "program_version.h"

namespace zrx {

std::string_view programVersion() {
    return ZRX_PROGRAM_VERSION;
}

} // namespace zrx
