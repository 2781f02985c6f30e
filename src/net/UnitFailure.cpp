#include "UnitFailure.h"

namespace {

thread_local UnitFailure::Scope* current = nullptr;

} // namespace

const char* UnitFailure::key(Reason reason)
{
    switch (reason) {
    case Reason::None:
        return "";
    case Reason::Unreachable:
        return "unreachable";
    case Reason::Restarting:
        return "restarting";
    case Reason::LoginRefused:
        return "login-refused";
    case Reason::TimedOut:
        return "timed-out";
    case Reason::UnexpectedReply:
        return "unexpected-reply";
    case Reason::Busy:
        return "busy";
    case Reason::NotTaken:
        return "not-taken";
    case Reason::LocalFile:
        return "local-file";
    case Reason::Other:
        break;
    }
    return "failed";
}

std::string UnitFailure::text() const
{
    std::string words;
    switch (reason) {
    case Reason::None:
        return {};
    case Reason::Unreachable:
        words = "unreachable";
        break;
    case Reason::Restarting:
        words = "refused the connection (still restarting?)";
        break;
    case Reason::LoginRefused:
        words = "login refused";
        break;
    case Reason::TimedOut:
        words = "timed out";
        break;
    case Reason::UnexpectedReply:
        words = "unexpected reply";
        break;
    case Reason::Busy:
        words = "busy";
        break;
    case Reason::NotTaken:
        words = "settings did not take";
        break;
    case Reason::LocalFile:
        words = "local file";
        break;
    case Reason::Other:
        words = "failed";
        break;
    }
    return detail.empty() ? words : words + " (" + detail + ")";
}

void UnitFailure::note(Reason reason, std::string detail)
{
    if (current) {
        current->reason_ = reason;
        current->detail_ = std::move(detail);
    }
}

UnitFailure::Scope::Scope() : outer_(current)
{
    current = this;
}

UnitFailure::Scope::~Scope()
{
    current = outer_;
}

UnitFailure UnitFailure::Scope::failure() const
{
    return {reason_ == Reason::None ? Reason::Other : reason_, detail_};
}
