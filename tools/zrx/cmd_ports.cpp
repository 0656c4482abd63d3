#include <CLI/CLI.hpp>

#include <iostream>

#include "commands.h"
#include "json_output.h"
#include "language_option.h"
#include "link/simulator_link.h"
#include "link/usb_serial_chips.h"
#include "safety/device_access.h"
#include "safety/port_report.h"
#include "safety/serial_port_inventory.h"

namespace zrx::cli {

namespace {

void writeUsbId(JsonWriter& json, std::string_view key, const std::optional<std::uint16_t>& id) {
    json.key(key);
    id ? json.integer(*id) : json.null();
}

void listPortsJson(const std::vector<SystemSerialPort>& ports,
                   const std::vector<SimulatedRadio>& simulators, Language language) {
    JsonWriter json;
    json.beginObject().field("ok", true).key("ports").beginArray();
    for (const SystemSerialPort& port : ports) {
        json.beginObject();
        json.field("name", port.name).field("device", port.device);
        json.field("description", describeSerialPort(port, language));
        json.field("usb", port.usb());
        writeUsbId(json, "vendor_id", port.vendorId);
        writeUsbId(json, "product_id", port.productId);
        json.field("chip", port.usb() ? usbSerialChip(*port.vendorId, port.productId.value_or(0))
                                      : std::string_view());
        json.field("driver", port.driver);
        json.field("manufacturer", port.manufacturer).field("product", port.product);
        json.field("may_open", mayOpenDevice(port.device));
        json.endObject();
    }
    json.endArray().key("simulated_radios").beginArray();
    for (const SimulatedRadio& simulator : simulators) {
        json.beginObject();
        json.field("link", simulator.link.string()).field("device", simulator.device.string());
        json.endObject();
    }
    printJson(json.endArray().endObject());
}

void listPorts(Language language, bool json) {
    const std::vector<SystemSerialPort> ports = listSystemSerialPorts();
    const std::vector<SimulatedRadio> simulators = listSimulatedRadios();
    if (json) {
        listPortsJson(ports, simulators, language);
        return;
    }
    for (const std::string& line : portListing(ports, simulators, language)) {
        std::cout << line << '\n';
    }
}

} // namespace

void addPortsCommand(CLI::App& app) {
    auto* command = app.add_subcommand(
        "ports", "List the serial ports of this computer, with USB ids, and whether you may "
                 "open each, and the simulated radios (zrx-sim) running now");
    auto json = std::make_shared<bool>(false);
    command->add_flag("--json", *json, "Print one JSON document instead (see README)");
    const auto language = addLanguageOption(*command);
    command->callback([language, json] { listPorts(language(), *json); });
}

} // namespace zrx::cli
