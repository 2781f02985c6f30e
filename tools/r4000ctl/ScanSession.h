#pragma once

#include "Scan.h"
#include "ScanListener.h"

#include <functional>
#include <optional>

// A Scan driven step by step from the command line: each call runs the event loop until
// the protocol has answered or its time is up.
class ScanSession : public ScanListener
{
public:
    explicit ScanSession(Scan::Options options = {});
    ~ScanSession() override;

    // Scans every local interface; false when there is none.
    bool scan();
    // True when the unit acknowledged in time.
    bool write(const ScanElement& element);
    bool reset(const ScanElement& element);

    const Scan& table() const { return scan_; }

    void onScanFinished() override { finished_ = true; }
    void onWriteAck(std::uint8_t, const MacAddress& mac) override { writeAck_ = mac; }
    void onResetAck(std::uint8_t, const MacAddress& mac) override { resetAck_ = mac; }

private:
    // How long a command sent to the element may take, from one or from every interface.
    int commandTime(const ScanElement& element, int oneInterfaceMs) const;
    static bool waitFor(const std::function<bool()>& done, int ms);

    Scan scan_;
    bool finished_ = false;
    std::optional<MacAddress> writeAck_;
    std::optional<MacAddress> resetAck_;
};
