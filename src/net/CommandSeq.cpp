#include "CommandSeq.h"

#include "CmdReport.h"
#include "CmdRequest.h"
#include "CmdReset.h"
#include "CmdResetAck.h"
#include "CmdWrite.h"
#include "CmdWriteAck.h"
#include "Scan.h"

CommandSeq::CommandSeq(Scan& scan, QObject* parent) : QObject(parent), scan_(scan)
{
    startTimer_.setSingleShot(true);
    replyTimer_.setSingleShot(true);
    connect(&startTimer_, &QTimer::timeout, this, &CommandSeq::send);
    connect(&replyTimer_, &QTimer::timeout, this, &CommandSeq::replyTimeUp);
}

CommandSeq::~CommandSeq()
{
    closeSocket();
}

void CommandSeq::schedule(std::unique_ptr<ScanCommand> command, int delayMs, int replyMs)
{
    code_ = command->code();
    localAddress_ = command->localAddress();
    command_ = std::move(command);
    replyMs_ = replyMs;
    startTimer_.start(delayMs);
}

void CommandSeq::cancel()
{
    startTimer_.stop();
    replyTimer_.stop();
    command_.reset();
    closeSocket();
}

void CommandSeq::send()
{
    // The reply time runs whatever happens below, so the command always ends.
    replyTimer_.start(replyMs_);
    const std::unique_ptr<ScanCommand> command = std::move(command_);
    // Bound to any address, so that answers come in whether a unit sends them to this
    // interface's address or, from outside its subnet, by broadcast; the command itself
    // leaves from the interface's address and so by that interface.
    if (!socket_.create({}, 0, CAsyncSocketEx::Receive) || !socket_.setBroadcast(true)) {
        closeSocket();
        return;
    }
    socket_.addListener(this);
    const auto& bytes = command->bytes();
    if (!socket_.sendTo(bytes.data(), bytes.size(), scan_.options().broadcastAddress,
                        scan_.options().port, localAddress_))
        closeSocket();
}

void CommandSeq::closeSocket()
{
    socket_.removeListener(this);
    socket_.close();
}

void CommandSeq::onReceive(CAsyncSocketEx& socket, int)
{
    if (&socket != &socket_ || receiving_)
        return;
    receiving_ = true;
    std::uint8_t buffer[1024];
    long size = 0;
    while (socket_.isOpen() && (size = socket_.receiveFrom(buffer, sizeof buffer)) >= 0) {
        const auto answer = ScanCommand::decode(buffer, std::size_t(size), localAddress_);
        if (!answer)
            continue;
        if (answer->code() == CmdReport::kCode) {
            scan_.onReport(static_cast<const CmdReport&>(*answer));
            continue;
        }
        // An acknowledgement ends the command at once; whatever else waits is not read.
        const bool write = answer->code() == CmdWriteAck::kCode;
        if (code_ != (write ? CmdWrite::kCode : CmdReset::kCode))
            continue;
        replyTimer_.stop();
        closeSocket();
        receiving_ = false;
        if (write) {
            const auto& ack = static_cast<const CmdWriteAck&>(*answer);
            scan_.onWriteAck(ack.status(), ack.mac());
        } else {
            const auto& ack = static_cast<const CmdResetAck&>(*answer);
            scan_.onResetAck(ack.status(), ack.mac());
        }
        return;
    }
    receiving_ = false;
}

void CommandSeq::replyTimeUp()
{
    closeSocket();
    if (code_ == CmdRequest::kCode)
        scan_.onRequestSeriesEnded();
}
