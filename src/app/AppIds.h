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
constexpr int Scan = 6003;
constexpr int Write = 6004;
constexpr int SelectAll = 6005;
constexpr int AutoAssign = 6006;
constexpr int Range = 6007;
constexpr int Mask = 6015;
constexpr int Gateway = 6016;
constexpr int Print = 57607;
constexpr int PrintPreview = 57609;
constexpr int DeleteMessage = 33166;
constexpr int Save = 6011;
constexpr int SaveAs = 6012;
constexpr int Open = 6013;
constexpr int New = 6014;
constexpr int MessageClose = 6010;
constexpr int Close = 57602;
constexpr int About = 57664;
} // namespace CommandId
