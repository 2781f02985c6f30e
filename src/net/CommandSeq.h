#pragma once

#include "CAsyncSocketEx.h"
#include "CAsyncSocketExAdapter.h"

#include <QObject>
#include <QTimer>
#include <memory>

class Scan;
class ScanCommand;

// One command in flight on one interface: waits for its start time, broadcasts the packet
// from the interface's address, collects the answers on its own port and ends with
// an acknowledgement or when its reply time is up. Every command that is scheduled ends
// one of these two ways, also when the socket cannot be made or the packet not sent.
class CommandSeq : public QObject, public CAsyncSocketExAdapter
{
    Q_OBJECT

public:
    CommandSeq(Scan& scan, QObject* parent = nullptr);
    ~CommandSeq() override;

    // Takes the command and sends it after delayMs; replyMs: how long answers are awaited.
    void schedule(std::unique_ptr<ScanCommand> command, int delayMs, int replyMs);
    // Drops the command without telling anyone (a new scan replaces the old one).
    void cancel();
    bool idle() const { return !startTimer_.isActive() && !replyTimer_.isActive(); }
    // The code of the command last scheduled.
    std::uint8_t code() const { return code_; }

    void onReceive(CAsyncSocketEx& socket, int error) override;

private:
    void send();
    void replyTimeUp();
    void closeSocket();

    Scan& scan_;
    std::unique_ptr<ScanCommand> command_;
    std::uint8_t code_ = 0;
    std::string localAddress_;
    int replyMs_ = 0;
    QTimer startTimer_;
    QTimer replyTimer_;
    CAsyncSocketEx socket_;
    bool receiving_ = false;
};
