// Texts of the string table, as the user sees them.
#include "base/StringTable.h"

#include <algorithm>
#include <iterator>

namespace {

struct Entry {
  int id;
  const char8_t* text;
};

// Sorted by id.
constexpr Entry kStrings[] = {
    {msg::NoMemory, u8"メモリの確保に失敗しました"},
    {msg::NoWorkFolder, u8"作業フォルダの取得に失敗しました"},
    {msg::CopyFailed, u8"コピーに失敗しました"},
    {msg::AskSetDefault, u8"このオブジェクトの設定を初期値にしてもよろしいですか\n※ オブジェクトの新規作成時に適用されます"},
    {msg::NoMoreCanBeAdded, u8"これ以上追加できません"},
    {msg::DefaultSet, u8"初期値に設定しました"},
    {msg::TextTooLong, u8"文字数が既定の長さを超えています"},
    {msg::AskPasteLines, u8"貼り付けるテキストの中に改行が含まれています。\n1つのオブジェクトにしますか\n\n複数のオブジェクトにする -「いいえ」\n中止-「キャンセル」"},
    {msg::RibbonFailed, u8"リボンメニューの初期化に失敗"},
    {msg::BitmapInfoFailed, u8"ビットマップファイルの情報取得に失敗しました"},
    {msg::AskSameSwitchTime, u8"すべてのスライドの自動切替え時間を 1 と同じ時間にしてもよろしいですか\n元に戻せません"},
    {msg::PngInfoFailed, u8"PNGファイルの情報取得に失敗しました"},
    {msg::DropOnlyImages, u8"イメージファイル以外はドラッグ＆ドロップで貼り付けることはできません"},
    {msg::AskFreeSlideSize, u8"エリアのサイズ変更をした場合、スライド設定が「自由設定」になりますがよろしいですか"},
    {msg::SaveFailed, u8"ファイルの保存に失敗"},
    {msg::BadFormat, u8"ファイル形式が異なります"},
    {msg::BadVersion, u8"このドキュメントバージョンには対応できません"},
    {msg::ObjectsOutsideArea, u8"エリアからはみ出るオブジェクトがあるため、設定できません"},
    {msg::AskDeleteObjects, u8"選択されたオブジェクトを削除してもよろしいですか"},
    {msg::FewerThanTwoPoints, u8"2点より少なくすることはできません"},
    {msg::StarExample, u8"[例] 六角星 ⇒ 6"},
    {msg::OpenFailed, u8"ファイルのオープンに失敗しました"},
    {msg::PasteImageFailed, u8"イメージの貼り付けに失敗しました"},
    {msg::NoImage, u8"イメージの取得に失敗しました"},
    {msg::ImageTypeRefused, u8"このイメージタイプはセットできません"},
    {msg::SwapFailed, u8"位置交換に失敗しました"},
    {msg::PolygonExample, u8"[例] 八角形 ⇒ 8"},
    {msg::EnterText, u8"文字を入力してください"},
    {msg::AskTooManyVertices, u8"折点数が既定の個数を超過\nアウトラインを曲線にしないで継続しますか"},
    {msg::NoWriteAccess, u8"書き込み場所にアクセス権がない可能性があります\n管理者として実行するか、アクセス権のある場所に保存してください"},
    {msg::UnpackFailed, u8"ファイルの展開に失敗しました"},
    {msg::FontSetFailed, u8"フォントのセットに失敗しました"},
    {msg::FontMakeFailed, u8"フォントの作成に失敗しました"},
    {msg::SettingsSaved, u8"現在の設定を保存しました"},
    {msg::SettingsSaveFailed, u8"現在の設定の保存に失敗しました"},
    {msg::SettingsLoadFailed, u8"現在の設定の読込に失敗しました"},
    {msg::AskOverwriteSettings, u8"既存の設定情報が上書きされますが、よろしいですか"},
    {msg::TooManyObjectsInFile, u8"オブジェクトの最大セット件数を超えました"},
    {msg::AskDeleteSettings, u8"保存している設定を削除してもよろしいですか"},
    {msg::CharTooComplex, u8"折点数が既定の個数を超過。この文字は処理できません"},
    {msg::StringTooLong, u8"文字列が長すぎます"},
    {msg::AskRemoveCharaText, u8"文字イン文字設定を解除しますか"},
    {msg::ExplorerFailed, u8"エクスプローラの起動に失敗しました"},
    {msg::AskChangeImage, u8"現在セットされているイメージを変更しますか"},
    {msg::AskLargeMemory, u8"メモリサイズが大きくなりますがよろしいですか\n\n256色にしてサイズを小さくする-「いいえ」\n中止-「キャンセル」"},
    {msg::ValueOutOfRange, u8"値が入力範囲にありません"},
    {msg::AskUnsavedTimes, u8"変更した時間が保存されていません\nこのまま終了してもよろしいですか\n\n※ メニューの「保存」ボタンで保存することができます"},
    {msg::EndTextJapanese, u8"ご静聴ありがとうございました。"},
    {msg::EndTextEnglish, u8"Thank you very much for kind attention."},
    {msg::AskImageAllSlides, u8"すべてのスライドをイメージ化して保存しますか\n\n現在のスライドのみ -「いいえ」\n中止-「キャンセル」"},
    {msg::AskOverwriteExisting, u8"同名のファイルまたはフォルダが存在します\n上書きされますがよろしいですか"},
    {msg::FolderFailed, u8"フォルダの作成に失敗しました"},
    {msg::AskKeepTransparency, u8"メモリ内のサイズが大きくなることがありますが、透過状態を保持しますか\n「いいえ」～メモリサイズは小さくなりますが透過がなくなることがあります"},
    {msg::AskShowSavedFolder, u8"フォルダ内に、スライドごとにファイルを作成して保存しました\n\n保存場所を表示しますか"},
    {msg::AskIrreversible, u8"逆の処理はできませんが、よろしいですか"},
    {msg::AskDeleteSlide, u8"このスライドを削除してもよろしいですか"},
    {msg::EmptySlideNoCopy, u8"オブジェクトのないスライドはコピーできません"},
    {msg::BadData, u8"データが異常です"},
    {msg::PrinterDcFailed, u8"プリンタＤＣの取得に失敗しました"},
    {msg::ReducedTo256, u8"256色以内に減色しました"},
    {msg::FolderCannotOpen, u8"フォルダは開けません"},
    {msg::NoTarget, u8"保存先が指定されていません"},
    {msg::ExeExtensionNeeded, u8"保存ファイルの拡張子は、必ず exe でなければ保存できません"},
    {msg::AskShowPackage, u8"作成正常終了\n\n保存場所を表示しますか"},
    {msg::CannotOpen, u8"このファイルは開けません"},
    {msg::OleFailed, u8"OLEライブラリの初期化に失敗しました"},
    {msg::PreviewPageUnknown, u8"現在のプレビュー頁が不明です"},
    {msg::PrintStartUnknown, u8"印刷開始頁が不明です"},
    {msg::PrintEndUnknown, u8"印刷終了頁が不明です"},
    {msg::PrintEndBeforeStart, u8"印刷終了頁は開始頁より後にしてください"},
    {msg::FileNotFound, u8"ファイルが見つかりません"},
    {msg::BlockEndsDiffer, u8"ブロックの最初と最後が違います"},
    {msg::BlockNot3kPlus1, u8"3の倍数+1 でないブロックがあります"},
    {msg::AskAllPages, u8"全ページを対象に作成しますか\n\n全ページ-「はい」\n現在ページのみ-「いいえ」\n中止-「キャンセル」"},
    {msg::PrinterFailed, u8"プリンタの初期化に失敗しました"},
    {msg::NeedPdfFile, u8"PDFファイルを指定してください"},
    {msg::PdfInfoFailed, u8"PDFファイルへの情報の書き込みに失敗しました"},
    {msg::TooLargeForView, u8"処理後の大きさがビューのサイズより大きくなるため処理できません"},
    {msg::AskQuitUnsaved, u8"保存しないで終了してもよろしいですか"},
    {msg::AskGifNot256, u8"256色以内に減色されていないと透過GIFにはなりません\n処理を続けますか"},
    {msg::ImageSetFailed, u8"イメージのセットに失敗しました"},
    {msg::TimesSaved, u8"保存しました\n※ リハーサル(自動切替え)モードでスライドを\n自動で切り替える時間として使用されます"},
    {msg::GuideTurnedOn, u8"ステータスバーに操作ガイドを表示するように設定しました"},
    {msg::BackupFailed, u8"バックアップファイルの作成に失敗しました"},
    {msg::TooManyObjects, u8"オブジェクトの数が制限(10,000)を超えました\nこれ以上、セットできません"},
    {msg::FileMissingBesideProgram, u8"実行ファイルと同じ場所に上記のファイルがありません"},
    {msg::ManualTitle, u8"Manual"},
    {IDS_HISTORY_FIRST + 0, u8"Ver. 0.1 2026.12.9 スライドの作成と保存"},
    {IDS_HISTORY_FIRST + 1, u8"Ver. 0.2 2027.1.20 スライドショーと画面切替え効果"},
    {IDS_HISTORY_FIRST + 2, u8"Ver. 0.3 2027.3.3 文字のアウトラインと文字イン文字"},
    {IDS_HISTORY_FIRST + 3, u8"Ver. 0.4 2027.4.14 デザイン文字とグラデーションのプリセット"},
    {IDS_HISTORY_FIRST + 4, u8"Ver. 0.5 2027.5.26 リハーサルと自動切替え時間の保存"},
    {IDS_HISTORY_FIRST + 5, u8"Ver. 0.6 2027.7.7 PDF・画像への出力と印刷"},
    {IDS_HISTORY_FIRST + 6, u8"Ver. 0.7 2027.8.18 単体で実行できるスライドショーの作成"},
    {IDS_HISTORY_FIRST + 7, u8"Ver. 1.0 2027.10.1 透過色の編集とイメージのプロパティ"},
    {IDS_APP_TITLE, u8"Tessaly"},
    {IDP_ASK_TO_SAVE, u8" への変更を保存しますか?"},
};

static_assert(std::is_sorted(std::begin(kStrings), std::end(kStrings),
                             [](const Entry& a, const Entry& b) { return a.id < b.id; }));

}  // namespace

std::optional<QString> LoadString(int id) {
  const auto it = std::lower_bound(std::begin(kStrings), std::end(kStrings), id,
                                   [](const Entry& e, int wanted) { return e.id < wanted; });
  if (it == std::end(kStrings) || it->id != id) return std::nullopt;
  return QString::fromUtf8(reinterpret_cast<const char*>(it->text));
}

QString AppTitle() { return *LoadString(IDS_APP_TITLE); }
