#pragma once

// The tools of the main window, by the id that switches to them.
namespace ToolId {
constexpr int Launcher = 162;
constexpr int Scan = 144;
constexpr int Config = 174;
constexpr int Message = 102;
} // namespace ToolId

// Menu and key commands. 576xx are the commands every document program shares.
namespace CommandId {
constexpr int Save = 6011;
constexpr int SaveAs = 6012;
constexpr int Open = 6013;
constexpr int New = 6014;
constexpr int MessageClose = 6010;
constexpr int Close = 57602;
constexpr int About = 57664;
} // namespace CommandId
