#include "fleet_ports.h"

namespace zrx {

namespace {

constexpr LocalText kWaiting{"waiting for a radio", "等待电台", "等待電台"};
constexpr LocalText kUnavailable{"port not available", "串口不可用", "串口不可用"};
constexpr LocalText kHeld{"radio held: the radios in progress may reach the count",
                          "电台暂缓：进行中的电台可能已达到数量",
                          "電台暫緩：進行中的電台可能已達到數量"};
constexpr LocalText kBackingUp{"backing up", "备份中", "備份中"};
constexpr LocalText kWriting{"writing", "写入中", "寫入中"};
constexpr LocalText kVerifying{"verifying", "校验中", "校驗中"};
constexpr LocalText kTakeAway{"done: take the radio off", "完成：请取下电台", "完成：請取下電台"};
constexpr LocalText kFinished{"finished", "已结束", "已結束"};

bool simulatedRadio(const SystemSerialPort& port) {
    for (const std::string* words : {&port.driver, &port.manufacturer, &port.product}) {
        if (words->find("zrx-sim") != std::string::npos) {
            return true;
        }
    }
    return false;
}

} // namespace

std::vector<std::string> fleetPortsPresent(const std::vector<SystemSerialPort>& ports) {
    std::vector<std::string> devices;
    for (const SystemSerialPort& port : ports) {
        if (port.usb() || simulatedRadio(port)) {
            devices.push_back(port.device);
        }
    }
    return devices;
}

std::string_view fleetPortStateText(FleetPortState state, Language language) {
    switch (state) {
    case FleetPortState::Waiting:
        return kWaiting.in(language);
    case FleetPortState::Unavailable:
        return kUnavailable.in(language);
    case FleetPortState::Held:
        return kHeld.in(language);
    case FleetPortState::BackingUp:
        return kBackingUp.in(language);
    case FleetPortState::Writing:
        return kWriting.in(language);
    case FleetPortState::Verifying:
        return kVerifying.in(language);
    case FleetPortState::TakeAway:
        return kTakeAway.in(language);
    case FleetPortState::Finished:
        break;
    }
    return kFinished.in(language);
}

} // namespace zrx
