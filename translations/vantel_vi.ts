<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="vi" sourcelanguage="ja">
<context>
    <name>AttemptCsv</name>
    <message>
        <source>名前,ドリル,開始日時,時間(秒),点数,満点,新記録</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AttemptTableModel</name>
    <message>
        <source>日付</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>時間</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>点数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>新記録</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Clock</name>
    <message>
        <source>月曜日</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>火曜日</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>水曜日</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>木曜日</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>金曜日</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>土曜日</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>日曜日</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Drills</name>
    <message>
        <source>名前なし</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>たしざん</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ひきざん</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>かけざん</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>九九</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EventSounds</name>
    <message>
        <source>音を鳴らそうと思ったのですが、
WAVファイルを発見出来ませんでした。
その存在を確認して、サウンド設定を
もう一度やり直して下さい。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>音を鳴らそうと思ったのですが、
WAVファイルを発見出来ませんでした。
次回使うときに、サウンド設定をやり直すか、
チェックをoffにしてください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>音声ファイル( *.wav )|*.wav</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FactMapView</name>
    <message>
        <source>
まだ記録がありません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
まちがい %1 / %2 回（%3%）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
答えるまでの時間（中央値） %1 秒</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>九九</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Judge</name>
    <message>
        <source>○ の数は、%1/%2 こです。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>未入力項目があります
すへての升を埋めてから
ストップを押してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全問正解そのうえ
ベストタイムです。
たいへんよくできました。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
全問正解・よくできました。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NumberedSheetsDialog</name>
    <message>
        <source>ちがうプリントを N 枚</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 枚</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ドリル(&amp;D)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>枚数(&amp;N)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>番号つきのプリントと、同じ番号の答えを印刷します。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ParentReport</name>
    <message>
        <source>%1年%2月%3日</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>秒</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>時間</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ベストタイム</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>まちがいあり</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>よくできている</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>時間がかかる・ときどきまちがえる</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>よくまちがえる</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>記録なし</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>成績レポート</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>名前：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>期間：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ドリルごとのタイム</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ドリル</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>さいきんのタイム（正解）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>回数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 回</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>かかった時間（%1）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>この期間の記録はありません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>問題ごとのできぐあい（%1）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>練習するとよい問題</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ます目の数字はまちがえた回数です。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>苦手な問題はまだ見つかっていません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>まちがいが多い問題と、答えるのに時間が</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>かかる問題を、苦手な順にならべました。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&#x3000;作成日：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 〜 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>まだ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>（%1/%2）</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>このパソコン</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>記録:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&#x3000;まちがい %1/%2 回</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&#x3000;%1 秒</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>苦手な問題はまだ見つかっていません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>成績の記録</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最近30日</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最近90日</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>すべて</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSVに書き出す...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>苦手プリント</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>成績レポート</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保護者に渡す1枚のレポートを印刷します</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 問</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>読み込み中…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>名前:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ドリル:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>期間:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>かかった時間</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>時間</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ベストタイム</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>まちがいあり</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>日付</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>時間（秒）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>問題ごとのできぐあい（数字はまちがえた回数）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>緑: よくできている&#x3000;黄: 時間がかかる・ときどきまちがえる&#x3000;赤: よくまちがえる&#x3000;灰: 記録なし</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>苦手な問題</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1の一覧にもどる</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV ファイル (*.csv)|*.csv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>成績の記録_%1.csv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイル %1 に書き込めませんでした。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReadAloud</name>
    <message>
        <source>ja</source>
        <comment>espeak-ng voice</comment>
        <extracomment>espeak-ng&apos;s voice for this language&apos;s words (espeak-ng --voices), e.g. en-us</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 たす %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ひく %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 かける %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>せいかい は %1 こ、%2 もん ちゅう</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>問題を読み上げる</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>記録(&amp;R)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>成績の記録を見る...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>プリント(&amp;W)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ちがうプリントを N 枚...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>言語 / Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> たしざん </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> ひきざん </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> かけざん </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 九九</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Sound &amp;&amp; Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>スタート</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>問題作成&amp;時計がスタートします。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ストップ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>問題成否判定・時計のストップ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>問題・回答のクリア</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ソフトの出口</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ヘルプ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>バージョン情報を表示します。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>たしざん</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ひきざん</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>かけざん</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>九九</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>プリント用紙印刷設定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>氏名らん</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>足し算のプリント印刷</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>引き算のプリント印刷</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>掛け算のプリント印刷</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>九九のプリント印刷</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>答え+</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>答え-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>答えx</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>答え99</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>プリント用紙の氏名らんのテキスト保存・読込み</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>読込</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Excelに転送</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>クリアー</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>プリンターのセットアップ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>セットアップ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>サウンド設定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>バージョン情報を表示した時に音を鳴らします。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>サウンドファイル (1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>参照 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>テスト</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>テスト (1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ページを切り替える時音を鳴らします。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>サウンドファイル (2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>参照 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>テスト (2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>終了ボタンを押した時に音を鳴らします。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>サウンドファイル (4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>参照4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>テスト (4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全問正解の時に音を鳴らします。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>サウンドファイル (5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>参照5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>テスト (5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全問正解 &amp;&amp; ハイスコア の時音を鳴らします。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>サウンドファイル (3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>参照 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>テスト (3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>画像変更</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>バージョン情報の画像を変更できます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&#x3000;開く</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Voice </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>起動した時に、挨拶します。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>起動時の挨拶をミュートします。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「おはようございます」</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>挨拶のテスト発声</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>テスト「おはようございます」</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「こんにちは」</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>テスト「こんにちは」</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「こんばんは」</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>テスト「こんばんは」</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ベストタイムの初期化</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>足し算を初期化します。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>足し算のベストタイムを初期化</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>引き算を初期化します。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>引き算のベストタイムを初期化</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>掛け算を初期化します。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>掛け算のベストタイムを初期化</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>九九を初期化します。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>九九のベストタイムを初期化</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UserName</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>使う人の名前を登録します。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>使う人の名前</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>使う人の名前を登録</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> %1 の Vantel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 今回のタイム</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ベストタイム</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>日付と時刻</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイル(&amp;F)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>新規作成(&amp;N)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>上書き保存(&amp;S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>名前を付けて保存(&amp;A)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>足し算のプリント印刷(&amp;P)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ページ設定(&amp;T)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>編集(&amp;E)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>問題作成(&amp;T)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>答えあわせ(&amp;F)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>サウンド(&amp;S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>開く  (1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>開く  (2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>開く  (3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>開く&#x3000;(4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>開く&#x3000;(5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>目次(&amp;C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>トピックの検索(&amp;S)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>バージョン情報(&amp;A)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>テキストファイル|*.txt|カンマ区切りテキスト|*.csv|引用符付きカンマ区切りテキスト|*.csv|HTML|*.html</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>テキストファイル|*.txt|カンマ区切りテキスト|*.csv|引用符付きカンマ区切りテキスト|*.csv</source>
        <translation type="unfinished"></translation>
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
    <name>TVersionBox</name>
    <message>
        <source>Ｈｕｎｄｒｅｄ&#x3000;Ｃｅｌｌ&#x3000;Ｍａｔｈ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>音声：あいさつは合成音声です</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>画像：Vantel プロジェクト</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>制作：Vantel プロジェクト</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright (C) 2026 Vantel プロジェクト</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ｖａｎｔｅｌ の バージョン情報</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WeakFactSheet</name>
    <message>
        <source>  こたえ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>苦手プリント（%1）  %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
