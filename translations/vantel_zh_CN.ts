<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="ja">
<context>
    <name>AttemptCsv</name>
    <message>
        <source>名前,ドリル,開始日時,時間(秒),点数,満点,新記録</source>
        <translation>名字,练习,开始时间,用时(秒),得分,满分,新纪录</translation>
    </message>
</context>
<context>
    <name>AttemptTableModel</name>
    <message>
        <source>日付</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>時間</source>
        <translation>用时</translation>
    </message>
    <message>
        <source>点数</source>
        <translation>得分</translation>
    </message>
    <message>
        <source>新記録</source>
        <translation>新纪录</translation>
    </message>
</context>
<context>
    <name>ClassCsv</name>
    <message>
        <source>名前</source>
        <extracomment>CSV column header of the children&apos;s names; a class list file with this header reads back</extracomment>
        <translation>名字</translation>
    </message>
    <message>
        <source>名簿</source>
        <extracomment>CSV column header: &quot;○&quot; when the child is on the class list</extracomment>
        <translation>名单</translation>
    </message>
    <message>
        <source>練習</source>
        <extracomment>CSV column header: whether the child practised lately</extracomment>
        <translation>练习</translation>
    </message>
    <message>
        <source>ベスト(秒)</source>
        <extracomment>CSV column header after a drill&apos;s name: the best time in seconds</extracomment>
        <translation>最好成绩(秒)</translation>
    </message>
    <message>
        <source>最新(秒)</source>
        <extracomment>CSV column header after a drill&apos;s name: the latest time in seconds</extracomment>
        <translation>最近一次(秒)</translation>
    </message>
    <message>
        <source>7日間(回)</source>
        <extracomment>CSV column header after a drill&apos;s name: attempts in the last 7 days</extracomment>
        <translation>7天(次)</translation>
    </message>
    <message>
        <source>傾向(秒)</source>
        <extracomment>CSV column header after a drill&apos;s name: the trend in seconds</extracomment>
        <translation>趋势(秒)</translation>
    </message>
    <message>
        <source>これまで(回)</source>
        <extracomment>CSV column header after a drill&apos;s name: all attempts so far</extracomment>
        <translation>一共(次)</translation>
    </message>
</context>
<context>
    <name>ClassFactsPage</name>
    <message>
        <source>ドリル:</source>
        <translation>练习：</translation>
    </message>
    <message>
        <source>期間:</source>
        <translation>时间段：</translation>
    </message>
    <message>
        <source>最近30日</source>
        <translation>最近30天</translation>
    </message>
    <message>
        <source>最近90日</source>
        <translation>最近90天</translation>
    </message>
    <message>
        <source>すべて</source>
        <translation>全部</translation>
    </message>
    <message>
        <source>クラスの苦手プリント</source>
        <translation>班级易错题练习纸</translation>
    </message>
    <message>
        <source>クラスでまちがいの多い問題のプリント（答えのページつき）</source>
        <translation>全班错得多的题的练习纸（带答案页）</translation>
    </message>
    <message>
        <source>全員の苦手プリント</source>
        <translation>全班的易错题练习纸</translation>
    </message>
    <message>
        <source>このドリルを練習した子の一人ずつの苦手プリントを、まとめて印刷します（答えのページつき）</source>
        <translation>给练习过这种练习的每个孩子各做一张易错题练习纸，一起打印（带答案页）</translation>
    </message>
    <message>
        <source>色はクラス全体のできぐあいです（緑: よくできている&#x3000;黄: ときどきまちがえる・時間がかかる&#x3000;赤: まちがえる子が多い&#x3000;灰: まだ記録なし）。ますの数字は、その問題をまちがえたことのある子の人数です。ますにマウスを置くと、まちがいの回数と、クラスの答えるまでの時間（中央値）が出ます。</source>
        <translation>颜色是全班的情况（绿：做得好&#x3000;黄：有时错或比较慢&#x3000;红：答错的孩子多&#x3000;灰：还没有记录）。格子里的数字是答错过这道题的孩子的人数。把鼠标放在格子上，会显示答错的次数和全班通常回答用时（中位数）。</translation>
    </message>
    <message>
        <source>読み込んでいます...</source>
        <translation>正在读取...</translation>
    </message>
    <message>
        <source>クラスの問題ごとの記録を読めませんでした: %1</source>
        <translation>无法读取全班每道题的记录：%1</translation>
    </message>
    <message>
        <source>この期間に %1 の記録はありません。</source>
        <translation>这段时间没有%1的记录。</translation>
    </message>
    <message>
        <source>%1 人の記録から。</source>
        <translation>根据 %1 个人的记录。</translation>
    </message>
    <message>
        <source>まだ記録がありません</source>
        <translation>还没有记录</translation>
    </message>
    <message>
        <source>まちがえた子 %1 人 / 練習した子 %2 人</source>
        <translation>答错的孩子 %1 人 / 练习过的孩子 %2 人</translation>
    </message>
    <message>
        <source>まちがい %1 / %2 回（%3%）</source>
        <translation>做了 %2 次，错了 %1 次（%3%）</translation>
    </message>
    <message>
        <source>クラスの答えるまでの時間（中央値） %1 秒</source>
        <translation>全班通常回答用时（中位数） %1 秒</translation>
    </message>
    <message>
        <source>%1 を練習した子がまだいないので、印刷するものがありません。</source>
        <translation>还没有孩子练习过%1，所以没有可以打印的东西。</translation>
    </message>
    <message>
        <source>記録を読めなかったため、印刷しませんでした。
%1</source>
        <translation>因为无法读取记录，没有打印。
%1</translation>
    </message>
</context>
<context>
    <name>ClassReader</name>
    <message>
        <source>クラスのサーバーのデータの形式（第%1版）は、このVantelが知っている形式（第%2版）より新しいため、使えません。Vantelを新しくしてください。記録はこのパソコンに残ります。</source>
        <translation>班级服务器的数据格式（第 %1 版）比这个 Vantel 知道的格式（第 %2 版）新，所以不能使用。请更新 Vantel。记录会留在这台电脑上。</translation>
    </message>
    <message>
        <source>クラスのサーバーの準備が古いままです（第%1版）。管理者に classroom-setup.sh install を頼んでください。記録はこのパソコンに残ります。</source>
        <translation>班级服务器的准备还是旧的（第 %1 版）。请让管理员运行 classroom-setup.sh install。记录会留在这台电脑上。</translation>
    </message>
    <message>
        <source>%1（まだ一度も）</source>
        <translation>%1（从来没有）</translation>
    </message>
    <message>
        <source>%1（最後 %2）</source>
        <translation>%1（最后一次 %2）</translation>
    </message>
    <message>
        <source>、</source>
        <extracomment>Between the names of computers in a list</extracomment>
        <translation>、</translation>
    </message>
    <message>
        <source>、ほか %1 台</source>
        <extracomment>After the list of computers: and %1 more</extracomment>
        <translation>，还有 %1 台</translation>
    </message>
    <message>
        <source>つながっていないパソコン: %1</source>
        <translation>没有连接的电脑：%1</translation>
    </message>
</context>
<context>
    <name>ClassRoster</name>
    <message>
        <source>クラスのサーバーが名簿とクラス全体の成績にまだ対応していません。管理者に classroom-setup.sh install をもう一度頼んでください。ほかの記録はこれまでどおり使えます。</source>
        <translation>班级服务器还不支持班级名单和全班成绩。请让管理员再运行一次 classroom-setup.sh install。其他记录照常可以使用。</translation>
    </message>
    <message>
        <source>名前が長すぎます（%1文字まで）</source>
        <translation>名字太长了（最多 %1 个字）</translation>
    </message>
    <message>
        <source>名簿に入る名前は1クラス%1人までです</source>
        <translation>名单每个班最多 %1 人</translation>
    </message>
    <message>
        <source>名前が空か、使えない文字（改行や制御文字）が入っています</source>
        <translation>名字是空的，或者有不能用的字（换行或控制字符）</translation>
    </message>
    <message>
        <source>このクラスの名簿を変えることは許されていません</source>
        <translation>不允许修改这个班级的名单</translation>
    </message>
</context>
<context>
    <name>ClassTableModel</name>
    <message>
        <source>±0.0秒</source>
        <extracomment>A change of time in seconds, in a narrow column of the class table</extracomment>
        <translation>±0.0秒</translation>
    </message>
    <message>
        <source>%1秒</source>
        <extracomment>Seconds, in a narrow column of the class table</extracomment>
        <translation>%1秒</translation>
    </message>
    <message>
        <source>7日間 練習なし</source>
        <extracomment>A child with no attempt in the last 7 days; a narrow column of the class table</extracomment>
        <translation>7天没有练习</translation>
    </message>
    <message>
        <source>まだ一度も練習していません</source>
        <translation>还从来没有练习过</translation>
    </message>
    <message>
        <source>最近 7 日間に練習していません（これまでに %1 回）</source>
        <translation>最近 7 天没有练习（一共练习过 %1 次）</translation>
    </message>
    <message>
        <source>これまでに %1 回</source>
        <translation>一共 %1 次</translation>
    </message>
    <message>
        <source>最近5回の平均と、その前の5回の平均の差（−は速くなった）</source>
        <translation>最近 5 次的平均和再往前 5 次的平均之差（− 表示变快了）</translation>
    </message>
    <message>
        <source>6回以上で表示します</source>
        <translation>练习 6 次以上才显示</translation>
    </message>
    <message>
        <source>名前</source>
        <extracomment>Column header: the child&apos;s name</extracomment>
        <translation>名字</translation>
    </message>
    <message>
        <source>練習</source>
        <extracomment>Column header: whether the child practised lately</extracomment>
        <translation>练习</translation>
    </message>
    <message>
        <source>ベスト</source>
        <extracomment>Column header: the best time</extracomment>
        <translation>最好成绩</translation>
    </message>
    <message>
        <source>最新</source>
        <extracomment>Column header: the latest time</extracomment>
        <translation>最近一次</translation>
    </message>
    <message>
        <source>7日間</source>
        <extracomment>Column header: attempts in the last 7 days</extracomment>
        <translation>7天</translation>
    </message>
    <message>
        <source>傾向</source>
        <extracomment>Column header: the trend of the times</extracomment>
        <translation>趋势</translation>
    </message>
</context>
<context>
    <name>ClassView</name>
    <message>
        <source>クラス:</source>
        <translation>班级：</translation>
    </message>
    <message>
        <source>読み直す</source>
        <translation>重新读取</translation>
    </message>
    <message>
        <source>CSVに書き出す...</source>
        <translation>保存为 CSV...</translation>
    </message>
    <message>
        <source>クラスの表を表計算ソフトで開けるファイルにします</source>
        <translation>把班级表保存成能用电子表格软件打开的文件</translation>
    </message>
    <message>
        <source>一人ずつ</source>
        <extracomment>Tab: the class table, a row for each child</extracomment>
        <translation>每个学生</translation>
    </message>
    <message>
        <source>クラスの問題ごとのできぐあい</source>
        <extracomment>Tab: the class&apos;s fact map</extracomment>
        <translation>全班每道题的情况</translation>
    </message>
    <message>
        <source>読み込んでいます...</source>
        <translation>正在读取...</translation>
    </message>
    <message>
        <source>クラスの記録を読めませんでした: %1</source>
        <translation>无法读取班级记录：%1</translation>
    </message>
    <message>
        <source>名簿を読めませんでした: %1</source>
        <translation>无法读取班级名单：%1</translation>
    </message>
    <message>
        <source>このクラスの記録はまだありません。名簿は「名簿を読み込む...」で作れます。</source>
        <extracomment>「名簿を読み込む...」 is the button&apos;s own text</extracomment>
        <translation>这个班级还没有记录。可以用“读取名单...”做班级名单。</translation>
    </message>
    <message>
        <source>%1 人（%2: %3 人）。名前をダブルクリックすると、その子の記録（グラフ・表・問題ごとのできぐあい）を見られます。時間は 分:秒、傾向の − は速くなったことを表します。</source>
        <translation>%1 人（%2：%3 人）。双击名字，可以看这个孩子的记录（图表、表格、每道题的情况）。时间是 分:秒，趋势里的 − 表示变快了。</translation>
    </message>
    <message>
        <source>CSV ファイル (*.csv)|*.csv</source>
        <extracomment>File dialog filter: the name, then the pattern after &quot;|&quot;; keep the patterns</extracomment>
        <translation>CSV 文件 (*.csv)|*.csv</translation>
    </message>
    <message>
        <source>クラスの記録_%1.csv</source>
        <extracomment>The file name offered for the class table; %1 is the class</extracomment>
        <translation>班级记录_%1.csv</translation>
    </message>
    <message>
        <source>ファイル %1 に書き込めませんでした。</source>
        <translation>无法写入文件 %1。</translation>
    </message>
</context>
<context>
    <name>ClassWorksheetRun</name>
    <message>
        <source>一人ずつの苦手な問題を読んでいます...</source>
        <translation>正在读取每个学生的易错题...</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>全員の苦手プリント</source>
        <translation>全班的易错题练习纸</translation>
    </message>
    <message>
        <source>%1 / %2 人目: %3</source>
        <extracomment>The child being read, of all of them: 3 / 25: name</extracomment>
        <translation>第 %1 / %2 人：%3</translation>
    </message>
</context>
<context>
    <name>Classroom</name>
    <message>
        <source>このパソコンのログイン %1 はサーバーに拒否されました（%2）</source>
        <translation>这台电脑的登录 %1 被服务器拒绝了（%2）</translation>
    </message>
    <message>
        <source>このパソコンのログインはサーバーに拒否されました（%1）</source>
        <translation>这台电脑的登录被服务器拒绝了（%1）</translation>
    </message>
    <message>
        <source>このパソコンのログイン %1 は読み取りしかできないため、記録を送れません</source>
        <translation>这台电脑的登录 %1 只能读取，所以无法发送记录</translation>
    </message>
    <message>
        <source>このパソコンのログインは読み取りしかできないため、記録を送れません</source>
        <translation>这台电脑的登录只能读取，所以无法发送记录</translation>
    </message>
    <message>
        <source>パスワードが違います</source>
        <translation>密码不对</translation>
    </message>
    <message>
        <source>このパソコンからの接続が許されていません</source>
        <translation>不允许从这台电脑连接</translation>
    </message>
    <message>
        <source>ログインが使えなくなっています</source>
        <translation>这个登录已经不能用了</translation>
    </message>
    <message>
        <source>同じログインの接続が多すぎます</source>
        <translation>同一个登录的连接太多了</translation>
    </message>
    <message>
        <source>クラスのサーバーが暗号化（TLS）に応じないため、つなぎませんでした</source>
        <translation>班级服务器不支持加密（TLS），所以没有连接</translation>
    </message>
    <message>
        <source>クラスのサーバーの証明書が信頼できないため、つなぎませんでした</source>
        <translation>班级服务器的证书不可信，所以没有连接</translation>
    </message>
    <message>
        <source>クラスのサーバーが安全でない方法でパスワードを求めたため、送りませんでした</source>
        <translation>班级服务器用不安全的方法要求密码，所以没有发送</translation>
    </message>
    <message>
        <source>最後につながったのは %1</source>
        <translation>最后一次连接是 %1</translation>
    </message>
    <message>
        <source>まだつながっていません</source>
        <translation>还没有连接</translation>
    </message>
    <message>
        <source>&#x3000;送信待ち %1 件</source>
        <extracomment>Appended to the status line, after a wide space</extracomment>
        <translation>&#x3000;等待发送 %1 条</translation>
    </message>
    <message>
        <source>&#x3000;送れない記録 %1 件</source>
        <extracomment>Appended to the status line, after a wide space</extracomment>
        <translation>&#x3000;%1 条记录发送不了</translation>
    </message>
    <message>
        <source>クラスのサーバー: つないでいます（%1）</source>
        <translation>班级服务器：正在连接（%1）</translation>
    </message>
    <message>
        <source>クラスのサーバー: つながっています（%1）</source>
        <translation>班级服务器：已连接（%1）</translation>
    </message>
    <message>
        <source>クラスのサーバーにつながりません（%1）</source>
        <translation>连接不上班级服务器（%1）</translation>
    </message>
    <message>
        <source>クラスのサーバーがこのパソコンからの記録を受け付けません（%1）</source>
        <translation>班级服务器不接受这台电脑的记录（%1）</translation>
    </message>
    <message>
        <source>サーバーの答え: %1</source>
        <translation>服务器的回答：%1</translation>
    </message>
    <message>
        <source>送れない記録の理由: %1</source>
        <translation>记录发送不了的原因：%1</translation>
    </message>
    <message>
        <source>クラス</source>
        <extracomment>The class on the server, as a source of records beside &quot;this computer&quot;</extracomment>
        <translation>班级</translation>
    </message>
</context>
<context>
    <name>Clock</name>
    <message>
        <source>月曜日</source>
        <translation>周一</translation>
    </message>
    <message>
        <source>火曜日</source>
        <translation>周二</translation>
    </message>
    <message>
        <source>水曜日</source>
        <translation>周三</translation>
    </message>
    <message>
        <source>木曜日</source>
        <translation>周四</translation>
    </message>
    <message>
        <source>金曜日</source>
        <translation>周五</translation>
    </message>
    <message>
        <source>土曜日</source>
        <translation>周六</translation>
    </message>
    <message>
        <source>日曜日</source>
        <translation>周日</translation>
    </message>
</context>
<context>
    <name>Drills</name>
    <message>
        <source>名前なし</source>
        <translation>没有名字</translation>
    </message>
    <message>
        <source>たしざん</source>
        <translation>加法</translation>
    </message>
    <message>
        <source>ひきざん</source>
        <translation>减法</translation>
    </message>
    <message>
        <source>かけざん</source>
        <translation>乘法</translation>
    </message>
    <message>
        <source>九九</source>
        <translation>九九乘法表</translation>
    </message>
</context>
<context>
    <name>EventSounds</name>
    <message>
        <source>音を鳴らそうと思ったのですが、
WAVファイルを発見出来ませんでした。
その存在を確認して、サウンド設定を
もう一度やり直して下さい。</source>
        <translation>我想播放声音，
但是找不到 WAV 文件。
请看看这个文件还在不在，
然后重新做一次声音设置。</translation>
    </message>
    <message>
        <source>音を鳴らそうと思ったのですが、
WAVファイルを発見出来ませんでした。
次回使うときに、サウンド設定をやり直すか、
チェックをoffにしてください。</source>
        <translation>我想播放声音，
但是找不到 WAV 文件。
下次使用时，请重新做声音设置，
或者取消这一项的勾选。</translation>
    </message>
    <message>
        <source>音声ファイル( *.wav )|*.wav</source>
        <translation>声音文件( *.wav )|*.wav</translation>
    </message>
</context>
<context>
    <name>FactMapView</name>
    <message>
        <source>
まだ記録がありません</source>
        <translation>
还没有做过</translation>
    </message>
    <message>
        <source>
まちがい %1 / %2 回（%3%）</source>
        <translation>
做了 %2 次，错了 %1 次（%3%）</translation>
    </message>
    <message>
        <source>
答えるまでの時間（中央値） %1 秒</source>
        <translation>
通常回答用时 %1 秒</translation>
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
        <translation>找不到帮助文件 %1。</translation>
    </message>
    <message>
        <source>ヘルプファイル %1 が見つかりません。
探した場所:
%2</source>
        <extracomment>%2 is the list of folders searched, one a line.</extracomment>
        <translation>找不到帮助文件 %1。
找过的位置：
%2</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Vantel ヘルプ</source>
        <translation>Vantel 帮助</translation>
    </message>
    <message>
        <source>目次</source>
        <extracomment>The help&apos;s table of contents, as a tab and as the button that opens its first page.</extracomment>
        <translation>目录</translation>
    </message>
    <message>
        <source>キーワード</source>
        <extracomment>The tab of the keyword index.</extracomment>
        <translation>关键词</translation>
    </message>
    <message>
        <source>戻る</source>
        <extracomment>Go back to the page shown before.</extracomment>
        <translation>后退</translation>
    </message>
    <message>
        <source>進む</source>
        <extracomment>Go forward again after going back.</extracomment>
        <translation>前进</translation>
    </message>
    <message>
        <source>探したい言葉を入力してください：</source>
        <translation>请输入要查找的词语：</translation>
    </message>
    <message>
        <source>ヘルプファイル %1 を開けません。</source>
        <translation>无法打开帮助文件 %1。</translation>
    </message>
    <message>
        <source>ヘルプファイル %1 にヘルプの内容が登録されていません。</source>
        <translation>帮助文件 %1 里没有帮助内容。</translation>
    </message>
    <message>
        <source>ヘルプファイル %1 が見つかりません。</source>
        <translation>找不到帮助文件 %1。</translation>
    </message>
    <message>
        <source>トピックの選択</source>
        <translation>选择主题</translation>
    </message>
    <message>
        <source>表示するページを選んでください：</source>
        <translation>请选择要显示的页面：</translation>
    </message>
</context>
<context>
    <name>JpegImage</name>
    <message>
        <source>JPEG エラー #%1</source>
        <extracomment>%1 is libjpeg&apos;s message number.</extracomment>
        <translation>JPEG 错误 #%1</translation>
    </message>
    <message>
        <source>ファイル %1 は開けません</source>
        <translation>无法打开文件 %1</translation>
    </message>
</context>
<context>
    <name>Judge</name>
    <message>
        <source>○ の数は、%1/%2 こです。</source>
        <translation>得到 %1 个 ○，一共 %2 个格子。</translation>
    </message>
    <message>
        <source>未入力項目があります
すへての升を埋めてから
ストップを押してください。</source>
        <translation>还有空着的格子。
请把所有格子都填好，
再按“停止”。</translation>
    </message>
    <message>
        <source>全問正解そのうえ
ベストタイムです。
たいへんよくできました。</source>
        <translation>全部答对，
而且是最好成绩！
你真棒！</translation>
    </message>
    <message>
        <source>
全問正解・よくできました。</source>
        <translation>
全部答对，做得好！</translation>
    </message>
</context>
<context>
    <name>NamePanelPrint</name>
    <message>
        <source>なまえ</source>
        <extracomment>The word a teacher writes in a worksheet&apos;s name panel before the child&apos;s name (&quot;Name&quot;); the class print run puts each child&apos;s name in the cell after it.</extracomment>
        <translation>姓名</translation>
    </message>
</context>
<context>
    <name>NumberedSheets</name>
    <message>
        <source>ちがう問題を %1 枚作れませんでした。</source>
        <translation>无法做出 %1 张不同题目的练习纸。</translation>
    </message>
    <message>
        <source>No. %1&#x3000;こたえ</source>
        <extracomment>Printed above the answer key of a numbered sheet; こたえ means &quot;answers&quot;.</extracomment>
        <translation>No. %1&#x3000;答案</translation>
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
        <translation>多张不同的练习纸</translation>
    </message>
    <message>
        <source> 枚</source>
        <translation> 张</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>ドリル(&amp;D)</source>
        <translation>练习(&amp;D)</translation>
    </message>
    <message>
        <source>枚数(&amp;N)</source>
        <translation>张数(&amp;N)</translation>
    </message>
    <message>
        <source>番号つきのプリントと、同じ番号の答えを印刷します。</source>
        <translation>打印带编号的练习纸，再打印相同编号的答案纸。</translation>
    </message>
</context>
<context>
    <name>Outbox</name>
    <message>
        <source>送信待ちの記録 (%1) を読み書きできません: %2</source>
        <translation>无法读写等待发送的记录（%1）：%2</translation>
    </message>
    <message>
        <source>送信待ちの記録 (%1) を開けません: %2</source>
        <translation>无法打开等待发送的记录（%1）：%2</translation>
    </message>
    <message>
        <source>送信待ちの記録 (%1) を書きかえられません: %2</source>
        <translation>无法修改等待发送的记录（%1）：%2</translation>
    </message>
</context>
<context>
    <name>ParentReport</name>
    <message>
        <source>%1年%2月%3日</source>
        <translation>%1年%2月%3日</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>時間</source>
        <translation>用时</translation>
    </message>
    <message>
        <source>ベストタイム</source>
        <translation>最好成绩</translation>
    </message>
    <message>
        <source>まちがいあり</source>
        <translation>有错</translation>
    </message>
    <message>
        <source>よくできている</source>
        <translation>做得好</translation>
    </message>
    <message>
        <source>時間がかかる・ときどきまちがえる</source>
        <translation>比较慢或有时错</translation>
    </message>
    <message>
        <source>よくまちがえる</source>
        <translation>经常错</translation>
    </message>
    <message>
        <source>記録なし</source>
        <translation>没有记录</translation>
    </message>
    <message>
        <source>成績レポート</source>
        <translation>成绩报告</translation>
    </message>
    <message>
        <source>名前：</source>
        <translation>名字：</translation>
    </message>
    <message>
        <source>期間：</source>
        <translation>时间段：</translation>
    </message>
    <message>
        <source>ドリルごとのタイム</source>
        <translation>每种练习的用时</translation>
    </message>
    <message>
        <source>ドリル</source>
        <translation>练习</translation>
    </message>
    <message>
        <source>さいきんのタイム（正解）</source>
        <translation>最近一次的用时（答对数）</translation>
    </message>
    <message>
        <source>回数</source>
        <translation>次数</translation>
    </message>
    <message>
        <source>%1 回</source>
        <translation>%1 次</translation>
    </message>
    <message>
        <source>かかった時間（%1）</source>
        <translation>用了多长时间（%1）</translation>
    </message>
    <message>
        <source>この期間の記録はありません</source>
        <translation>这段时间没有记录</translation>
    </message>
    <message>
        <source>問題ごとのできぐあい（%1）</source>
        <translation>每道题的情况（%1）</translation>
    </message>
    <message>
        <source>練習するとよい問題</source>
        <translation>需要多练的题</translation>
    </message>
    <message>
        <source>ます目の数字はまちがえた回数です。</source>
        <translation>格子里的数字是答错的次数。</translation>
    </message>
    <message>
        <source>苦手な問題はまだ見つかっていません</source>
        <translation>还没有找到易错题</translation>
    </message>
    <message>
        <source>まちがいが多い問題と、答えるのに時間が</source>
        <translation>这些是答错最多、回答最慢的题，</translation>
    </message>
    <message>
        <source>かかる問題を、苦手な順にならべました。</source>
        <translation>最容易错的排在最前面。</translation>
    </message>
    <message>
        <source>&#x3000;作成日：</source>
        <translation>&#x3000;制作日期：</translation>
    </message>
    <message>
        <source> 〜 </source>
        <translation> 至 </translation>
    </message>
    <message>
        <source>まだ</source>
        <translation>还没有</translation>
    </message>
    <message>
        <source>（%1/%2）</source>
        <translation>（%1/%2）</translation>
    </message>
</context>
<context>
    <name>PgConnection</name>
    <message>
        <source>PostgreSQL のドライバー (QPSQL) がありません</source>
        <translation>没有 PostgreSQL 的驱动程序 (QPSQL)</translation>
    </message>
    <message>
        <source>接続できません</source>
        <translation>无法连接</translation>
    </message>
    <message>
        <source>接続していません</source>
        <translation>没有连接</translation>
    </message>
    <message>
        <source>問い合わせを準備できません</source>
        <translation>无法准备查询</translation>
    </message>
    <message>
        <source>問い合わせが失敗しました</source>
        <translation>查询失败了</translation>
    </message>
    <message>
        <source>トランザクションを始められません</source>
        <translation>无法开始事务</translation>
    </message>
    <message>
        <source>記録を確定できません</source>
        <translation>无法确定记录</translation>
    </message>
</context>
<context>
    <name>PrintProgressDialog</name>
    <message>
        <source>キャンセル</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>印刷</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>プリントを用意しています（%1 / %2）</source>
        <translation>正在准备练习纸（%1 / %2）</translation>
    </message>
    <message>
        <source>印刷しています（%1 / %2 ページ）</source>
        <translation>正在打印（第 %1 / %2 页）</translation>
    </message>
</context>
<context>
    <name>PrinterChoice</name>
    <message>
        <source>Vantel-プリント.pdf</source>
        <extracomment>The default name of the PDF file prints go to; a number is added to it.</extracomment>
        <translation>Vantel-练习纸.pdf</translation>
    </message>
    <message>
        <source>フォルダーを作れません。
%1</source>
        <translation>无法创建文件夹。
%1</translation>
    </message>
    <message>
        <source>%1
これ以上ファイルを作れません。</source>
        <translation>%1
不能再创建更多文件了。</translation>
    </message>
</context>
<context>
    <name>PrinterQt</name>
    <message>
        <source>プリンターは印刷中ではありません。</source>
        <translation>打印机现在没有在打印。</translation>
    </message>
    <message>
        <source>印刷中はプリンターを変えられません。</source>
        <translation>打印时不能更换打印机。</translation>
    </message>
    <message>
        <source>すでに印刷中です。</source>
        <translation>已经在打印了。</translation>
    </message>
    <message>
        <source>プリンター「%1」は使えません。</source>
        <translation>打印机“%1”不能用。</translation>
    </message>
    <message>
        <source>プリンター「%1」で印刷を始められません。</source>
        <translation>无法用打印机“%1”开始打印。</translation>
    </message>
    <message>
        <source>%1
印刷を始められません。</source>
        <translation>%1
无法开始打印。</translation>
    </message>
    <message>
        <source>新しいページを始められません。</source>
        <translation>无法开始新的一页。</translation>
    </message>
</context>
<context>
    <name>PrinterSetupDialog</name>
    <message>
        <source>プリンターの設定</source>
        <translation>打印机设置</translation>
    </message>
    <message>
        <source>PDF ファイル</source>
        <extracomment>Printing to a PDF file instead of a printer.</extracomment>
        <translation>PDF 文件</translation>
    </message>
    <message>
        <source>参照...</source>
        <translation>选择...</translation>
    </message>
    <message>
        <source>縦</source>
        <extracomment>Page orientation: portrait.</extracomment>
        <translation>纵向</translation>
    </message>
    <message>
        <source>横</source>
        <extracomment>Page orientation: landscape.</extracomment>
        <translation>横向</translation>
    </message>
    <message>
        <source>プリンター:</source>
        <translation>打印机：</translation>
    </message>
    <message>
        <source>ファイル名:</source>
        <translation>文件名：</translation>
    </message>
    <message>
        <source>用紙サイズ:</source>
        <translation>纸张大小：</translation>
    </message>
    <message>
        <source>印刷の向き:</source>
        <translation>打印方向：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>次の印刷は %1 に書き出します。</source>
        <translation>下次打印会保存到 %1。</translation>
    </message>
    <message>
        <source>PDF ファイル (*.pdf)</source>
        <translation>PDF 文件 (*.pdf)</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>このパソコン</source>
        <translation>这台电脑</translation>
    </message>
    <message>
        <source>記録:</source>
        <translation>记录：</translation>
    </message>
    <message>
        <source>&#x3000;まちがい %1/%2 回</source>
        <translation>&#x3000;错 %1/%2 次</translation>
    </message>
    <message>
        <source>&#x3000;%1 秒</source>
        <translation>&#x3000;%1 秒</translation>
    </message>
    <message>
        <source>苦手な問題はまだ見つかっていません</source>
        <translation>还没有找到易错题</translation>
    </message>
    <message>
        <source>成績の記録</source>
        <translation>成绩记录</translation>
    </message>
    <message>
        <source>最近30日</source>
        <translation>最近30天</translation>
    </message>
    <message>
        <source>最近90日</source>
        <translation>最近90天</translation>
    </message>
    <message>
        <source>すべて</source>
        <translation>全部</translation>
    </message>
    <message>
        <source>CSVに書き出す...</source>
        <translation>保存为 CSV...</translation>
    </message>
    <message>
        <source>苦手プリント</source>
        <translation>易错题练习纸</translation>
    </message>
    <message>
        <source>成績レポート</source>
        <translation>成绩报告</translation>
    </message>
    <message>
        <source>保護者に渡す1枚のレポートを印刷します</source>
        <translation>打印一页给家长看的报告</translation>
    </message>
    <message>
        <source> 問</source>
        <translation> 道题</translation>
    </message>
    <message>
        <source>読み込み中…</source>
        <translation>正在读取…</translation>
    </message>
    <message>
        <source>名前:</source>
        <translation>名字：</translation>
    </message>
    <message>
        <source>ドリル:</source>
        <translation>练习：</translation>
    </message>
    <message>
        <source>期間:</source>
        <translation>时间段：</translation>
    </message>
    <message>
        <source>かかった時間</source>
        <translation>用了多长时间</translation>
    </message>
    <message>
        <source>時間</source>
        <translation>用时</translation>
    </message>
    <message>
        <source>ベストタイム</source>
        <translation>最好成绩</translation>
    </message>
    <message>
        <source>まちがいあり</source>
        <translation>有错</translation>
    </message>
    <message>
        <source>日付</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>時間（秒）</source>
        <translation>用时（秒）</translation>
    </message>
    <message>
        <source>問題ごとのできぐあい（数字はまちがえた回数）</source>
        <translation>每道题的情况（数字是答错的次数）</translation>
    </message>
    <message>
        <source>緑: よくできている&#x3000;黄: 時間がかかる・ときどきまちがえる&#x3000;赤: よくまちがえる&#x3000;灰: 記録なし</source>
        <translation>绿：做得好&#x3000;黄：比较慢或有时错&#x3000;红：经常错&#x3000;灰：没有记录</translation>
    </message>
    <message>
        <source>苦手な問題</source>
        <translation>易错题</translation>
    </message>
    <message>
        <source>%1の一覧にもどる</source>
        <translation>回到%1的列表</translation>
    </message>
    <message>
        <source>CSV ファイル (*.csv)|*.csv</source>
        <translation>CSV 文件 (*.csv)|*.csv</translation>
    </message>
    <message>
        <source>成績の記録_%1.csv</source>
        <translation>成绩记录_%1.csv</translation>
    </message>
    <message>
        <source>ファイル %1 に書き込めませんでした。</source>
        <translation>无法写入文件 %1。</translation>
    </message>
</context>
<context>
    <name>ReadAloud</name>
    <message>
        <source>ja</source>
        <comment>espeak-ng voice</comment>
        <extracomment>espeak-ng&apos;s voice for this language&apos;s words (espeak-ng --voices), e.g. en-us</extracomment>
        <translation>cmn-latn-pinyin</translation>
    </message>
    <message>
        <source>%1 たす %2</source>
        <translation>%1 加 %2</translation>
    </message>
    <message>
        <source>%1 ひく %2</source>
        <translation>%1 减 %2</translation>
    </message>
    <message>
        <source>%1 かける %2</source>
        <translation>%1 乘 %2</translation>
    </message>
    <message>
        <source>せいかい は %1 こ、%2 もん ちゅう</source>
        <translation>答对 %1 道题，一共 %2 道题</translation>
    </message>
    <message>
        <source>正解</source>
        <extracomment>what a screen reader says of an answer cell marked ○</extracomment>
        <translation>答对</translation>
    </message>
</context>
<context>
    <name>RosterImport</name>
    <message>
        <source>ファイルが大きすぎます（名簿は %1 KB までです）。読み込みませんでした。</source>
        <translation>文件太大了（名单最多 %1 KB）。没有读取。</translation>
    </message>
    <message>
        <source>文字のファイルではないため、読み込みませんでした。</source>
        <translation>这不是文字文件，所以没有读取。</translation>
    </message>
    <message>
        <source>%1 行目: 名前が長すぎます（%2 文字まで）「%3」</source>
        <translation>第 %1 行：名字太长了（最多 %2 个字）“%3”</translation>
    </message>
    <message>
        <source>%1 行目: 名前に使えない文字があります</source>
        <translation>第 %1 行：名字里有不能用的字</translation>
    </message>
    <message>
        <source>%1 行目: 「%2」は前にもあるので、1 回だけにしました</source>
        <translation>第 %1 行：“%2”前面已经有了，所以只保留 1 次</translation>
    </message>
    <message>
        <source>%1 人を超えた %2 人は読み込みませんでした</source>
        <translation>超过 %1 人的 %2 个人没有读取</translation>
    </message>
    <message>
        <source>ほか %1 件</source>
        <translation>还有 %1 条</translation>
    </message>
    <message>
        <source>名前が見つかりませんでした。</source>
        <translation>没有找到名字。</translation>
    </message>
</context>
<context>
    <name>RosterPanel</name>
    <message>
        <source>名前が空です。</source>
        <translation>名字是空的。</translation>
    </message>
    <message>
        <source>名前が長すぎます（%1 文字まで）。</source>
        <translation>名字太长了（最多 %1 个字）。</translation>
    </message>
    <message>
        <source>名前に使えない文字があります。</source>
        <translation>名字里有不能用的字。</translation>
    </message>
    <message>
        <source>「%1」はもう名簿にあります。</source>
        <translation>“%1”已经在名单上了。</translation>
    </message>
    <message>
        <source>名簿を読み込む...</source>
        <translation>读取名单...</translation>
    </message>
    <message>
        <source>名前を加える...</source>
        <translation>添加名字...</translation>
    </message>
    <message>
        <source>名前を変える...</source>
        <translation>修改名字...</translation>
    </message>
    <message>
        <source>名簿から外す...</source>
        <translation>从名单中移除...</translation>
    </message>
    <message>
        <source>名簿の名前にまとめる...</source>
        <translation>合并到名单上的名字...</translation>
    </message>
    <message>
        <source>名簿にない名前（%1）: 名簿の名前の子の記録なら、まとめられます</source>
        <extracomment>The title over the names of attempts not on the class list; %1 is how many</extracomment>
        <translation>不在名单上的名字（%1）：如果是名单上某个孩子的记录，可以合并过去</translation>
    </message>
    <message>
        <source>%1&#x3000;（%2 回）</source>
        <extracomment>A name not on the class list and how many attempts it has</extracomment>
        <translation>%1&#x3000;（%2 次）</translation>
    </message>
    <message>
        <source>名簿（テキスト・CSV） (*.txt *.csv)|*.txt;*.csv|すべてのファイル (*)|*</source>
        <extracomment>File dialog filters: each name, then its patterns after &quot;|&quot;; keep the patterns</extracomment>
        <translation>名单（文本、CSV） (*.txt *.csv)|*.txt;*.csv|所有文件 (*)|*</translation>
    </message>
    <message>
        <source>ファイル %1 を開けませんでした。</source>
        <translation>无法打开文件 %1。</translation>
    </message>
    <message>
        <source>%1 から名前を読めませんでした。
%2</source>
        <translation>无法从 %1 读取名字。
%2</translation>
    </message>
    <message>
        <source>名簿に名前を加えられませんでした。</source>
        <translation>无法把名字添加到名单上。</translation>
    </message>
    <message>
        <source>%1 人を名簿に加えました。</source>
        <translation>已经把 %1 个人添加到名单上。</translation>
    </message>
    <message>
        <source>（%1 人はもう名簿にありました）</source>
        <translation>（有 %1 个人已经在名单上了）</translation>
    </message>
    <message>
        <source>

読み込まなかった行:
%1</source>
        <translation>

没有读取的行：
%1</translation>
    </message>
    <message>
        <source>名前を加える</source>
        <translation>添加名字</translation>
    </message>
    <message>
        <source>名簿に加える名前:</source>
        <translation>要添加到名单上的名字：</translation>
    </message>
    <message>
        <source>名前を変える子を、表で選んでください。</source>
        <translation>请在表格里选择要修改名字的孩子。</translation>
    </message>
    <message>
        <source>名前を変える</source>
        <translation>修改名字</translation>
    </message>
    <message>
        <source>「%1」の新しい名前:</source>
        <translation>“%1”的新名字：</translation>
    </message>
    <message>
        <source>「%1」を「%2」に変えます。
「%1」のこれまでの記録も、すべて「%2」の記録になります。</source>
        <translation>把“%1”改成“%2”。
“%1”以前的所有记录，也都会变成“%2”的记录。</translation>
    </message>
    <message>
        <source>「%1」の名前を変えられませんでした。</source>
        <translation>无法修改“%1”的名字。</translation>
    </message>
    <message>
        <source>名簿から外す子を、表で選んでください。</source>
        <translation>请在表格里选择要从名单中移除的孩子。</translation>
    </message>
    <message>
        <source>名簿から外す</source>
        <translation>从名单中移除</translation>
    </message>
    <message>
        <source>「%1」を名簿から外します。
記録は消えずに残ります。</source>
        <translation>把“%1”从名单中移除。
记录不会删除，会保留下来。</translation>
    </message>
    <message>
        <source>「%1」を名簿から外せませんでした。</source>
        <translation>无法把“%1”从名单中移除。</translation>
    </message>
    <message>
        <source>まとめる名前を「名簿にない名前」から選んでください。</source>
        <translation>请从“不在名单上的名字”里选择要合并的名字。</translation>
    </message>
    <message>
        <source>名簿の名前にまとめる</source>
        <translation>合并到名单上的名字</translation>
    </message>
    <message>
        <source>「%1」の記録をまとめる名簿の名前:</source>
        <translation>“%1”的记录要合并到名单上的哪个名字：</translation>
    </message>
    <message>
        <source>「%1」の記録 %2 回を「%3」の記録にします。</source>
        <translation>把“%1”的 %2 次记录变成“%3”的记录。</translation>
    </message>
    <message>
        <source>「%1」の記録をまとめられませんでした。</source>
        <translation>无法合并“%1”的记录。</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>%1 に書き込めません</source>
        <translation>无法写入 %1</translation>
    </message>
</context>
<context>
    <name>SpreadsheetCalc</name>
    <message>
        <source>セル (%1, %2) は表計算ソフト (LibreOffice Calc)のワークシートの外です</source>
        <translation>单元格 (%1, %2) 在电子表格软件 (LibreOffice Calc) 的工作表外面</translation>
    </message>
    <message>
        <source>ワークシート %1 はありません</source>
        <translation>没有工作表 %1</translation>
    </message>
    <message>
        <source>セル (%1, %2) の文字列が長すぎます (%3 文字まで)</source>
        <translation>单元格 (%1, %2) 的文字太长了（最多 %3 个字）</translation>
    </message>
    <message>
        <source>フォルダ %1 を作成できません</source>
        <translation>无法创建文件夹 %1</translation>
    </message>
    <message>
        <source>ファイル %1 を作成できません</source>
        <translation>无法创建文件 %1</translation>
    </message>
    <message>
        <source>表計算ソフト (LibreOffice Calc) を起動できません</source>
        <translation>无法启动电子表格软件 (LibreOffice Calc)</translation>
    </message>
    <message>
        <source>表計算ソフト (LibreOffice Calc) がインストールされていません</source>
        <translation>没有安装电子表格软件 (LibreOffice Calc)</translation>
    </message>
</context>
<context>
    <name>SpreadsheetXlsx</name>
    <message>
        <source>Couldn&apos;t load libxlsxwriter: %1</source>
        <extracomment>%1 is the system&apos;s own reason, in English.</extracomment>
        <translation>无法加载 libxlsxwriter：%1</translation>
    </message>
    <message>
        <source>ファイル %1 を作成できません</source>
        <translation>无法创建文件 %1</translation>
    </message>
    <message>
        <source>ファイル %1 を作成できません (%2)</source>
        <extracomment>%2 is the library&apos;s own reason, in English.</extracomment>
        <translation>无法创建文件 %1（%2）</translation>
    </message>
</context>
<context>
    <name>SqliteHistory</name>
    <message>
        <source>フォルダー %1 を作れません。</source>
        <translation>无法创建文件夹 %1。</translation>
    </message>
    <message>
        <source>壊れた記録ファイル %1 を移せません。</source>
        <translation>无法移动坏掉的记录文件 %1。</translation>
    </message>
    <message>
        <source>成績の記録ファイルが壊れていたので、別の名前で残して新しい記録を始めます。
元のファイル: %1</source>
        <translation>成绩记录文件坏了，已经换个名字保留下来，现在开始新的记录。
原来的文件：%1</translation>
    </message>
    <message>
        <source>成績を記録できませんでした。ディスクの空きや、記録のフォルダーに書き込めるかを確かめてください。
この回の成績は覚えておき、次の回かプログラムの終了時にもう一度記録します。
%1</source>
        <extracomment>%1 is the database&apos;s own reason, often in English.</extracomment>
        <translation>无法记录成绩。请检查磁盘空间，以及记录的文件夹能不能写入。
这一次的成绩会先记住，在下一次练习或退出程序时再记录一次。
%1</translation>
    </message>
</context>
<context>
    <name>TApplication</name>
    <message>
        <source>不明なエラーです。</source>
        <translation>未知的错误。</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>問題を読み上げる</source>
        <translation>朗读题目</translation>
    </message>
    <message>
        <source>記録(&amp;R)</source>
        <translation>记录(&amp;R)</translation>
    </message>
    <message>
        <source>成績の記録を見る...</source>
        <translation>查看成绩记录...</translation>
    </message>
    <message>
        <source>プリント(&amp;W)</source>
        <translation>练习纸(&amp;W)</translation>
    </message>
    <message>
        <source>ちがうプリントを N 枚...</source>
        <translation>多张不同的练习纸...</translation>
    </message>
    <message>
        <source>言語 / Language</source>
        <translation>语言 / Language</translation>
    </message>
    <message>
        <source> たしざん </source>
        <translation> 加法 </translation>
    </message>
    <message>
        <source> ひきざん </source>
        <translation> 减法 </translation>
    </message>
    <message>
        <source> かけざん </source>
        <translation> 乘法 </translation>
    </message>
    <message>
        <source> 九九</source>
        <translation> 九九乘法表</translation>
    </message>
    <message>
        <source> Print</source>
        <translation> 打印</translation>
    </message>
    <message>
        <source> Sound &amp;&amp; Picture</source>
        <translation> 声音和图片</translation>
    </message>
    <message>
        <source>スタート</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>問題作成&amp;時計がスタートします。</source>
        <translation>出题并开始计时。</translation>
    </message>
    <message>
        <source>ストップ</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>問題成否判定・時計のストップ</source>
        <translation>对答案并停止计时。</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>問題・回答のクリア</source>
        <translation>清除题目和答案。</translation>
    </message>
    <message>
        <source>ソフトの出口</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>ヘルプ</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>バージョン情報を表示します。</source>
        <translation>关于 Vantel</translation>
    </message>
    <message>
        <source>たしざん</source>
        <translation>加法</translation>
    </message>
    <message>
        <source>ひきざん</source>
        <translation>减法</translation>
    </message>
    <message>
        <source>かけざん</source>
        <translation>乘法</translation>
    </message>
    <message>
        <source>九九</source>
        <translation>九九乘法表</translation>
    </message>
    <message>
        <source>プリント用紙印刷設定</source>
        <translation>打印练习纸</translation>
    </message>
    <message>
        <source>氏名らん</source>
        <translation>姓名栏</translation>
    </message>
    <message>
        <source>足し算のプリント印刷</source>
        <translation>打印加法练习纸</translation>
    </message>
    <message>
        <source>引き算のプリント印刷</source>
        <translation>打印减法练习纸</translation>
    </message>
    <message>
        <source>掛け算のプリント印刷</source>
        <translation>打印乘法练习纸</translation>
    </message>
    <message>
        <source>九九のプリント印刷</source>
        <translation>打印九九乘法表练习纸</translation>
    </message>
    <message>
        <source>答え+</source>
        <translation>答案+</translation>
    </message>
    <message>
        <source>答え-</source>
        <translation>答案-</translation>
    </message>
    <message>
        <source>答えx</source>
        <translation>答案x</translation>
    </message>
    <message>
        <source>答え99</source>
        <translation>答案99</translation>
    </message>
    <message>
        <source>プリント用紙の氏名らんのテキスト保存・読込み</source>
        <translation>保存或打开练习纸上的姓名栏</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>読込</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Excelに転送</source>
        <translation>传到Excel</translation>
    </message>
    <message>
        <source>クリアー</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>プリンターのセットアップ</source>
        <translation>打印机设置</translation>
    </message>
    <message>
        <source>セットアップ</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>サウンド設定</source>
        <translation>声音设置</translation>
    </message>
    <message>
        <source>バージョン情報を表示した時に音を鳴らします。</source>
        <translation>打开“关于”时播放声音。</translation>
    </message>
    <message>
        <source>サウンドファイル (1)</source>
        <translation>声音文件 (1)</translation>
    </message>
    <message>
        <source>参照 1</source>
        <translation>选择</translation>
    </message>
    <message>
        <source>テスト</source>
        <translation>试听</translation>
    </message>
    <message>
        <source>テスト (1)</source>
        <translation>试听 (1)</translation>
    </message>
    <message>
        <source>ページを切り替える時音を鳴らします。</source>
        <translation>换页时播放声音。</translation>
    </message>
    <message>
        <source>サウンドファイル (2)</source>
        <translation>声音文件 (2)</translation>
    </message>
    <message>
        <source>参照 2</source>
        <translation>选择</translation>
    </message>
    <message>
        <source>テスト (2)</source>
        <translation>试听 (2)</translation>
    </message>
    <message>
        <source>終了ボタンを押した時に音を鳴らします。</source>
        <translation>按“退出”时播放声音。</translation>
    </message>
    <message>
        <source>サウンドファイル (4)</source>
        <translation>声音文件 (4)</translation>
    </message>
    <message>
        <source>参照4</source>
        <translation>选择</translation>
    </message>
    <message>
        <source>テスト (4)</source>
        <translation>试听 (4)</translation>
    </message>
    <message>
        <source>全問正解の時に音を鳴らします。</source>
        <translation>全部答对时播放声音。</translation>
    </message>
    <message>
        <source>サウンドファイル (5)</source>
        <translation>声音文件 (5)</translation>
    </message>
    <message>
        <source>参照5</source>
        <translation>选择</translation>
    </message>
    <message>
        <source>テスト (5)</source>
        <translation>试听 (5)</translation>
    </message>
    <message>
        <source>全問正解 &amp;&amp; ハイスコア の時音を鳴らします。</source>
        <translation>全部答对并创最好成绩时播放声音。</translation>
    </message>
    <message>
        <source>サウンドファイル (3)</source>
        <translation>声音文件 (3)</translation>
    </message>
    <message>
        <source>参照 3</source>
        <translation>选择</translation>
    </message>
    <message>
        <source>テスト (3)</source>
        <translation>试听 (3)</translation>
    </message>
    <message>
        <source>画像変更</source>
        <translation>更换图片</translation>
    </message>
    <message>
        <source>バージョン情報の画像を変更できます。</source>
        <translation>可以更换“关于”里的图片。</translation>
    </message>
    <message>
        <source>&#x3000;開く</source>
        <translation>&#x3000;打开</translation>
    </message>
    <message>
        <source>Open Voice </source>
        <translation>问候语</translation>
    </message>
    <message>
        <source>起動した時に、挨拶します。</source>
        <translation>启动时说问候语。</translation>
    </message>
    <message>
        <source>起動時の挨拶をミュートします。</source>
        <translation>打开或关闭启动时的问候语。</translation>
    </message>
    <message>
        <source>「おはようございます」</source>
        <translation>“早上好”</translation>
    </message>
    <message>
        <source>挨拶のテスト発声</source>
        <translation>试听问候语</translation>
    </message>
    <message>
        <source>テスト「おはようございます」</source>
        <translation>试听“早上好”</translation>
    </message>
    <message>
        <source>「こんにちは」</source>
        <translation>“你好”</translation>
    </message>
    <message>
        <source>テスト「こんにちは」</source>
        <translation>试听“你好”</translation>
    </message>
    <message>
        <source>「こんばんは」</source>
        <translation>“晚上好”</translation>
    </message>
    <message>
        <source>テスト「こんばんは」</source>
        <translation>试听“晚上好”</translation>
    </message>
    <message>
        <source>ベストタイムの初期化</source>
        <translation>重设最好成绩</translation>
    </message>
    <message>
        <source>足し算を初期化します。</source>
        <translation>重设加法。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>足し算のベストタイムを初期化</source>
        <translation>重设加法的最好成绩</translation>
    </message>
    <message>
        <source>引き算を初期化します。</source>
        <translation>重设减法。</translation>
    </message>
    <message>
        <source>引き算のベストタイムを初期化</source>
        <translation>重设减法的最好成绩</translation>
    </message>
    <message>
        <source>掛け算を初期化します。</source>
        <translation>重设乘法。</translation>
    </message>
    <message>
        <source>掛け算のベストタイムを初期化</source>
        <translation>重设乘法的最好成绩</translation>
    </message>
    <message>
        <source>九九を初期化します。</source>
        <translation>重设九九乘法表。</translation>
    </message>
    <message>
        <source>九九のベストタイムを初期化</source>
        <translation>重设九九乘法表的最好成绩</translation>
    </message>
    <message>
        <source>UserName</source>
        <translation>你的名字</translation>
    </message>
    <message>
        <source>使う人の名前を登録します。</source>
        <translation>输入你的名字，再按“确定”。</translation>
    </message>
    <message>
        <source>使う人の名前</source>
        <translation>你的名字</translation>
    </message>
    <message>
        <source>使う人の名前を登録</source>
        <translation>保存你的名字</translation>
    </message>
    <message>
        <source> %1 の Vantel</source>
        <translation> %1 的 Vantel</translation>
    </message>
    <message>
        <source>%1 今回のタイム</source>
        <translation>%1 本次用时</translation>
    </message>
    <message>
        <source>%1 ベストタイム</source>
        <translation>%1 最好成绩</translation>
    </message>
    <message>
        <source>日付と時刻</source>
        <translation>日期和时间</translation>
    </message>
    <message>
        <source>ファイル(&amp;F)</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>新規作成(&amp;N)</source>
        <translation>新建(&amp;N)</translation>
    </message>
    <message>
        <source>上書き保存(&amp;S)</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>名前を付けて保存(&amp;A)...</source>
        <translation>另存为(&amp;A)...</translation>
    </message>
    <message>
        <source>足し算のプリント印刷(&amp;P)</source>
        <translation>打印加法练习纸(&amp;P)</translation>
    </message>
    <message>
        <source>ページ設定(&amp;T)...</source>
        <translation>页面设置(&amp;T)...</translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>編集(&amp;E)</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>問題作成(&amp;T)</source>
        <translation>出题(&amp;T)</translation>
    </message>
    <message>
        <source>答えあわせ(&amp;F)</source>
        <translation>对答案(&amp;F)</translation>
    </message>
    <message>
        <source>サウンド(&amp;S)</source>
        <translation>声音(&amp;S)</translation>
    </message>
    <message>
        <source>開く  (1)</source>
        <translation>打开 (1)</translation>
    </message>
    <message>
        <source>開く  (2)</source>
        <translation>打开 (2)</translation>
    </message>
    <message>
        <source>開く  (3)</source>
        <translation>打开 (3)</translation>
    </message>
    <message>
        <source>開く&#x3000;(4)</source>
        <translation>打开 (4)</translation>
    </message>
    <message>
        <source>開く&#x3000;(5)</source>
        <translation>打开 (5)</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>目次(&amp;C)</source>
        <translation>目录(&amp;C)</translation>
    </message>
    <message>
        <source>トピックの検索(&amp;S)...</source>
        <translation>搜索帮助(&amp;S)...</translation>
    </message>
    <message>
        <source>バージョン情報(&amp;A)...</source>
        <translation>关于 Vantel(&amp;A)...</translation>
    </message>
    <message>
        <source>テキストファイル|*.txt|カンマ区切りテキスト|*.csv|引用符付きカンマ区切りテキスト|*.csv|HTML|*.html</source>
        <translation>文本文件|*.txt|逗号分隔的文本|*.csv|带引号的逗号分隔文本|*.csv|HTML|*.html</translation>
    </message>
    <message>
        <source>テキストファイル|*.txt|カンマ区切りテキスト|*.csv|引用符付きカンマ区切りテキスト|*.csv</source>
        <translation>文本文件|*.txt|逗号分隔的文本|*.csv|带引号的逗号分隔文本|*.csv</translation>
    </message>
</context>
<context>
    <name>TStringGrid</name>
    <message>
        <source>%1 行 %2 列</source>
        <translation>第 %1 行 第 %2 列</translation>
    </message>
</context>
<context>
    <name>TStringGridIO</name>
    <message>
        <source>ファイル %1 を作成できません</source>
        <translation>无法创建文件 %1</translation>
    </message>
    <message>
        <source>ファイル %1 は開けません</source>
        <translation>无法打开文件 %1</translation>
    </message>
    <message>
        <source>ファイル %1 は大きすぎて読み込めません</source>
        <translation>文件 %1 太大了，无法读取</translation>
    </message>
</context>
<context>
    <name>TVersionBox</name>
    <message>
        <source>Ｈｕｎｄｒｅｄ&#x3000;Ｃｅｌｌ&#x3000;Ｍａｔｈ</source>
        <translation>百格计算</translation>
    </message>
    <message>
        <source>音声：あいさつは合成音声です</source>
        <translation>声音：问候语是电脑合成的声音</translation>
    </message>
    <message>
        <source>画像：Vantel プロジェクト</source>
        <translation>图片：Vantel 项目</translation>
    </message>
    <message>
        <source>制作：Vantel プロジェクト</source>
        <translation>制作：Vantel 项目</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 Vantel プロジェクト</source>
        <translation>Copyright (C) 2026 Vantel 项目</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Ｖａｎｔｅｌ の バージョン情報</source>
        <translation>关于 Vantel</translation>
    </message>
</context>
<context>
    <name>WeakFactRun</name>
    <message>
        <source>苦手プリントを印刷する子どもがいません。</source>
        <translation>没有要打印易错题练习纸的孩子。</translation>
    </message>
    <message>
        <source>苦手プリントにする問題がありません。</source>
        <translation>没有可以做成易错题练习纸的题目。</translation>
    </message>
    <message>
        <source>問題がないので、次の子どもの苦手プリントは印刷しませんでした。
%1</source>
        <translation>因为没有易错题，下面这些孩子的易错题练习纸没有打印。
%1</translation>
    </message>
    <message>
        <source>、</source>
        <translation>、</translation>
    </message>
</context>
<context>
    <name>WeakFactSheet</name>
    <message>
        <source>  こたえ</source>
        <translation>  答案</translation>
    </message>
    <message>
        <source>苦手プリント（%1）  %2</source>
        <translation>易错题练习纸（%1）  %2</translation>
    </message>
</context>
<context>
    <name>WorksheetPrint</name>
    <message>
        <source>このプリントは Vantel で作成しました。</source>
        <extracomment>Printed under every worksheet.</extracomment>
        <translation>这张练习纸是用 Vantel 制作的。</translation>
    </message>
</context>
</TS>
