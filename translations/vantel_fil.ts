<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fil" sourcelanguage="ja">
<context>
    <name>AttemptCsv</name>
    <message>
        <source>名前,ドリル,開始日時,時間(秒),点数,満点,新記録</source>
        <translation>Pangalan,Drill,Nagsimula,Oras (segundo),Iskor,Kabuuan,Bagong best time</translation>
    </message>
</context>
<context>
    <name>AttemptTableModel</name>
    <message>
        <source>日付</source>
        <translation>Petsa</translation>
    </message>
    <message>
        <source>時間</source>
        <translation>Oras</translation>
    </message>
    <message>
        <source>点数</source>
        <translation>Iskor</translation>
    </message>
    <message>
        <source>新記録</source>
        <translation>Bagong best time</translation>
    </message>
</context>
<context>
    <name>Clock</name>
    <message>
        <source>月曜日</source>
        <translation>Lun</translation>
    </message>
    <message>
        <source>火曜日</source>
        <translation>Mar</translation>
    </message>
    <message>
        <source>水曜日</source>
        <translation>Miy</translation>
    </message>
    <message>
        <source>木曜日</source>
        <translation>Huw</translation>
    </message>
    <message>
        <source>金曜日</source>
        <translation>Biy</translation>
    </message>
    <message>
        <source>土曜日</source>
        <translation>Sab</translation>
    </message>
    <message>
        <source>日曜日</source>
        <translation>Lin</translation>
    </message>
</context>
<context>
    <name>Drills</name>
    <message>
        <source>名前なし</source>
        <translation>Walang pangalan</translation>
    </message>
    <message>
        <source>たしざん</source>
        <translation>Addition</translation>
    </message>
    <message>
        <source>ひきざん</source>
        <translation>Subtraction</translation>
    </message>
    <message>
        <source>かけざん</source>
        <translation>Multiplication</translation>
    </message>
    <message>
        <source>九九</source>
        <translation>Times Table</translation>
    </message>
</context>
<context>
    <name>EventSounds</name>
    <message>
        <source>音を鳴らそうと思ったのですが、
WAVファイルを発見出来ませんでした。
その存在を確認して、サウンド設定を
もう一度やり直して下さい。</source>
        <translation>Magpapatunog sana ako,
pero hindi ko makita ang WAV file.
Tingnan kung nandoon ang file,
saka i-set up ulit ang tunog.</translation>
    </message>
    <message>
        <source>音を鳴らそうと思ったのですが、
WAVファイルを発見出来ませんでした。
次回使うときに、サウンド設定をやり直すか、
チェックをoffにしてください。</source>
        <translation>Magpapatunog sana ako,
pero hindi ko makita ang WAV file.
Sa susunod, i-set up ulit ang tunog
o alisin ang tsek sa kahon nito.</translation>
    </message>
    <message>
        <source>音声ファイル( *.wav )|*.wav</source>
        <translation>File ng tunog ( *.wav )|*.wav</translation>
    </message>
</context>
<context>
    <name>FactMapView</name>
    <message>
        <source>
まだ記録がありません</source>
        <translation>
Hindi pa nasusubukan</translation>
    </message>
    <message>
        <source>
まちがい %1 / %2 回（%3%）</source>
        <translation>
Mali %1 sa %2 beses (%3%)</translation>
    </message>
    <message>
        <source>
答えるまでの時間（中央値） %1 秒</source>
        <translation>
Karaniwang oras ng pagsagot: %1 segundo</translation>
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
        <translation>Tama ang %1 sa %2 na sagot.</translation>
    </message>
    <message>
        <source>未入力項目があります
すへての升を埋めてから
ストップを押してください。</source>
        <translation>May kahon na wala pang sagot.
Sagutan ang lahat ng kahon,
saka pindutin ang Itigil.</translation>
    </message>
    <message>
        <source>全問正解そのうえ
ベストタイムです。
たいへんよくできました。</source>
        <translation>Tama lahat, at
bagong best time pa!
Napakagaling mo!</translation>
    </message>
    <message>
        <source>
全問正解・よくできました。</source>
        <translation>
Tama lahat. Magaling!</translation>
    </message>
</context>
<context>
    <name>NumberedSheetsDialog</name>
    <message>
        <source>ちがうプリントを N 枚</source>
        <translation>Iba-ibang worksheet</translation>
    </message>
    <message>
        <source> 枚</source>
        <translation> piraso</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Kanselahin</translation>
    </message>
    <message>
        <source>ドリル(&amp;D)</source>
        <translation>&amp;Drill</translation>
    </message>
    <message>
        <source>枚数(&amp;N)</source>
        <translation>Ila&amp;n</translation>
    </message>
    <message>
        <source>番号つきのプリントと、同じ番号の答えを印刷します。</source>
        <translation>Ipi-print ang mga worksheet na may numero, saka ang mga sagot na may parehong numero.</translation>
    </message>
</context>
<context>
    <name>ParentReport</name>
    <message>
        <source>%1年%2月%3日</source>
        <translation>%2/%3/%1</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>seg</translation>
    </message>
    <message>
        <source>時間</source>
        <translation>Oras</translation>
    </message>
    <message>
        <source>ベストタイム</source>
        <translation>Best time</translation>
    </message>
    <message>
        <source>まちがいあり</source>
        <translation>May mali</translation>
    </message>
    <message>
        <source>よくできている</source>
        <translation>Magaling na</translation>
    </message>
    <message>
        <source>時間がかかる・ときどきまちがえる</source>
        <translation>Mabagal o minsang mali</translation>
    </message>
    <message>
        <source>よくまちがえる</source>
        <translation>Madalas mali</translation>
    </message>
    <message>
        <source>記録なし</source>
        <translation>Hindi pa nasusubukan</translation>
    </message>
    <message>
        <source>成績レポート</source>
        <translation>Ulat ng resulta</translation>
    </message>
    <message>
        <source>名前：</source>
        <translation>Pangalan: </translation>
    </message>
    <message>
        <source>期間：</source>
        <translation>Petsa: </translation>
    </message>
    <message>
        <source>ドリルごとのタイム</source>
        <translation>Oras sa bawat drill</translation>
    </message>
    <message>
        <source>ドリル</source>
        <translation>Drill</translation>
    </message>
    <message>
        <source>さいきんのタイム（正解）</source>
        <translation>Huling oras (tama)</translation>
    </message>
    <message>
        <source>回数</source>
        <translation>Ilang beses</translation>
    </message>
    <message>
        <source>%1 回</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>かかった時間（%1）</source>
        <translation>Gaano katagal (%1)</translation>
    </message>
    <message>
        <source>この期間の記録はありません</source>
        <translation>Walang resulta sa mga petsang ito</translation>
    </message>
    <message>
        <source>問題ごとのできぐあい（%1）</source>
        <translation>Kumusta ang bawat tanong (%1)</translation>
    </message>
    <message>
        <source>練習するとよい問題</source>
        <translation>Mga tanong na dapat sanayin</translation>
    </message>
    <message>
        <source>ます目の数字はまちがえた回数です。</source>
        <translation>Ang numero sa kahon ay kung ilang beses itong mali.</translation>
    </message>
    <message>
        <source>苦手な問題はまだ見つかっていません</source>
        <translation>Wala pang nakitang mahirap na tanong</translation>
    </message>
    <message>
        <source>まちがいが多い問題と、答えるのに時間が</source>
        <translation>Ang mga tanong na madalas mali o matagal</translation>
    </message>
    <message>
        <source>かかる問題を、苦手な順にならべました。</source>
        <translation>sagutin, simula sa pinakamahirap.</translation>
    </message>
    <message>
        <source>&#x3000;作成日：</source>
        <translation>   Ginawa noong </translation>
    </message>
    <message>
        <source> 〜 </source>
        <translation> hanggang </translation>
    </message>
    <message>
        <source>まだ</source>
        <translation>Wala pa</translation>
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
        <translation>Itong computer</translation>
    </message>
    <message>
        <source>記録:</source>
        <translation>Mula sa:</translation>
    </message>
    <message>
        <source>&#x3000;まちがい %1/%2 回</source>
        <translation>   mali %1 sa %2</translation>
    </message>
    <message>
        <source>&#x3000;%1 秒</source>
        <translation>   %1 segundo</translation>
    </message>
    <message>
        <source>苦手な問題はまだ見つかっていません</source>
        <translation>Wala pang nakitang mahirap na tanong</translation>
    </message>
    <message>
        <source>成績の記録</source>
        <translation>Mga resulta ko</translation>
    </message>
    <message>
        <source>最近30日</source>
        <translation>Huling 30 araw</translation>
    </message>
    <message>
        <source>最近90日</source>
        <translation>Huling 90 araw</translation>
    </message>
    <message>
        <source>すべて</source>
        <translation>Lahat</translation>
    </message>
    <message>
        <source>CSVに書き出す...</source>
        <translation>I-save bilang CSV...</translation>
    </message>
    <message>
        <source>苦手プリント</source>
        <translation>Pagsasanay sa mahirap</translation>
    </message>
    <message>
        <source>成績レポート</source>
        <translation>Ulat ng resulta</translation>
    </message>
    <message>
        <source>保護者に渡す1枚のレポートを印刷します</source>
        <translation>Ipi-print ang isang pahinang ulat para sa magulang</translation>
    </message>
    <message>
        <source> 問</source>
        <translation> tanong</translation>
    </message>
    <message>
        <source>読み込み中…</source>
        <translation>Naglo-load…</translation>
    </message>
    <message>
        <source>名前:</source>
        <translation>Pangalan:</translation>
    </message>
    <message>
        <source>ドリル:</source>
        <translation>Drill:</translation>
    </message>
    <message>
        <source>期間:</source>
        <translation>Petsa:</translation>
    </message>
    <message>
        <source>かかった時間</source>
        <translation>Gaano katagal</translation>
    </message>
    <message>
        <source>時間</source>
        <translation>Oras</translation>
    </message>
    <message>
        <source>ベストタイム</source>
        <translation>Best time</translation>
    </message>
    <message>
        <source>まちがいあり</source>
        <translation>May mali</translation>
    </message>
    <message>
        <source>日付</source>
        <translation>Petsa</translation>
    </message>
    <message>
        <source>時間（秒）</source>
        <translation>Segundo</translation>
    </message>
    <message>
        <source>問題ごとのできぐあい（数字はまちがえた回数）</source>
        <translation>Kumusta ang bawat tanong (ang numero ay kung ilang beses na mali)</translation>
    </message>
    <message>
        <source>緑: よくできている&#x3000;黄: 時間がかかる・ときどきまちがえる&#x3000;赤: よくまちがえる&#x3000;灰: 記録なし</source>
        <translation>Berde: magaling na   Dilaw: mabagal o minsang mali   Pula: madalas mali   Abo: hindi pa nasusubukan</translation>
    </message>
    <message>
        <source>苦手な問題</source>
        <translation>Mahihirap na tanong</translation>
    </message>
    <message>
        <source>%1の一覧にもどる</source>
        <translation>Bumalik sa listahan ng %1</translation>
    </message>
    <message>
        <source>CSV ファイル (*.csv)|*.csv</source>
        <translation>CSV file (*.csv)|*.csv</translation>
    </message>
    <message>
        <source>成績の記録_%1.csv</source>
        <translation>resulta_%1.csv</translation>
    </message>
    <message>
        <source>ファイル %1 に書き込めませんでした。</source>
        <translation>Hindi maisulat ang file na %1.</translation>
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
        <translation>%1 correct out of %2</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>問題を読み上げる</source>
        <translation>Basahin nang malakas ang mga tanong</translation>
    </message>
    <message>
        <source>記録(&amp;R)</source>
        <translation>&amp;Resulta</translation>
    </message>
    <message>
        <source>成績の記録を見る...</source>
        <translation>Tingnan ang mga resulta ko...</translation>
    </message>
    <message>
        <source>プリント(&amp;W)</source>
        <translation>&amp;Worksheet</translation>
    </message>
    <message>
        <source>ちがうプリントを N 枚...</source>
        <translation>Iba-ibang worksheet...</translation>
    </message>
    <message>
        <source>言語 / Language</source>
        <translation>Wika / Language</translation>
    </message>
    <message>
        <source> たしざん </source>
        <translation> Addition </translation>
    </message>
    <message>
        <source> ひきざん </source>
        <translation> Subtraction </translation>
    </message>
    <message>
        <source> かけざん </source>
        <translation> Multiplication </translation>
    </message>
    <message>
        <source> 九九</source>
        <translation> Times Table</translation>
    </message>
    <message>
        <source> Print</source>
        <translation> I-print</translation>
    </message>
    <message>
        <source> Sound &amp;&amp; Picture</source>
        <translation> Tunog &amp;&amp; Larawan</translation>
    </message>
    <message>
        <source>スタート</source>
        <translation>Simulan</translation>
    </message>
    <message>
        <source>問題作成&amp;時計がスタートします。</source>
        <translation>Gagawa ng bagong tanong at sisimulan ang orasan.</translation>
    </message>
    <message>
        <source>ストップ</source>
        <translation>Itigil</translation>
    </message>
    <message>
        <source>問題成否判定・時計のストップ</source>
        <translation>Iwawasto ang mga sagot at ititigil ang orasan.</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>問題・回答のクリア</source>
        <translation>Buburahin ang mga tanong at sagot.</translation>
    </message>
    <message>
        <source>ソフトの出口</source>
        <translation>Lumabas</translation>
    </message>
    <message>
        <source>ヘルプ</source>
        <translation>Tulong</translation>
    </message>
    <message>
        <source>バージョン情報を表示します。</source>
        <translation>Tungkol sa Vantel</translation>
    </message>
    <message>
        <source>たしざん</source>
        <translation>Addition</translation>
    </message>
    <message>
        <source>ひきざん</source>
        <translation>Subtraction</translation>
    </message>
    <message>
        <source>かけざん</source>
        <translation>Multiplication</translation>
    </message>
    <message>
        <source>九九</source>
        <translation>Times Table</translation>
    </message>
    <message>
        <source>プリント用紙印刷設定</source>
        <translation>Pag-print ng worksheet</translation>
    </message>
    <message>
        <source>氏名らん</source>
        <translation>Kahon ng pangalan</translation>
    </message>
    <message>
        <source>足し算のプリント印刷</source>
        <translation>I-print: Addition</translation>
    </message>
    <message>
        <source>引き算のプリント印刷</source>
        <translation>I-print: Subtraction</translation>
    </message>
    <message>
        <source>掛け算のプリント印刷</source>
        <translation>I-print: Multiplication</translation>
    </message>
    <message>
        <source>九九のプリント印刷</source>
        <translation>I-print: Times Table</translation>
    </message>
    <message>
        <source>答え+</source>
        <translation>Sagot +</translation>
    </message>
    <message>
        <source>答え-</source>
        <translation>Sagot -</translation>
    </message>
    <message>
        <source>答えx</source>
        <translation>Sagot x</translation>
    </message>
    <message>
        <source>答え99</source>
        <translation>Sagot 99</translation>
    </message>
    <message>
        <source>プリント用紙の氏名らんのテキスト保存・読込み</source>
        <translation>I-save o buksan ang kahon ng pangalan</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>I-save</translation>
    </message>
    <message>
        <source>読込</source>
        <translation>Buksan</translation>
    </message>
    <message>
        <source>Excelに転送</source>
        <translation>Sa Excel</translation>
    </message>
    <message>
        <source>クリアー</source>
        <translation>Burahin</translation>
    </message>
    <message>
        <source>プリンターのセットアップ</source>
        <translation>Printer</translation>
    </message>
    <message>
        <source>セットアップ</source>
        <translation>I-set up</translation>
    </message>
    <message>
        <source>サウンド設定</source>
        <translation>Mga tunog</translation>
    </message>
    <message>
        <source>バージョン情報を表示した時に音を鳴らします。</source>
        <translation>Tumunog kapag binuksan ang Tungkol sa Vantel.</translation>
    </message>
    <message>
        <source>サウンドファイル (1)</source>
        <translation>File ng tunog (1)</translation>
    </message>
    <message>
        <source>参照 1</source>
        <translation>Pili</translation>
    </message>
    <message>
        <source>テスト</source>
        <translation>Subok</translation>
    </message>
    <message>
        <source>テスト (1)</source>
        <translation>Subok (1)</translation>
    </message>
    <message>
        <source>ページを切り替える時音を鳴らします。</source>
        <translation>Tumunog kapag lumipat ng pahina.</translation>
    </message>
    <message>
        <source>サウンドファイル (2)</source>
        <translation>File ng tunog (2)</translation>
    </message>
    <message>
        <source>参照 2</source>
        <translation>Pili</translation>
    </message>
    <message>
        <source>テスト (2)</source>
        <translation>Subok (2)</translation>
    </message>
    <message>
        <source>終了ボタンを押した時に音を鳴らします。</source>
        <translation>Tumunog kapag lumabas sa Vantel.</translation>
    </message>
    <message>
        <source>サウンドファイル (4)</source>
        <translation>File ng tunog (4)</translation>
    </message>
    <message>
        <source>参照4</source>
        <translation>Pili</translation>
    </message>
    <message>
        <source>テスト (4)</source>
        <translation>Subok (4)</translation>
    </message>
    <message>
        <source>全問正解の時に音を鳴らします。</source>
        <translation>Tumunog kapag tama lahat.</translation>
    </message>
    <message>
        <source>サウンドファイル (5)</source>
        <translation>File ng tunog (5)</translation>
    </message>
    <message>
        <source>参照5</source>
        <translation>Pili</translation>
    </message>
    <message>
        <source>テスト (5)</source>
        <translation>Subok (5)</translation>
    </message>
    <message>
        <source>全問正解 &amp;&amp; ハイスコア の時音を鳴らします。</source>
        <translation>Tumunog kapag tama lahat &amp;&amp; bagong best time.</translation>
    </message>
    <message>
        <source>サウンドファイル (3)</source>
        <translation>File ng tunog (3)</translation>
    </message>
    <message>
        <source>参照 3</source>
        <translation>Pili</translation>
    </message>
    <message>
        <source>テスト (3)</source>
        <translation>Subok (3)</translation>
    </message>
    <message>
        <source>画像変更</source>
        <translation>Palitan ang larawan</translation>
    </message>
    <message>
        <source>バージョン情報の画像を変更できます。</source>
        <translation>Larawan ng Tungkol sa Vantel.</translation>
    </message>
    <message>
        <source>&#x3000;開く</source>
        <translation> Buksan</translation>
    </message>
    <message>
        <source>Open Voice </source>
        <translation>Pagbati</translation>
    </message>
    <message>
        <source>起動した時に、挨拶します。</source>
        <translation>Bumati pagbukas ng Vantel.</translation>
    </message>
    <message>
        <source>起動時の挨拶をミュートします。</source>
        <translation>Bubuksan o papatayin ang pagbati pagbukas ng Vantel.</translation>
    </message>
    <message>
        <source>「おはようございます」</source>
        <translation>“Magandang umaga”</translation>
    </message>
    <message>
        <source>挨拶のテスト発声</source>
        <translation>Pakinggan ang pagbati</translation>
    </message>
    <message>
        <source>テスト「おはようございます」</source>
        <translation>Subok “Magandang umaga”</translation>
    </message>
    <message>
        <source>「こんにちは」</source>
        <translation>“Magandang araw”</translation>
    </message>
    <message>
        <source>テスト「こんにちは」</source>
        <translation>Subok “Magandang araw”</translation>
    </message>
    <message>
        <source>「こんばんは」</source>
        <translation>“Magandang gabi”</translation>
    </message>
    <message>
        <source>テスト「こんばんは」</source>
        <translation>Subok “Magandang gabi”</translation>
    </message>
    <message>
        <source>ベストタイムの初期化</source>
        <translation>I-reset ang best time</translation>
    </message>
    <message>
        <source>足し算を初期化します。</source>
        <translation>I-reset ang Addition.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>足し算のベストタイムを初期化</source>
        <translation>I-reset ang best time ng Addition</translation>
    </message>
    <message>
        <source>引き算を初期化します。</source>
        <translation>I-reset ang Subtraction.</translation>
    </message>
    <message>
        <source>引き算のベストタイムを初期化</source>
        <translation>I-reset ang best time ng Subtraction</translation>
    </message>
    <message>
        <source>掛け算を初期化します。</source>
        <translation>I-reset ang Multiplication.</translation>
    </message>
    <message>
        <source>掛け算のベストタイムを初期化</source>
        <translation>I-reset ang best time ng Multiplication</translation>
    </message>
    <message>
        <source>九九を初期化します。</source>
        <translation>I-reset ang Times Table.</translation>
    </message>
    <message>
        <source>九九のベストタイムを初期化</source>
        <translation>I-reset ang best time ng Times Table</translation>
    </message>
    <message>
        <source>UserName</source>
        <translation>Pangalan mo</translation>
    </message>
    <message>
        <source>使う人の名前を登録します。</source>
        <translation>I-type ang pangalan mo, saka pindutin ang OK.</translation>
    </message>
    <message>
        <source>使う人の名前</source>
        <translation>Pangalan mo</translation>
    </message>
    <message>
        <source>使う人の名前を登録</source>
        <translation>I-save ang pangalan mo</translation>
    </message>
    <message>
        <source> %1 の Vantel</source>
        <translation> Vantel ni %1</translation>
    </message>
    <message>
        <source>%1 今回のタイム</source>
        <translation>%1: oras ngayon</translation>
    </message>
    <message>
        <source>%1 ベストタイム</source>
        <translation>%1: best time</translation>
    </message>
    <message>
        <source>日付と時刻</source>
        <translation>Petsa at oras</translation>
    </message>
    <message>
        <source>ファイル(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>新規作成(&amp;N)</source>
        <translation>&amp;Bago</translation>
    </message>
    <message>
        <source>上書き保存(&amp;S)</source>
        <translation>I-&amp;save</translation>
    </message>
    <message>
        <source>名前を付けて保存(&amp;A)...</source>
        <translation>I-save bil&amp;ang...</translation>
    </message>
    <message>
        <source>足し算のプリント印刷(&amp;P)</source>
        <translation>I-&amp;print: Addition</translation>
    </message>
    <message>
        <source>ページ設定(&amp;T)...</source>
        <translation>Pag-se&amp;tup ng pahina...</translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation>&amp;Lumabas</translation>
    </message>
    <message>
        <source>編集(&amp;E)</source>
        <translation>I-&amp;edit</translation>
    </message>
    <message>
        <source>問題作成(&amp;T)</source>
        <translation>Bagong &amp;tanong</translation>
    </message>
    <message>
        <source>答えあわせ(&amp;F)</source>
        <translation>&amp;Iwasto ang sagot</translation>
    </message>
    <message>
        <source>サウンド(&amp;S)</source>
        <translation>Tu&amp;nog</translation>
    </message>
    <message>
        <source>開く  (1)</source>
        <translation>Buksan (1)</translation>
    </message>
    <message>
        <source>開く  (2)</source>
        <translation>Buksan (2)</translation>
    </message>
    <message>
        <source>開く  (3)</source>
        <translation>Buksan (3)</translation>
    </message>
    <message>
        <source>開く&#x3000;(4)</source>
        <translation>Buksan (4)</translation>
    </message>
    <message>
        <source>開く&#x3000;(5)</source>
        <translation>Buksan (5)</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>&amp;Tulong</translation>
    </message>
    <message>
        <source>目次(&amp;C)</source>
        <translation>&amp;Nilalaman</translation>
    </message>
    <message>
        <source>トピックの検索(&amp;S)...</source>
        <translation>&amp;Hanapin sa tulong...</translation>
    </message>
    <message>
        <source>バージョン情報(&amp;A)...</source>
        <translation>Tungkol sa V&amp;antel...</translation>
    </message>
    <message>
        <source>テキストファイル|*.txt|カンマ区切りテキスト|*.csv|引用符付きカンマ区切りテキスト|*.csv|HTML|*.html</source>
        <translation>Text file|*.txt|Text na hinati ng kuwit|*.csv|Text na hinati ng kuwit at may panipi|*.csv|HTML|*.html</translation>
    </message>
    <message>
        <source>テキストファイル|*.txt|カンマ区切りテキスト|*.csv|引用符付きカンマ区切りテキスト|*.csv</source>
        <translation>Text file|*.txt|Text na hinati ng kuwit|*.csv|Text na hinati ng kuwit at may panipi|*.csv</translation>
    </message>
</context>
<context>
    <name>TStringGrid</name>
    <message>
        <source>%1 行 %2 列</source>
        <translation>Hilera %1, hanay %2</translation>
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
        <translation>Boses: computer ang nagsasabi ng pagbati</translation>
    </message>
    <message>
        <source>画像：Vantel プロジェクト</source>
        <translation>Larawan: proyektong Vantel</translation>
    </message>
    <message>
        <source>制作：Vantel プロジェクト</source>
        <translation>Gawa ng proyektong Vantel</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 Vantel プロジェクト</source>
        <translation>Copyright (C) 2026 proyektong Vantel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Ｖａｎｔｅｌ の バージョン情報</source>
        <translation>Tungkol sa Vantel</translation>
    </message>
</context>
<context>
    <name>WeakFactSheet</name>
    <message>
        <source>  こたえ</source>
        <translation>  Mga sagot</translation>
    </message>
    <message>
        <source>苦手プリント（%1）  %2</source>
        <translation>Pagsasanay sa mahirap (%1)  %2</translation>
    </message>
</context>
</TS>
