#pragma once

#include <string>

class CredentialsPrompt;
class FileOps;
class Locale;
class ResourceChain;
class SystemDocument;
class UserDialogs;
class UserMessages;

// What a tool needs from the program around it: the language and its resources, the user's
// dialogs, the data folder, the current system and its document, and the few program-wide
// commands (switching tools, choosing a system, the About box). The program implements it;
// a test may implement it over a fixture.
class ToolHost
{
public:
    virtual ~ToolHost() = default;

    virtual const ResourceChain& resources() const = 0;
    virtual const Locale& locale() const = 0;
    virtual UserDialogs& dialogs() const = 0;
    // Tells and asks the user by the ids of the message table.
    virtual const UserMessages& messages() const = 0;
    virtual FileOps& files() const = 0;
    virtual const std::string& dataFolder() const = 0;
    // The current system and its document.
    virtual SystemDocument& document() const = 0;
    // The login prompt for units, callable from any thread.
    virtual CredentialsPrompt& credentialsPrompt() const = 0;

    // Shows the tool with that id (ToolId); any other id shows the current tool again.
    virtual void switchView(int toolId) = 0;
    // The system-selection dialog, then the chosen system becomes current and is loaded.
    virtual void openSystem() = 0;
    virtual void showAbout() = 0;
};
