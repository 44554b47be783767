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
        <translation>　制作日期：</translation>
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
        <translation>　错 %1/%2 次</translation>
    </message>
    <message>
        <source>&#x3000;%1 秒</source>
        <translation>　%1 秒</translation>
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
        <translation>绿：做得好　黄：比较慢或有时错　红：经常错　灰：没有记录</translation>
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
        <translation>cmn</translation>
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
        <translation>　打开</translation>
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
</TS>
