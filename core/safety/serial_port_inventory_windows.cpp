// The serial ports of a Windows computer, from the Ports device class that
// Device Manager shows.
#ifdef _WIN32

#include <windows.h>
// After windows.h:
#include <devguid.h>
#include <setupapi.h>

#include <algorithm>
#include <cstdlib>

#include "serial_port_inventory.h"

namespace zrx {

namespace {

std::string toUtf8(const std::wstring& text) {
    if (text.empty()) {
        return {};
    }
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), result.data(), size,
                        nullptr, nullptr);
    return result;
}

std::wstring deviceProperty(HDEVINFO devices, SP_DEVINFO_DATA& device, DWORD property) {
    wchar_t buffer[512] = {};
    if (!SetupDiGetDeviceRegistryPropertyW(devices, &device, property, nullptr,
                                           reinterpret_cast<BYTE*>(buffer), sizeof buffer - 2,
                                           nullptr)) {
        return {};
    }
    return buffer; // a multi-string property yields its first string
}

// The port's name from the device's own registry key: "COM3".
std::wstring portName(HDEVINFO devices, SP_DEVINFO_DATA& device) {
    const HKEY key =
        SetupDiOpenDevRegKey(devices, &device, DICS_FLAG_GLOBAL, 0, DIREG_DEV, KEY_READ);
    if (key == INVALID_HANDLE_VALUE) {
        return {};
    }
    wchar_t buffer[64] = {};
    DWORD size = sizeof buffer - 2;
    DWORD type = 0;
    const LONG status =
        RegQueryValueExW(key, L"PortName", nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
    RegCloseKey(key);
    return status == ERROR_SUCCESS && type == REG_SZ ? std::wstring(buffer) : std::wstring();
}

// "USB\VID_1A86&PID_7523&REV_0254": the hexadecimal number after `field`.
std::optional<std::uint16_t> hardwareIdField(const std::wstring& id, const wchar_t* field) {
    const std::size_t at = id.find(field);
    if (at == std::wstring::npos) {
        return std::nullopt;
    }
    const std::wstring digits = id.substr(at + wcslen(field), 4);
    wchar_t* end = nullptr;
    const unsigned long value = std::wcstoul(digits.c_str(), &end, 16);
    if (digits.size() != 4 || end != digits.c_str() + 4) {
        return std::nullopt;
    }
    return static_cast<std::uint16_t>(value);
}

} // namespace

std::vector<SystemSerialPort> listSystemSerialPorts() {
    std::vector<SystemSerialPort> ports;
    const HDEVINFO devices =
        SetupDiGetClassDevsW(&GUID_DEVCLASS_PORTS, nullptr, nullptr, DIGCF_PRESENT);
    if (devices == INVALID_HANDLE_VALUE) {
        return ports;
    }
    SP_DEVINFO_DATA device{};
    device.cbSize = sizeof device;
    for (DWORD index = 0; SetupDiEnumDeviceInfo(devices, index, &device); ++index) {
        const std::wstring name = portName(devices, device);
        if (name.rfind(L"COM", 0) != 0) {
            continue; // printer ports share the class
        }
        SystemSerialPort port;
        port.name = toUtf8(name);
        port.device = port.name;
        port.manufacturer = toUtf8(deviceProperty(devices, device, SPDRP_MFG));
        std::wstring friendly = deviceProperty(devices, device, SPDRP_FRIENDLYNAME);
        if (const std::wstring suffix = L" (" + name + L")";
            friendly.size() > suffix.size() &&
            friendly.compare(friendly.size() - suffix.size(), suffix.size(), suffix) == 0) {
            friendly.resize(friendly.size() - suffix.size());
        }
        port.product = toUtf8(friendly);
        const std::wstring hardwareId = deviceProperty(devices, device, SPDRP_HARDWAREID);
        if (hardwareId.rfind(L"USB\\", 0) == 0 || hardwareId.rfind(L"FTDIBUS\\", 0) == 0) {
            port.vendorId = hardwareIdField(hardwareId, L"VID_");
            port.productId = hardwareIdField(hardwareId, L"PID_");
        }
        ports.push_back(std::move(port));
    }
    SetupDiDestroyDeviceInfoList(devices);
    std::sort(ports.begin(), ports.end(), listedBefore);
    return ports;
}

} // namespace zrx

#endif
