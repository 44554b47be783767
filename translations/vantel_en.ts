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
    <name>ClassCsv</name>
    <message>
        <source>名前</source>
        <extracomment>CSV column header of the children&apos;s names; a class list file with this header reads back</extracomment>
        <translation>Name</translation>
    </message>
    <message>
        <source>名簿</source>
        <extracomment>CSV column header: &quot;○&quot; when the child is on the class list</extracomment>
        <translation>On the class list</translation>
    </message>
    <message>
        <source>練習</source>
        <extracomment>CSV column header: whether the child practised lately</extracomment>
        <translation>Practice</translation>
    </message>
    <message>
        <source>ベスト(秒)</source>
        <extracomment>CSV column header after a drill&apos;s name: the best time in seconds</extracomment>
        <translation>Best (s)</translation>
    </message>
    <message>
        <source>最新(秒)</source>
        <extracomment>CSV column header after a drill&apos;s name: the latest time in seconds</extracomment>
        <translation>Latest (s)</translation>
    </message>
    <message>
        <source>7日間(回)</source>
        <extracomment>CSV column header after a drill&apos;s name: attempts in the last 7 days</extracomment>
        <translation>7 days (tries)</translation>
    </message>
    <message>
        <source>傾向(秒)</source>
        <extracomment>CSV column header after a drill&apos;s name: the trend in seconds</extracomment>
        <translation>Trend (s)</translation>
    </message>
    <message>
        <source>これまで(回)</source>
        <extracomment>CSV column header after a drill&apos;s name: all attempts so far</extracomment>
        <translation>All time (tries)</translation>
    </message>
</context>
<context>
    <name>ClassFactsPage</name>
    <message>
        <source>ドリル:</source>
        <translation>Drill:</translation>
    </message>
    <message>
        <source>期間:</source>
        <translation>Dates:</translation>
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
        <source>クラスの苦手プリント</source>
        <translation>Class practice sheet</translation>
    </message>
    <message>
        <source>クラスでまちがいの多い問題のプリント（答えのページつき）</source>
        <translation>A sheet of the problems the class most often gets wrong (with an answer page)</translation>
    </message>
    <message>
        <source>全員の苦手プリント</source>
        <translation>Practice sheets for everyone</translation>
    </message>
    <message>
        <source>このドリルを練習した子の一人ずつの苦手プリントを、まとめて印刷します（答えのページつき）</source>
        <translation>Prints a practice sheet for each child who has practised this drill, all in one go (with answer pages)</translation>
    </message>
    <message>
        <source>色はクラス全体のできぐあいです（緑: よくできている&#x3000;黄: ときどきまちがえる・時間がかかる&#x3000;赤: まちがえる子が多い&#x3000;灰: まだ記録なし）。ますの数字は、その問題をまちがえたことのある子の人数です。ますにマウスを置くと、まちがいの回数と、クラスの答えるまでの時間（中央値）が出ます。</source>
        <translation>The colours show how the whole class is doing (Green: going well   Yellow: sometimes wrong or slow   Red: many children get it wrong   Grey: not tried yet). The number in a square is how many children have ever got that problem wrong. Rest the mouse on a square to see how many times it was wrong and the class’s usual time to answer it (the median).</translation>
    </message>
    <message>
        <source>読み込んでいます...</source>
        <translation>Loading...</translation>
    </message>
    <message>
        <source>クラスの問題ごとの記録を読めませんでした: %1</source>
        <translation>Could not read how each problem went for the class: %1</translation>
    </message>
    <message>
        <source>この期間に %1 の記録はありません。</source>
        <translation>No %1 results for these dates.</translation>
    </message>
    <message>
        <source>%1 人の記録から。</source>
        <translation>Children counted: %1.</translation>
    </message>
    <message>
        <source>まだ記録がありません</source>
        <translation>Not tried yet</translation>
    </message>
    <message>
        <source>まちがえた子 %1 人 / 練習した子 %2 人</source>
        <translation>Children who got it wrong: %1 of the %2 who practised</translation>
    </message>
    <message>
        <source>まちがい %1 / %2 回（%3%）</source>
        <translation>Wrong %1 of %2 times (%3%)</translation>
    </message>
    <message>
        <source>クラスの答えるまでの時間（中央値） %1 秒</source>
        <translation>Class’s usual time to answer: %1 seconds</translation>
    </message>
    <message>
        <source>%1 を練習した子がまだいないので、印刷するものがありません。</source>
        <translation>No child has practised %1 yet, so there is nothing to print.</translation>
    </message>
    <message>
        <source>記録を読めなかったため、印刷しませんでした。
%1</source>
        <translation>The results could not be read, so nothing was printed.
%1</translation>
    </message>
</context>
<context>
    <name>ClassReader</name>
    <message>
        <source>クラスのサーバーのデータの形式（第%1版）は、このVantelが知っている形式（第%2版）より新しいため、使えません。Vantelを新しくしてください。記録はこのパソコンに残ります。</source>
        <translation>The class server’s data (version %1) is newer than the version this Vantel knows (version %2), so it cannot be used. Please update Vantel. The results stay on this computer.</translation>
    </message>
    <message>
        <source>クラスのサーバーの準備が古いままです（第%1版）。管理者に classroom-setup.sh install を頼んでください。記録はこのパソコンに残ります。</source>
        <translation>The class server’s set-up is out of date (version %1). Ask the administrator to run classroom-setup.sh install. The results stay on this computer.</translation>
    </message>
    <message>
        <source>%1（まだ一度も）</source>
        <translation>%1 (never)</translation>
    </message>
    <message>
        <source>%1（最後 %2）</source>
        <translation>%1 (last %2)</translation>
    </message>
    <message>
        <source>、</source>
        <extracomment>Between the names of computers in a list</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>、ほか %1 台</source>
        <extracomment>After the list of computers: and %1 more</extracomment>
        <translation> and %1 more</translation>
    </message>
    <message>
        <source>つながっていないパソコン: %1</source>
        <translation>Computers not connected: %1</translation>
    </message>
</context>
<context>
    <name>ClassRoster</name>
    <message>
        <source>クラスのサーバーが名簿とクラス全体の成績にまだ対応していません。管理者に classroom-setup.sh install をもう一度頼んでください。ほかの記録はこれまでどおり使えます。</source>
        <translation>The class server is not ready for class lists and whole-class results yet. Ask the administrator to run classroom-setup.sh install again. Everything else works as before.</translation>
    </message>
    <message>
        <source>名前が長すぎます（%1文字まで）</source>
        <translation>The name is too long (at most %1 characters)</translation>
    </message>
    <message>
        <source>名簿に入る名前は1クラス%1人までです</source>
        <translation>A class list can hold at most %1 names</translation>
    </message>
    <message>
        <source>名前が空か、使えない文字（改行や制御文字）が入っています</source>
        <translation>The name is empty or has characters that cannot be used (line breaks or control characters)</translation>
    </message>
    <message>
        <source>このクラスの名簿を変えることは許されていません</source>
        <translation>This login may not change the class list of this class</translation>
    </message>
</context>
<context>
    <name>ClassTableModel</name>
    <message>
        <source>±0.0秒</source>
        <extracomment>A change of time in seconds, in a narrow column of the class table</extracomment>
        <translation>±0.0 s</translation>
    </message>
    <message>
        <source>%1秒</source>
        <extracomment>Seconds, in a narrow column of the class table</extracomment>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>7日間 練習なし</source>
        <extracomment>A child with no attempt in the last 7 days; a narrow column of the class table</extracomment>
        <translation>No practice in 7 days</translation>
    </message>
    <message>
        <source>まだ一度も練習していません</source>
        <translation>Has not practised yet</translation>
    </message>
    <message>
        <source>最近 7 日間に練習していません（これまでに %1 回）</source>
        <translation>No practice in the last 7 days (%1 tries in all)</translation>
    </message>
    <message>
        <source>これまでに %1 回</source>
        <translation>%1 tries in all</translation>
    </message>
    <message>
        <source>最近5回の平均と、その前の5回の平均の差（−は速くなった）</source>
        <translation>The average of the last 5 tries minus the average of the 5 before them (− means faster)</translation>
    </message>
    <message>
        <source>6回以上で表示します</source>
        <translation>Shown after 6 tries or more</translation>
    </message>
    <message>
        <source>名前</source>
        <extracomment>Column header: the child&apos;s name</extracomment>
        <translation>Name</translation>
    </message>
    <message>
        <source>練習</source>
        <extracomment>Column header: whether the child practised lately</extracomment>
        <translation>Practice</translation>
    </message>
    <message>
        <source>ベスト</source>
        <extracomment>Column header: the best time</extracomment>
        <translation>Best</translation>
    </message>
    <message>
        <source>最新</source>
        <extracomment>Column header: the latest time</extracomment>
        <translation>Latest</translation>
    </message>
    <message>
        <source>7日間</source>
        <extracomment>Column header: attempts in the last 7 days</extracomment>
        <translation>7 days</translation>
    </message>
    <message>
        <source>傾向</source>
        <extracomment>Column header: the trend of the times</extracomment>
        <translation>Trend</translation>
    </message>
</context>
<context>
    <name>ClassView</name>
    <message>
        <source>クラス:</source>
        <translation>Class:</translation>
    </message>
    <message>
        <source>読み直す</source>
        <translation>Reload</translation>
    </message>
    <message>
        <source>CSVに書き出す...</source>
        <translation>Save as CSV...</translation>
    </message>
    <message>
        <source>クラスの表を表計算ソフトで開けるファイルにします</source>
        <translation>Saves the class table as a file a spreadsheet program can open</translation>
    </message>
    <message>
        <source>一人ずつ</source>
        <extracomment>Tab: the class table, a row for each child</extracomment>
        <translation>Each child</translation>
    </message>
    <message>
        <source>クラスの問題ごとのできぐあい</source>
        <extracomment>Tab: the class&apos;s fact map</extracomment>
        <translation>How each problem went (class)</translation>
    </message>
    <message>
        <source>読み込んでいます...</source>
        <translation>Loading...</translation>
    </message>
    <message>
        <source>クラスの記録を読めませんでした: %1</source>
        <translation>Could not read the class results: %1</translation>
    </message>
    <message>
        <source>名簿を読めませんでした: %1</source>
        <translation>Could not read the class list: %1</translation>
    </message>
    <message>
        <source>このクラスの記録はまだありません。名簿は「名簿を読み込む...」で作れます。</source>
        <extracomment>「名簿を読み込む...」 is the button&apos;s own text</extracomment>
        <translation>This class has no results yet. You can make the class list with “Open class list...”.</translation>
    </message>
    <message>
        <source>%1 人（%2: %3 人）。名前をダブルクリックすると、その子の記録（グラフ・表・問題ごとのできぐあい）を見られます。時間は 分:秒、傾向の − は速くなったことを表します。</source>
        <translation>Children: %1 (%2: %3). Double-click a name to see that child’s results (chart, table, how each problem went). Times are minutes:seconds; a − under Trend means faster.</translation>
    </message>
    <message>
        <source>CSV ファイル (*.csv)|*.csv</source>
        <extracomment>File dialog filter: the name, then the pattern after &quot;|&quot;; keep the patterns</extracomment>
        <translation>CSV files (*.csv)|*.csv</translation>
    </message>
    <message>
        <source>クラスの記録_%1.csv</source>
        <extracomment>The file name offered for the class table; %1 is the class</extracomment>
        <translation>class_results_%1.csv</translation>
    </message>
    <message>
        <source>ファイル %1 に書き込めませんでした。</source>
        <translation>Could not write the file %1.</translation>
    </message>
</context>
<context>
    <name>ClassWorksheetRun</name>
    <message>
        <source>一人ずつの苦手な問題を読んでいます...</source>
        <translation>Reading each child’s tricky problems...</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>全員の苦手プリント</source>
        <translation>Practice sheets for everyone</translation>
    </message>
    <message>
        <source>%1 / %2 人目: %3</source>
        <extracomment>The child being read, of all of them: 3 / 25: name</extracomment>
        <translation>%1 / %2: %3</translation>
    </message>
</context>
<context>
    <name>Classroom</name>
    <message>
        <source>このパソコンのログイン %1 はサーバーに拒否されました（%2）</source>
        <translation>This computer’s login %1 was refused by the server (%2)</translation>
    </message>
    <message>
        <source>このパソコンのログインはサーバーに拒否されました（%1）</source>
        <translation>This computer’s login was refused by the server (%1)</translation>
    </message>
    <message>
        <source>このパソコンのログイン %1 は読み取りしかできないため、記録を送れません</source>
        <translation>This computer’s login %1 is read-only, so results can’t be sent</translation>
    </message>
    <message>
        <source>このパソコンのログインは読み取りしかできないため、記録を送れません</source>
        <translation>This computer’s login is read-only, so results can’t be sent</translation>
    </message>
    <message>
        <source>パスワードが違います</source>
        <translation>the password is wrong</translation>
    </message>
    <message>
        <source>このパソコンからの接続が許されていません</source>
        <translation>connections from this computer are not allowed</translation>
    </message>
    <message>
        <source>ログインが使えなくなっています</source>
        <translation>the login no longer works</translation>
    </message>
    <message>
        <source>同じログインの接続が多すぎます</source>
        <translation>too many connections with the same login</translation>
    </message>
    <message>
        <source>クラスのサーバーが暗号化（TLS）に応じないため、つなぎませんでした</source>
        <translation>The class server would not use encryption (TLS), so Vantel did not connect</translation>
    </message>
    <message>
        <source>クラスのサーバーの証明書が信頼できないため、つなぎませんでした</source>
        <translation>The class server’s certificate can’t be trusted, so Vantel did not connect</translation>
    </message>
    <message>
        <source>クラスのサーバーが安全でない方法でパスワードを求めたため、送りませんでした</source>
        <translation>The class server asked for the password in an unsafe way, so it was not sent</translation>
    </message>
    <message>
        <source>最後につながったのは %1</source>
        <translation>Last connected %1</translation>
    </message>
    <message>
        <source>まだつながっていません</source>
        <translation>Not connected yet</translation>
    </message>
    <message>
        <source>&#x3000;送信待ち %1 件</source>
        <extracomment>Appended to the status line, after a wide space</extracomment>
        <translation>   waiting to send: %1</translation>
    </message>
    <message>
        <source>&#x3000;送れない記録 %1 件</source>
        <extracomment>Appended to the status line, after a wide space</extracomment>
        <translation>   can’t be sent: %1</translation>
    </message>
    <message>
        <source>クラスのサーバー: つないでいます（%1）</source>
        <translation>Class server: connecting (%1)</translation>
    </message>
    <message>
        <source>クラスのサーバー: つながっています（%1）</source>
        <translation>Class server: connected (%1)</translation>
    </message>
    <message>
        <source>クラスのサーバーにつながりません（%1）</source>
        <translation>Class server: can’t connect (%1)</translation>
    </message>
    <message>
        <source>クラスのサーバーがこのパソコンからの記録を受け付けません（%1）</source>
        <translation>The class server does not accept results from this computer (%1)</translation>
    </message>
    <message>
        <source>サーバーの答え: %1</source>
        <translation>The server’s answer: %1</translation>
    </message>
    <message>
        <source>送れない記録の理由: %1</source>
        <translation>Why results can’t be sent: %1</translation>
    </message>
    <message>
        <source>クラス</source>
        <extracomment>The class on the server, as a source of records beside &quot;this computer&quot;</extracomment>
        <translation>Class</translation>
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
    <name>HelpFiles</name>
    <message>
        <source>ヘルプファイル %1 が見つかりません。</source>
        <translation>Cannot find the help file %1.</translation>
    </message>
    <message>
        <source>ヘルプファイル %1 が見つかりません。
探した場所:
%2</source>
        <extracomment>%2 is the list of folders searched, one a line.</extracomment>
        <translation>Cannot find the help file %1.
Looked in:
%2</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Vantel ヘルプ</source>
        <translation>Vantel Help</translation>
    </message>
    <message>
        <source>目次</source>
        <extracomment>The help&apos;s table of contents, as a tab and as the button that opens its first page.</extracomment>
        <translation>Contents</translation>
    </message>
    <message>
        <source>キーワード</source>
        <extracomment>The tab of the keyword index.</extracomment>
        <translation>Index</translation>
    </message>
    <message>
        <source>戻る</source>
        <extracomment>Go back to the page shown before.</extracomment>
        <translation>Back</translation>
    </message>
    <message>
        <source>進む</source>
        <extracomment>Go forward again after going back.</extracomment>
        <translation>Forward</translation>
    </message>
    <message>
        <source>探したい言葉を入力してください：</source>
        <translation>Type the word you are looking for:</translation>
    </message>
    <message>
        <source>ヘルプファイル %1 を開けません。</source>
        <translation>Cannot open the help file %1.</translation>
    </message>
    <message>
        <source>ヘルプファイル %1 にヘルプの内容が登録されていません。</source>
        <translation>The help file %1 has no help pages registered in it.</translation>
    </message>
    <message>
        <source>ヘルプファイル %1 が見つかりません。</source>
        <translation>Cannot find the help file %1.</translation>
    </message>
    <message>
        <source>トピックの選択</source>
        <translation>Choose a topic</translation>
    </message>
    <message>
        <source>表示するページを選んでください：</source>
        <translation>Choose the page to show:</translation>
    </message>
</context>
<context>
    <name>JpegImage</name>
    <message>
        <source>JPEG エラー #%1</source>
        <extracomment>%1 is libjpeg&apos;s message number.</extracomment>
        <translation>JPEG error #%1</translation>
    </message>
    <message>
        <source>ファイル %1 は開けません</source>
        <translation>Cannot open the file %1</translation>
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
    <name>NamePanelPrint</name>
    <message>
        <source>なまえ</source>
        <extracomment>The word a teacher writes in a worksheet&apos;s name panel before the child&apos;s name (&quot;Name&quot;); the class print run puts each child&apos;s name in the cell after it.</extracomment>
        <translation>Name</translation>
    </message>
</context>
<context>
    <name>NumberedSheets</name>
    <message>
        <source>ちがう問題を %1 枚作れませんでした。</source>
        <translation>Could not make %1 sheets with different problems.</translation>
    </message>
    <message>
        <source>No. %1&#x3000;こたえ</source>
        <extracomment>Printed above the answer key of a numbered sheet; こたえ means &quot;answers&quot;.</extracomment>
        <translation>No. %1   Answers</translation>
    </message>
    <message>
        <source>No. %1</source>
        <extracomment>Printed above each numbered sheet.</extracomment>
        <translation>No. %1</translation>
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
    <name>Outbox</name>
    <message>
        <source>送信待ちの記録 (%1) を読み書きできません: %2</source>
        <translation>Cannot read or write the results waiting to send (%1): %2</translation>
    </message>
    <message>
        <source>送信待ちの記録 (%1) を開けません: %2</source>
        <translation>Cannot open the results waiting to send (%1): %2</translation>
    </message>
    <message>
        <source>送信待ちの記録 (%1) を書きかえられません: %2</source>
        <translation>Cannot change the results waiting to send (%1): %2</translation>
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
    <name>PgConnection</name>
    <message>
        <source>PostgreSQL のドライバー (QPSQL) がありません</source>
        <translation>The PostgreSQL driver (QPSQL) is missing</translation>
    </message>
    <message>
        <source>接続できません</source>
        <translation>Cannot connect</translation>
    </message>
    <message>
        <source>接続していません</source>
        <translation>Not connected</translation>
    </message>
    <message>
        <source>問い合わせを準備できません</source>
        <translation>Cannot prepare the query</translation>
    </message>
    <message>
        <source>問い合わせが失敗しました</source>
        <translation>The query failed</translation>
    </message>
    <message>
        <source>トランザクションを始められません</source>
        <translation>Cannot start a transaction</translation>
    </message>
    <message>
        <source>記録を確定できません</source>
        <translation>Cannot commit the results</translation>
    </message>
</context>
<context>
    <name>PrintProgressDialog</name>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>印刷</source>
        <translation>Printing</translation>
    </message>
    <message>
        <source>プリントを用意しています（%1 / %2）</source>
        <translation>Getting the sheets ready (%1 / %2)</translation>
    </message>
    <message>
        <source>印刷しています（%1 / %2 ページ）</source>
        <translation>Printing (page %1 of %2)</translation>
    </message>
</context>
<context>
    <name>PrinterChoice</name>
    <message>
        <source>Vantel-プリント.pdf</source>
        <extracomment>The default name of the PDF file prints go to; a number is added to it.</extracomment>
        <translation>Vantel-worksheets.pdf</translation>
    </message>
    <message>
        <source>フォルダーを作れません。
%1</source>
        <translation>Cannot make the folder.
%1</translation>
    </message>
    <message>
        <source>%1
これ以上ファイルを作れません。</source>
        <translation>%1
Cannot make any more files.</translation>
    </message>
</context>
<context>
    <name>PrinterQt</name>
    <message>
        <source>プリンターは印刷中ではありません。</source>
        <translation>The printer is not printing.</translation>
    </message>
    <message>
        <source>印刷中はプリンターを変えられません。</source>
        <translation>The printer cannot be changed while printing.</translation>
    </message>
    <message>
        <source>すでに印刷中です。</source>
        <translation>Already printing.</translation>
    </message>
    <message>
        <source>プリンター「%1」は使えません。</source>
        <translation>The printer “%1” cannot be used.</translation>
    </message>
    <message>
        <source>プリンター「%1」で印刷を始められません。</source>
        <translation>Cannot start printing on the printer “%1”.</translation>
    </message>
    <message>
        <source>%1
印刷を始められません。</source>
        <translation>%1
Cannot start printing.</translation>
    </message>
    <message>
        <source>新しいページを始められません。</source>
        <translation>Cannot start a new page.</translation>
    </message>
</context>
<context>
    <name>PrinterSetupDialog</name>
    <message>
        <source>プリンターの設定</source>
        <translation>Printer settings</translation>
    </message>
    <message>
        <source>PDF ファイル</source>
        <extracomment>Printing to a PDF file instead of a printer.</extracomment>
        <translation>PDF file</translation>
    </message>
    <message>
        <source>参照...</source>
        <translation>Pick...</translation>
    </message>
    <message>
        <source>縦</source>
        <extracomment>Page orientation: portrait.</extracomment>
        <translation>Portrait</translation>
    </message>
    <message>
        <source>横</source>
        <extracomment>Page orientation: landscape.</extracomment>
        <translation>Landscape</translation>
    </message>
    <message>
        <source>プリンター:</source>
        <translation>Printer:</translation>
    </message>
    <message>
        <source>ファイル名:</source>
        <translation>File name:</translation>
    </message>
    <message>
        <source>用紙サイズ:</source>
        <translation>Paper size:</translation>
    </message>
    <message>
        <source>印刷の向き:</source>
        <translation>Orientation:</translation>
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
        <source>次の印刷は %1 に書き出します。</source>
        <translation>The next print goes to %1.</translation>
    </message>
    <message>
        <source>PDF ファイル (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
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
    <message>
        <source>正解</source>
        <extracomment>what a screen reader says of an answer cell marked ○</extracomment>
        <translation>correct</translation>
    </message>
</context>
<context>
    <name>RosterImport</name>
    <message>
        <source>ファイルが大きすぎます（名簿は %1 KB までです）。読み込みませんでした。</source>
        <translation>The file is too big (a class list can be at most %1 KB). It was not read.</translation>
    </message>
    <message>
        <source>文字のファイルではないため、読み込みませんでした。</source>
        <translation>It is not a text file, so it was not read.</translation>
    </message>
    <message>
        <source>%1 行目: 名前が長すぎます（%2 文字まで）「%3」</source>
        <translation>Line %1: the name is too long (at most %2 characters) “%3”</translation>
    </message>
    <message>
        <source>%1 行目: 名前に使えない文字があります</source>
        <translation>Line %1: the name has characters that cannot be used</translation>
    </message>
    <message>
        <source>%1 行目: 「%2」は前にもあるので、1 回だけにしました</source>
        <translation>Line %1: “%2” came before, so it is on the list only once</translation>
    </message>
    <message>
        <source>%1 人を超えた %2 人は読み込みませんでした</source>
        <translation>%2 names past the first %1 were not read</translation>
    </message>
    <message>
        <source>ほか %1 件</source>
        <translation>and %1 more</translation>
    </message>
    <message>
        <source>名前が見つかりませんでした。</source>
        <translation>No names were found.</translation>
    </message>
</context>
<context>
    <name>RosterPanel</name>
    <message>
        <source>名前が空です。</source>
        <translation>The name is empty.</translation>
    </message>
    <message>
        <source>名前が長すぎます（%1 文字まで）。</source>
        <translation>The name is too long (at most %1 characters).</translation>
    </message>
    <message>
        <source>名前に使えない文字があります。</source>
        <translation>The name has characters that cannot be used.</translation>
    </message>
    <message>
        <source>「%1」はもう名簿にあります。</source>
        <translation>“%1” is already on the class list.</translation>
    </message>
    <message>
        <source>名簿を読み込む...</source>
        <translation>Open class list...</translation>
    </message>
    <message>
        <source>名前を加える...</source>
        <translation>Add a name...</translation>
    </message>
    <message>
        <source>名前を変える...</source>
        <translation>Rename...</translation>
    </message>
    <message>
        <source>名簿から外す...</source>
        <translation>Take off the list...</translation>
    </message>
    <message>
        <source>名簿の名前にまとめる...</source>
        <translation>Merge into a listed name...</translation>
    </message>
    <message>
        <source>名簿にない名前（%1）: 名簿の名前の子の記録なら、まとめられます</source>
        <extracomment>The title over the names of attempts not on the class list; %1 is how many</extracomment>
        <translation>Names not on the class list (%1): if they are a listed child’s results, you can merge them</translation>
    </message>
    <message>
        <source>%1&#x3000;（%2 回）</source>
        <extracomment>A name not on the class list and how many attempts it has</extracomment>
        <translation>%1   (%2 tries)</translation>
    </message>
    <message>
        <source>名簿（テキスト・CSV） (*.txt *.csv)|*.txt;*.csv|すべてのファイル (*)|*</source>
        <extracomment>File dialog filters: each name, then its patterns after &quot;|&quot;; keep the patterns</extracomment>
        <translation>Class lists (text, CSV) (*.txt *.csv)|*.txt;*.csv|All files (*)|*</translation>
    </message>
    <message>
        <source>ファイル %1 を開けませんでした。</source>
        <translation>Could not open the file %1.</translation>
    </message>
    <message>
        <source>%1 から名前を読めませんでした。
%2</source>
        <translation>Could not read names from %1.
%2</translation>
    </message>
    <message>
        <source>名簿に名前を加えられませんでした。</source>
        <translation>Could not add names to the class list.</translation>
    </message>
    <message>
        <source>%1 人を名簿に加えました。</source>
        <translation>Names added to the class list: %1.</translation>
    </message>
    <message>
        <source>（%1 人はもう名簿にありました）</source>
        <translation> (already on the list: %1)</translation>
    </message>
    <message>
        <source>

読み込まなかった行:
%1</source>
        <translation>

Lines not read:
%1</translation>
    </message>
    <message>
        <source>名前を加える</source>
        <translation>Add a name</translation>
    </message>
    <message>
        <source>名簿に加える名前:</source>
        <translation>Name to add to the class list:</translation>
    </message>
    <message>
        <source>名前を変える子を、表で選んでください。</source>
        <translation>In the table, choose the child to rename.</translation>
    </message>
    <message>
        <source>名前を変える</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>「%1」の新しい名前:</source>
        <translation>New name for “%1”:</translation>
    </message>
    <message>
        <source>「%1」を「%2」に変えます。
「%1」のこれまでの記録も、すべて「%2」の記録になります。</source>
        <translation>“%1” becomes “%2”.
All of “%1”’s results so far become “%2”’s results too.</translation>
    </message>
    <message>
        <source>「%1」の名前を変えられませんでした。</source>
        <translation>Could not rename “%1”.</translation>
    </message>
    <message>
        <source>名簿から外す子を、表で選んでください。</source>
        <translation>In the table, choose the child to take off the list.</translation>
    </message>
    <message>
        <source>名簿から外す</source>
        <translation>Take off the list</translation>
    </message>
    <message>
        <source>「%1」を名簿から外します。
記録は消えずに残ります。</source>
        <translation>“%1” will be taken off the class list.
The results are not deleted.</translation>
    </message>
    <message>
        <source>「%1」を名簿から外せませんでした。</source>
        <translation>Could not take “%1” off the class list.</translation>
    </message>
    <message>
        <source>まとめる名前を「名簿にない名前」から選んでください。</source>
        <translation>Choose the name to merge under “Names not on the class list”.</translation>
    </message>
    <message>
        <source>名簿の名前にまとめる</source>
        <translation>Merge into a listed name</translation>
    </message>
    <message>
        <source>「%1」の記録をまとめる名簿の名前:</source>
        <translation>Name on the class list to merge “%1”’s results into:</translation>
    </message>
    <message>
        <source>「%1」の記録 %2 回を「%3」の記録にします。</source>
        <translation>%2 tries of “%1” will become “%3”’s results.</translation>
    </message>
    <message>
        <source>「%1」の記録をまとめられませんでした。</source>
        <translation>Could not merge “%1”’s results.</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>%1 に書き込めません</source>
        <translation>Cannot write to %1</translation>
    </message>
</context>
<context>
    <name>SpreadsheetCalc</name>
    <message>
        <source>セル (%1, %2) は表計算ソフト (LibreOffice Calc)のワークシートの外です</source>
        <translation>Cell (%1, %2) is outside the sheet of the spreadsheet program (LibreOffice Calc)</translation>
    </message>
    <message>
        <source>ワークシート %1 はありません</source>
        <translation>There is no sheet %1</translation>
    </message>
    <message>
        <source>セル (%1, %2) の文字列が長すぎます (%3 文字まで)</source>
        <translation>The text in cell (%1, %2) is too long (at most %3 characters)</translation>
    </message>
    <message>
        <source>フォルダ %1 を作成できません</source>
        <translation>Cannot create the folder %1</translation>
    </message>
    <message>
        <source>ファイル %1 を作成できません</source>
        <translation>Cannot create the file %1</translation>
    </message>
    <message>
        <source>表計算ソフト (LibreOffice Calc) を起動できません</source>
        <translation>Cannot start the spreadsheet program (LibreOffice Calc)</translation>
    </message>
    <message>
        <source>表計算ソフト (LibreOffice Calc) がインストールされていません</source>
        <translation>The spreadsheet program (LibreOffice Calc) is not installed</translation>
    </message>
</context>
<context>
    <name>SpreadsheetXlsx</name>
    <message>
        <source>Couldn&apos;t load libxlsxwriter: %1</source>
        <extracomment>%1 is the system&apos;s own reason, in English.</extracomment>
        <translation>Couldn&apos;t load libxlsxwriter: %1</translation>
    </message>
    <message>
        <source>ファイル %1 を作成できません</source>
        <translation>Cannot create the file %1</translation>
    </message>
    <message>
        <source>ファイル %1 を作成できません (%2)</source>
        <extracomment>%2 is the library&apos;s own reason, in English.</extracomment>
        <translation>Cannot create the file %1 (%2)</translation>
    </message>
</context>
<context>
    <name>SqliteHistory</name>
    <message>
        <source>フォルダー %1 を作れません。</source>
        <translation>Cannot make the folder %1.</translation>
    </message>
    <message>
        <source>壊れた記録ファイル %1 を移せません。</source>
        <translation>Cannot move the damaged results file %1.</translation>
    </message>
    <message>
        <source>成績の記録ファイルが壊れていたので、別の名前で残して新しい記録を始めます。
元のファイル: %1</source>
        <translation>The results file was damaged, so it has been kept under another name and new results are started.
The old file: %1</translation>
    </message>
    <message>
        <source>成績を記録できませんでした。ディスクの空きや、記録のフォルダーに書き込めるかを確かめてください。
この回の成績は覚えておき、次の回かプログラムの終了時にもう一度記録します。
%1</source>
        <extracomment>%1 is the database&apos;s own reason, often in English.</extracomment>
        <translation>Could not save the results. Check that the disk has space and that the results folder can be written to.
This try is remembered and saved again at the next try or when the program quits.
%1</translation>
    </message>
</context>
<context>
    <name>TApplication</name>
    <message>
        <source>不明なエラーです。</source>
        <translation>Unknown error.</translation>
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
    <name>TStringGridIO</name>
    <message>
        <source>ファイル %1 を作成できません</source>
        <translation>Cannot create the file %1</translation>
    </message>
    <message>
        <source>ファイル %1 は開けません</source>
        <translation>Cannot open the file %1</translation>
    </message>
    <message>
        <source>ファイル %1 は大きすぎて読み込めません</source>
        <translation>The file %1 is too big to read</translation>
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
    <name>WeakFactRun</name>
    <message>
        <source>苦手プリントを印刷する子どもがいません。</source>
        <translation>There is no child to print a practice sheet for.</translation>
    </message>
    <message>
        <source>苦手プリントにする問題がありません。</source>
        <translation>There are no problems for a practice sheet.</translation>
    </message>
    <message>
        <source>問題がないので、次の子どもの苦手プリントは印刷しませんでした。
%1</source>
        <translation>These children have no problems to practise, so their practice sheets were not printed:
%1</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
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
<context>
    <name>WorksheetPrint</name>
    <message>
        <source>このプリントは Vantel で作成しました。</source>
        <extracomment>Printed under every worksheet.</extracomment>
        <translation>This worksheet was made with Vantel.</translation>
    </message>
</context>
</TS>
