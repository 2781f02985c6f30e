#include "Scan.h"

#include "CmdReport.h"
#include "CmdRequest.h"
#include "CmdReset.h"
#include "CmdWrite.h"
#include "CommandSeq.h"
#include "LocalAddresses.h"
#include "ScanListener.h"
#include "Timestamp.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kStaggerMs = 3000;
constexpr int kWriteMs = 3000;
constexpr int kResetMs = 6000;

} // namespace

Scan::Scan() : Scan(Options()) {}

Scan::Scan(Options options) : options_(std::move(options))
{
    if (!options_.localAddresses)
        options_.localAddresses = LocalAddresses::list;
}

Scan::~Scan() = default;

int Scan::scaled(int ms) const
{
    return int(std::lround(ms * options_.timeScale));
}

int Scan::scanDuration() const
{
    if (options_.allAtOnce)
        return localAddresses_.empty() ? 0 : scaled(kStaggerMs);
    return int(localAddresses_.size()) * scaled(kStaggerMs);
}

int Scan::writeTime() const
{
    return scaled(kWriteMs);
}

int Scan::resetTime() const
{
    return scaled(kResetMs);
}

bool Scan::startScan()
{
    for (const auto& sequence : sequences_) {
        if (sequence->code() == CmdRequest::kCode)
            sequence->cancel();
    }
    units_.clear();
    localAddresses_ = options_.localAddresses();
    runningSeries_ = int(localAddresses_.size());
    return postStaggered(localAddresses_, [](const std::string& from) {
        return std::make_unique<CmdRequest>(from);
    });
}

bool Scan::writeUnit(const ScanElement& element)
{
    const std::string time = Timestamp::localNow();
    const auto make = [&](const std::string& from) {
        return std::make_unique<CmdWrite>(from, element.macAddress, element.ipAddress,
                                          element.subnetMask, element.gateway, element.unitName,
                                          element.webPort, time);
    };
    if (!element.localAddress.empty()) {
        post(make(element.localAddress), 0);
        return true;
    }
    localAddresses_ = options_.localAddresses();
    return postStaggered(localAddresses_, make);
}

bool Scan::restartUnit(const ScanElement& element)
{
    const auto make = [&](const std::string& from) {
        return std::make_unique<CmdReset>(from, element.macAddress);
    };
    if (!element.localAddress.empty()) {
        post(make(element.localAddress), 0);
        return true;
    }
    localAddresses_ = options_.localAddresses();
    return postStaggered(localAddresses_, make);
}

bool Scan::postStaggered(
    const std::vector<std::string>& addresses,
    const std::function<std::unique_ptr<ScanCommand>(const std::string&)>& make)
{
    for (std::size_t i = addresses.size(); i-- > 0;)
        post(make(addresses[i]), options_.allAtOnce ? 0 : int(i) * scaled(kStaggerMs));
    return !addresses.empty();
}

void Scan::post(std::unique_ptr<ScanCommand> command, int delayMs)
{
    const auto idle = std::find_if(sequences_.begin(), sequences_.end(),
                                   [](const auto& sequence) { return sequence->idle(); });
    CommandSeq* sequence = idle != sequences_.end()
                               ? idle->get()
                               : sequences_.emplace_back(std::make_unique<CommandSeq>(*this)).get();
    const int replyMs = scaled(command->replyTimeout());
    sequence->schedule(std::move(command), delayMs, replyMs);
}

const ScanElement* Scan::find(const std::string& macText) const
{
    const auto it = units_.find(macText);
    return it == units_.end() ? nullptr : &it->second;
}

ScanElement* Scan::find(const std::string& macText)
{
    const auto it = units_.find(macText);
    return it == units_.end() ? nullptr : &it->second;
}

std::vector<ScanCsv::Row> Scan::csvRows() const
{
    std::vector<ScanCsv::Row> rows;
    for (const auto& [mac, unit] : units_)
        rows.push_back({mac, unit.modelName, unit.ipAddress.toText(), unit.subnetMask.toText(),
                        unit.gateway.toText(), unit.webPort, unit.unitName});
    return rows;
}

void Scan::addListener(ScanListener* listener)
{
    if (listener && std::find(listeners_.begin(), listeners_.end(), listener) == listeners_.end())
        listeners_.push_back(listener);
}

void Scan::removeListener(ScanListener* listener)
{
    listeners_.erase(std::remove(listeners_.begin(), listeners_.end(), listener), listeners_.end());
}

template <class Call> void Scan::tellListeners(Call call)
{
    // A listener may leave, or start another scan, while it is told.
    const std::vector<ScanListener*> registered = listeners_;
    for (ScanListener* listener : registered) {
        if (std::find(listeners_.begin(), listeners_.end(), listener) != listeners_.end())
            call(*listener);
    }
}

void Scan::onReport(const CmdReport& report)
{
    // The first report of a unit wins, even if later ones differ.
    const std::string key = ScanElement::macText(report.mac());
    if (units_.size() < options_.maxUnits && !units_.count(key))
        units_.emplace(key, ScanElement::fromReport(report));
}

void Scan::onRequestSeriesEnded()
{
    if (runningSeries_ > 0 && --runningSeries_ == 0)
        tellListeners([](ScanListener& l) { l.onScanFinished(); });
}

void Scan::onWriteAck(std::uint8_t status, const MacAddress& mac)
{
    tellListeners([&](ScanListener& l) { l.onWriteAck(status, mac); });
}

void Scan::onResetAck(std::uint8_t status, const MacAddress& mac)
{
    tellListeners([&](ScanListener& l) { l.onResetAck(status, mac); });
}
