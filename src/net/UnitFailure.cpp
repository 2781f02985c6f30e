#include "UnitFailure.h"

#include <iterator>

namespace {

thread_local UnitFailure::Scope* current = nullptr;

// Each reason's word for scripts and its words for people.
struct Words {
    UnitFailure::Reason reason;
    const char* key;
    const char* text;
};

constexpr Words kWords[] = {
    {UnitFailure::Reason::None, "", ""},
    {UnitFailure::Reason::Unreachable, "unreachable", "unreachable"},
    {UnitFailure::Reason::Restarting, "restarting", "refused the connection (still restarting?)"},
    {UnitFailure::Reason::LoginRefused, "login-refused", "login refused"},
    {UnitFailure::Reason::TimedOut, "timed-out", "timed out"},
    {UnitFailure::Reason::UnexpectedReply, "unexpected-reply", "unexpected reply"},
    {UnitFailure::Reason::Busy, "busy", "busy"},
    {UnitFailure::Reason::NotTaken, "not-taken", "settings did not take"},
    {UnitFailure::Reason::LocalFile, "local-file", "local file"},
    {UnitFailure::Reason::Other, "failed", "failed"},
};

const Words& wordsOf(UnitFailure::Reason reason)
{
    for (const Words& words : kWords) {
        if (words.reason == reason)
            return words;
    }
    return kWords[std::size(kWords) - 1];
}

} // namespace

const char* UnitFailure::key(Reason reason)
{
    return wordsOf(reason).key;
}

std::string UnitFailure::text() const
{
    const std::string words = wordsOf(reason).text;
    return detail.empty() || reason == Reason::None ? words : words + " (" + detail + ")";
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
