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
        <translation>Time (seconds)</translation>
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
</context>
<context>
    <name>TStringGrid</name>
    <message>
        <source>%1 行 %2 列</source>
        <translation type="unfinished"></translation>
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
