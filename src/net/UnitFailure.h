#pragma once

#include <string>

// Why a job on a unit failed, in words an installer can act on: whether the unit could not
// be reached, refused the login, went silent, answered something else, or was still busy.
//
// The calls a worker makes for its unit note the reason on the worker's thread, which serves
// that unit alone; the run reads it back when the job has failed. So every job keeps its
// plain true/false result and none has to pass the reason along.
struct UnitFailure {
    enum class Reason {
        None,
        Unreachable,     // no answer to the connection, no route
        Restarting,      // the unit refused the connection: its web server is down
        LoginRefused,    // every set of credentials was refused, or the prompt cancelled
        TimedOut,        // connected, then nothing came in time
        UnexpectedReply, // an HTTP status, a reply or a file that is not what the job wants
        Busy,            // the unit kept answering BUSY
        NotTaken,        // the unit answered, but its settings are not what it was sent
        LocalFile,       // a file on this computer could not be read or written
        Other,           // the job failed without saying why
    };

    Reason reason = Reason::None;
    // What was seen: "Connection refused", "HTTP 500", ...; may be empty.
    std::string detail;

    // A fixed word for scripts: "unreachable", "restarting", "login-refused", "timed-out",
    // "unexpected-reply", "busy", "not-taken", "local-file", "failed"; empty for None.
    static const char* key(Reason reason);
    // The reason in words with its detail: "unreachable (No route to host)".
    std::string text() const;

    // Notes why the current call failed, for the Scope open on this thread, if any.
    static void note(Reason reason, std::string detail = {});

    // Hears the reasons noted on its thread while it lives; the last one counts, since a
    // failure that a later call recovered from is not what ended the job.
    class Scope
    {
    public:
        Scope();
        ~Scope();
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

        // What was noted last; Other when the scope heard nothing.
        UnitFailure failure() const;

    private:
        friend struct UnitFailure;
        Reason reason_ = Reason::None;
        std::string detail_;
        Scope* outer_;
    };
};
