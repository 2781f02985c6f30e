#pragma once

#include <string>
#include <string_view>
#include <vector>

class System;

// The name and password a new system gets when it is saved for the first time, checked in
// the order the save dialog checks them:
//   1. leading and trailing white space is removed from the name (the caller tells the user
//      with trimmedNotice(), and goes on);
//   2. the password is encoded with the trimmed name;
//   3. password and re-entry must be equal (compared exactly);
//   4. the system must take the name;
//   5. the system must take the encoded password, or it gets its previous name back.
// When all succeed, every equipment slot, placeholders included, carries the new name and
// the stored password too.
class SystemCredentials
{
public:
    enum class Result {
        Ok,
        PasswordMismatch, // message 5002
        NameRefused,      // message 5004
        PasswordRefused,  // message 5005
    };

    struct Outcome {
        Result result = Result::Ok;
        // The name after trimming, as the dialog puts it back into its field.
        std::string name;
        // True when white space was removed from the name (message 5116).
        bool trimmed = false;
        // The English text of the refusal; empty for Ok.
        std::string message;

        bool ok() const { return result == Result::Ok; }
    };

    static Outcome apply(System& system, std::string_view name, std::string_view password,
                         std::string_view reentry);
    // The name without the white space around it.
    static std::string trimmed(std::string_view name);

    // The name and stored password of the system and of every equipment slot, as they were
    // before apply(), to be put back when the new name is not wanted after all.
    struct Kept {
        std::string name;
        std::string password;
        std::vector<std::pair<std::string, std::string>> units; // slot 1 first
    };
    static Kept keep(const System& system);
    static void restore(System& system, const Kept& kept);

    // The string-table id and the English text of a refusal (0 and empty for Ok).
    static int messageId(Result result);
    static std::string englishText(Result result);

    static constexpr int kTrimmedNoticeId = 5116;
    static std::string_view trimmedNotice();

    // The characters a system name may not hold, as the refusal names them.
    static constexpr std::string_view kExcludedCharacters = "\\/:,;*?\"<>|";
};
