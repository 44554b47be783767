#include "app/MainWindowLayout.h"

#include "app/Glyphs.h"

#include <array>

namespace {
using K = ControlKind;
using G = Glyph;
// A width or height of 0 sizes the control to its caption. The order is the
// tab order.
// clang-format off
constexpr std::array kControls{
    // The pages, in the order of their tabs; the drill sheets name their page index.
    ControlRow{"PageControl1", K::PageControl, "",      8,  49, 708, 512, "", 15, true}.TabHeight(32),
    ControlRow{"TabSheet1",   K::Page,     "PageControl1", 0, 0,  0,   0, QT_TRANSLATE_NOOP("TForm1", " たしざん ")},
    ControlRow{"TabSheet2",   K::Page,     "PageControl1", 0, 0,  0,   0, QT_TRANSLATE_NOOP("TForm1", " ひきざん ")},
    ControlRow{"TabSheet3",   K::Page,     "PageControl1", 0, 0,  0,   0, QT_TRANSLATE_NOOP("TForm1", " かけざん ")},
    ControlRow{"TabSheet6",   K::Page,     "PageControl1", 0, 0,  0,   0, QT_TRANSLATE_NOOP("TForm1", " 九九")},
    ControlRow{"TabSheet4",   K::Page,     "PageControl1", 0, 0,  0,   0, QT_TRANSLATE_NOOP("TForm1", " Print")},
    ControlRow{"TabSheet5",   K::Page,     "PageControl1", 0, 0,  0,   0, QT_TRANSLATE_NOOP("TForm1", " Sound && Picture")},

    // The tool bar
    ControlRow{"ToolBar1",    K::Panel,    "",            0,   0, 725,  45},
    ControlRow{"BitBtn7",     K::Button,   "ToolBar1",   10,   2, 108,  40, QT_TRANSLATE_NOOP("TForm1", "スタート"), 16, true, QT_TRANSLATE_NOOP("TForm1", "問題作成&時計がスタートします。")}.WithGlyph(&GlyphOf<G::Start>),
    ControlRow{"BitBtn6",     K::Button,   "ToolBar1",  128,   2, 108,  40, QT_TRANSLATE_NOOP("TForm1", "ストップ"), 16, true, QT_TRANSLATE_NOOP("TForm1", "問題成否判定・時計のストップ")}.WithGlyph(&GlyphOf<G::Stop>),
    ControlRow{"BitBtn15",    K::Button,   "ToolBar1",  246,   2,  40,  40, QT_TRANSLATE_NOOP("TForm1", "C"),        16, true, QT_TRANSLATE_NOOP("TForm1", "問題・回答のクリア")},
    ControlRow{"BitBtn5",     K::Button,   "ToolBar1",  577,   2,  40,  40, "",         15, true, QT_TRANSLATE_NOOP("TForm1", "ソフトの出口")}.WithGlyph(&GlyphOf<G::Exit>, 24),
    ControlRow{"BitBtn4",     K::Button,   "ToolBar1",  627,   2,  40,  40, "",         15, true, QT_TRANSLATE_NOOP("TForm1", "ヘルプ")}.WithGlyph(&GlyphOf<G::Help>, 24),
    ControlRow{"BitBtn8",     K::Button,   "ToolBar1",  675,   2,  40,  40, "",         15, true, QT_TRANSLATE_NOOP("TForm1", "バージョン情報を表示します。")}.WithGlyph(&GlyphOf<G::About>, 24),

    // The drill sheets
    ControlRow{"StringGrid1", K::Grid,     "TabSheet1",  12,  12, 676, 444, "", 35, true}.Heard(QT_TRANSLATE_NOOP("TForm1", "たしざん")),
    ControlRow{"StringGrid2", K::Grid,     "TabSheet2",  12,  12, 676, 444, "", 35, true}.Heard(QT_TRANSLATE_NOOP("TForm1", "ひきざん")),
    ControlRow{"StringGrid3", K::Grid,     "TabSheet3",  12,  12, 676, 444, "", 35, true}.Heard(QT_TRANSLATE_NOOP("TForm1", "かけざん")),
    ControlRow{"StringGrid5", K::Grid,     "TabSheet6",  12,  12, 680, 446, "", 35, true}.Heard(QT_TRANSLATE_NOOP("TForm1", "九九")),

    // " Print": worksheets, answer keys and the name panel
    ControlRow{"GroupBox1",   K::GroupBox, "TabSheet4",   2,  12, 691, 221, QT_TRANSLATE_NOOP("TForm1", "プリント用紙印刷設定"), 13, true},
    ControlRow{"StringGrid4", K::Grid,     "GroupBox1",   7,  28, 676, 105, "", 24, true}.Heard(QT_TRANSLATE_NOOP("TForm1", "氏名らん")),
    ControlRow{"BitBtn1",     K::Button,   "GroupBox1",   8, 144, 160,  25, QT_TRANSLATE_NOOP("TForm1", "足し算のプリント印刷")}.WithGlyph(&GlyphOf<G::Print>),
    ControlRow{"BitBtn2",     K::Button,   "GroupBox1", 179, 144, 160,  25, QT_TRANSLATE_NOOP("TForm1", "引き算のプリント印刷")}.WithGlyph(&GlyphOf<G::Print>),
    ControlRow{"BitBtn3",     K::Button,   "GroupBox1", 350, 144, 160,  25, QT_TRANSLATE_NOOP("TForm1", "掛け算のプリント印刷")}.WithGlyph(&GlyphOf<G::Print>),
    ControlRow{"BitBtn16",    K::Button,   "GroupBox1", 520, 144, 160,  25, QT_TRANSLATE_NOOP("TForm1", "九九のプリント印刷")}.WithGlyph(&GlyphOf<G::Print>).Off(),
    ControlRow{"SpeedButton4", K::Button,  "GroupBox1",   8, 178,  61,  25, QT_TRANSLATE_NOOP("TForm1", "答え+")},
    ControlRow{"SpeedButton3", K::Button,  "GroupBox1", 179, 178,  60,  25, QT_TRANSLATE_NOOP("TForm1", "答え-")},
    ControlRow{"SpeedButton5", K::Button,  "GroupBox1", 350, 178,  60,  25, QT_TRANSLATE_NOOP("TForm1", "答えx")},
    ControlRow{"SpeedButton1", K::Button,  "GroupBox1", 520, 176,  64,  22, QT_TRANSLATE_NOOP("TForm1", "答え99")},
    ControlRow{"GroupBox7",   K::GroupBox, "TabSheet4",   2, 248, 479,  93, QT_TRANSLATE_NOOP("TForm1", "プリント用紙の氏名らんのテキスト保存・読込み"), 13, true},
    ControlRow{"BitBtn20",    K::Button,   "GroupBox7",  24,  32,  80,  25, QT_TRANSLATE_NOOP("TForm1", "保存")}.WithGlyph(&GlyphOf<G::Save>),
    ControlRow{"BitBtn21",    K::Button,   "GroupBox7", 131,  32,  80,  25, QT_TRANSLATE_NOOP("TForm1", "読込")}.WithGlyph(&GlyphOf<G::Open>),
    ControlRow{"BitBtn22",    K::Button,   "GroupBox7", 237,  32,  80,  25, QT_TRANSLATE_NOOP("TForm1", "Excelに転送")},
    ControlRow{"BitBtn23",    K::Button,   "GroupBox7", 344,  32,  80,  25, QT_TRANSLATE_NOOP("TForm1", "クリアー")},
    ControlRow{"GroupBox8",   K::GroupBox, "TabSheet4", 498, 252, 191,  93, QT_TRANSLATE_NOOP("TForm1", "プリンターのセットアップ"), 13, true},
    ControlRow{"BitBtn24",    K::Button,   "GroupBox8",  24,  32, 113,  25, QT_TRANSLATE_NOOP("TForm1", "セットアップ")}.WithGlyph(&GlyphOf<G::Setup>),

    // " Sound & Picture": the five event sounds, top to bottom; a slot's
    // controls stay off until its check box is on
    ControlRow{"GroupBox5",   K::GroupBox, "TabSheet5",  12,   8, 421, 354, QT_TRANSLATE_NOOP("TForm1", "サウンド設定"), 13, true},
    ControlRow{"CheckBox5",   K::CheckBox, "GroupBox5",  16,  24, 300,  17, QT_TRANSLATE_NOOP("TForm1", "バージョン情報を表示した時に音を鳴らします。"), 13},
    ControlRow{"Edit2",       K::Edit,     "GroupBox5",  16,  46, 300,  20}.Off().Heard(QT_TRANSLATE_NOOP("TForm1", "サウンドファイル (1)")),
    ControlRow{"Button1",     K::Button,   "GroupBox5", 324,  43,  44,  23, QT_TRANSLATE_NOOP("TForm1", "参照 1")}.Off(),
    ControlRow{"BitBtn17",    K::Button,   "GroupBox5", 376,  43,  25,  23, "", 12, false, QT_TRANSLATE_NOOP("TForm1", "テスト")}.WithGlyph(&GlyphOf<G::Speaker>).Off().Heard(QT_TRANSLATE_NOOP("TForm1", "テスト (1)")),
    ControlRow{"CheckBox6",   K::CheckBox, "GroupBox5",  16,  77, 300,  17, QT_TRANSLATE_NOOP("TForm1", "ページを切り替える時音を鳴らします。"), 13},
    ControlRow{"Edit3",       K::Edit,     "GroupBox5",  16,  99, 300,  20}.Off().Heard(QT_TRANSLATE_NOOP("TForm1", "サウンドファイル (2)")),
    ControlRow{"Button2",     K::Button,   "GroupBox5", 324,  98,  44,  23, QT_TRANSLATE_NOOP("TForm1", "参照 2")}.Off(),
    ControlRow{"BitBtn18",    K::Button,   "GroupBox5", 376,  98,  25,  23}.WithGlyph(&GlyphOf<G::Speaker>).Off().Heard(QT_TRANSLATE_NOOP("TForm1", "テスト (2)")),
    ControlRow{"CheckBox2",   K::CheckBox, "GroupBox5",  16, 128, 300,  17, QT_TRANSLATE_NOOP("TForm1", "終了ボタンを押した時に音を鳴らします。"), 13},
    ControlRow{"Edit5",       K::Edit,     "GroupBox5",  16, 150, 300,  20}.Off().Heard(QT_TRANSLATE_NOOP("TForm1", "サウンドファイル (4)")),
    ControlRow{"Button4",     K::Button,   "GroupBox5", 324, 147,  44,  25, QT_TRANSLATE_NOOP("TForm1", "参照4")}.Off(),
    ControlRow{"BitBtn13",    K::Button,   "GroupBox5", 376, 149,  25,  23}.WithGlyph(&GlyphOf<G::Speaker>).Off().Heard(QT_TRANSLATE_NOOP("TForm1", "テスト (4)")),
    ControlRow{"CheckBox3",   K::CheckBox, "GroupBox5",  16, 181, 300,  17, QT_TRANSLATE_NOOP("TForm1", "全問正解の時に音を鳴らします。"), 13},
    ControlRow{"Edit6",       K::Edit,     "GroupBox5",  16, 203, 300,  20}.Off().Heard(QT_TRANSLATE_NOOP("TForm1", "サウンドファイル (5)")),
    ControlRow{"Button5",     K::Button,   "GroupBox5", 324, 198,  44,  25, QT_TRANSLATE_NOOP("TForm1", "参照5")}.Off(),
    ControlRow{"BitBtn14",    K::Button,   "GroupBox5", 376, 200,  25,  23}.WithGlyph(&GlyphOf<G::Speaker>).Off().Heard(QT_TRANSLATE_NOOP("TForm1", "テスト (5)")),
    ControlRow{"CheckBox7",   K::CheckBox, "GroupBox5",  16, 235, 300,  17, QT_TRANSLATE_NOOP("TForm1", "全問正解 && ハイスコア の時音を鳴らします。"), 13},
    ControlRow{"Edit4",       K::Edit,     "GroupBox5",  16, 257, 300,  20}.Off().Heard(QT_TRANSLATE_NOOP("TForm1", "サウンドファイル (3)")),
    ControlRow{"Button3",     K::Button,   "GroupBox5", 324, 254,  44,  23, QT_TRANSLATE_NOOP("TForm1", "参照 3")}.Off(),
    ControlRow{"BitBtn19",    K::Button,   "GroupBox5", 376, 254,  25,  23}.WithGlyph(&GlyphOf<G::Speaker>).Off().Heard(QT_TRANSLATE_NOOP("TForm1", "テスト (3)")),

    // The About box picture
    ControlRow{"GroupBox2",   K::GroupBox, "TabSheet5", 440,   8, 246,  97, QT_TRANSLATE_NOOP("TForm1", "画像変更"), 13, true},
    ControlRow{"Label4",      K::Label,    "GroupBox2",  16,  32,   0,   0, QT_TRANSLATE_NOOP("TForm1", "バージョン情報の画像を変更できます。"), 13},
    ControlRow{"BitBtn12",    K::Button,   "GroupBox2",  16,  56,  81,  25, QT_TRANSLATE_NOOP("TForm1", "　開く")}.WithGlyph(&GlyphOf<G::Picture>),

    // The start-up greetings
    ControlRow{"GroupBox3",   K::GroupBox, "TabSheet5", 440, 114, 246, 177, QT_TRANSLATE_NOOP("TForm1", "Open Voice "), 13, true},
    ControlRow{"CheckBox1",   K::CheckBox, "GroupBox3",  16,  28, 160,  15, QT_TRANSLATE_NOOP("TForm1", "起動した時に、挨拶します。"), 13, false, QT_TRANSLATE_NOOP("TForm1", "起動時の挨拶をミュートします。")},
    ControlRow{"Label1",      K::Label,    "GroupBox3",  16,  64,   0,   0, QT_TRANSLATE_NOOP("TForm1", "「おはようございます」"), 13},
    ControlRow{"BitBtn9",     K::Button,   "GroupBox3", 152,  52,  70,  25, QT_TRANSLATE_NOOP("TForm1", "テスト"), 12, false, QT_TRANSLATE_NOOP("TForm1", "挨拶のテスト発声")}.WithGlyph(&GlyphOf<G::Speaker>).Heard(QT_TRANSLATE_NOOP("TForm1", "テスト「おはようございます」")),
    ControlRow{"Label2",      K::Label,    "GroupBox3",  16,  99,   0,   0, QT_TRANSLATE_NOOP("TForm1", "「こんにちは」"), 13},
    ControlRow{"BitBtn10",    K::Button,   "GroupBox3", 152,  87,  70,  25, QT_TRANSLATE_NOOP("TForm1", "テスト"), 12, false, QT_TRANSLATE_NOOP("TForm1", "挨拶のテスト発声")}.WithGlyph(&GlyphOf<G::Speaker>).Heard(QT_TRANSLATE_NOOP("TForm1", "テスト「こんにちは」")),
    ControlRow{"Label3",      K::Label,    "GroupBox3",  16, 137,   0,   0, QT_TRANSLATE_NOOP("TForm1", "「こんばんは」"), 13},
    ControlRow{"BitBtn11",    K::Button,   "GroupBox3", 152, 125,  70,  25, QT_TRANSLATE_NOOP("TForm1", "テスト")}.WithGlyph(&GlyphOf<G::Speaker>).Heard(QT_TRANSLATE_NOOP("TForm1", "テスト「こんばんは」")),

    // Best-time reset, one row per drill
    ControlRow{"GroupBox4",   K::GroupBox, "TabSheet5", 440, 300, 246, 154, QT_TRANSLATE_NOOP("TForm1", "ベストタイムの初期化"), 13, true},
    ControlRow{"Label5",      K::Label,    "GroupBox4",  16,  32,   0,   0, QT_TRANSLATE_NOOP("TForm1", "足し算を初期化します。"), 13},
    ControlRow{"Button6",     K::Button,   "GroupBox4", 188,  25,  32,  20, QT_TRANSLATE_NOOP("TForm1", "OK")}.Heard(QT_TRANSLATE_NOOP("TForm1", "足し算のベストタイムを初期化")),
    ControlRow{"Label6",      K::Label,    "GroupBox4",  16,  61,   0,   0, QT_TRANSLATE_NOOP("TForm1", "引き算を初期化します。"), 13},
    ControlRow{"Button7",     K::Button,   "GroupBox4", 188,  54,  32,  20, QT_TRANSLATE_NOOP("TForm1", "OK")}.Heard(QT_TRANSLATE_NOOP("TForm1", "引き算のベストタイムを初期化")),
    ControlRow{"Label7",      K::Label,    "GroupBox4",  16,  91,   0,   0, QT_TRANSLATE_NOOP("TForm1", "掛け算を初期化します。"), 13},
    ControlRow{"Button8",     K::Button,   "GroupBox4", 188,  84,  32,  20, QT_TRANSLATE_NOOP("TForm1", "OK")}.Heard(QT_TRANSLATE_NOOP("TForm1", "掛け算のベストタイムを初期化")),
    ControlRow{"Label9",      K::Label,    "GroupBox4",  16, 120,   0,   0, QT_TRANSLATE_NOOP("TForm1", "九九を初期化します。"), 13},
    ControlRow{"Button10",    K::Button,   "GroupBox4", 188, 113,  32,  20, QT_TRANSLATE_NOOP("TForm1", "OK")}.Heard(QT_TRANSLATE_NOOP("TForm1", "九九のベストタイムを初期化")),

    // The user's name
    ControlRow{"GroupBox6",   K::GroupBox, "TabSheet5",  12, 372, 421,  81, QT_TRANSLATE_NOOP("TForm1", "UserName"), 13, true},
    ControlRow{"Label8",      K::Label,    "GroupBox6",  16,  24,   0,   0, QT_TRANSLATE_NOOP("TForm1", "使う人の名前を登録します。"), 13},
    ControlRow{"Edit7",       K::Edit,     "GroupBox6",  16,  46, 300,  20}.Heard(QT_TRANSLATE_NOOP("TForm1", "使う人の名前")),
    ControlRow{"Button9",     K::Button,   "GroupBox6", 328,  43,  32,  20, QT_TRANSLATE_NOOP("TForm1", "OK")}.Heard(QT_TRANSLATE_NOOP("TForm1", "使う人の名前を登録")),

    // The status bar: the time and best time of each drill, then the clock
    ControlRow{"StatusBar1",  K::StatusBar, "",           0, 568, 725,  32, "", 16, true},
};
// clang-format on
} // namespace

std::span<const ControlRow> MainWindowControls() { return kControls; }
