<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="vi" sourcelanguage="ja">
<context>
    <name>AttemptCsv</name>
    <message>
        <source>名前,ドリル,開始日時,時間(秒),点数,満点,新記録</source>
        <translation>Tên,Phép tính,Bắt đầu lúc,Thời gian (giây),Điểm,Điểm tối đa,Kỷ lục mới</translation>
    </message>
</context>
<context>
    <name>AttemptTableModel</name>
    <message>
        <source>日付</source>
        <translation>Ngày</translation>
    </message>
    <message>
        <source>時間</source>
        <translation>Thời gian</translation>
    </message>
    <message>
        <source>点数</source>
        <translation>Điểm</translation>
    </message>
    <message>
        <source>新記録</source>
        <translation>Kỷ lục mới</translation>
    </message>
</context>
<context>
    <name>Clock</name>
    <message>
        <source>月曜日</source>
        <translation>T2</translation>
    </message>
    <message>
        <source>火曜日</source>
        <translation>T3</translation>
    </message>
    <message>
        <source>水曜日</source>
        <translation>T4</translation>
    </message>
    <message>
        <source>木曜日</source>
        <translation>T5</translation>
    </message>
    <message>
        <source>金曜日</source>
        <translation>T6</translation>
    </message>
    <message>
        <source>土曜日</source>
        <translation>T7</translation>
    </message>
    <message>
        <source>日曜日</source>
        <translation>CN</translation>
    </message>
</context>
<context>
    <name>Drills</name>
    <message>
        <source>名前なし</source>
        <translation>Chưa có tên</translation>
    </message>
    <message>
        <source>たしざん</source>
        <translation>Phép cộng</translation>
    </message>
    <message>
        <source>ひきざん</source>
        <translation>Phép trừ</translation>
    </message>
    <message>
        <source>かけざん</source>
        <translation>Phép nhân</translation>
    </message>
    <message>
        <source>九九</source>
        <translation>Bảng cửu chương</translation>
    </message>
</context>
<context>
    <name>EventSounds</name>
    <message>
        <source>音を鳴らそうと思ったのですが、
WAVファイルを発見出来ませんでした。
その存在を確認して、サウンド設定を
もう一度やり直して下さい。</source>
        <translation>Vantel muốn phát âm thanh
nhưng không tìm thấy tệp WAV.
Hãy xem tệp đó còn không,
rồi cài đặt âm thanh lại.</translation>
    </message>
    <message>
        <source>音を鳴らそうと思ったのですが、
WAVファイルを発見出来ませんでした。
次回使うときに、サウンド設定をやり直すか、
チェックをoffにしてください。</source>
        <translation>Vantel muốn phát âm thanh
nhưng không tìm thấy tệp WAV.
Lần sau, hãy cài đặt âm thanh lại
hoặc bỏ dấu chọn ở ô đó.</translation>
    </message>
    <message>
        <source>音声ファイル( *.wav )|*.wav</source>
        <translation>Tệp âm thanh ( *.wav )|*.wav</translation>
    </message>
</context>
<context>
    <name>FactMapView</name>
    <message>
        <source>
まだ記録がありません</source>
        <translation>
Chưa làm lần nào</translation>
    </message>
    <message>
        <source>
まちがい %1 / %2 回（%3%）</source>
        <translation>
Sai %1 / %2 lần (%3%)</translation>
    </message>
    <message>
        <source>
答えるまでの時間（中央値） %1 秒</source>
        <translation>
Thời gian trả lời thường là %1 giây</translation>
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
        <translation>Em làm đúng %1/%2 câu.</translation>
    </message>
    <message>
        <source>未入力項目があります
すへての升を埋めてから
ストップを押してください。</source>
        <translation>Còn ô chưa điền.
Hãy điền hết các ô,
rồi bấm Dừng.</translation>
    </message>
    <message>
        <source>全問正解そのうえ
ベストタイムです。
たいへんよくできました。</source>
        <translation>Đúng hết, lại còn
lập kỷ lục mới!
Giỏi lắm!</translation>
    </message>
    <message>
        <source>
全問正解・よくできました。</source>
        <translation>
Đúng hết. Giỏi lắm!</translation>
    </message>
</context>
<context>
    <name>NumberedSheetsDialog</name>
    <message>
        <source>ちがうプリントを N 枚</source>
        <translation>Nhiều phiếu khác nhau</translation>
    </message>
    <message>
        <source> 枚</source>
        <translation> phiếu</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Hủy</translation>
    </message>
    <message>
        <source>ドリル(&amp;D)</source>
        <translation>&amp;Phép tính</translation>
    </message>
    <message>
        <source>枚数(&amp;N)</source>
        <translation>&amp;Số phiếu</translation>
    </message>
    <message>
        <source>番号つきのプリントと、同じ番号の答えを印刷します。</source>
        <translation>In các phiếu bài tập có đánh số, rồi in đáp án cùng số.</translation>
    </message>
</context>
<context>
    <name>ParentReport</name>
    <message>
        <source>%1年%2月%3日</source>
        <translation>%3/%2/%1</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>giây</translation>
    </message>
    <message>
        <source>時間</source>
        <translation>Thời gian</translation>
    </message>
    <message>
        <source>ベストタイム</source>
        <translation>Kỷ lục</translation>
    </message>
    <message>
        <source>まちがいあり</source>
        <translation>Có câu sai</translation>
    </message>
    <message>
        <source>よくできている</source>
        <translation>Làm tốt</translation>
    </message>
    <message>
        <source>時間がかかる・ときどきまちがえる</source>
        <translation>Còn chậm hoặc đôi khi sai</translation>
    </message>
    <message>
        <source>よくまちがえる</source>
        <translation>Hay sai</translation>
    </message>
    <message>
        <source>記録なし</source>
        <translation>Chưa làm</translation>
    </message>
    <message>
        <source>成績レポート</source>
        <translation>Báo cáo kết quả</translation>
    </message>
    <message>
        <source>名前：</source>
        <translation>Tên: </translation>
    </message>
    <message>
        <source>期間：</source>
        <translation>Khoảng thời gian: </translation>
    </message>
    <message>
        <source>ドリルごとのタイム</source>
        <translation>Thời gian của từng phép tính</translation>
    </message>
    <message>
        <source>ドリル</source>
        <translation>Phép tính</translation>
    </message>
    <message>
        <source>さいきんのタイム（正解）</source>
        <translation>Lần gần nhất (số câu đúng)</translation>
    </message>
    <message>
        <source>回数</source>
        <translation>Số lần</translation>
    </message>
    <message>
        <source>%1 回</source>
        <translation>%1 lần</translation>
    </message>
    <message>
        <source>かかった時間（%1）</source>
        <translation>Thời gian làm bài (%1)</translation>
    </message>
    <message>
        <source>この期間の記録はありません</source>
        <translation>Không có kết quả trong khoảng thời gian này</translation>
    </message>
    <message>
        <source>問題ごとのできぐあい（%1）</source>
        <translation>Kết quả từng bài (%1)</translation>
    </message>
    <message>
        <source>練習するとよい問題</source>
        <translation>Bài nên luyện thêm</translation>
    </message>
    <message>
        <source>ます目の数字はまちがえた回数です。</source>
        <translation>Số trong ô là số lần sai.</translation>
    </message>
    <message>
        <source>苦手な問題はまだ見つかっていません</source>
        <translation>Chưa có bài nào còn khó</translation>
    </message>
    <message>
        <source>まちがいが多い問題と、答えるのに時間が</source>
        <translation>Những bài hay sai nhất hoặc trả lời</translation>
    </message>
    <message>
        <source>かかる問題を、苦手な順にならべました。</source>
        <translation>chậm nhất, xếp bài khó nhất lên đầu.</translation>
    </message>
    <message>
        <source>&#x3000;作成日：</source>
        <translation>   Ngày lập: </translation>
    </message>
    <message>
        <source> 〜 </source>
        <translation> đến </translation>
    </message>
    <message>
        <source>まだ</source>
        <translation>Chưa có</translation>
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
        <translation>Máy tính này</translation>
    </message>
    <message>
        <source>記録:</source>
        <translation>Dữ liệu:</translation>
    </message>
    <message>
        <source>&#x3000;まちがい %1/%2 回</source>
        <translation>   sai %1/%2 lần</translation>
    </message>
    <message>
        <source>&#x3000;%1 秒</source>
        <translation>   %1 giây</translation>
    </message>
    <message>
        <source>苦手な問題はまだ見つかっていません</source>
        <translation>Chưa có bài nào còn khó</translation>
    </message>
    <message>
        <source>成績の記録</source>
        <translation>Kết quả</translation>
    </message>
    <message>
        <source>最近30日</source>
        <translation>30 ngày qua</translation>
    </message>
    <message>
        <source>最近90日</source>
        <translation>90 ngày qua</translation>
    </message>
    <message>
        <source>すべて</source>
        <translation>Tất cả</translation>
    </message>
    <message>
        <source>CSVに書き出す...</source>
        <translation>Lưu thành CSV...</translation>
    </message>
    <message>
        <source>苦手プリント</source>
        <translation>Phiếu luyện bài khó</translation>
    </message>
    <message>
        <source>成績レポート</source>
        <translation>Báo cáo kết quả</translation>
    </message>
    <message>
        <source>保護者に渡す1枚のレポートを印刷します</source>
        <translation>In báo cáo một trang để gửi phụ huynh</translation>
    </message>
    <message>
        <source> 問</source>
        <translation> bài</translation>
    </message>
    <message>
        <source>読み込み中…</source>
        <translation>Đang tải…</translation>
    </message>
    <message>
        <source>名前:</source>
        <translation>Tên:</translation>
    </message>
    <message>
        <source>ドリル:</source>
        <translation>Phép tính:</translation>
    </message>
    <message>
        <source>期間:</source>
        <translation>Khoảng thời gian:</translation>
    </message>
    <message>
        <source>かかった時間</source>
        <translation>Thời gian làm bài</translation>
    </message>
    <message>
        <source>時間</source>
        <translation>Thời gian</translation>
    </message>
    <message>
        <source>ベストタイム</source>
        <translation>Kỷ lục</translation>
    </message>
    <message>
        <source>まちがいあり</source>
        <translation>Có câu sai</translation>
    </message>
    <message>
        <source>日付</source>
        <translation>Ngày</translation>
    </message>
    <message>
        <source>時間（秒）</source>
        <translation>Giây</translation>
    </message>
    <message>
        <source>問題ごとのできぐあい（数字はまちがえた回数）</source>
        <translation>Kết quả từng bài (số trong ô là số lần sai)</translation>
    </message>
    <message>
        <source>緑: よくできている&#x3000;黄: 時間がかかる・ときどきまちがえる&#x3000;赤: よくまちがえる&#x3000;灰: 記録なし</source>
        <translation>Xanh lá: làm tốt   Vàng: còn chậm hoặc đôi khi sai   Đỏ: hay sai   Xám: chưa làm</translation>
    </message>
    <message>
        <source>苦手な問題</source>
        <translation>Bài còn khó</translation>
    </message>
    <message>
        <source>%1の一覧にもどる</source>
        <translation>Quay lại danh sách %1</translation>
    </message>
    <message>
        <source>CSV ファイル (*.csv)|*.csv</source>
        <translation>Tệp CSV (*.csv)|*.csv</translation>
    </message>
    <message>
        <source>成績の記録_%1.csv</source>
        <translation>ket_qua_%1.csv</translation>
    </message>
    <message>
        <source>ファイル %1 に書き込めませんでした。</source>
        <translation>Không ghi được tệp %1.</translation>
    </message>
</context>
<context>
    <name>ReadAloud</name>
    <message>
        <source>ja</source>
        <comment>espeak-ng voice</comment>
        <extracomment>espeak-ng&apos;s voice for this language&apos;s words (espeak-ng --voices), e.g. en-us</extracomment>
        <translation>vi</translation>
    </message>
    <message>
        <source>%1 たす %2</source>
        <translation>%1 cộng %2</translation>
    </message>
    <message>
        <source>%1 ひく %2</source>
        <translation>%1 trừ %2</translation>
    </message>
    <message>
        <source>%1 かける %2</source>
        <translation>%1 nhân %2</translation>
    </message>
    <message>
        <source>せいかい は %1 こ、%2 もん ちゅう</source>
        <translation>Đúng %1 câu trong số %2 câu</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>問題を読み上げる</source>
        <translation>Đọc to bài toán</translation>
    </message>
    <message>
        <source>記録(&amp;R)</source>
        <translation>&amp;Kết quả</translation>
    </message>
    <message>
        <source>成績の記録を見る...</source>
        <translation>Xem kết quả...</translation>
    </message>
    <message>
        <source>プリント(&amp;W)</source>
        <translation>&amp;Phiếu bài tập</translation>
    </message>
    <message>
        <source>ちがうプリントを N 枚...</source>
        <translation>Nhiều phiếu khác nhau...</translation>
    </message>
    <message>
        <source>言語 / Language</source>
        <translation>Ngôn ngữ / 言語 / Language</translation>
    </message>
    <message>
        <source> たしざん </source>
        <translation> Phép cộng </translation>
    </message>
    <message>
        <source> ひきざん </source>
        <translation> Phép trừ </translation>
    </message>
    <message>
        <source> かけざん </source>
        <translation> Phép nhân </translation>
    </message>
    <message>
        <source> 九九</source>
        <translation> Cửu chương</translation>
    </message>
    <message>
        <source> Print</source>
        <translation> In phiếu</translation>
    </message>
    <message>
        <source> Sound &amp;&amp; Picture</source>
        <translation> Âm thanh &amp;&amp; Hình</translation>
    </message>
    <message>
        <source>スタート</source>
        <translation>Bắt đầu</translation>
    </message>
    <message>
        <source>問題作成&amp;時計がスタートします。</source>
        <translation>Tạo bài mới và bắt đầu tính giờ.</translation>
    </message>
    <message>
        <source>ストップ</source>
        <translation>Dừng</translation>
    </message>
    <message>
        <source>問題成否判定・時計のストップ</source>
        <translation>Chấm bài và dừng đồng hồ.</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>問題・回答のクリア</source>
        <translation>Xóa bài và câu trả lời.</translation>
    </message>
    <message>
        <source>ソフトの出口</source>
        <translation>Thoát</translation>
    </message>
    <message>
        <source>ヘルプ</source>
        <translation>Trợ giúp</translation>
    </message>
    <message>
        <source>バージョン情報を表示します。</source>
        <translation>Giới thiệu Vantel</translation>
    </message>
    <message>
        <source>たしざん</source>
        <translation>Phép cộng</translation>
    </message>
    <message>
        <source>ひきざん</source>
        <translation>Phép trừ</translation>
    </message>
    <message>
        <source>かけざん</source>
        <translation>Phép nhân</translation>
    </message>
    <message>
        <source>九九</source>
        <translation>Bảng cửu chương</translation>
    </message>
    <message>
        <source>プリント用紙印刷設定</source>
        <translation>In phiếu bài tập</translation>
    </message>
    <message>
        <source>氏名らん</source>
        <translation>Ô họ tên</translation>
    </message>
    <message>
        <source>足し算のプリント印刷</source>
        <translation>In phép cộng</translation>
    </message>
    <message>
        <source>引き算のプリント印刷</source>
        <translation>In phép trừ</translation>
    </message>
    <message>
        <source>掛け算のプリント印刷</source>
        <translation>In phép nhân</translation>
    </message>
    <message>
        <source>九九のプリント印刷</source>
        <translation>In cửu chương</translation>
    </message>
    <message>
        <source>答え+</source>
        <translation>Đ.án +</translation>
    </message>
    <message>
        <source>答え-</source>
        <translation>Đ.án -</translation>
    </message>
    <message>
        <source>答えx</source>
        <translation>Đ.án x</translation>
    </message>
    <message>
        <source>答え99</source>
        <translation>Đ.án 99</translation>
    </message>
    <message>
        <source>プリント用紙の氏名らんのテキスト保存・読込み</source>
        <translation>Lưu hoặc mở ô họ tên của phiếu</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Lưu</translation>
    </message>
    <message>
        <source>読込</source>
        <translation>Mở</translation>
    </message>
    <message>
        <source>Excelに転送</source>
        <translation>Sang Excel</translation>
    </message>
    <message>
        <source>クリアー</source>
        <translation>Xóa</translation>
    </message>
    <message>
        <source>プリンターのセットアップ</source>
        <translation>Máy in</translation>
    </message>
    <message>
        <source>セットアップ</source>
        <translation>Cài đặt</translation>
    </message>
    <message>
        <source>サウンド設定</source>
        <translation>Cài đặt âm thanh</translation>
    </message>
    <message>
        <source>バージョン情報を表示した時に音を鳴らします。</source>
        <translation>Phát âm thanh khi xem Giới thiệu.</translation>
    </message>
    <message>
        <source>サウンドファイル (1)</source>
        <translation>Tệp âm thanh (1)</translation>
    </message>
    <message>
        <source>参照 1</source>
        <translation>Chọn</translation>
    </message>
    <message>
        <source>テスト</source>
        <translation>Nghe</translation>
    </message>
    <message>
        <source>テスト (1)</source>
        <translation>Nghe thử (1)</translation>
    </message>
    <message>
        <source>ページを切り替える時音を鳴らします。</source>
        <translation>Phát âm thanh khi đổi trang.</translation>
    </message>
    <message>
        <source>サウンドファイル (2)</source>
        <translation>Tệp âm thanh (2)</translation>
    </message>
    <message>
        <source>参照 2</source>
        <translation>Chọn</translation>
    </message>
    <message>
        <source>テスト (2)</source>
        <translation>Nghe thử (2)</translation>
    </message>
    <message>
        <source>終了ボタンを押した時に音を鳴らします。</source>
        <translation>Phát âm thanh khi thoát.</translation>
    </message>
    <message>
        <source>サウンドファイル (4)</source>
        <translation>Tệp âm thanh (4)</translation>
    </message>
    <message>
        <source>参照4</source>
        <translation>Chọn</translation>
    </message>
    <message>
        <source>テスト (4)</source>
        <translation>Nghe thử (4)</translation>
    </message>
    <message>
        <source>全問正解の時に音を鳴らします。</source>
        <translation>Phát âm thanh khi đúng hết.</translation>
    </message>
    <message>
        <source>サウンドファイル (5)</source>
        <translation>Tệp âm thanh (5)</translation>
    </message>
    <message>
        <source>参照5</source>
        <translation>Chọn</translation>
    </message>
    <message>
        <source>テスト (5)</source>
        <translation>Nghe thử (5)</translation>
    </message>
    <message>
        <source>全問正解 &amp;&amp; ハイスコア の時音を鳴らします。</source>
        <translation>Phát âm thanh khi đúng hết &amp;&amp; có kỷ lục.</translation>
    </message>
    <message>
        <source>サウンドファイル (3)</source>
        <translation>Tệp âm thanh (3)</translation>
    </message>
    <message>
        <source>参照 3</source>
        <translation>Chọn</translation>
    </message>
    <message>
        <source>テスト (3)</source>
        <translation>Nghe thử (3)</translation>
    </message>
    <message>
        <source>画像変更</source>
        <translation>Đổi hình</translation>
    </message>
    <message>
        <source>バージョン情報の画像を変更できます。</source>
        <translation>Đổi hình trong Giới thiệu.</translation>
    </message>
    <message>
        <source>&#x3000;開く</source>
        <translation> Mở</translation>
    </message>
    <message>
        <source>Open Voice </source>
        <translation>Lời chào</translation>
    </message>
    <message>
        <source>起動した時に、挨拶します。</source>
        <translation>Chào khi mở Vantel.</translation>
    </message>
    <message>
        <source>起動時の挨拶をミュートします。</source>
        <translation>Bật hoặc tắt lời chào khi mở Vantel.</translation>
    </message>
    <message>
        <source>「おはようございます」</source>
        <translation>“Chào buổi sáng”</translation>
    </message>
    <message>
        <source>挨拶のテスト発声</source>
        <translation>Nghe thử lời chào</translation>
    </message>
    <message>
        <source>テスト「おはようございます」</source>
        <translation>Nghe thử “Chào buổi sáng”</translation>
    </message>
    <message>
        <source>「こんにちは」</source>
        <translation>“Xin chào”</translation>
    </message>
    <message>
        <source>テスト「こんにちは」</source>
        <translation>Nghe thử “Xin chào”</translation>
    </message>
    <message>
        <source>「こんばんは」</source>
        <translation>“Chào buổi tối”</translation>
    </message>
    <message>
        <source>テスト「こんばんは」</source>
        <translation>Nghe thử “Chào buổi tối”</translation>
    </message>
    <message>
        <source>ベストタイムの初期化</source>
        <translation>Đặt lại kỷ lục</translation>
    </message>
    <message>
        <source>足し算を初期化します。</source>
        <translation>Kỷ lục phép cộng</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>足し算のベストタイムを初期化</source>
        <translation>Đặt lại kỷ lục phép cộng</translation>
    </message>
    <message>
        <source>引き算を初期化します。</source>
        <translation>Kỷ lục phép trừ</translation>
    </message>
    <message>
        <source>引き算のベストタイムを初期化</source>
        <translation>Đặt lại kỷ lục phép trừ</translation>
    </message>
    <message>
        <source>掛け算を初期化します。</source>
        <translation>Kỷ lục phép nhân</translation>
    </message>
    <message>
        <source>掛け算のベストタイムを初期化</source>
        <translation>Đặt lại kỷ lục phép nhân</translation>
    </message>
    <message>
        <source>九九を初期化します。</source>
        <translation>Kỷ lục cửu chương</translation>
    </message>
    <message>
        <source>九九のベストタイムを初期化</source>
        <translation>Đặt lại kỷ lục bảng cửu chương</translation>
    </message>
    <message>
        <source>UserName</source>
        <translation>Tên người dùng</translation>
    </message>
    <message>
        <source>使う人の名前を登録します。</source>
        <translation>Gõ tên của em rồi bấm OK.</translation>
    </message>
    <message>
        <source>使う人の名前</source>
        <translation>Tên người dùng</translation>
    </message>
    <message>
        <source>使う人の名前を登録</source>
        <translation>Lưu tên người dùng</translation>
    </message>
    <message>
        <source> %1 の Vantel</source>
        <translation> Vantel của %1</translation>
    </message>
    <message>
        <source>%1 今回のタイム</source>
        <translation>%1: thời gian lần này</translation>
    </message>
    <message>
        <source>%1 ベストタイム</source>
        <translation>%1: kỷ lục</translation>
    </message>
    <message>
        <source>日付と時刻</source>
        <translation>Ngày và giờ</translation>
    </message>
    <message>
        <source>ファイル(&amp;F)</source>
        <translation>&amp;Tệp</translation>
    </message>
    <message>
        <source>新規作成(&amp;N)</source>
        <translation>Tạo &amp;mới</translation>
    </message>
    <message>
        <source>上書き保存(&amp;S)</source>
        <translation>&amp;Lưu</translation>
    </message>
    <message>
        <source>名前を付けて保存(&amp;A)...</source>
        <translation>Lưu với tên &amp;khác...</translation>
    </message>
    <message>
        <source>足し算のプリント印刷(&amp;P)</source>
        <translation>In &amp;phép cộng</translation>
    </message>
    <message>
        <source>ページ設定(&amp;T)...</source>
        <translation>&amp;Thiết lập trang...</translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation>Th&amp;oát</translation>
    </message>
    <message>
        <source>編集(&amp;E)</source>
        <translation>&amp;Sửa</translation>
    </message>
    <message>
        <source>問題作成(&amp;T)</source>
        <translation>&amp;Tạo bài mới</translation>
    </message>
    <message>
        <source>答えあわせ(&amp;F)</source>
        <translation>&amp;Chấm bài</translation>
    </message>
    <message>
        <source>サウンド(&amp;S)</source>
        <translation>Â&amp;m thanh</translation>
    </message>
    <message>
        <source>開く  (1)</source>
        <translation>Mở (1)</translation>
    </message>
    <message>
        <source>開く  (2)</source>
        <translation>Mở (2)</translation>
    </message>
    <message>
        <source>開く  (3)</source>
        <translation>Mở (3)</translation>
    </message>
    <message>
        <source>開く&#x3000;(4)</source>
        <translation>Mở (4)</translation>
    </message>
    <message>
        <source>開く&#x3000;(5)</source>
        <translation>Mở (5)</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>Trợ &amp;giúp</translation>
    </message>
    <message>
        <source>目次(&amp;C)</source>
        <translation>&amp;Mục lục</translation>
    </message>
    <message>
        <source>トピックの検索(&amp;S)...</source>
        <translation>&amp;Tìm trong trợ giúp...</translation>
    </message>
    <message>
        <source>バージョン情報(&amp;A)...</source>
        <translation>&amp;Giới thiệu Vantel...</translation>
    </message>
    <message>
        <source>テキストファイル|*.txt|カンマ区切りテキスト|*.csv|引用符付きカンマ区切りテキスト|*.csv|HTML|*.html</source>
        <translation>Tệp văn bản|*.txt|Văn bản cách nhau bằng dấu phẩy|*.csv|Văn bản có ngoặc kép, cách nhau bằng dấu phẩy|*.csv|HTML|*.html</translation>
    </message>
    <message>
        <source>テキストファイル|*.txt|カンマ区切りテキスト|*.csv|引用符付きカンマ区切りテキスト|*.csv</source>
        <translation>Tệp văn bản|*.txt|Văn bản cách nhau bằng dấu phẩy|*.csv|Văn bản có ngoặc kép, cách nhau bằng dấu phẩy|*.csv</translation>
    </message>
</context>
<context>
    <name>TStringGrid</name>
    <message>
        <source>%1 行 %2 列</source>
        <translation>Hàng %1, cột %2</translation>
    </message>
</context>
<context>
    <name>TVersionBox</name>
    <message>
        <source>Ｈｕｎｄｒｅｄ&#x3000;Ｃｅｌｌ&#x3000;Ｍａｔｈ</source>
        <translation>Toán Trăm Ô</translation>
    </message>
    <message>
        <source>音声：あいさつは合成音声です</source>
        <translation>Giọng nói: lời chào do máy tính đọc</translation>
    </message>
    <message>
        <source>画像：Vantel プロジェクト</source>
        <translation>Hình ảnh: dự án Vantel</translation>
    </message>
    <message>
        <source>制作：Vantel プロジェクト</source>
        <translation>Thực hiện: dự án Vantel</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 Vantel プロジェクト</source>
        <translation>Copyright (C) 2026 dự án Vantel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Ｖａｎｔｅｌ の バージョン情報</source>
        <translation>Giới thiệu Vantel</translation>
    </message>
</context>
<context>
    <name>WeakFactSheet</name>
    <message>
        <source>  こたえ</source>
        <translation>  Đáp án</translation>
    </message>
    <message>
        <source>苦手プリント（%1）  %2</source>
        <translation>Phiếu luyện bài khó (%1)  %2</translation>
    </message>
</context>
</TS>
