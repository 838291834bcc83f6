// Every message the authoring program shows, by name: the string-table ids
// 30001 to 30174, the framework's ids and the version history. The texts are
// in StringTable.cpp.
#pragma once

namespace msg {
inline constexpr int None = 0;  // a failure with nothing to tell
inline constexpr int NoMemory = 30001;
inline constexpr int NoWorkFolder = 30002;
inline constexpr int CopyFailed = 30003;
inline constexpr int AskSetDefault = 30004;
inline constexpr int NoMoreCanBeAdded = 30005;
inline constexpr int DefaultSet = 30006;
inline constexpr int TextTooLong = 30008;
inline constexpr int AskPasteLines = 30009;
inline constexpr int RibbonFailed = 30010;
inline constexpr int BitmapInfoFailed = 30011;
inline constexpr int AskSameSwitchTime = 30012;
inline constexpr int PngInfoFailed = 30014;
inline constexpr int DropOnlyImages = 30016;
inline constexpr int AskFreeSlideSize = 30017;
inline constexpr int SaveFailed = 30018;
inline constexpr int BadFormat = 30019;
inline constexpr int BadVersion = 30020;
inline constexpr int ObjectsOutsideArea = 30021;
inline constexpr int AskDeleteObjects = 30022;
inline constexpr int FewerThanTwoPoints = 30023;
inline constexpr int StarExample = 30025;
inline constexpr int OpenFailed = 30026;
inline constexpr int PasteImageFailed = 30027;
inline constexpr int NoImage = 30028;
inline constexpr int ImageTypeRefused = 30029;
inline constexpr int SwapFailed = 30030;
inline constexpr int PolygonExample = 30031;
inline constexpr int EnterText = 30033;
inline constexpr int AskTooManyVertices = 30034;
inline constexpr int NoWriteAccess = 30035;
inline constexpr int UnpackFailed = 30036;
inline constexpr int FontSetFailed = 30037;
inline constexpr int FontMakeFailed = 30038;
inline constexpr int SettingsSaved = 30039;
inline constexpr int SettingsSaveFailed = 30040;
inline constexpr int SettingsLoadFailed = 30041;
inline constexpr int AskOverwriteSettings = 30042;
inline constexpr int TooManyObjectsInFile = 30043;
inline constexpr int AskDeleteSettings = 30044;
inline constexpr int CharTooComplex = 30045;
inline constexpr int StringTooLong = 30046;
inline constexpr int AskRemoveCharaText = 30047;
inline constexpr int ExplorerFailed = 30048;
inline constexpr int AskChangeImage = 30049;
inline constexpr int AskLargeMemory = 30050;
inline constexpr int ValueOutOfRange = 30051;
inline constexpr int AskUnsavedTimes = 30052;
inline constexpr int EndTextJapanese = 30053;
inline constexpr int EndTextEnglish = 30054;
inline constexpr int AskImageAllSlides = 30055;
inline constexpr int AskOverwriteExisting = 30056;
inline constexpr int FolderFailed = 30057;
inline constexpr int AskKeepTransparency = 30058;
inline constexpr int AskShowSavedFolder = 30059;
inline constexpr int AskIrreversible = 30060;
inline constexpr int AskDeleteSlide = 30061;
inline constexpr int EmptySlideNoCopy = 30062;
inline constexpr int BadData = 30063;
inline constexpr int PrinterDcFailed = 30064;
inline constexpr int ReducedTo256 = 30065;
inline constexpr int FolderCannotOpen = 30066;
inline constexpr int NoTarget = 30067;
inline constexpr int ExeExtensionNeeded = 30068;
inline constexpr int AskShowPackage = 30069;
inline constexpr int CannotOpen = 30070;
inline constexpr int OleFailed = 30072;
inline constexpr int PreviewPageUnknown = 30073;
inline constexpr int PrintStartUnknown = 30074;
inline constexpr int PrintEndUnknown = 30075;
inline constexpr int PrintEndBeforeStart = 30076;
inline constexpr int FileNotFound = 30077;
inline constexpr int BlockEndsDiffer = 30079;
inline constexpr int BlockNot3kPlus1 = 30080;
inline constexpr int AskAllPages = 30081;
inline constexpr int PrinterFailed = 30082;
inline constexpr int NeedPdfFile = 30083;
inline constexpr int PdfInfoFailed = 30084;
inline constexpr int TooLargeForView = 30085;
inline constexpr int AskQuitUnsaved = 30086;
inline constexpr int AskGifNot256 = 30087;
inline constexpr int ImageSetFailed = 30088;
inline constexpr int TimesSaved = 30089;
inline constexpr int GuideTurnedOn = 30090;
inline constexpr int BackupFailed = 30091;
inline constexpr int TooManyObjects = 30163;
inline constexpr int FileMissingBesideProgram = 30173;
inline constexpr int ManualTitle = 30174;
}  // namespace msg

inline constexpr int IDS_HISTORY_FIRST = 30200;  // oldest release
inline constexpr int IDS_HISTORY_LAST = 30207;   // newest release
inline constexpr int IDS_APP_TITLE = 57344;
// The framework's question before a modified document is closed; the
// document's name comes first, as the prefix.
inline constexpr int IDP_ASK_TO_SAVE = 61714;
