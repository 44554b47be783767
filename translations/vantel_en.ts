<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>AttemptCsv</name>
    <message>
        <source>名前,ドリル,開始日時,時間(秒),点数,満点,新記録</source>
        <translation>Name,Drill,Started,Time (s),Score,Out of,New best</translation>
    </message>
</context>
<context>
    <name>AttemptTableModel</name>
    <message>
        <source>日付</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>時間</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>点数</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>新記録</source>
        <translation>New best</translation>
    </message>
</context>
<context>
    <name>Clock</name>
    <message>
        <source>月曜日</source>
        <translation>Mon</translation>
    </message>
    <message>
        <source>火曜日</source>
        <translation>Tue</translation>
    </message>
    <message>
        <source>水曜日</source>
        <translation>Wed</translation>
    </message>
    <message>
        <source>木曜日</source>
        <translation>Thu</translation>
    </message>
    <message>
        <source>金曜日</source>
        <translation>Fri</translation>
    </message>
    <message>
        <source>土曜日</source>
        <translation>Sat</translation>
    </message>
    <message>
        <source>日曜日</source>
        <translation>Sun</translation>
    </message>
</context>
<context>
    <name>Drills</name>
    <message>
        <source>名前なし</source>
        <translation>No name</translation>
    </message>
    <message>
        <source>たしざん</source>
        <translation>Adding</translation>
    </message>
    <message>
        <source>ひきざん</source>
        <translation>Taking away</translation>
    </message>
    <message>
        <source>かけざん</source>
        <translation>Times</translation>
    </message>
    <message>
        <source>九九</source>
        <translation>Times tables</translation>
    </message>
</context>
<context>
    <name>EventSounds</name>
    <message>
        <source>音を鳴らそうと思ったのですが、
WAVファイルを発見出来ませんでした。
その存在を確認して、サウンド設定を
もう一度やり直して下さい。</source>
        <translation>I tried to play a sound,
but could not find the WAV file.
Check that the file is there,
then set up the sound again.</translation>
    </message>
    <message>
        <source>音を鳴らそうと思ったのですが、
WAVファイルを発見出来ませんでした。
次回使うときに、サウンド設定をやり直すか、
チェックをoffにしてください。</source>
        <translation>I tried to play a sound,
but could not find the WAV file.
Next time, set up the sound again
or untick its box.</translation>
    </message>
    <message>
        <source>音声ファイル( *.wav )|*.wav</source>
        <translation>Sound files ( *.wav )|*.wav</translation>
    </message>
</context>
<context>
    <name>FactMapView</name>
    <message>
        <source>
まだ記録がありません</source>
        <translation>
Not tried yet</translation>
    </message>
    <message>
        <source>
まちがい %1 / %2 回（%3%）</source>
        <translation>
Wrong %1 of %2 times (%3%)</translation>
    </message>
    <message>
        <source>
答えるまでの時間（中央値） %1 秒</source>
        <translation>
Usual time to answer: %1 seconds</translation>
    </message>
    <message>
        <source>九九</source>
        <translation>×</translation>
    </message>
</context>
<context>
    <name>Judge</name>
    <message>
        <source>○ の数は、%1/%2 こです。</source>
        <translation>You got %1 of %2 right.</translation>
    </message>
    <message>
        <source>未入力項目があります
すへての升を埋めてから
ストップを押してください。</source>
        <translation>Some squares are empty.
Fill in every square,
then press Stop.</translation>
    </message>
    <message>
        <source>全問正解そのうえ
ベストタイムです。
たいへんよくできました。</source>
        <translation>All right, and
a new best time!
Well done!</translation>
    </message>
    <message>
        <source>
全問正解・よくできました。</source>
        <translation>
All right. Well done!</translation>
    </message>
</context>
<context>
    <name>NumberedSheetsDialog</name>
    <message>
        <source>ちがうプリントを N 枚</source>
        <translation>Many different worksheets</translation>
    </message>
    <message>
        <source> 枚</source>
        <translation> sheets</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>ドリル(&amp;D)</source>
        <translation>&amp;Drill</translation>
    </message>
    <message>
        <source>枚数(&amp;N)</source>
        <translation>&amp;How many</translation>
    </message>
    <message>
        <source>番号つきのプリントと、同じ番号の答えを印刷します。</source>
        <translation>Prints numbered worksheets, then the answers with the same numbers.</translation>
    </message>
</context>
<context>
    <name>ParentReport</name>
    <message>
        <source>%1年%2月%3日</source>
        <translation>%1/%2/%3</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>sec</translation>
    </message>
    <message>
        <source>時間</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>ベストタイム</source>
        <translation>Best time</translation>
    </message>
    <message>
        <source>まちがいあり</source>
        <translation>Some wrong</translation>
    </message>
    <message>
        <source>よくできている</source>
        <translation>Going well</translation>
    </message>
    <message>
        <source>時間がかかる・ときどきまちがえる</source>
        <translation>Slow or sometimes wrong</translation>
    </message>
    <message>
        <source>よくまちがえる</source>
        <translation>Often wrong</translation>
    </message>
    <message>
        <source>記録なし</source>
        <translation>Not tried</translation>
    </message>
    <message>
        <source>成績レポート</source>
        <translation>Progress report</translation>
    </message>
    <message>
        <source>名前：</source>
        <translation>Name: </translation>
    </message>
    <message>
        <source>期間：</source>
        <translation>Dates: </translation>
    </message>
    <message>
        <source>ドリルごとのタイム</source>
        <translation>Times for each drill</translation>
    </message>
    <message>
        <source>ドリル</source>
        <translation>Drill</translation>
    </message>
    <message>
        <source>さいきんのタイム（正解）</source>
        <translation>Latest time (right answers)</translation>
    </message>
    <message>
        <source>回数</source>
        <translation>Tries</translation>
    </message>
    <message>
        <source>%1 回</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>かかった時間（%1）</source>
        <translation>How long it took (%1)</translation>
    </message>
    <message>
        <source>この期間の記録はありません</source>
        <translation>No results for these dates</translation>
    </message>
    <message>
        <source>問題ごとのできぐあい（%1）</source>
        <translation>How each problem went (%1)</translation>
    </message>
    <message>
        <source>練習するとよい問題</source>
        <translation>Problems to practise</translation>
    </message>
    <message>
        <source>ます目の数字はまちがえた回数です。</source>
        <translation>The number in a square is how many times it was wrong.</translation>
    </message>
    <message>
        <source>苦手な問題はまだ見つかっていません</source>
        <translation>No tricky problems yet</translation>
    </message>
    <message>
        <source>まちがいが多い問題と、答えるのに時間が</source>
        <translation>The problems most often wrong or slowest</translation>
    </message>
    <message>
        <source>かかる問題を、苦手な順にならべました。</source>
        <translation>to answer, the hardest first.</translation>
    </message>
    <message>
        <source>&#x3000;作成日：</source>
        <translation>   Made on </translation>
    </message>
    <message>
        <source> 〜 </source>
        <translation> to </translation>
    </message>
    <message>
        <source>まだ</source>
        <translation>Not yet</translation>
    </message>
    <message>
        <source>（%1/%2）</source>
        <translation> (%1/%2)</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>このパソコン</source>
        <translation>This computer</translation>
    </message>
    <message>
        <source>記録:</source>
        <translation>Records:</translation>
    </message>
    <message>
        <source>&#x3000;まちがい %1/%2 回</source>
        <translation>   wrong %1 of %2</translation>
    </message>
    <message>
        <source>&#x3000;%1 秒</source>
        <translation>   %1 seconds</translation>
    </message>
    <message>
        <source>苦手な問題はまだ見つかっていません</source>
        <translation>No tricky problems yet</translation>
    </message>
    <message>
        <source>成績の記録</source>
        <translation>My results</translation>
    </message>
    <message>
        <source>最近30日</source>
        <translation>Last 30 days</translation>
    </message>
    <message>
        <source>最近90日</source>
        <translation>Last 90 days</translation>
    </message>
    <message>
        <source>すべて</source>
        <translation>All</translation>
    </message>
    <message>
        <source>CSVに書き出す...</source>
        <translation>Save as CSV...</translation>
    </message>
    <message>
        <source>苦手プリント</source>
        <translation>Practice sheet</translation>
    </message>
    <message>
        <source>成績レポート</source>
        <translation>Report</translation>
    </message>
    <message>
        <source>保護者に渡す1枚のレポートを印刷します</source>
        <translation>Prints a one-page report for parents</translation>
    </message>
    <message>
        <source> 問</source>
        <translation> problems</translation>
    </message>
    <message>
        <source>読み込み中…</source>
        <translation>Loading…</translation>
    </message>
    <message>
        <source>名前:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>ドリル:</source>
        <translation>Drill:</translation>
    </message>
    <message>
        <source>期間:</source>
        <translation>Dates:</translation>
    </message>
    <message>
        <source>かかった時間</source>
        <translation>How long it took</translation>
    </message>
    <message>
        <source>時間</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>ベストタイム</source>
        <translation>Best time</translation>
    </message>
    <message>
        <source>まちがいあり</source>
        <translation>Some wrong</translation>
    </message>
    <message>
        <source>日付</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>時間（秒）</source>
        <translation>Seconds</translation>
    </message>
    <message>
        <source>問題ごとのできぐあい（数字はまちがえた回数）</source>
        <translation>How each problem went (the number is how many times it was wrong)</translation>
    </message>
    <message>
        <source>緑: よくできている&#x3000;黄: 時間がかかる・ときどきまちがえる&#x3000;赤: よくまちがえる&#x3000;灰: 記録なし</source>
        <translation>Green: going well   Yellow: slow or sometimes wrong   Red: often wrong   Grey: not tried yet</translation>
    </message>
    <message>
        <source>苦手な問題</source>
        <translation>Tricky problems</translation>
    </message>
    <message>
        <source>%1の一覧にもどる</source>
        <translation>Back to %1</translation>
    </message>
    <message>
        <source>CSV ファイル (*.csv)|*.csv</source>
        <translation>CSV files (*.csv)|*.csv</translation>
    </message>
    <message>
        <source>成績の記録_%1.csv</source>
        <translation>results_%1.csv</translation>
    </message>
    <message>
        <source>ファイル %1 に書き込めませんでした。</source>
        <translation>Could not write the file %1.</translation>
    </message>
</context>
<context>
    <name>ReadAloud</name>
    <message>
        <source>ja</source>
        <comment>espeak-ng voice</comment>
        <extracomment>espeak-ng&apos;s voice for this language&apos;s words (espeak-ng --voices), e.g. en-us</extracomment>
        <translation>en-us</translation>
    </message>
    <message>
        <source>%1 たす %2</source>
        <translation>%1 plus %2</translation>
    </message>
    <message>
        <source>%1 ひく %2</source>
        <translation>%1 minus %2</translation>
    </message>
    <message>
        <source>%1 かける %2</source>
        <translation>%1 times %2</translation>
    </message>
    <message>
        <source>せいかい は %1 こ、%2 もん ちゅう</source>
        <translation>%1 right out of %2</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>問題を読み上げる</source>
        <translation>Read the problems aloud</translation>
    </message>
    <message>
        <source>記録(&amp;R)</source>
        <translation>&amp;Records</translation>
    </message>
    <message>
        <source>成績の記録を見る...</source>
        <translation>See my results...</translation>
    </message>
    <message>
        <source>プリント(&amp;W)</source>
        <translation>&amp;Worksheets</translation>
    </message>
    <message>
        <source>ちがうプリントを N 枚...</source>
        <translation>Many different worksheets...</translation>
    </message>
    <message>
        <source>言語 / Language</source>
        <translation>Language / 言語</translation>
    </message>
    <message>
        <source> たしざん </source>
        <translation> Adding </translation>
    </message>
    <message>
        <source> ひきざん </source>
        <translation> Taking away </translation>
    </message>
    <message>
        <source> かけざん </source>
        <translation> Times </translation>
    </message>
    <message>
        <source> 九九</source>
        <translation> Times tables</translation>
    </message>
    <message>
        <source> Print</source>
        <translation> Print</translation>
    </message>
    <message>
        <source> Sound &amp;&amp; Picture</source>
        <translation> Sound &amp;&amp; Picture</translation>
    </message>
    <message>
        <source>スタート</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>問題作成&amp;時計がスタートします。</source>
        <translation>Makes new problems and starts the clock.</translation>
    </message>
    <message>
        <source>ストップ</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>問題成否判定・時計のストップ</source>
        <translation>Checks the answers and stops the clock.</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>問題・回答のクリア</source>
        <translation>Clears the problems and answers.</translation>
    </message>
    <message>
        <source>ソフトの出口</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>ヘルプ</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>バージョン情報を表示します。</source>
        <translation>About Vantel</translation>
    </message>
    <message>
        <source>たしざん</source>
        <translation>Adding</translation>
    </message>
    <message>
        <source>ひきざん</source>
        <translation>Taking away</translation>
    </message>
    <message>
        <source>かけざん</source>
        <translation>Times</translation>
    </message>
    <message>
        <source>九九</source>
        <translation>Times tables</translation>
    </message>
    <message>
        <source>プリント用紙印刷設定</source>
        <translation>Printing worksheets</translation>
    </message>
    <message>
        <source>氏名らん</source>
        <translation>Names on the worksheets</translation>
    </message>
    <message>
        <source>足し算のプリント印刷</source>
        <translation>Print Adding</translation>
    </message>
    <message>
        <source>引き算のプリント印刷</source>
        <translation>Print Taking away</translation>
    </message>
    <message>
        <source>掛け算のプリント印刷</source>
        <translation>Print Times</translation>
    </message>
    <message>
        <source>九九のプリント印刷</source>
        <translation>Print Times tables</translation>
    </message>
    <message>
        <source>答え+</source>
        <translation>Ans +</translation>
    </message>
    <message>
        <source>答え-</source>
        <translation>Ans -</translation>
    </message>
    <message>
        <source>答えx</source>
        <translation>Ans x</translation>
    </message>
    <message>
        <source>答え99</source>
        <translation>Ans 99</translation>
    </message>
    <message>
        <source>プリント用紙の氏名らんのテキスト保存・読込み</source>
        <translation>Save or open the names on the worksheets</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>読込</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Excelに転送</source>
        <translation>To Excel</translation>
    </message>
    <message>
        <source>クリアー</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>プリンターのセットアップ</source>
        <translation>Printer</translation>
    </message>
    <message>
        <source>セットアップ</source>
        <translation>Set up</translation>
    </message>
    <message>
        <source>サウンド設定</source>
        <translation>Sounds</translation>
    </message>
    <message>
        <source>バージョン情報を表示した時に音を鳴らします。</source>
        <translation>Play a sound with the About box.</translation>
    </message>
    <message>
        <source>サウンドファイル (1)</source>
        <translation>Sound file (1)</translation>
    </message>
    <message>
        <source>参照 1</source>
        <translation>Pick</translation>
    </message>
    <message>
        <source>テスト</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>テスト (1)</source>
        <translation>Test (1)</translation>
    </message>
    <message>
        <source>ページを切り替える時音を鳴らします。</source>
        <translation>Play a sound when the page changes.</translation>
    </message>
    <message>
        <source>サウンドファイル (2)</source>
        <translation>Sound file (2)</translation>
    </message>
    <message>
        <source>参照 2</source>
        <translation>Pick</translation>
    </message>
    <message>
        <source>テスト (2)</source>
        <translation>Test (2)</translation>
    </message>
    <message>
        <source>終了ボタンを押した時に音を鳴らします。</source>
        <translation>Play a sound when I quit.</translation>
    </message>
    <message>
        <source>サウンドファイル (4)</source>
        <translation>Sound file (4)</translation>
    </message>
    <message>
        <source>参照4</source>
        <translation>Pick</translation>
    </message>
    <message>
        <source>テスト (4)</source>
        <translation>Test (4)</translation>
    </message>
    <message>
        <source>全問正解の時に音を鳴らします。</source>
        <translation>Play a sound when all are right.</translation>
    </message>
    <message>
        <source>サウンドファイル (5)</source>
        <translation>Sound file (5)</translation>
    </message>
    <message>
        <source>参照5</source>
        <translation>Pick</translation>
    </message>
    <message>
        <source>テスト (5)</source>
        <translation>Test (5)</translation>
    </message>
    <message>
        <source>全問正解 &amp;&amp; ハイスコア の時音を鳴らします。</source>
        <translation>Play a sound for all right &amp;&amp; a best time.</translation>
    </message>
    <message>
        <source>サウンドファイル (3)</source>
        <translation>Sound file (3)</translation>
    </message>
    <message>
        <source>参照 3</source>
        <translation>Pick</translation>
    </message>
    <message>
        <source>テスト (3)</source>
        <translation>Test (3)</translation>
    </message>
    <message>
        <source>画像変更</source>
        <translation>Picture</translation>
    </message>
    <message>
        <source>バージョン情報の画像を変更できます。</source>
        <translation>Change the About picture.</translation>
    </message>
    <message>
        <source>&#x3000;開く</source>
        <translation> Open</translation>
    </message>
    <message>
        <source>Open Voice </source>
        <translation>Greetings</translation>
    </message>
    <message>
        <source>起動した時に、挨拶します。</source>
        <translation>Greet me at start.</translation>
    </message>
    <message>
        <source>起動時の挨拶をミュートします。</source>
        <translation>Turns the greeting at start on or off.</translation>
    </message>
    <message>
        <source>「おはようございます」</source>
        <translation>“Good morning”</translation>
    </message>
    <message>
        <source>挨拶のテスト発声</source>
        <translation>Hear the greeting</translation>
    </message>
    <message>
        <source>テスト「おはようございます」</source>
        <translation>Test “Good morning”</translation>
    </message>
    <message>
        <source>「こんにちは」</source>
        <translation>“Hello”</translation>
    </message>
    <message>
        <source>テスト「こんにちは」</source>
        <translation>Test “Hello”</translation>
    </message>
    <message>
        <source>「こんばんは」</source>
        <translation>“Good evening”</translation>
    </message>
    <message>
        <source>テスト「こんばんは」</source>
        <translation>Test “Good evening”</translation>
    </message>
    <message>
        <source>ベストタイムの初期化</source>
        <translation>Reset best times</translation>
    </message>
    <message>
        <source>足し算を初期化します。</source>
        <translation>Reset Adding.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>足し算のベストタイムを初期化</source>
        <translation>Reset the Adding best time</translation>
    </message>
    <message>
        <source>引き算を初期化します。</source>
        <translation>Reset Taking away.</translation>
    </message>
    <message>
        <source>引き算のベストタイムを初期化</source>
        <translation>Reset the Taking away best time</translation>
    </message>
    <message>
        <source>掛け算を初期化します。</source>
        <translation>Reset Times.</translation>
    </message>
    <message>
        <source>掛け算のベストタイムを初期化</source>
        <translation>Reset the Times best time</translation>
    </message>
    <message>
        <source>九九を初期化します。</source>
        <translation>Reset Times tables.</translation>
    </message>
    <message>
        <source>九九のベストタイムを初期化</source>
        <translation>Reset the Times tables best time</translation>
    </message>
    <message>
        <source>UserName</source>
        <translation>Your name</translation>
    </message>
    <message>
        <source>使う人の名前を登録します。</source>
        <translation>Type your name, then press OK.</translation>
    </message>
    <message>
        <source>使う人の名前</source>
        <translation>Your name</translation>
    </message>
    <message>
        <source>使う人の名前を登録</source>
        <translation>Save your name</translation>
    </message>
    <message>
        <source> %1 の Vantel</source>
        <translation> %1’s Vantel</translation>
    </message>
    <message>
        <source>%1 今回のタイム</source>
        <translation>%1 latest time</translation>
    </message>
    <message>
        <source>%1 ベストタイム</source>
        <translation>%1 best time</translation>
    </message>
    <message>
        <source>日付と時刻</source>
        <translation>Date and time</translation>
    </message>
    <message>
        <source>ファイル(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>新規作成(&amp;N)</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>上書き保存(&amp;S)</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>名前を付けて保存(&amp;A)...</source>
        <translation>Save &amp;as...</translation>
    </message>
    <message>
        <source>足し算のプリント印刷(&amp;P)</source>
        <translation>&amp;Print Adding</translation>
    </message>
    <message>
        <source>ページ設定(&amp;T)...</source>
        <translation>Page se&amp;tup...</translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>編集(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>問題作成(&amp;T)</source>
        <translation>New &amp;problems</translation>
    </message>
    <message>
        <source>答えあわせ(&amp;F)</source>
        <translation>&amp;Check answers</translation>
    </message>
    <message>
        <source>サウンド(&amp;S)</source>
        <translation>&amp;Sound</translation>
    </message>
    <message>
        <source>開く  (1)</source>
        <translation>Open (1)</translation>
    </message>
    <message>
        <source>開く  (2)</source>
        <translation>Open (2)</translation>
    </message>
    <message>
        <source>開く  (3)</source>
        <translation>Open (3)</translation>
    </message>
    <message>
        <source>開く&#x3000;(4)</source>
        <translation>Open (4)</translation>
    </message>
    <message>
        <source>開く&#x3000;(5)</source>
        <translation>Open (5)</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>目次(&amp;C)</source>
        <translation>&amp;Contents</translation>
    </message>
    <message>
        <source>トピックの検索(&amp;S)...</source>
        <translation>&amp;Search help...</translation>
    </message>
    <message>
        <source>バージョン情報(&amp;A)...</source>
        <translation>&amp;About Vantel...</translation>
    </message>
    <message>
        <source>テキストファイル|*.txt|カンマ区切りテキスト|*.csv|引用符付きカンマ区切りテキスト|*.csv|HTML|*.html</source>
        <translation>Text files|*.txt|Comma-separated text|*.csv|Quoted comma-separated text|*.csv|HTML|*.html</translation>
    </message>
    <message>
        <source>テキストファイル|*.txt|カンマ区切りテキスト|*.csv|引用符付きカンマ区切りテキスト|*.csv</source>
        <translation>Text files|*.txt|Comma-separated text|*.csv|Quoted comma-separated text|*.csv</translation>
    </message>
</context>
<context>
    <name>TStringGrid</name>
    <message>
        <source>%1 行 %2 列</source>
        <translation>Row %1, column %2</translation>
    </message>
</context>
<context>
    <name>TVersionBox</name>
    <message>
        <source>Ｈｕｎｄｒｅｄ&#x3000;Ｃｅｌｌ&#x3000;Ｍａｔｈ</source>
        <translation>Hundred Cell Math</translation>
    </message>
    <message>
        <source>音声：あいさつは合成音声です</source>
        <translation>Voice: a computer says the greetings</translation>
    </message>
    <message>
        <source>画像：Vantel プロジェクト</source>
        <translation>Picture: the Vantel project</translation>
    </message>
    <message>
        <source>制作：Vantel プロジェクト</source>
        <translation>Made by the Vantel project</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 Vantel プロジェクト</source>
        <translation>Copyright (C) 2026 the Vantel project</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Ｖａｎｔｅｌ の バージョン情報</source>
        <translation>About Vantel</translation>
    </message>
</context>
<context>
    <name>WeakFactSheet</name>
    <message>
        <source>  こたえ</source>
        <translation>  Answers</translation>
    </message>
    <message>
        <source>苦手プリント（%1）  %2</source>
        <translation>Practice sheet (%1)  %2</translation>
    </message>
</context>
</TS>
