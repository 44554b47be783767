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
    <name>ClassCsv</name>
    <message>
        <source>名前</source>
        <extracomment>CSV column header of the children&apos;s names; a class list file with this header reads back</extracomment>
        <translation>Pangalan</translation>
    </message>
    <message>
        <source>名簿</source>
        <extracomment>CSV column header: &quot;○&quot; when the child is on the class list</extracomment>
        <translation>Nasa listahan</translation>
    </message>
    <message>
        <source>練習</source>
        <extracomment>CSV column header: whether the child practised lately</extracomment>
        <translation>Pagsasanay</translation>
    </message>
    <message>
        <source>ベスト(秒)</source>
        <extracomment>CSV column header after a drill&apos;s name: the best time in seconds</extracomment>
        <translation>Best (seg)</translation>
    </message>
    <message>
        <source>最新(秒)</source>
        <extracomment>CSV column header after a drill&apos;s name: the latest time in seconds</extracomment>
        <translation>Pinakabago (seg)</translation>
    </message>
    <message>
        <source>7日間(回)</source>
        <extracomment>CSV column header after a drill&apos;s name: attempts in the last 7 days</extracomment>
        <translation>7 araw (beses)</translation>
    </message>
    <message>
        <source>傾向(秒)</source>
        <extracomment>CSV column header after a drill&apos;s name: the trend in seconds</extracomment>
        <translation>Pagbabago (seg)</translation>
    </message>
    <message>
        <source>これまで(回)</source>
        <extracomment>CSV column header after a drill&apos;s name: all attempts so far</extracomment>
        <translation>Lahat (beses)</translation>
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
        <translation>Petsa:</translation>
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
        <source>クラスの苦手プリント</source>
        <translation>Pagsasanay sa mahirap ng klase</translation>
    </message>
    <message>
        <source>クラスでまちがいの多い問題のプリント（答えのページつき）</source>
        <translation>Worksheet ng mga tanong na madalas mali sa klase (may pahina ng mga sagot)</translation>
    </message>
    <message>
        <source>全員の苦手プリント</source>
        <translation>Pagsasanay sa mahirap ng lahat</translation>
    </message>
    <message>
        <source>このドリルを練習した子の一人ずつの苦手プリントを、まとめて印刷します（答えのページつき）</source>
        <translation>Ipi-print nang sabay ang Pagsasanay sa mahirap ng bawat batang nagsanay ng drill na ito (may pahina ng mga sagot)</translation>
    </message>
    <message>
        <source>色はクラス全体のできぐあいです（緑: よくできている&#x3000;黄: ときどきまちがえる・時間がかかる&#x3000;赤: まちがえる子が多い&#x3000;灰: まだ記録なし）。ますの数字は、その問題をまちがえたことのある子の人数です。ますにマウスを置くと、まちがいの回数と、クラスの答えるまでの時間（中央値）が出ます。</source>
        <translation>Ang kulay ay kung kumusta ang buong klase (Berde: magaling na   Dilaw: minsang mali o mabagal   Pula: maraming batang nagkakamali   Abo: wala pang resulta). Ang numero sa kahon ay ang dami ng batang nagkamali na sa tanong na iyon. Kapag itinapat ang mouse sa kahon, makikita kung ilang beses nagkamali at ang karaniwang oras ng pagsagot ng klase (median).</translation>
    </message>
    <message>
        <source>読み込んでいます...</source>
        <translation>Naglo-load...</translation>
    </message>
    <message>
        <source>クラスの問題ごとの記録を読めませんでした: %1</source>
        <translation>Hindi mabasa ang mga resulta ng klase sa bawat tanong: %1</translation>
    </message>
    <message>
        <source>この期間に %1 の記録はありません。</source>
        <translation>Walang resulta ng %1 sa mga petsang ito.</translation>
    </message>
    <message>
        <source>%1 人の記録から。</source>
        <translation>Mula sa mga resulta ng %1 bata.</translation>
    </message>
    <message>
        <source>まだ記録がありません</source>
        <translation>Wala pang resulta</translation>
    </message>
    <message>
        <source>まちがえた子 %1 人 / 練習した子 %2 人</source>
        <translation>Batang nagkamali: %1 / batang nagsanay: %2</translation>
    </message>
    <message>
        <source>まちがい %1 / %2 回（%3%）</source>
        <translation>Mali %1 sa %2 beses (%3%)</translation>
    </message>
    <message>
        <source>クラスの答えるまでの時間（中央値） %1 秒</source>
        <translation>Karaniwang oras ng pagsagot ng klase: %1 segundo</translation>
    </message>
    <message>
        <source>%1 を練習した子がまだいないので、印刷するものがありません。</source>
        <translation>Wala pang batang nagsanay ng %1, kaya walang maipi-print.</translation>
    </message>
    <message>
        <source>記録を読めなかったため、印刷しませんでした。
%1</source>
        <translation>Walang na-print dahil hindi mabasa ang mga resulta.
%1</translation>
    </message>
</context>
<context>
    <name>ClassReader</name>
    <message>
        <source>クラスのサーバーのデータの形式（第%1版）は、このVantelが知っている形式（第%2版）より新しいため、使えません。Vantelを新しくしてください。記録はこのパソコンに残ります。</source>
        <translation>Mas bago ang anyo ng data ng server ng klase (bersyon %1) kaysa sa anyong alam ng Vantel na ito (bersyon %2), kaya hindi ito magamit. I-update ang Vantel. Naiiwan ang mga resulta sa computer na ito.</translation>
    </message>
    <message>
        <source>クラスのサーバーの準備が古いままです（第%1版）。管理者に classroom-setup.sh install を頼んでください。記録はこのパソコンに残ります。</source>
        <translation>Luma pa ang paghahanda ng server ng klase (bersyon %1). Hilingin sa administrator na patakbuhin ang classroom-setup.sh install. Naiiwan ang mga resulta sa computer na ito.</translation>
    </message>
    <message>
        <source>%1（まだ一度も）</source>
        <translation>%1 (hindi pa kahit minsan)</translation>
    </message>
    <message>
        <source>%1（最後 %2）</source>
        <translation>%1 (huli: %2)</translation>
    </message>
    <message>
        <source>、</source>
        <extracomment>Between the names of computers in a list</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>、ほか %1 台</source>
        <extracomment>After the list of computers: and %1 more</extracomment>
        <translation>, at %1 pa</translation>
    </message>
    <message>
        <source>つながっていないパソコン: %1</source>
        <translation>Mga computer na hindi kumokonekta: %1</translation>
    </message>
</context>
<context>
    <name>ClassRoster</name>
    <message>
        <source>クラスのサーバーが名簿とクラス全体の成績にまだ対応していません。管理者に classroom-setup.sh install をもう一度頼んでください。ほかの記録はこれまでどおり使えます。</source>
        <translation>Hindi pa handa ang server ng klase para sa listahan ng klase at sa mga resulta ng buong klase. Hilingin sa administrator na patakbuhin ulit ang classroom-setup.sh install. Magagamit ang ibang resulta gaya ng dati.</translation>
    </message>
    <message>
        <source>名前が長すぎます（%1文字まで）</source>
        <translation>Masyadong mahaba ang pangalan (hanggang %1 titik)</translation>
    </message>
    <message>
        <source>名簿に入る名前は1クラス%1人までです</source>
        <translation>Hanggang %1 pangalan lang ang listahan ng isang klase</translation>
    </message>
    <message>
        <source>名前が空か、使えない文字（改行や制御文字）が入っています</source>
        <translation>Walang laman ang pangalan, o may titik na hindi magagamit (bagong linya o control character)</translation>
    </message>
    <message>
        <source>このクラスの名簿を変えることは許されていません</source>
        <translation>Hindi ka pinapayagang baguhin ang listahan ng klaseng ito</translation>
    </message>
</context>
<context>
    <name>ClassTableModel</name>
    <message>
        <source>±0.0秒</source>
        <extracomment>A change of time in seconds, in a narrow column of the class table</extracomment>
        <translation>±0.0s</translation>
    </message>
    <message>
        <source>%1秒</source>
        <extracomment>Seconds, in a narrow column of the class table</extracomment>
        <translation>%1s</translation>
    </message>
    <message>
        <source>7日間 練習なし</source>
        <extracomment>A child with no attempt in the last 7 days; a narrow column of the class table</extracomment>
        <translation>Di nagsanay</translation>
    </message>
    <message>
        <source>まだ一度も練習していません</source>
        <translation>Hindi pa nagsasanay kahit minsan</translation>
    </message>
    <message>
        <source>最近 7 日間に練習していません（これまでに %1 回）</source>
        <translation>Hindi nagsanay sa nakaraang 7 araw (%1 beses lahat-lahat)</translation>
    </message>
    <message>
        <source>これまでに %1 回</source>
        <translation>%1 beses lahat-lahat</translation>
    </message>
    <message>
        <source>最近5回の平均と、その前の5回の平均の差（−は速くなった）</source>
        <translation>Pagkakaiba ng average ng huling 5 pagsubok at ng 5 bago nito (ang − ay bumilis)</translation>
    </message>
    <message>
        <source>6回以上で表示します</source>
        <translation>Lumalabas kapag 6 na beses o higit pa</translation>
    </message>
    <message>
        <source>名前</source>
        <extracomment>Column header: the child&apos;s name</extracomment>
        <translation>Pangalan</translation>
    </message>
    <message>
        <source>練習</source>
        <extracomment>Column header: whether the child practised lately</extracomment>
        <translation>Pagsasanay</translation>
    </message>
    <message>
        <source>ベスト</source>
        <extracomment>Column header: the best time</extracomment>
        <translation>Best</translation>
    </message>
    <message>
        <source>最新</source>
        <extracomment>Column header: the latest time</extracomment>
        <translation>Pinakabago</translation>
    </message>
    <message>
        <source>7日間</source>
        <extracomment>Column header: attempts in the last 7 days</extracomment>
        <translation>7 araw</translation>
    </message>
    <message>
        <source>傾向</source>
        <extracomment>Column header: the trend of the times</extracomment>
        <translation>Pagbabago</translation>
    </message>
</context>
<context>
    <name>ClassView</name>
    <message>
        <source>クラス:</source>
        <translation>Klase:</translation>
    </message>
    <message>
        <source>読み直す</source>
        <translation>Basahin ulit</translation>
    </message>
    <message>
        <source>CSVに書き出す...</source>
        <translation>I-save bilang CSV...</translation>
    </message>
    <message>
        <source>クラスの表を表計算ソフトで開けるファイルにします</source>
        <translation>Gagawing file na mabubuksan sa spreadsheet ang talahanayan ng klase</translation>
    </message>
    <message>
        <source>一人ずつ</source>
        <extracomment>Tab: the class table, a row for each child</extracomment>
        <translation>Bawat bata</translation>
    </message>
    <message>
        <source>クラスの問題ごとのできぐあい</source>
        <extracomment>Tab: the class&apos;s fact map</extracomment>
        <translation>Kumusta ang bawat tanong sa klase</translation>
    </message>
    <message>
        <source>読み込んでいます...</source>
        <translation>Naglo-load...</translation>
    </message>
    <message>
        <source>クラスの記録を読めませんでした: %1</source>
        <translation>Hindi mabasa ang mga resulta ng klase: %1</translation>
    </message>
    <message>
        <source>名簿を読めませんでした: %1</source>
        <translation>Hindi mabasa ang listahan ng klase: %1</translation>
    </message>
    <message>
        <source>このクラスの記録はまだありません。名簿は「名簿を読み込む...」で作れます。</source>
        <extracomment>「名簿を読み込む...」 is the button&apos;s own text</extracomment>
        <translation>Wala pang resulta ang klaseng ito. Magagawa ang listahan ng klase sa “Buksan ang listahan...”.</translation>
    </message>
    <message>
        <source>%1 人（%2: %3 人）。名前をダブルクリックすると、その子の記録（グラフ・表・問題ごとのできぐあい）を見られます。時間は 分:秒、傾向の − は速くなったことを表します。</source>
        <translation>%1 bata (%2: %3 bata). I-double-click ang pangalan para makita ang mga resulta ng batang iyon (graph, talahanayan, kumusta ang bawat tanong). Ang oras ay minuto:segundo; ang − sa Pagbabago ay nangangahulugang bumilis.</translation>
    </message>
    <message>
        <source>CSV ファイル (*.csv)|*.csv</source>
        <extracomment>File dialog filter: the name, then the pattern after &quot;|&quot;; keep the patterns</extracomment>
        <translation>CSV file (*.csv)|*.csv</translation>
    </message>
    <message>
        <source>クラスの記録_%1.csv</source>
        <extracomment>The file name offered for the class table; %1 is the class</extracomment>
        <translation>resulta-ng-klase_%1.csv</translation>
    </message>
    <message>
        <source>ファイル %1 に書き込めませんでした。</source>
        <translation>Hindi maisulat ang file na %1.</translation>
    </message>
</context>
<context>
    <name>ClassWorksheetRun</name>
    <message>
        <source>一人ずつの苦手な問題を読んでいます...</source>
        <translation>Binabasa ang mahihirap na tanong ng bawat bata...</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Kanselahin</translation>
    </message>
    <message>
        <source>全員の苦手プリント</source>
        <translation>Pagsasanay sa mahirap ng lahat</translation>
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
        <translation>Tinanggihan ng server ang log-in ng computer na ito, %1 (%2)</translation>
    </message>
    <message>
        <source>このパソコンのログインはサーバーに拒否されました（%1）</source>
        <translation>Tinanggihan ng server ang log-in ng computer na ito (%1)</translation>
    </message>
    <message>
        <source>このパソコンのログイン %1 は読み取りしかできないため、記録を送れません</source>
        <translation>Hindi maipadala ang mga resulta dahil pagbasa lang ang kaya ng log-in ng computer na ito, %1</translation>
    </message>
    <message>
        <source>このパソコンのログインは読み取りしかできないため、記録を送れません</source>
        <translation>Hindi maipadala ang mga resulta dahil pagbasa lang ang kaya ng log-in ng computer na ito</translation>
    </message>
    <message>
        <source>パスワードが違います</source>
        <translation>Mali ang password</translation>
    </message>
    <message>
        <source>このパソコンからの接続が許されていません</source>
        <translation>Hindi pinapayagan ang koneksyon mula sa computer na ito</translation>
    </message>
    <message>
        <source>ログインが使えなくなっています</source>
        <translation>Hindi na magagamit ang log-in</translation>
    </message>
    <message>
        <source>同じログインの接続が多すぎます</source>
        <translation>Masyadong maraming koneksyon ng parehong log-in</translation>
    </message>
    <message>
        <source>クラスのサーバーが暗号化（TLS）に応じないため、つなぎませんでした</source>
        <translation>Hindi kumonekta dahil hindi tumatanggap ng encryption (TLS) ang server ng klase</translation>
    </message>
    <message>
        <source>クラスのサーバーの証明書が信頼できないため、つなぎませんでした</source>
        <translation>Hindi kumonekta dahil hindi mapagkakatiwalaan ang certificate ng server ng klase</translation>
    </message>
    <message>
        <source>クラスのサーバーが安全でない方法でパスワードを求めたため、送りませんでした</source>
        <translation>Hindi ipinadala dahil humingi ng password ang server ng klase sa paraang hindi ligtas</translation>
    </message>
    <message>
        <source>最後につながったのは %1</source>
        <translation>Huling nakakonekta: %1</translation>
    </message>
    <message>
        <source>まだつながっていません</source>
        <translation>Hindi pa nakakonekta</translation>
    </message>
    <message>
        <source>&#x3000;送信待ち %1 件</source>
        <extracomment>Appended to the status line, after a wide space</extracomment>
        <translation>   %1 naghihintay ipadala</translation>
    </message>
    <message>
        <source>&#x3000;送れない記録 %1 件</source>
        <extracomment>Appended to the status line, after a wide space</extracomment>
        <translation>   %1 resultang hindi maipadala</translation>
    </message>
    <message>
        <source>クラスのサーバー: つないでいます（%1）</source>
        <translation>Server ng klase: kumokonekta (%1)</translation>
    </message>
    <message>
        <source>クラスのサーバー: つながっています（%1）</source>
        <translation>Server ng klase: nakakonekta (%1)</translation>
    </message>
    <message>
        <source>クラスのサーバーにつながりません（%1）</source>
        <translation>Hindi makakonekta sa server ng klase (%1)</translation>
    </message>
    <message>
        <source>クラスのサーバーがこのパソコンからの記録を受け付けません（%1）</source>
        <translation>Hindi tinatanggap ng server ng klase ang mga resulta mula sa computer na ito (%1)</translation>
    </message>
    <message>
        <source>サーバーの答え: %1</source>
        <translation>Sagot ng server: %1</translation>
    </message>
    <message>
        <source>送れない記録の理由: %1</source>
        <translation>Dahilan ng hindi maipadalang resulta: %1</translation>
    </message>
    <message>
        <source>クラス</source>
        <extracomment>The class on the server, as a source of records beside &quot;this computer&quot;</extracomment>
        <translation>Klase</translation>
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
    <name>HelpFiles</name>
    <message>
        <source>ヘルプファイル %1 が見つかりません。</source>
        <translation>Hindi makita ang file ng tulong na %1.</translation>
    </message>
    <message>
        <source>ヘルプファイル %1 が見つかりません。
探した場所:
%2</source>
        <extracomment>%2 is the list of folders searched, one a line.</extracomment>
        <translation>Hindi makita ang file ng tulong na %1.
Mga hinanapang lugar:
%2</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Vantel ヘルプ</source>
        <translation>Tulong sa Vantel</translation>
    </message>
    <message>
        <source>目次</source>
        <extracomment>The help&apos;s table of contents, as a tab and as the button that opens its first page.</extracomment>
        <translation>Nilalaman</translation>
    </message>
    <message>
        <source>キーワード</source>
        <extracomment>The tab of the keyword index.</extracomment>
        <translation>Keyword</translation>
    </message>
    <message>
        <source>戻る</source>
        <extracomment>Go back to the page shown before.</extracomment>
        <translation>Bumalik</translation>
    </message>
    <message>
        <source>進む</source>
        <extracomment>Go forward again after going back.</extracomment>
        <translation>Sumulong</translation>
    </message>
    <message>
        <source>探したい言葉を入力してください：</source>
        <translation>I-type ang salitang hahanapin:</translation>
    </message>
    <message>
        <source>ヘルプファイル %1 を開けません。</source>
        <translation>Hindi mabuksan ang file ng tulong na %1.</translation>
    </message>
    <message>
        <source>ヘルプファイル %1 にヘルプの内容が登録されていません。</source>
        <translation>Walang laman ng tulong sa file ng tulong na %1.</translation>
    </message>
    <message>
        <source>ヘルプファイル %1 が見つかりません。</source>
        <translation>Hindi makita ang file ng tulong na %1.</translation>
    </message>
    <message>
        <source>トピックの選択</source>
        <translation>Pumili ng paksa</translation>
    </message>
    <message>
        <source>表示するページを選んでください：</source>
        <translation>Piliin ang pahinang ipapakita:</translation>
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
        <translation>Hindi mabuksan ang file na %1</translation>
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
    <name>NamePanelPrint</name>
    <message>
        <source>なまえ</source>
        <extracomment>The word a teacher writes in a worksheet&apos;s name panel before the child&apos;s name (&quot;Name&quot;); the class print run puts each child&apos;s name in the cell after it.</extracomment>
        <translation>Pangalan</translation>
    </message>
</context>
<context>
    <name>NumberedSheets</name>
    <message>
        <source>ちがう問題を %1 枚作れませんでした。</source>
        <translation>Hindi makagawa ng %1 worksheet na magkakaiba ang mga tanong.</translation>
    </message>
    <message>
        <source>No. %1&#x3000;こたえ</source>
        <extracomment>Printed above the answer key of a numbered sheet; こたえ means &quot;answers&quot;.</extracomment>
        <translation>No. %1  Mga sagot</translation>
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
    <name>Outbox</name>
    <message>
        <source>送信待ちの記録 (%1) を読み書きできません: %2</source>
        <translation>Hindi mabasa o masulatan ang mga resultang naghihintay ipadala (%1): %2</translation>
    </message>
    <message>
        <source>送信待ちの記録 (%1) を開けません: %2</source>
        <translation>Hindi mabuksan ang mga resultang naghihintay ipadala (%1): %2</translation>
    </message>
    <message>
        <source>送信待ちの記録 (%1) を書きかえられません: %2</source>
        <translation>Hindi mabago ang mga resultang naghihintay ipadala (%1): %2</translation>
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
    <name>PgConnection</name>
    <message>
        <source>PostgreSQL のドライバー (QPSQL) がありません</source>
        <translation>Walang driver ng PostgreSQL (QPSQL)</translation>
    </message>
    <message>
        <source>接続できません</source>
        <translation>Hindi makakonekta</translation>
    </message>
    <message>
        <source>接続していません</source>
        <translation>Hindi nakakonekta</translation>
    </message>
    <message>
        <source>問い合わせを準備できません</source>
        <translation>Hindi maihanda ang query</translation>
    </message>
    <message>
        <source>問い合わせが失敗しました</source>
        <translation>Hindi nagtagumpay ang query</translation>
    </message>
    <message>
        <source>トランザクションを始められません</source>
        <translation>Hindi masimulan ang transaction</translation>
    </message>
    <message>
        <source>記録を確定できません</source>
        <translation>Hindi ma-commit ang resulta</translation>
    </message>
</context>
<context>
    <name>PrintProgressDialog</name>
    <message>
        <source>キャンセル</source>
        <translation>Kanselahin</translation>
    </message>
    <message>
        <source>印刷</source>
        <translation>Pag-print</translation>
    </message>
    <message>
        <source>プリントを用意しています（%1 / %2）</source>
        <translation>Inihahanda ang mga worksheet (%1 / %2)</translation>
    </message>
    <message>
        <source>印刷しています（%1 / %2 ページ）</source>
        <translation>Nagpi-print (pahina %1 / %2)</translation>
    </message>
</context>
<context>
    <name>PrinterChoice</name>
    <message>
        <source>Vantel-プリント.pdf</source>
        <extracomment>The default name of the PDF file prints go to; a number is added to it.</extracomment>
        <translation>Vantel-worksheet.pdf</translation>
    </message>
    <message>
        <source>フォルダーを作れません。
%1</source>
        <translation>Hindi makagawa ng folder.
%1</translation>
    </message>
    <message>
        <source>%1
これ以上ファイルを作れません。</source>
        <translation>%1
Hindi na makagawa ng iba pang file.</translation>
    </message>
</context>
<context>
    <name>PrinterQt</name>
    <message>
        <source>プリンターは印刷中ではありません。</source>
        <translation>Hindi nagpi-print ang printer.</translation>
    </message>
    <message>
        <source>印刷中はプリンターを変えられません。</source>
        <translation>Hindi mapapalitan ang printer habang nagpi-print.</translation>
    </message>
    <message>
        <source>すでに印刷中です。</source>
        <translation>Nagpi-print na.</translation>
    </message>
    <message>
        <source>プリンター「%1」は使えません。</source>
        <translation>Hindi magagamit ang printer na “%1”.</translation>
    </message>
    <message>
        <source>プリンター「%1」で印刷を始められません。</source>
        <translation>Hindi makapagsimulang mag-print sa printer na “%1”.</translation>
    </message>
    <message>
        <source>%1
印刷を始められません。</source>
        <translation>%1
Hindi makapagsimulang mag-print.</translation>
    </message>
    <message>
        <source>新しいページを始められません。</source>
        <translation>Hindi makapagsimula ng bagong pahina.</translation>
    </message>
</context>
<context>
    <name>PrinterSetupDialog</name>
    <message>
        <source>プリンターの設定</source>
        <translation>Setting ng printer</translation>
    </message>
    <message>
        <source>PDF ファイル</source>
        <extracomment>Printing to a PDF file instead of a printer.</extracomment>
        <translation>PDF file</translation>
    </message>
    <message>
        <source>参照...</source>
        <translation>Pili...</translation>
    </message>
    <message>
        <source>縦</source>
        <extracomment>Page orientation: portrait.</extracomment>
        <translation>Patayo</translation>
    </message>
    <message>
        <source>横</source>
        <extracomment>Page orientation: landscape.</extracomment>
        <translation>Pahiga</translation>
    </message>
    <message>
        <source>プリンター:</source>
        <translation>Printer:</translation>
    </message>
    <message>
        <source>ファイル名:</source>
        <translation>Pangalan ng file:</translation>
    </message>
    <message>
        <source>用紙サイズ:</source>
        <translation>Laki ng papel:</translation>
    </message>
    <message>
        <source>印刷の向き:</source>
        <translation>Direksyon ng pahina:</translation>
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
        <source>次の印刷は %1 に書き出します。</source>
        <translation>Ang susunod na pag-print ay isusulat sa %1.</translation>
    </message>
    <message>
        <source>PDF ファイル (*.pdf)</source>
        <translation>PDF file (*.pdf)</translation>
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
        <translation>Masyadong malaki ang file (hanggang %1 KB ang listahan ng klase). Hindi ito binasa.</translation>
    </message>
    <message>
        <source>文字のファイルではないため、読み込みませんでした。</source>
        <translation>Hindi ito binasa dahil hindi ito text file.</translation>
    </message>
    <message>
        <source>%1 行目: 名前が長すぎます（%2 文字まで）「%3」</source>
        <translation>Linya %1: masyadong mahaba ang pangalan (hanggang %2 titik) “%3”</translation>
    </message>
    <message>
        <source>%1 行目: 名前に使えない文字があります</source>
        <translation>Linya %1: may titik sa pangalan na hindi magagamit</translation>
    </message>
    <message>
        <source>%1 行目: 「%2」は前にもあるので、1 回だけにしました</source>
        <translation>Linya %1: lumabas na dati ang “%2”, kaya isang beses lang ito isinama</translation>
    </message>
    <message>
        <source>%1 人を超えた %2 人は読み込みませんでした</source>
        <translation>Hindi binasa ang %2 bata na lampas sa %1</translation>
    </message>
    <message>
        <source>ほか %1 件</source>
        <translation>at %1 pa</translation>
    </message>
    <message>
        <source>名前が見つかりませんでした。</source>
        <translation>Walang nakitang pangalan.</translation>
    </message>
</context>
<context>
    <name>RosterPanel</name>
    <message>
        <source>名前が空です。</source>
        <translation>Walang laman ang pangalan.</translation>
    </message>
    <message>
        <source>名前が長すぎます（%1 文字まで）。</source>
        <translation>Masyadong mahaba ang pangalan (hanggang %1 titik).</translation>
    </message>
    <message>
        <source>名前に使えない文字があります。</source>
        <translation>May titik sa pangalan na hindi magagamit.</translation>
    </message>
    <message>
        <source>「%1」はもう名簿にあります。</source>
        <translation>Nasa listahan na ng klase si “%1”.</translation>
    </message>
    <message>
        <source>名簿を読み込む...</source>
        <translation>Buksan ang listahan...</translation>
    </message>
    <message>
        <source>名前を加える...</source>
        <translation>Magdagdag ng pangalan...</translation>
    </message>
    <message>
        <source>名前を変える...</source>
        <translation>Palitan ang pangalan...</translation>
    </message>
    <message>
        <source>名簿から外す...</source>
        <translation>Alisin sa listahan...</translation>
    </message>
    <message>
        <source>名簿の名前にまとめる...</source>
        <translation>Isama sa pangalan sa listahan...</translation>
    </message>
    <message>
        <source>名簿にない名前（%1）: 名簿の名前の子の記録なら、まとめられます</source>
        <extracomment>The title over the names of attempts not on the class list; %1 is how many</extracomment>
        <translation>Mga pangalang wala sa listahan (%1): kung resulta ito ng batang nasa listahan, maisasama ito</translation>
    </message>
    <message>
        <source>%1&#x3000;（%2 回）</source>
        <extracomment>A name not on the class list and how many attempts it has</extracomment>
        <translation>%1   (%2 beses)</translation>
    </message>
    <message>
        <source>名簿（テキスト・CSV） (*.txt *.csv)|*.txt;*.csv|すべてのファイル (*)|*</source>
        <extracomment>File dialog filters: each name, then its patterns after &quot;|&quot;; keep the patterns</extracomment>
        <translation>Listahan ng klase (text, CSV) (*.txt *.csv)|*.txt;*.csv|Lahat ng file (*)|*</translation>
    </message>
    <message>
        <source>ファイル %1 を開けませんでした。</source>
        <translation>Hindi mabuksan ang file na %1.</translation>
    </message>
    <message>
        <source>%1 から名前を読めませんでした。
%2</source>
        <translation>Hindi mabasa ang mga pangalan mula sa %1.
%2</translation>
    </message>
    <message>
        <source>名簿に名前を加えられませんでした。</source>
        <translation>Hindi maidagdag ang mga pangalan sa listahan ng klase.</translation>
    </message>
    <message>
        <source>%1 人を名簿に加えました。</source>
        <translation>Naidagdag ang %1 bata sa listahan ng klase.</translation>
    </message>
    <message>
        <source>（%1 人はもう名簿にありました）</source>
        <translation> (nasa listahan na ang %1 bata)</translation>
    </message>
    <message>
        <source>

読み込まなかった行:
%1</source>
        <translation>

Mga linyang hindi binasa:
%1</translation>
    </message>
    <message>
        <source>名前を加える</source>
        <translation>Magdagdag ng pangalan</translation>
    </message>
    <message>
        <source>名簿に加える名前:</source>
        <translation>Pangalang idadagdag sa listahan:</translation>
    </message>
    <message>
        <source>名前を変える子を、表で選んでください。</source>
        <translation>Piliin sa talahanayan ang batang papalitan ng pangalan.</translation>
    </message>
    <message>
        <source>名前を変える</source>
        <translation>Palitan ang pangalan</translation>
    </message>
    <message>
        <source>「%1」の新しい名前:</source>
        <translation>Bagong pangalan ni “%1”:</translation>
    </message>
    <message>
        <source>「%1」を「%2」に変えます。
「%1」のこれまでの記録も、すべて「%2」の記録になります。</source>
        <translation>Papalitan ang “%1” ng “%2”.
Ang lahat ng dating resulta ni “%1” ay magiging resulta ni “%2”.</translation>
    </message>
    <message>
        <source>「%1」の名前を変えられませんでした。</source>
        <translation>Hindi mapalitan ang pangalan ni “%1”.</translation>
    </message>
    <message>
        <source>名簿から外す子を、表で選んでください。</source>
        <translation>Piliin sa talahanayan ang batang aalisin sa listahan.</translation>
    </message>
    <message>
        <source>名簿から外す</source>
        <translation>Alisin sa listahan</translation>
    </message>
    <message>
        <source>「%1」を名簿から外します。
記録は消えずに残ります。</source>
        <translation>Aalisin si “%1” sa listahan ng klase.
Hindi mabubura ang mga resulta.</translation>
    </message>
    <message>
        <source>「%1」を名簿から外せませんでした。</source>
        <translation>Hindi maalis si “%1” sa listahan ng klase.</translation>
    </message>
    <message>
        <source>まとめる名前を「名簿にない名前」から選んでください。</source>
        <translation>Pumili ng pangalang isasama mula sa “Mga pangalang wala sa listahan”.</translation>
    </message>
    <message>
        <source>名簿の名前にまとめる</source>
        <translation>Isama sa pangalan sa listahan</translation>
    </message>
    <message>
        <source>「%1」の記録をまとめる名簿の名前:</source>
        <translation>Pangalan sa listahan na pagsasamahan ng mga resulta ni “%1”:</translation>
    </message>
    <message>
        <source>「%1」の記録 %2 回を「%3」の記録にします。</source>
        <translation>Gagawing resulta ni “%3” ang %2 resulta ni “%1”.</translation>
    </message>
    <message>
        <source>「%1」の記録をまとめられませんでした。</source>
        <translation>Hindi maisama ang mga resulta ni “%1”.</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>%1 に書き込めません</source>
        <translation>Hindi masulatan ang %1</translation>
    </message>
</context>
<context>
    <name>SpreadsheetCalc</name>
    <message>
        <source>セル (%1, %2) は表計算ソフト (LibreOffice Calc)のワークシートの外です</source>
        <translation>Nasa labas ng sheet ng spreadsheet (LibreOffice Calc) ang cell (%1, %2)</translation>
    </message>
    <message>
        <source>ワークシート %1 はありません</source>
        <translation>Walang sheet na %1</translation>
    </message>
    <message>
        <source>セル (%1, %2) の文字列が長すぎます (%3 文字まで)</source>
        <translation>Masyadong mahaba ang text sa cell (%1, %2) (hanggang %3 titik)</translation>
    </message>
    <message>
        <source>フォルダ %1 を作成できません</source>
        <translation>Hindi magawa ang folder na %1</translation>
    </message>
    <message>
        <source>ファイル %1 を作成できません</source>
        <translation>Hindi magawa ang file na %1</translation>
    </message>
    <message>
        <source>表計算ソフト (LibreOffice Calc) を起動できません</source>
        <translation>Hindi mabuksan ang spreadsheet (LibreOffice Calc)</translation>
    </message>
    <message>
        <source>表計算ソフト (LibreOffice Calc) がインストールされていません</source>
        <translation>Hindi naka-install ang spreadsheet (LibreOffice Calc)</translation>
    </message>
</context>
<context>
    <name>SpreadsheetXlsx</name>
    <message>
        <source>Couldn&apos;t load libxlsxwriter: %1</source>
        <extracomment>%1 is the system&apos;s own reason, in English.</extracomment>
        <translation>Hindi ma-load ang libxlsxwriter: %1</translation>
    </message>
    <message>
        <source>ファイル %1 を作成できません</source>
        <translation>Hindi magawa ang file na %1</translation>
    </message>
    <message>
        <source>ファイル %1 を作成できません (%2)</source>
        <extracomment>%2 is the library&apos;s own reason, in English.</extracomment>
        <translation>Hindi magawa ang file na %1 (%2)</translation>
    </message>
</context>
<context>
    <name>SqliteHistory</name>
    <message>
        <source>フォルダー %1 を作れません。</source>
        <translation>Hindi magawa ang folder na %1.</translation>
    </message>
    <message>
        <source>壊れた記録ファイル %1 を移せません。</source>
        <translation>Hindi mailipat ang sirang file ng mga resulta na %1.</translation>
    </message>
    <message>
        <source>成績の記録ファイルが壊れていたので、別の名前で残して新しい記録を始めます。
元のファイル: %1</source>
        <translation>Sira ang file ng mga resulta, kaya iniwan ito sa ibang pangalan at magsisimula ng bagong file ng mga resulta.
Ang dating file: %1</translation>
    </message>
    <message>
        <source>成績を記録できませんでした。ディスクの空きや、記録のフォルダーに書き込めるかを確かめてください。
この回の成績は覚えておき、次の回かプログラムの終了時にもう一度記録します。
%1</source>
        <extracomment>%1 is the database&apos;s own reason, often in English.</extracomment>
        <translation>Hindi maitala ang resulta. Tingnan kung may bakanteng espasyo sa disk at kung masusulatan ang folder ng mga resulta.
Tatandaan ang resulta ngayon at susubukang itala ulit sa susunod na pagsubok o kapag isinara ang programa.
%1</translation>
    </message>
</context>
<context>
    <name>TApplication</name>
    <message>
        <source>不明なエラーです。</source>
        <translation>Hindi kilalang error.</translation>
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
    <name>TStringGridIO</name>
    <message>
        <source>ファイル %1 を作成できません</source>
        <translation>Hindi magawa ang file na %1</translation>
    </message>
    <message>
        <source>ファイル %1 は開けません</source>
        <translation>Hindi mabuksan ang file na %1</translation>
    </message>
    <message>
        <source>ファイル %1 は大きすぎて読み込めません</source>
        <translation>Masyadong malaki ang file na %1 para mabasa</translation>
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
    <name>WeakFactRun</name>
    <message>
        <source>苦手プリントを印刷する子どもがいません。</source>
        <translation>Walang batang may Pagsasanay sa mahirap na ipi-print.</translation>
    </message>
    <message>
        <source>苦手プリントにする問題がありません。</source>
        <translation>Walang tanong para sa Pagsasanay sa mahirap.</translation>
    </message>
    <message>
        <source>問題がないので、次の子どもの苦手プリントは印刷しませんでした。
%1</source>
        <translation>Walang mahirap na tanong ang mga batang ito, kaya hindi na-print ang kanilang Pagsasanay sa mahirap:
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
        <translation>  Mga sagot</translation>
    </message>
    <message>
        <source>苦手プリント（%1）  %2</source>
        <translation>Pagsasanay sa mahirap (%1)  %2</translation>
    </message>
</context>
<context>
    <name>WorksheetPrint</name>
    <message>
        <source>このプリントは Vantel で作成しました。</source>
        <extracomment>Printed under every worksheet.</extracomment>
        <translation>Ginawa ang worksheet na ito sa Vantel.</translation>
    </message>
</context>
</TS>
