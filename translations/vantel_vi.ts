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
    <name>ClassCsv</name>
    <message>
        <source>名前</source>
        <extracomment>CSV column header of the children&apos;s names; a class list file with this header reads back</extracomment>
        <translation>Họ và tên</translation>
    </message>
    <message>
        <source>名簿</source>
        <extracomment>CSV column header: &quot;○&quot; when the child is on the class list</extracomment>
        <translation>Danh sách lớp</translation>
    </message>
    <message>
        <source>練習</source>
        <extracomment>CSV column header: whether the child practised lately</extracomment>
        <translation>Luyện tập</translation>
    </message>
    <message>
        <source>ベスト(秒)</source>
        <extracomment>CSV column header after a drill&apos;s name: the best time in seconds</extracomment>
        <translation>Kỷ lục (giây)</translation>
    </message>
    <message>
        <source>最新(秒)</source>
        <extracomment>CSV column header after a drill&apos;s name: the latest time in seconds</extracomment>
        <translation>Lần cuối (giây)</translation>
    </message>
    <message>
        <source>7日間(回)</source>
        <extracomment>CSV column header after a drill&apos;s name: attempts in the last 7 days</extracomment>
        <translation>7 ngày (lần)</translation>
    </message>
    <message>
        <source>傾向(秒)</source>
        <extracomment>CSV column header after a drill&apos;s name: the trend in seconds</extracomment>
        <translation>Xu hướng (giây)</translation>
    </message>
    <message>
        <source>これまで(回)</source>
        <extracomment>CSV column header after a drill&apos;s name: all attempts so far</extracomment>
        <translation>Tổng (lần)</translation>
    </message>
</context>
<context>
    <name>ClassFactsPage</name>
    <message>
        <source>ドリル:</source>
        <translation>Phép tính:</translation>
    </message>
    <message>
        <source>期間:</source>
        <translation>Khoảng thời gian:</translation>
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
        <source>クラスの苦手プリント</source>
        <translation>Phiếu luyện bài khó của lớp</translation>
    </message>
    <message>
        <source>クラスでまちがいの多い問題のプリント（答えのページつき）</source>
        <translation>Phiếu gồm những bài cả lớp hay sai (kèm trang đáp án)</translation>
    </message>
    <message>
        <source>全員の苦手プリント</source>
        <translation>Phiếu luyện bài khó của từng em</translation>
    </message>
    <message>
        <source>このドリルを練習した子の一人ずつの苦手プリントを、まとめて印刷します（答えのページつき）</source>
        <translation>In gộp phiếu luyện bài khó riêng cho từng em đã luyện phép tính này (kèm trang đáp án)</translation>
    </message>
    <message>
        <source>色はクラス全体のできぐあいです（緑: よくできている&#x3000;黄: ときどきまちがえる・時間がかかる&#x3000;赤: まちがえる子が多い&#x3000;灰: まだ記録なし）。ますの数字は、その問題をまちがえたことのある子の人数です。ますにマウスを置くと、まちがいの回数と、クラスの答えるまでの時間（中央値）が出ます。</source>
        <translation>Màu cho biết kết quả của cả lớp (xanh lá: làm tốt   vàng: đôi khi sai hoặc còn chậm   đỏ: nhiều em sai   xám: chưa có kết quả). Số trong ô là số em đã từng sai bài đó. Để chuột lên một ô thì thấy số lần sai và thời gian trả lời thường là bao nhiêu giây (trung vị) của cả lớp.</translation>
    </message>
    <message>
        <source>読み込んでいます...</source>
        <translation>Đang tải...</translation>
    </message>
    <message>
        <source>クラスの問題ごとの記録を読めませんでした: %1</source>
        <translation>Không đọc được kết quả từng bài của lớp: %1</translation>
    </message>
    <message>
        <source>この期間に %1 の記録はありません。</source>
        <translation>Không có kết quả %1 trong khoảng thời gian này.</translation>
    </message>
    <message>
        <source>%1 人の記録から。</source>
        <translation>Theo kết quả của %1 em.</translation>
    </message>
    <message>
        <source>まだ記録がありません</source>
        <translation>Chưa có kết quả</translation>
    </message>
    <message>
        <source>まちがえた子 %1 人 / 練習した子 %2 人</source>
        <translation>%1 em sai / %2 em đã luyện</translation>
    </message>
    <message>
        <source>まちがい %1 / %2 回（%3%）</source>
        <translation>Sai %1 / %2 lần (%3%)</translation>
    </message>
    <message>
        <source>クラスの答えるまでの時間（中央値） %1 秒</source>
        <translation>Thời gian trả lời của lớp thường là %1 giây</translation>
    </message>
    <message>
        <source>%1 を練習した子がまだいないので、印刷するものがありません。</source>
        <translation>Chưa có em nào luyện %1, nên không có gì để in.</translation>
    </message>
    <message>
        <source>記録を読めなかったため、印刷しませんでした。
%1</source>
        <translation>Không đọc được kết quả, nên không in.
%1</translation>
    </message>
</context>
<context>
    <name>ClassReader</name>
    <message>
        <source>クラスのサーバーのデータの形式（第%1版）は、このVantelが知っている形式（第%2版）より新しいため、使えません。Vantelを新しくしてください。記録はこのパソコンに残ります。</source>
        <translation>Dữ liệu trên máy chủ của lớp có định dạng (phiên bản %1) mới hơn định dạng mà Vantel này biết (phiên bản %2), nên không dùng được. Hãy cập nhật Vantel. Kết quả vẫn được giữ trên máy tính này.</translation>
    </message>
    <message>
        <source>クラスのサーバーの準備が古いままです（第%1版）。管理者に classroom-setup.sh install を頼んでください。記録はこのパソコンに残ります。</source>
        <translation>Máy chủ của lớp vẫn được chuẩn bị theo kiểu cũ (phiên bản %1). Hãy nhờ người quản trị chạy classroom-setup.sh install. Kết quả vẫn được giữ trên máy tính này.</translation>
    </message>
    <message>
        <source>%1（まだ一度も）</source>
        <translation>%1 (chưa lần nào)</translation>
    </message>
    <message>
        <source>%1（最後 %2）</source>
        <translation>%1 (lần cuối %2)</translation>
    </message>
    <message>
        <source>、</source>
        <extracomment>Between the names of computers in a list</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>、ほか %1 台</source>
        <extracomment>After the list of computers: and %1 more</extracomment>
        <translation> và %1 máy khác</translation>
    </message>
    <message>
        <source>つながっていないパソコン: %1</source>
        <translation>Máy tính chưa kết nối: %1</translation>
    </message>
</context>
<context>
    <name>ClassRoster</name>
    <message>
        <source>クラスのサーバーが名簿とクラス全体の成績にまだ対応していません。管理者に classroom-setup.sh install をもう一度頼んでください。ほかの記録はこれまでどおり使えます。</source>
        <translation>Máy chủ của lớp chưa hỗ trợ danh sách lớp và kết quả của cả lớp. Hãy nhờ người quản trị chạy lại classroom-setup.sh install. Các kết quả khác vẫn dùng được như trước.</translation>
    </message>
    <message>
        <source>名前が長すぎます（%1文字まで）</source>
        <translation>Tên quá dài (tối đa %1 ký tự)</translation>
    </message>
    <message>
        <source>名簿に入る名前は1クラス%1人までです</source>
        <translation>Danh sách mỗi lớp chỉ có tối đa %1 tên</translation>
    </message>
    <message>
        <source>名前が空か、使えない文字（改行や制御文字）が入っています</source>
        <translation>Tên trống, hoặc có ký tự không dùng được (xuống dòng hoặc ký tự điều khiển)</translation>
    </message>
    <message>
        <source>このクラスの名簿を変えることは許されていません</source>
        <translation>Không được phép thay đổi danh sách của lớp này</translation>
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
        <translation>Nghỉ 7 ngày</translation>
    </message>
    <message>
        <source>まだ一度も練習していません</source>
        <translation>Chưa luyện tập lần nào</translation>
    </message>
    <message>
        <source>最近 7 日間に練習していません（これまでに %1 回）</source>
        <translation>Không luyện tập trong 7 ngày qua (tổng cộng %1 lần)</translation>
    </message>
    <message>
        <source>これまでに %1 回</source>
        <translation>Tổng cộng %1 lần</translation>
    </message>
    <message>
        <source>最近5回の平均と、その前の5回の平均の差（−は速くなった）</source>
        <translation>Hiệu giữa trung bình 5 lần gần nhất và 5 lần trước đó (− là đã nhanh hơn)</translation>
    </message>
    <message>
        <source>6回以上で表示します</source>
        <translation>Hiện khi đã luyện từ 6 lần trở lên</translation>
    </message>
    <message>
        <source>名前</source>
        <extracomment>Column header: the child&apos;s name</extracomment>
        <translation>Tên</translation>
    </message>
    <message>
        <source>練習</source>
        <extracomment>Column header: whether the child practised lately</extracomment>
        <translation>Luyện tập</translation>
    </message>
    <message>
        <source>ベスト</source>
        <extracomment>Column header: the best time</extracomment>
        <translation>Kỷ lục</translation>
    </message>
    <message>
        <source>最新</source>
        <extracomment>Column header: the latest time</extracomment>
        <translation>Lần cuối</translation>
    </message>
    <message>
        <source>7日間</source>
        <extracomment>Column header: attempts in the last 7 days</extracomment>
        <translation>7 ngày</translation>
    </message>
    <message>
        <source>傾向</source>
        <extracomment>Column header: the trend of the times</extracomment>
        <translation>Xu hướng</translation>
    </message>
</context>
<context>
    <name>ClassView</name>
    <message>
        <source>クラス:</source>
        <translation>Lớp:</translation>
    </message>
    <message>
        <source>読み直す</source>
        <translation>Tải lại</translation>
    </message>
    <message>
        <source>CSVに書き出す...</source>
        <translation>Lưu thành CSV...</translation>
    </message>
    <message>
        <source>クラスの表を表計算ソフトで開けるファイルにします</source>
        <translation>Lưu bảng của lớp thành tệp mở được bằng phần mềm bảng tính</translation>
    </message>
    <message>
        <source>一人ずつ</source>
        <extracomment>Tab: the class table, a row for each child</extracomment>
        <translation>Từng học sinh</translation>
    </message>
    <message>
        <source>クラスの問題ごとのできぐあい</source>
        <extracomment>Tab: the class&apos;s fact map</extracomment>
        <translation>Kết quả từng bài của lớp</translation>
    </message>
    <message>
        <source>読み込んでいます...</source>
        <translation>Đang tải...</translation>
    </message>
    <message>
        <source>クラスの記録を読めませんでした: %1</source>
        <translation>Không đọc được kết quả của lớp: %1</translation>
    </message>
    <message>
        <source>名簿を読めませんでした: %1</source>
        <translation>Không đọc được danh sách lớp: %1</translation>
    </message>
    <message>
        <source>このクラスの記録はまだありません。名簿は「名簿を読み込む...」で作れます。</source>
        <extracomment>「名簿を読み込む...」 is the button&apos;s own text</extracomment>
        <translation>Lớp này chưa có kết quả nào. Có thể tạo danh sách lớp bằng “Mở danh sách lớp...”.</translation>
    </message>
    <message>
        <source>%1 人（%2: %3 人）。名前をダブルクリックすると、その子の記録（グラフ・表・問題ごとのできぐあい）を見られます。時間は 分:秒、傾向の − は速くなったことを表します。</source>
        <translation>%1 em (%2: %3 em). Nhấp đúp vào tên để xem kết quả của em đó (biểu đồ, bảng, kết quả từng bài). Thời gian là phút:giây; dấu − ở cột xu hướng nghĩa là đã nhanh hơn.</translation>
    </message>
    <message>
        <source>CSV ファイル (*.csv)|*.csv</source>
        <extracomment>File dialog filter: the name, then the pattern after &quot;|&quot;; keep the patterns</extracomment>
        <translation>Tệp CSV (*.csv)|*.csv</translation>
    </message>
    <message>
        <source>クラスの記録_%1.csv</source>
        <extracomment>The file name offered for the class table; %1 is the class</extracomment>
        <translation>ket_qua_lop_%1.csv</translation>
    </message>
    <message>
        <source>ファイル %1 に書き込めませんでした。</source>
        <translation>Không ghi được tệp %1.</translation>
    </message>
</context>
<context>
    <name>ClassWorksheetRun</name>
    <message>
        <source>一人ずつの苦手な問題を読んでいます...</source>
        <translation>Đang đọc bài còn khó của từng em...</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Hủy</translation>
    </message>
    <message>
        <source>全員の苦手プリント</source>
        <translation>Phiếu luyện bài khó của từng em</translation>
    </message>
    <message>
        <source>%1 / %2 人目: %3</source>
        <extracomment>The child being read, of all of them: 3 / 25: name</extracomment>
        <translation>Em thứ %1 / %2: %3</translation>
    </message>
</context>
<context>
    <name>Classroom</name>
    <message>
        <source>このパソコンのログイン %1 はサーバーに拒否されました（%2）</source>
        <translation>Máy chủ đã từ chối tài khoản đăng nhập %1 của máy tính này (%2)</translation>
    </message>
    <message>
        <source>このパソコンのログインはサーバーに拒否されました（%1）</source>
        <translation>Máy chủ đã từ chối tài khoản đăng nhập của máy tính này (%1)</translation>
    </message>
    <message>
        <source>このパソコンのログイン %1 は読み取りしかできないため、記録を送れません</source>
        <translation>Tài khoản đăng nhập %1 của máy tính này chỉ được đọc, nên không gửi được kết quả</translation>
    </message>
    <message>
        <source>このパソコンのログインは読み取りしかできないため、記録を送れません</source>
        <translation>Tài khoản đăng nhập của máy tính này chỉ được đọc, nên không gửi được kết quả</translation>
    </message>
    <message>
        <source>パスワードが違います</source>
        <translation>Sai mật khẩu</translation>
    </message>
    <message>
        <source>このパソコンからの接続が許されていません</source>
        <translation>Không được phép kết nối từ máy tính này</translation>
    </message>
    <message>
        <source>ログインが使えなくなっています</source>
        <translation>Tài khoản đăng nhập không còn dùng được</translation>
    </message>
    <message>
        <source>同じログインの接続が多すぎます</source>
        <translation>Có quá nhiều kết nối bằng cùng một tài khoản</translation>
    </message>
    <message>
        <source>クラスのサーバーが暗号化（TLS）に応じないため、つなぎませんでした</source>
        <translation>Máy chủ của lớp không chấp nhận mã hóa (TLS), nên Vantel không kết nối</translation>
    </message>
    <message>
        <source>クラスのサーバーの証明書が信頼できないため、つなぎませんでした</source>
        <translation>Chứng chỉ của máy chủ của lớp không đáng tin cậy, nên Vantel không kết nối</translation>
    </message>
    <message>
        <source>クラスのサーバーが安全でない方法でパスワードを求めたため、送りませんでした</source>
        <translation>Máy chủ của lớp đòi mật khẩu theo cách không an toàn, nên Vantel không gửi</translation>
    </message>
    <message>
        <source>最後につながったのは %1</source>
        <translation>Lần kết nối gần nhất: %1</translation>
    </message>
    <message>
        <source>まだつながっていません</source>
        <translation>Chưa kết nối lần nào</translation>
    </message>
    <message>
        <source>&#x3000;送信待ち %1 件</source>
        <extracomment>Appended to the status line, after a wide space</extracomment>
        <translation>   Chờ gửi: %1</translation>
    </message>
    <message>
        <source>&#x3000;送れない記録 %1 件</source>
        <extracomment>Appended to the status line, after a wide space</extracomment>
        <translation>   Không gửi được: %1 kết quả</translation>
    </message>
    <message>
        <source>クラスのサーバー: つないでいます（%1）</source>
        <translation>Máy chủ của lớp: đang kết nối (%1)</translation>
    </message>
    <message>
        <source>クラスのサーバー: つながっています（%1）</source>
        <translation>Máy chủ của lớp: đã kết nối (%1)</translation>
    </message>
    <message>
        <source>クラスのサーバーにつながりません（%1）</source>
        <translation>Không kết nối được máy chủ của lớp (%1)</translation>
    </message>
    <message>
        <source>クラスのサーバーがこのパソコンからの記録を受け付けません（%1）</source>
        <translation>Máy chủ của lớp không nhận kết quả từ máy tính này (%1)</translation>
    </message>
    <message>
        <source>サーバーの答え: %1</source>
        <translation>Máy chủ trả lời: %1</translation>
    </message>
    <message>
        <source>送れない記録の理由: %1</source>
        <translation>Lý do không gửi được: %1</translation>
    </message>
    <message>
        <source>クラス</source>
        <extracomment>The class on the server, as a source of records beside &quot;this computer&quot;</extracomment>
        <translation>Lớp</translation>
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
    <name>HelpFiles</name>
    <message>
        <source>ヘルプファイル %1 が見つかりません。</source>
        <translation>Không tìm thấy tệp trợ giúp %1.</translation>
    </message>
    <message>
        <source>ヘルプファイル %1 が見つかりません。
探した場所:
%2</source>
        <extracomment>%2 is the list of folders searched, one a line.</extracomment>
        <translation>Không tìm thấy tệp trợ giúp %1.
Đã tìm ở:
%2</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Vantel ヘルプ</source>
        <translation>Trợ giúp Vantel</translation>
    </message>
    <message>
        <source>目次</source>
        <extracomment>The help&apos;s table of contents, as a tab and as the button that opens its first page.</extracomment>
        <translation>Mục lục</translation>
    </message>
    <message>
        <source>キーワード</source>
        <extracomment>The tab of the keyword index.</extracomment>
        <translation>Từ khóa</translation>
    </message>
    <message>
        <source>戻る</source>
        <extracomment>Go back to the page shown before.</extracomment>
        <translation>Quay lại</translation>
    </message>
    <message>
        <source>進む</source>
        <extracomment>Go forward again after going back.</extracomment>
        <translation>Tiếp</translation>
    </message>
    <message>
        <source>探したい言葉を入力してください：</source>
        <translation>Gõ từ muốn tìm:</translation>
    </message>
    <message>
        <source>ヘルプファイル %1 を開けません。</source>
        <translation>Không mở được tệp trợ giúp %1.</translation>
    </message>
    <message>
        <source>ヘルプファイル %1 にヘルプの内容が登録されていません。</source>
        <translation>Tệp trợ giúp %1 không có nội dung trợ giúp.</translation>
    </message>
    <message>
        <source>ヘルプファイル %1 が見つかりません。</source>
        <translation>Không tìm thấy tệp trợ giúp %1.</translation>
    </message>
    <message>
        <source>トピックの選択</source>
        <translation>Chọn chủ đề</translation>
    </message>
    <message>
        <source>表示するページを選んでください：</source>
        <translation>Hãy chọn trang muốn xem:</translation>
    </message>
</context>
<context>
    <name>JpegImage</name>
    <message>
        <source>JPEG エラー #%1</source>
        <extracomment>%1 is libjpeg&apos;s message number.</extracomment>
        <translation>Lỗi JPEG #%1</translation>
    </message>
    <message>
        <source>ファイル %1 は開けません</source>
        <translation>Không mở được tệp %1</translation>
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
    <name>NamePanelPrint</name>
    <message>
        <source>なまえ</source>
        <extracomment>The word a teacher writes in a worksheet&apos;s name panel before the child&apos;s name (&quot;Name&quot;); the class print run puts each child&apos;s name in the cell after it.</extracomment>
        <translation>Họ và tên</translation>
    </message>
</context>
<context>
    <name>NumberedSheets</name>
    <message>
        <source>ちがう問題を %1 枚作れませんでした。</source>
        <translation>Không tạo được %1 phiếu có bài khác nhau.</translation>
    </message>
    <message>
        <source>No. %1&#x3000;こたえ</source>
        <extracomment>Printed above the answer key of a numbered sheet; こたえ means &quot;answers&quot;.</extracomment>
        <translation>No. %1  Đáp án</translation>
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
    <name>Outbox</name>
    <message>
        <source>送信待ちの記録 (%1) を読み書きできません: %2</source>
        <translation>Không đọc ghi được hàng chờ gửi (%1): %2</translation>
    </message>
    <message>
        <source>送信待ちの記録 (%1) を開けません: %2</source>
        <translation>Không mở được hàng chờ gửi (%1): %2</translation>
    </message>
    <message>
        <source>送信待ちの記録 (%1) を書きかえられません: %2</source>
        <translation>Không sửa được hàng chờ gửi (%1): %2</translation>
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
    <name>PgConnection</name>
    <message>
        <source>PostgreSQL のドライバー (QPSQL) がありません</source>
        <translation>Không có trình điều khiển PostgreSQL (QPSQL)</translation>
    </message>
    <message>
        <source>接続できません</source>
        <translation>Không kết nối được</translation>
    </message>
    <message>
        <source>接続していません</source>
        <translation>Chưa kết nối</translation>
    </message>
    <message>
        <source>問い合わせを準備できません</source>
        <translation>Không chuẩn bị được truy vấn</translation>
    </message>
    <message>
        <source>問い合わせが失敗しました</source>
        <translation>Truy vấn thất bại</translation>
    </message>
    <message>
        <source>トランザクションを始められません</source>
        <translation>Không bắt đầu được giao dịch</translation>
    </message>
    <message>
        <source>記録を確定できません</source>
        <translation>Không lưu chắc chắn được kết quả</translation>
    </message>
</context>
<context>
    <name>PrintProgressDialog</name>
    <message>
        <source>キャンセル</source>
        <translation>Hủy</translation>
    </message>
    <message>
        <source>印刷</source>
        <translation>In</translation>
    </message>
    <message>
        <source>プリントを用意しています（%1 / %2）</source>
        <translation>Đang chuẩn bị phiếu (%1 / %2)</translation>
    </message>
    <message>
        <source>印刷しています（%1 / %2 ページ）</source>
        <translation>Đang in (trang %1 / %2)</translation>
    </message>
</context>
<context>
    <name>PrinterChoice</name>
    <message>
        <source>Vantel-プリント.pdf</source>
        <extracomment>The default name of the PDF file prints go to; a number is added to it.</extracomment>
        <translation>Vantel-phieu.pdf</translation>
    </message>
    <message>
        <source>フォルダーを作れません。
%1</source>
        <translation>Không tạo được thư mục.
%1</translation>
    </message>
    <message>
        <source>%1
これ以上ファイルを作れません。</source>
        <translation>%1
Không tạo thêm tệp được nữa.</translation>
    </message>
</context>
<context>
    <name>PrinterQt</name>
    <message>
        <source>プリンターは印刷中ではありません。</source>
        <translation>Máy in không đang in.</translation>
    </message>
    <message>
        <source>印刷中はプリンターを変えられません。</source>
        <translation>Không đổi được máy in khi đang in.</translation>
    </message>
    <message>
        <source>すでに印刷中です。</source>
        <translation>Đang in rồi.</translation>
    </message>
    <message>
        <source>プリンター「%1」は使えません。</source>
        <translation>Không dùng được máy in “%1”.</translation>
    </message>
    <message>
        <source>プリンター「%1」で印刷を始められません。</source>
        <translation>Không bắt đầu in được trên máy in “%1”.</translation>
    </message>
    <message>
        <source>%1
印刷を始められません。</source>
        <translation>%1
Không bắt đầu in được.</translation>
    </message>
    <message>
        <source>新しいページを始められません。</source>
        <translation>Không bắt đầu được trang mới.</translation>
    </message>
</context>
<context>
    <name>PrinterSetupDialog</name>
    <message>
        <source>プリンターの設定</source>
        <translation>Cài đặt máy in</translation>
    </message>
    <message>
        <source>PDF ファイル</source>
        <extracomment>Printing to a PDF file instead of a printer.</extracomment>
        <translation>Tệp PDF</translation>
    </message>
    <message>
        <source>参照...</source>
        <translation>Chọn...</translation>
    </message>
    <message>
        <source>縦</source>
        <extracomment>Page orientation: portrait.</extracomment>
        <translation>Dọc</translation>
    </message>
    <message>
        <source>横</source>
        <extracomment>Page orientation: landscape.</extracomment>
        <translation>Ngang</translation>
    </message>
    <message>
        <source>プリンター:</source>
        <translation>Máy in:</translation>
    </message>
    <message>
        <source>ファイル名:</source>
        <translation>Tên tệp:</translation>
    </message>
    <message>
        <source>用紙サイズ:</source>
        <translation>Khổ giấy:</translation>
    </message>
    <message>
        <source>印刷の向き:</source>
        <translation>Hướng giấy:</translation>
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
        <source>次の印刷は %1 に書き出します。</source>
        <translation>Lần in tiếp theo sẽ được ghi vào %1.</translation>
    </message>
    <message>
        <source>PDF ファイル (*.pdf)</source>
        <translation>Tệp PDF (*.pdf)</translation>
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
    <message>
        <source>正解</source>
        <extracomment>what a screen reader says of an answer cell marked ○</extracomment>
        <translation>Đúng</translation>
    </message>
</context>
<context>
    <name>RosterImport</name>
    <message>
        <source>ファイルが大きすぎます（名簿は %1 KB までです）。読み込みませんでした。</source>
        <translation>Tệp quá lớn (danh sách lớp tối đa %1 KB). Không đọc tệp.</translation>
    </message>
    <message>
        <source>文字のファイルではないため、読み込みませんでした。</source>
        <translation>Đây không phải là tệp chữ, nên không đọc.</translation>
    </message>
    <message>
        <source>%1 行目: 名前が長すぎます（%2 文字まで）「%3」</source>
        <translation>Dòng %1: tên quá dài (tối đa %2 ký tự) “%3”</translation>
    </message>
    <message>
        <source>%1 行目: 名前に使えない文字があります</source>
        <translation>Dòng %1: tên có ký tự không dùng được</translation>
    </message>
    <message>
        <source>%1 行目: 「%2」は前にもあるので、1 回だけにしました</source>
        <translation>Dòng %1: “%2” đã có ở trên, nên chỉ lấy 1 lần</translation>
    </message>
    <message>
        <source>%1 人を超えた %2 人は読み込みませんでした</source>
        <translation>Vượt quá %1 em, nên %2 em không được đọc</translation>
    </message>
    <message>
        <source>ほか %1 件</source>
        <translation>và %1 dòng khác</translation>
    </message>
    <message>
        <source>名前が見つかりませんでした。</source>
        <translation>Không tìm thấy tên nào.</translation>
    </message>
</context>
<context>
    <name>RosterPanel</name>
    <message>
        <source>名前が空です。</source>
        <translation>Tên đang trống.</translation>
    </message>
    <message>
        <source>名前が長すぎます（%1 文字まで）。</source>
        <translation>Tên quá dài (tối đa %1 ký tự).</translation>
    </message>
    <message>
        <source>名前に使えない文字があります。</source>
        <translation>Tên có ký tự không dùng được.</translation>
    </message>
    <message>
        <source>「%1」はもう名簿にあります。</source>
        <translation>“%1” đã có trong danh sách lớp.</translation>
    </message>
    <message>
        <source>名簿を読み込む...</source>
        <translation>Mở danh sách lớp...</translation>
    </message>
    <message>
        <source>名前を加える...</source>
        <translation>Thêm tên...</translation>
    </message>
    <message>
        <source>名前を変える...</source>
        <translation>Đổi tên...</translation>
    </message>
    <message>
        <source>名簿から外す...</source>
        <translation>Bỏ khỏi danh sách...</translation>
    </message>
    <message>
        <source>名簿の名前にまとめる...</source>
        <translation>Gộp vào tên trong danh sách...</translation>
    </message>
    <message>
        <source>名簿にない名前（%1）: 名簿の名前の子の記録なら、まとめられます</source>
        <extracomment>The title over the names of attempts not on the class list; %1 is how many</extracomment>
        <translation>Tên không có trong danh sách (%1): nếu là kết quả của một em có tên trong danh sách, có thể gộp lại</translation>
    </message>
    <message>
        <source>%1&#x3000;（%2 回）</source>
        <extracomment>A name not on the class list and how many attempts it has</extracomment>
        <translation>%1   (%2 lần)</translation>
    </message>
    <message>
        <source>名簿（テキスト・CSV） (*.txt *.csv)|*.txt;*.csv|すべてのファイル (*)|*</source>
        <extracomment>File dialog filters: each name, then its patterns after &quot;|&quot;; keep the patterns</extracomment>
        <translation>Danh sách lớp (văn bản, CSV) (*.txt *.csv)|*.txt;*.csv|Tất cả các tệp (*)|*</translation>
    </message>
    <message>
        <source>ファイル %1 を開けませんでした。</source>
        <translation>Không mở được tệp %1.</translation>
    </message>
    <message>
        <source>%1 から名前を読めませんでした。
%2</source>
        <translation>Không đọc được tên từ %1.
%2</translation>
    </message>
    <message>
        <source>名簿に名前を加えられませんでした。</source>
        <translation>Không thêm được tên vào danh sách lớp.</translation>
    </message>
    <message>
        <source>%1 人を名簿に加えました。</source>
        <translation>Đã thêm %1 em vào danh sách lớp.</translation>
    </message>
    <message>
        <source>（%1 人はもう名簿にありました）</source>
        <translation> (%1 em đã có trong danh sách)</translation>
    </message>
    <message>
        <source>

読み込まなかった行:
%1</source>
        <translation>

Các dòng không được đọc:
%1</translation>
    </message>
    <message>
        <source>名前を加える</source>
        <translation>Thêm tên</translation>
    </message>
    <message>
        <source>名簿に加える名前:</source>
        <translation>Tên thêm vào danh sách lớp:</translation>
    </message>
    <message>
        <source>名前を変える子を、表で選んでください。</source>
        <translation>Hãy chọn trong bảng em cần đổi tên.</translation>
    </message>
    <message>
        <source>名前を変える</source>
        <translation>Đổi tên</translation>
    </message>
    <message>
        <source>「%1」の新しい名前:</source>
        <translation>Tên mới của “%1”:</translation>
    </message>
    <message>
        <source>「%1」を「%2」に変えます。
「%1」のこれまでの記録も、すべて「%2」の記録になります。</source>
        <translation>Đổi “%1” thành “%2”.
Mọi kết quả từ trước đến nay của “%1” cũng sẽ thành kết quả của “%2”.</translation>
    </message>
    <message>
        <source>「%1」の名前を変えられませんでした。</source>
        <translation>Không đổi được tên “%1”.</translation>
    </message>
    <message>
        <source>名簿から外す子を、表で選んでください。</source>
        <translation>Hãy chọn trong bảng em cần bỏ khỏi danh sách.</translation>
    </message>
    <message>
        <source>名簿から外す</source>
        <translation>Bỏ khỏi danh sách</translation>
    </message>
    <message>
        <source>「%1」を名簿から外します。
記録は消えずに残ります。</source>
        <translation>Bỏ “%1” khỏi danh sách lớp.
Kết quả không bị xóa mà vẫn được giữ.</translation>
    </message>
    <message>
        <source>「%1」を名簿から外せませんでした。</source>
        <translation>Không bỏ được “%1” khỏi danh sách lớp.</translation>
    </message>
    <message>
        <source>まとめる名前を「名簿にない名前」から選んでください。</source>
        <translation>Hãy chọn tên cần gộp trong “Tên không có trong danh sách”.</translation>
    </message>
    <message>
        <source>名簿の名前にまとめる</source>
        <translation>Gộp vào tên trong danh sách</translation>
    </message>
    <message>
        <source>「%1」の記録をまとめる名簿の名前:</source>
        <translation>Tên trong danh sách để gộp kết quả của “%1” vào:</translation>
    </message>
    <message>
        <source>「%1」の記録 %2 回を「%3」の記録にします。</source>
        <translation>Chuyển %2 kết quả của “%1” thành kết quả của “%3”.</translation>
    </message>
    <message>
        <source>「%1」の記録をまとめられませんでした。</source>
        <translation>Không gộp được kết quả của “%1”.</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>%1 に書き込めません</source>
        <translation>Không ghi được vào %1</translation>
    </message>
</context>
<context>
    <name>SpreadsheetCalc</name>
    <message>
        <source>セル (%1, %2) は表計算ソフト (LibreOffice Calc)のワークシートの外です</source>
        <translation>Ô (%1, %2) nằm ngoài trang tính của phần mềm bảng tính (LibreOffice Calc)</translation>
    </message>
    <message>
        <source>ワークシート %1 はありません</source>
        <translation>Không có trang tính %1</translation>
    </message>
    <message>
        <source>セル (%1, %2) の文字列が長すぎます (%3 文字まで)</source>
        <translation>Chữ trong ô (%1, %2) quá dài (tối đa %3 ký tự)</translation>
    </message>
    <message>
        <source>フォルダ %1 を作成できません</source>
        <translation>Không tạo được thư mục %1</translation>
    </message>
    <message>
        <source>ファイル %1 を作成できません</source>
        <translation>Không tạo được tệp %1</translation>
    </message>
    <message>
        <source>表計算ソフト (LibreOffice Calc) を起動できません</source>
        <translation>Không mở được phần mềm bảng tính (LibreOffice Calc)</translation>
    </message>
    <message>
        <source>表計算ソフト (LibreOffice Calc) がインストールされていません</source>
        <translation>Chưa cài phần mềm bảng tính (LibreOffice Calc)</translation>
    </message>
</context>
<context>
    <name>SpreadsheetXlsx</name>
    <message>
        <source>Couldn&apos;t load libxlsxwriter: %1</source>
        <extracomment>%1 is the system&apos;s own reason, in English.</extracomment>
        <translation>Không nạp được libxlsxwriter: %1</translation>
    </message>
    <message>
        <source>ファイル %1 を作成できません</source>
        <translation>Không tạo được tệp %1</translation>
    </message>
    <message>
        <source>ファイル %1 を作成できません (%2)</source>
        <extracomment>%2 is the library&apos;s own reason, in English.</extracomment>
        <translation>Không tạo được tệp %1 (%2)</translation>
    </message>
</context>
<context>
    <name>SqliteHistory</name>
    <message>
        <source>フォルダー %1 を作れません。</source>
        <translation>Không tạo được thư mục %1.</translation>
    </message>
    <message>
        <source>壊れた記録ファイル %1 を移せません。</source>
        <translation>Không chuyển được tệp kết quả bị hỏng %1.</translation>
    </message>
    <message>
        <source>成績の記録ファイルが壊れていたので、別の名前で残して新しい記録を始めます。
元のファイル: %1</source>
        <translation>Tệp kết quả bị hỏng, nên Vantel giữ nó lại với tên khác và bắt đầu ghi kết quả mới.
Tệp cũ: %1</translation>
    </message>
    <message>
        <source>成績を記録できませんでした。ディスクの空きや、記録のフォルダーに書き込めるかを確かめてください。
この回の成績は覚えておき、次の回かプログラムの終了時にもう一度記録します。
%1</source>
        <extracomment>%1 is the database&apos;s own reason, often in English.</extracomment>
        <translation>Không ghi được kết quả. Hãy kiểm tra đĩa còn chỗ trống và thư mục kết quả có ghi được không.
Kết quả lần này được nhớ lại, và sẽ được ghi lại vào lần sau hoặc khi thoát chương trình.
%1</translation>
    </message>
</context>
<context>
    <name>TApplication</name>
    <message>
        <source>不明なエラーです。</source>
        <translation>Lỗi không rõ.</translation>
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
    <name>TStringGridIO</name>
    <message>
        <source>ファイル %1 を作成できません</source>
        <translation>Không tạo được tệp %1</translation>
    </message>
    <message>
        <source>ファイル %1 は開けません</source>
        <translation>Không mở được tệp %1</translation>
    </message>
    <message>
        <source>ファイル %1 は大きすぎて読み込めません</source>
        <translation>Tệp %1 quá lớn, không đọc được</translation>
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
    <name>WeakFactRun</name>
    <message>
        <source>苦手プリントを印刷する子どもがいません。</source>
        <translation>Không có em nào cần in phiếu luyện bài khó.</translation>
    </message>
    <message>
        <source>苦手プリントにする問題がありません。</source>
        <translation>Không có bài nào để làm phiếu luyện bài khó.</translation>
    </message>
    <message>
        <source>問題がないので、次の子どもの苦手プリントは印刷しませんでした。
%1</source>
        <translation>Những em sau không có bài nào còn khó, nên không in phiếu cho các em:
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
        <translation>  Đáp án</translation>
    </message>
    <message>
        <source>苦手プリント（%1）  %2</source>
        <translation>Phiếu luyện bài khó (%1)  %2</translation>
    </message>
</context>
<context>
    <name>WorksheetPrint</name>
    <message>
        <source>このプリントは Vantel で作成しました。</source>
        <extracomment>Printed under every worksheet.</extracomment>
        <translation>Được làm bằng Vantel.</translation>
    </message>
</context>
</TS>
