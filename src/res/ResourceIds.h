#pragma once

// The ids of the program's resources, by name. Each language library carries the same ids.

// The tools of the main window, by the id that switches to them (their form).
namespace ToolId {
constexpr int Launcher = 162;
constexpr int Scan = 144;
constexpr int Config = 174;
constexpr int Message = 102;
} // namespace ToolId

// A tool's menu, keys and caption string (its first field is the caption).
namespace MenuId {
constexpr int Launcher = 128;
constexpr int Config = 129; // its second field names a system never saved: "New System"
constexpr int Scan = 132;
constexpr int Message = 134;
} // namespace MenuId

// Menu and key commands. 576xx are the commands every document program shares.
namespace CommandId {
constexpr int Scan = 6003;
constexpr int Write = 6004;
constexpr int SelectAll = 6005;
constexpr int AutoAssign = 6006;
constexpr int Range = 6007;
constexpr int Mask = 6015;
constexpr int Gateway = 6016;
constexpr int Upload = 6008;
constexpr int Download = 6009;
constexpr int PrintSetup = 57606;
constexpr int Print = 57607;
constexpr int PrintPreview = 57609;
// The Message Tool's own (33166-33174).
constexpr int DeleteMessage = 33166;
constexpr int RenameMessage = 33167;
constexpr int ImportWave = 33168;
constexpr int ExportWave = 33169;
constexpr int TransferMessages = 33170;
constexpr int Play = 33171;
constexpr int Pause = 33172;
constexpr int Stop = 33173;
constexpr int Record = 33174;
constexpr int Save = 6011;
constexpr int SaveAs = 6012;
constexpr int Open = 6013;
constexpr int New = 6014;
constexpr int MessageClose = 6010;
constexpr int Close = 57602;
constexpr int About = 57664;
} // namespace CommandId

// Texts of the string table.
namespace StringId {
constexpr int Caption = 5003; // "R-4000 Software", the caption of every message box
constexpr int InvalidPassword = 5001;
constexpr int PasswordsDiffer = 5002; // "Enter the same password twice."
constexpr int NameRefused = 5004;     // "Enter using up to 15 characters. (except %1)"
constexpr int PasswordRefused = 5005;
constexpr int NameTrimmed = 5116;
// The maintenance jobs' wait windows and the caption of a folder left behind.
constexpr int SettingClock = 5125;
constexpr int ChangingPassword = 5126;
constexpr int ErrorCaption = 5127;
constexpr int NotSelected = 5012; // "Equipment not yet selected."
constexpr int EquipmentLimit = 5019; // "Up to %d equipments can be connected."
constexpr int ScanStatus = 5040;
constexpr int TabGeneral = 5046;
constexpr int TabExchange = 5047;
constexpr int TabStation = 5048;
constexpr int TabPaging = 5049;
constexpr int TabGroup = 5050;
constexpr int ConnectionFailure = 5064;
constexpr int DownloadCaption = 5067;
constexpr int UploadQuestion = 5068;
constexpr int UploadCaption = 5069;
constexpr int DownloadQuestion = 5070;
constexpr int AddressDuplicated = 5071;
constexpr int TabMultiInterface = 5086;
constexpr int SaveQuestion = 5087;
constexpr int SavingCaption = 5088;
constexpr int TabIPStation = 5104;
constexpr int Uploading = 5107;
constexpr int UploadDone = 5108;
constexpr int Downloading = 5109;
constexpr int DownloadDone = 5110;
constexpr int SaveFirstQuestion = 5111;
constexpr int ScanningNow = 5041;
constexpr int LoadingFile = 5106;
constexpr int SaveFailed = 5120;
constexpr int ReadFailed = 5121;
constexpr int ReplaceSystem = 5122;
constexpr int InitialFileNotWritten = 5123;
constexpr int ChangedOnDisk = 5124;
constexpr int EnterCredentials = 5288;
constexpr int ColumnHeadings = 5300; // 5300 + column of the scan list
constexpr int UnitsFound = 5308;
constexpr int NetworkSettingChange = 5314;
constexpr int WritingNow = 5315;
constexpr int ScanButton = 5316;
constexpr int ConfigurationButton = 5317;
constexpr int UnitsDidNotAnswer = 5318;
constexpr int FileNotWritten = 5319;
constexpr int InvalidIpAddress = 5309;
constexpr int InvalidSubnetMask = 5310;
constexpr int InvalidGateway = 5311;
constexpr int EnterNumber = 5312;    // "Enter number. (%d-%d)"
constexpr int EnterUpTo8 = 5313;     // names of units
constexpr int EnterEvenNumber = 5320; // "Enter even number. (%d-%d; except %d-%d)"
constexpr int EnterTime = 5321;
constexpr int EnterMulticast = 5322;
constexpr int EquipmentHeadings = 5330; // 5330 + column of the equipment list
constexpr int Transmission = 5338;
constexpr int Reception = 5339;
// The station table (5340-5399).
constexpr int LineHeading = 5340;
constexpr int StationNoHeading = 5341;
constexpr int StationNameHeading = 5342;
constexpr int EnterDigits = 5343; // "Enter %d digits number."
constexpr int NameTooLong = 5344;
constexpr int NumberTooLong = 5345;
// The station sheets (5450-5459).
constexpr int InvalidStationNumber = 5450;
constexpr int StationNumberDuplicated = 5451;
constexpr int ProgrammingKeys = 5452; // the keys a one-touch dial string takes
constexpr int ChooseEither = 5453; // Japanese in every language, told without caption or icon
// The multi-interface pages (5460-5499).
constexpr int EnterDigitsRange = 5460; // "Enter number. (%d-%d digits)"
constexpr int AccessNoDuplicated = 5461;
constexpr int EnterNumberBetween = 5462; // "Enter number. (%s - %s)", bounds as dialled
constexpr int DialCodeKeys = 5463;       // the keys a remote dial code takes
// What a contact input acts on, in its "Parameter".
constexpr int ContactOutputName = 5464;
constexpr int PagingNoName = 5465;
constexpr int AudioInputName = 5466;
constexpr int StationName = 5467;
constexpr int DialCodeName = 5468;
constexpr int ContactInNoHeading = 5469;
constexpr int ContactInModeHeading = 5470;
constexpr int ContactInParameterHeading = 5471;
constexpr int ContactOutNoHeading = 5472;
constexpr int ContactOutAccessHeading = 5473;
constexpr int ContactOutLineHeading = 5474;
constexpr int ContactOutNetworkHeading = 5475;
constexpr int ContactInModes = 5480; // 5480 + the mode's place in the page's choice
// The paging and group pages (5400-5449).
constexpr int ZoneLabel = 5400;          // "ZONE %d"
constexpr int GroupLabel = 5401;         // "Group %d"
constexpr int TrunkLineLabel = 5402;     // "PBX / Tie line %d"
constexpr int ContactOutputLabel = 5403; // "Contact Output %d"
constexpr int PaOutputLabel = 5404;      // "Audio Output %d"
constexpr int PaOutputType = 5405;
constexpr int AllZones = 5406;
constexpr int PagingRows = 5407;
constexpr int BlockingGroupRows = 5408;
constexpr int PagingPortTo = 5409; // " to %d(UDP)"
constexpr int OneGroupAtATime = 5410;
constexpr int RemoteGroupFull = 5411; // "Up to %d stations can be preset."
constexpr int SelectGroupToDelete = 5412;
constexpr int ZoneStationsFull = 5413;
constexpr int ZoneOutputsFull = 5414;
// The configuration report: its title, system name and empty-range message, then 5500-5599.
constexpr int ReportSystemName = 5292; // "System name: %s"
constexpr int ReportTitle = 5293;
constexpr int NothingToPrint = 6014;
constexpr int ReportColumns = 5500; // the headings and values of the tables read from the model
constexpr int ReportEquipmentRegistration = 5560;
constexpr int ReportStationTable = 5561;
constexpr int ReportStationDigits = 5562;
constexpr int ReportNetworkRegistration = 5563;
constexpr int ReportMulticastRegistration = 5564;
constexpr int ReportMulticastAddress = 5565;
constexpr int ReportMulticastDirection = 5566;
constexpr int ReportNetworkSettings = 5567;
constexpr int ReportCorrection = 5568;
constexpr int ReportFunctions = 5569;
constexpr int ReportSeconds = 5570;
constexpr int ReportAudio = 5571;
constexpr int ReportContactInput = 5572;
constexpr int ReportContactOutput = 5573;
constexpr int ReportAccessDigits = 5574;
constexpr int ReportLineNumber = 5575;
constexpr int ReportSpeedDialing = 5576;
constexpr int ReportScanMonitor = 5577;
constexpr int ReportMonitorGroup = 5578;
constexpr int ReportPagingDigits = 5579;
constexpr int ReportPagingPort = 5580;
constexpr int ReportBlockingGroup = 5581;
constexpr int ReportBlockingTo = 5582;
constexpr int ReportRemoteGroup = 5583;
constexpr int ReportPage = 5584; // "- %1 -"
// The exchanges' priority, calling indication and door contact, and their values.
constexpr int ReportPriorityHeading = 5585;
constexpr int ReportIndicationHeading = 5586;
constexpr int ReportDoorHeading = 5587;
constexpr int ReportPagingFirst = 5588;
constexpr int ReportConversationFirst = 5589;
constexpr int ReportCallAndTalk = 5590;
constexpr int ReportTalk = 5591;
constexpr int ReportDoorModes = 5592; // remote control, during call, talk, call and talk
constexpr int PrintFailed = 5596;
// The Message Tool (5200-5299): many of its texts are Japanese in every language.
constexpr int TabMessageList = 5200;
constexpr int TabMessageTransfer = 5201;
constexpr int MessageNameHeading = 5202;
constexpr int MessageDateHeading = 5203;
constexpr int MessageLengthHeading = 5204;
constexpr int MessageNameRequired = 5205;
constexpr int MessageNameCharacters = 5206; // "...%s" with the characters refused
constexpr int MessageNameTooLong = 5207;
constexpr int MessageNameExists = 5208;
constexpr int SaveRecordingQuestion = 5209; // Yes/No/Cancel, No loses the recording
constexpr int SaveBeforeExport = 5210;      // OK/Cancel
constexpr int AlreadyImported = 5211;
constexpr int NoDeleteWhilePlaying = 5212;
constexpr int NoDeleteWhileRecording = 5213;
// The captions of the error boxes, then their texts.
constexpr int ImportErrorCaption = 5214;
constexpr int SaveErrorCaption = 5215;
constexpr int ExportErrorCaption = 5216;
constexpr int RecordErrorCaption = 5217;
constexpr int PlayErrorCaption = 5218;
constexpr int PauseErrorCaption = 5219;
constexpr int StopErrorCaption = 5220;
constexpr int ImportNoFile = 5221;
constexpr int ImportNotWave = 5222;
constexpr int ImportBadFormat = 5223;
constexpr int ImportFailed = 5224;
constexpr int SaveGainFailed = 5225;
constexpr int SaveFailedText = 5226;
constexpr int ExportFailed = 5227;
constexpr int RecordNoDevice = 5228;
constexpr int RecordBadArgument = 5229;
constexpr int RecordAlready = 5230;
constexpr int RecordNotStarted = 5231;
constexpr int RecordFailed = 5232;
constexpr int PlayGainFailed = 5233;
constexpr int PlayBadArgument = 5234;
constexpr int PlayAlready = 5235;
constexpr int PlayNotStarted = 5236;
constexpr int PauseNotPlaying = 5237;
constexpr int PauseAlready = 5238;
constexpr int PauseFailed = 5239;
constexpr int StopPlayNotPlaying = 5240;
constexpr int StopPlayFailed = 5241;
constexpr int StopRecordNotRecording = 5242;
constexpr int StopRecordFailed = 5243;
constexpr int TransferHeadings = 5244; // 5244 + column of the station list
constexpr int StandardMessages = 5249;
constexpr int OwnMessages = 5250;
constexpr int SirenChoices = 5251; // 5251 + place of the choice
constexpr int SirenChanged = 5259;
constexpr int ChangingSiren = 5260;
constexpr int UploadingMessage = 5261;
constexpr int DeleteMessageQuestion = 5262;
constexpr int MessageNotDeleted = 5263;
constexpr int MessageNotRenamed = 5264;
constexpr int MessageListNotWritten = 5265;
constexpr int MessageListNotPrinted = 5266;
constexpr int MessageNotRead = 5267;
constexpr int MessageListTitle = 5294; // the heading of the printed list
constexpr int ProgramName = 57344; // the first field is the program's title
} // namespace StringId

// Pictures.
namespace BitmapId {
constexpr int LauncherBackground = 147;
} // namespace BitmapId

// Dialog templates: their title, labels and buttons.
namespace DialogId {
constexpr int About = 100; // its field 1 is the OK (Close) button
constexpr int SystemSelection = 137;
constexpr int SaveSystem = 146;
constexpr int Notice = 161;
constexpr int SystemPassword = 193;
constexpr int Login = 195;
constexpr int ScanIpPool = 901;
constexpr int SubnetMask = 902;
constexpr int Gateway = 903;
// The System Setting Tool's pages.
constexpr int ExConfig = 101;
constexpr int StationConfig = 175;
constexpr int SystemConfig = 178;
constexpr int Paging = 179;
constexpr int Group = 182;
constexpr int MiConfig = 201;
constexpr int Import = 135;
constexpr int IPStationConfig = 202;
constexpr int SystemList = 910;
constexpr int NetworkEntry = 911;
constexpr int Multicast = 912;
constexpr int ExNetwork = 913;
constexpr int ExClock = 914;
constexpr int ExFunction = 915;
// The station table (916-919).
constexpr int StationList = 916;
constexpr int CollectiveSetup = 917;
// The station sheets (930-949).
constexpr int StnFunction = 930;
constexpr int StnSpeedDial = 931;
constexpr int ScanMonitor = 932;
constexpr int StnMsg = 933;
// The paging and group pages (920-929).
constexpr int GroupBlock = 920;
constexpr int RemoteGroup = 921;
// The maintenance jobs (950-959).
constexpr int ClockSetting = 950;
constexpr int StationPassword = 951;
constexpr int PasswordChange = 952;
// The Message Tool.
constexpr int MessageList = 208;
constexpr int MsgTransfer = 130;
constexpr int MessageSave = 960;
// The multi-interface pages (940-949).
constexpr int MiAudio = 940;
constexpr int MiContactInput = 941;
constexpr int MiContactOutput = 942;
} // namespace DialogId
