#include "write_checks.h"

#include <ostream>

#include "checks/finding_texts.h"
#include "checks/plan_checks.h"
#include "command_failed.h"

namespace zrx::cli {
namespace {

constexpr LocalText kRefused{
    "nothing was written: the radio cannot use this memory as it is (see the errors above); "
    "--force writes it anyway",
    "未写入任何数据：电台无法按原样使用此存储器（见上方错误）；使用 --force 仍可写入",
    "未寫入任何資料：電台無法按原樣使用此記憶體（見上方錯誤）；使用 --force 仍可寫入"};

} // namespace

void checkBeforeWrite(const RadioImage& image, bool force, Language language,
                      std::ostream& errors) {
    const std::vector<checks::Finding> findings =
        checks::checkPlan(image, editing::imageBand(image));
    for (const checks::Finding& finding : findings) {
        errors << "zrx: " << checks::findingLine(finding, language) << '\n';
    }
    errors.flush();
    if (checks::hasError(findings) && !force) {
        throw CommandFailed(std::string(kRefused.in(language)));
    }
}

} // namespace zrx::cli
