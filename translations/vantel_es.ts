<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="ja">
<context>
    <name>AttemptCsv</name>
    <message>
        <source>名前,ドリル,開始日時,時間(秒),点数,満点,新記録</source>
        <translation>Nombre,Ejercicio,Inicio,Tiempo (s),Puntos,Total,Nuevo récord</translation>
    </message>
</context>
<context>
    <name>AttemptTableModel</name>
    <message>
        <source>日付</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>時間</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>点数</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>新記録</source>
        <translation>Récord</translation>
    </message>
</context>
<context>
    <name>ClassCsv</name>
    <message>
        <source>名前</source>
        <extracomment>CSV column header of the children&apos;s names; a class list file with this header reads back</extracomment>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>名簿</source>
        <extracomment>CSV column header: &quot;○&quot; when the child is on the class list</extracomment>
        <translation>En la lista</translation>
    </message>
    <message>
        <source>練習</source>
        <extracomment>CSV column header: whether the child practised lately</extracomment>
        <translation>Práctica</translation>
    </message>
    <message>
        <source>ベスト(秒)</source>
        <extracomment>CSV column header after a drill&apos;s name: the best time in seconds</extracomment>
        <translation>Mejor (s)</translation>
    </message>
    <message>
        <source>最新(秒)</source>
        <extracomment>CSV column header after a drill&apos;s name: the latest time in seconds</extracomment>
        <translation>Último (s)</translation>
    </message>
    <message>
        <source>7日間(回)</source>
        <extracomment>CSV column header after a drill&apos;s name: attempts in the last 7 days</extracomment>
        <translation>7 días (veces)</translation>
    </message>
    <message>
        <source>傾向(秒)</source>
        <extracomment>CSV column header after a drill&apos;s name: the trend in seconds</extracomment>
        <translation>Tendencia (s)</translation>
    </message>
    <message>
        <source>これまで(回)</source>
        <extracomment>CSV column header after a drill&apos;s name: all attempts so far</extracomment>
        <translation>En total (veces)</translation>
    </message>
</context>
<context>
    <name>ClassFactsPage</name>
    <message>
        <source>ドリル:</source>
        <translation>Ejercicio:</translation>
    </message>
    <message>
        <source>期間:</source>
        <translation>Fechas:</translation>
    </message>
    <message>
        <source>最近30日</source>
        <translation>30 días</translation>
    </message>
    <message>
        <source>最近90日</source>
        <translation>90 días</translation>
    </message>
    <message>
        <source>すべて</source>
        <translation>Todo</translation>
    </message>
    <message>
        <source>クラスの苦手プリント</source>
        <translation>Hoja de repaso de la clase</translation>
    </message>
    <message>
        <source>クラスでまちがいの多い問題のプリント（答えのページつき）</source>
        <translation>Hoja con los problemas que más salen mal en la clase (con su página de respuestas)</translation>
    </message>
    <message>
        <source>全員の苦手プリント</source>
        <translation>Hojas de repaso de todos</translation>
    </message>
    <message>
        <source>このドリルを練習した子の一人ずつの苦手プリントを、まとめて印刷します（答えのページつき）</source>
        <translation>Imprime juntas las hojas de repaso de cada niño que practicó este ejercicio (con sus páginas de respuestas)</translation>
    </message>
    <message>
        <source>色はクラス全体のできぐあいです（緑: よくできている&#x3000;黄: ときどきまちがえる・時間がかかる&#x3000;赤: まちがえる子が多い&#x3000;灰: まだ記録なし）。ますの数字は、その問題をまちがえたことのある子の人数です。ますにマウスを置くと、まちがいの回数と、クラスの答えるまでの時間（中央値）が出ます。</source>
        <translation>Los colores muestran cómo le fue a toda la clase (verde: va bien   amarillo: a veces mal o lento   rojo: muchos niños lo tienen mal   gris: aún no). El número de cada casilla es cuántos niños tuvieron mal ese problema alguna vez. Si pones el ratón sobre una casilla, aparecen cuántas veces estuvo mal y el tiempo normal de la clase para responder (la mediana).</translation>
    </message>
    <message>
        <source>読み込んでいます...</source>
        <translation>Cargando...</translation>
    </message>
    <message>
        <source>クラスの問題ごとの記録を読めませんでした: %1</source>
        <translation>No se pudieron leer los resultados de la clase por problema: %1</translation>
    </message>
    <message>
        <source>この期間に %1 の記録はありません。</source>
        <translation>No hay resultados de %1 en estas fechas.</translation>
    </message>
    <message>
        <source>%1 人の記録から。</source>
        <translation>Niños con resultados: %1.</translation>
    </message>
    <message>
        <source>まだ記録がありません</source>
        <translation>Todavía sin hacer</translation>
    </message>
    <message>
        <source>まちがえた子 %1 人 / 練習した子 %2 人</source>
        <translation>Niños con error: %1 de %2 que lo practicaron</translation>
    </message>
    <message>
        <source>まちがい %1 / %2 回（%3%）</source>
        <translation>Mal: %1 de %2 (%3%)</translation>
    </message>
    <message>
        <source>クラスの答えるまでの時間（中央値） %1 秒</source>
        <translation>Tiempo normal de la clase para responder: %1 segundos</translation>
    </message>
    <message>
        <source>%1 を練習した子がまだいないので、印刷するものがありません。</source>
        <translation>Todavía ningún niño practicó %1, así que no hay nada para imprimir.</translation>
    </message>
    <message>
        <source>記録を読めなかったため、印刷しませんでした。
%1</source>
        <translation>No se imprimió nada porque no se pudieron leer los resultados.
%1</translation>
    </message>
</context>
<context>
    <name>ClassReader</name>
    <message>
        <source>クラスのサーバーのデータの形式（第%1版）は、このVantelが知っている形式（第%2版）より新しいため、使えません。Vantelを新しくしてください。記録はこのパソコンに残ります。</source>
        <translation>El formato de datos del servidor de la clase (versión %1) es más nuevo que el que conoce este Vantel (versión %2), así que no se puede usar. Actualice Vantel. Los resultados se quedan en esta computadora.</translation>
    </message>
    <message>
        <source>クラスのサーバーの準備が古いままです（第%1版）。管理者に classroom-setup.sh install を頼んでください。記録はこのパソコンに残ります。</source>
        <translation>El servidor de la clase tiene una preparación antigua (versión %1). Pida al administrador que ejecute classroom-setup.sh install. Los resultados se quedan en esta computadora.</translation>
    </message>
    <message>
        <source>%1（まだ一度も）</source>
        <translation>%1 (nunca)</translation>
    </message>
    <message>
        <source>%1（最後 %2）</source>
        <translation>%1 (última vez %2)</translation>
    </message>
    <message>
        <source>、</source>
        <extracomment>Between the names of computers in a list</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>、ほか %1 台</source>
        <extracomment>After the list of computers: and %1 more</extracomment>
        <translation> y %1 más</translation>
    </message>
    <message>
        <source>つながっていないパソコン: %1</source>
        <translation>Computadoras sin conexión: %1</translation>
    </message>
</context>
<context>
    <name>ClassRoster</name>
    <message>
        <source>クラスのサーバーが名簿とクラス全体の成績にまだ対応していません。管理者に classroom-setup.sh install をもう一度頼んでください。ほかの記録はこれまでどおり使えます。</source>
        <translation>El servidor de la clase todavía no admite la lista de la clase ni los resultados de toda la clase. Pida al administrador que vuelva a ejecutar classroom-setup.sh install. Los demás resultados se pueden usar como siempre.</translation>
    </message>
    <message>
        <source>名前が長すぎます（%1文字まで）</source>
        <translation>El nombre es demasiado largo (hasta %1 caracteres)</translation>
    </message>
    <message>
        <source>名簿に入る名前は1クラス%1人までです</source>
        <translation>La lista admite hasta %1 nombres por clase</translation>
    </message>
    <message>
        <source>名前が空か、使えない文字（改行や制御文字）が入っています</source>
        <translation>El nombre está vacío o tiene caracteres que no se pueden usar (saltos de línea o caracteres de control)</translation>
    </message>
    <message>
        <source>このクラスの名簿を変えることは許されていません</source>
        <translation>No se permite cambiar la lista de esta clase</translation>
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
        <translation>Sin practicar</translation>
    </message>
    <message>
        <source>まだ一度も練習していません</source>
        <translation>Todavía no practicó nunca</translation>
    </message>
    <message>
        <source>最近 7 日間に練習していません（これまでに %1 回）</source>
        <translation>No practicó en los últimos 7 días (en total: %1)</translation>
    </message>
    <message>
        <source>これまでに %1 回</source>
        <translation>En total: %1</translation>
    </message>
    <message>
        <source>最近5回の平均と、その前の5回の平均の差（−は速くなった）</source>
        <translation>Diferencia entre el promedio de las últimas 5 veces y el de las 5 anteriores (− es más rápido)</translation>
    </message>
    <message>
        <source>6回以上で表示します</source>
        <translation>Aparece con 6 veces o más</translation>
    </message>
    <message>
        <source>名前</source>
        <extracomment>Column header: the child&apos;s name</extracomment>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>練習</source>
        <extracomment>Column header: whether the child practised lately</extracomment>
        <translation>Práctica</translation>
    </message>
    <message>
        <source>ベスト</source>
        <extracomment>Column header: the best time</extracomment>
        <translation>Mejor</translation>
    </message>
    <message>
        <source>最新</source>
        <extracomment>Column header: the latest time</extracomment>
        <translation>Último</translation>
    </message>
    <message>
        <source>7日間</source>
        <extracomment>Column header: attempts in the last 7 days</extracomment>
        <translation>7 días</translation>
    </message>
    <message>
        <source>傾向</source>
        <extracomment>Column header: the trend of the times</extracomment>
        <translation>Tendencia</translation>
    </message>
</context>
<context>
    <name>ClassView</name>
    <message>
        <source>クラス:</source>
        <translation>Clase:</translation>
    </message>
    <message>
        <source>読み直す</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>CSVに書き出す...</source>
        <translation>Guardar CSV...</translation>
    </message>
    <message>
        <source>クラスの表を表計算ソフトで開けるファイルにします</source>
        <translation>Guarda la tabla de la clase en un archivo que se abre con una hoja de cálculo</translation>
    </message>
    <message>
        <source>一人ずつ</source>
        <extracomment>Tab: the class table, a row for each child</extracomment>
        <translation>Cada niño</translation>
    </message>
    <message>
        <source>クラスの問題ごとのできぐあい</source>
        <extracomment>Tab: the class&apos;s fact map</extracomment>
        <translation>Cómo le fue a la clase en cada problema</translation>
    </message>
    <message>
        <source>読み込んでいます...</source>
        <translation>Cargando...</translation>
    </message>
    <message>
        <source>クラスの記録を読めませんでした: %1</source>
        <translation>No se pudieron leer los resultados de la clase: %1</translation>
    </message>
    <message>
        <source>名簿を読めませんでした: %1</source>
        <translation>No se pudo leer la lista de la clase: %1</translation>
    </message>
    <message>
        <source>このクラスの記録はまだありません。名簿は「名簿を読み込む...」で作れます。</source>
        <extracomment>「名簿を読み込む...」 is the button&apos;s own text</extracomment>
        <translation>Esta clase todavía no tiene resultados. La lista de la clase se puede hacer con «Abrir lista...».</translation>
    </message>
    <message>
        <source>%1 人（%2: %3 人）。名前をダブルクリックすると、その子の記録（グラフ・表・問題ごとのできぐあい）を見られます。時間は 分:秒、傾向の − は速くなったことを表します。</source>
        <translation>Niños: %1 (%2: %3). Con doble clic en un nombre se ven los resultados de ese niño (gráfica, tabla, cómo le fue en cada problema). Los tiempos están en minutos:segundos; en la tendencia, − quiere decir más rápido.</translation>
    </message>
    <message>
        <source>CSV ファイル (*.csv)|*.csv</source>
        <extracomment>File dialog filter: the name, then the pattern after &quot;|&quot;; keep the patterns</extracomment>
        <translation>Archivos CSV (*.csv)|*.csv</translation>
    </message>
    <message>
        <source>クラスの記録_%1.csv</source>
        <extracomment>The file name offered for the class table; %1 is the class</extracomment>
        <translation>resultados_clase_%1.csv</translation>
    </message>
    <message>
        <source>ファイル %1 に書き込めませんでした。</source>
        <translation>No se pudo guardar el archivo %1.</translation>
    </message>
</context>
<context>
    <name>ClassWorksheetRun</name>
    <message>
        <source>一人ずつの苦手な問題を読んでいます...</source>
        <translation>Leyendo los problemas difíciles de cada niño...</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>全員の苦手プリント</source>
        <translation>Hojas de repaso de todos</translation>
    </message>
    <message>
        <source>%1 / %2 人目: %3</source>
        <extracomment>The child being read, of all of them: 3 / 25: name</extracomment>
        <translation>%1 de %2: %3</translation>
    </message>
</context>
<context>
    <name>Classroom</name>
    <message>
        <source>このパソコンのログイン %1 はサーバーに拒否されました（%2）</source>
        <translation>El servidor rechazó el usuario %1 de esta computadora (%2)</translation>
    </message>
    <message>
        <source>このパソコンのログインはサーバーに拒否されました（%1）</source>
        <translation>El servidor rechazó el usuario de esta computadora (%1)</translation>
    </message>
    <message>
        <source>このパソコンのログイン %1 は読み取りしかできないため、記録を送れません</source>
        <translation>El usuario %1 de esta computadora solo puede leer, así que no puede enviar resultados</translation>
    </message>
    <message>
        <source>このパソコンのログインは読み取りしかできないため、記録を送れません</source>
        <translation>El usuario de esta computadora solo puede leer, así que no puede enviar resultados</translation>
    </message>
    <message>
        <source>パスワードが違います</source>
        <translation>La contraseña no es correcta</translation>
    </message>
    <message>
        <source>このパソコンからの接続が許されていません</source>
        <translation>No se permiten conexiones desde esta computadora</translation>
    </message>
    <message>
        <source>ログインが使えなくなっています</source>
        <translation>El usuario está desactivado</translation>
    </message>
    <message>
        <source>同じログインの接続が多すぎます</source>
        <translation>Hay demasiadas conexiones con el mismo usuario</translation>
    </message>
    <message>
        <source>クラスのサーバーが暗号化（TLS）に応じないため、つなぎませんでした</source>
        <translation>No se conectó porque el servidor de la clase no acepta cifrado (TLS)</translation>
    </message>
    <message>
        <source>クラスのサーバーの証明書が信頼できないため、つなぎませんでした</source>
        <translation>No se conectó porque el certificado del servidor de la clase no es de confianza</translation>
    </message>
    <message>
        <source>クラスのサーバーが安全でない方法でパスワードを求めたため、送りませんでした</source>
        <translation>No se envió la contraseña porque el servidor de la clase la pidió de forma insegura</translation>
    </message>
    <message>
        <source>最後につながったのは %1</source>
        <translation>Última conexión: %1</translation>
    </message>
    <message>
        <source>まだつながっていません</source>
        <translation>Todavía no se conectó</translation>
    </message>
    <message>
        <source>&#x3000;送信待ち %1 件</source>
        <extracomment>Appended to the status line, after a wide space</extracomment>
        <translation>   %1 por enviar</translation>
    </message>
    <message>
        <source>&#x3000;送れない記録 %1 件</source>
        <extracomment>Appended to the status line, after a wide space</extracomment>
        <translation>   no se pueden enviar: %1</translation>
    </message>
    <message>
        <source>クラスのサーバー: つないでいます（%1）</source>
        <translation>Servidor de la clase: conectando (%1)</translation>
    </message>
    <message>
        <source>クラスのサーバー: つながっています（%1）</source>
        <translation>Servidor de la clase: conectado (%1)</translation>
    </message>
    <message>
        <source>クラスのサーバーにつながりません（%1）</source>
        <translation>Servidor de la clase: sin conexión (%1)</translation>
    </message>
    <message>
        <source>クラスのサーバーがこのパソコンからの記録を受け付けません（%1）</source>
        <translation>El servidor de la clase no acepta los resultados de esta computadora (%1)</translation>
    </message>
    <message>
        <source>サーバーの答え: %1</source>
        <translation>Respuesta del servidor: %1</translation>
    </message>
    <message>
        <source>送れない記録の理由: %1</source>
        <translation>Por qué no se pueden enviar: %1</translation>
    </message>
    <message>
        <source>クラス</source>
        <extracomment>The class on the server, as a source of records beside &quot;this computer&quot;</extracomment>
        <translation>Clase</translation>
    </message>
</context>
<context>
    <name>Clock</name>
    <message>
        <source>月曜日</source>
        <translation>lun</translation>
    </message>
    <message>
        <source>火曜日</source>
        <translation>mar</translation>
    </message>
    <message>
        <source>水曜日</source>
        <translation>mié</translation>
    </message>
    <message>
        <source>木曜日</source>
        <translation>jue</translation>
    </message>
    <message>
        <source>金曜日</source>
        <translation>vie</translation>
    </message>
    <message>
        <source>土曜日</source>
        <translation>sáb</translation>
    </message>
    <message>
        <source>日曜日</source>
        <translation>dom</translation>
    </message>
</context>
<context>
    <name>Drills</name>
    <message>
        <source>名前なし</source>
        <translation>Sin nombre</translation>
    </message>
    <message>
        <source>たしざん</source>
        <translation>Sumas</translation>
    </message>
    <message>
        <source>ひきざん</source>
        <translation>Restas</translation>
    </message>
    <message>
        <source>かけざん</source>
        <translation>Multiplicación</translation>
    </message>
    <message>
        <source>九九</source>
        <translation>Tablas</translation>
    </message>
</context>
<context>
    <name>EventSounds</name>
    <message>
        <source>音を鳴らそうと思ったのですが、
WAVファイルを発見出来ませんでした。
その存在を確認して、サウンド設定を
もう一度やり直して下さい。</source>
        <translation>Quise tocar un sonido,
pero no encontré el archivo WAV.
Revisa que el archivo esté ahí
y vuelve a configurar los sonidos.</translation>
    </message>
    <message>
        <source>音を鳴らそうと思ったのですが、
WAVファイルを発見出来ませんでした。
次回使うときに、サウンド設定をやり直すか、
チェックをoffにしてください。</source>
        <translation>Quise tocar un sonido,
pero no encontré el archivo WAV.
La próxima vez, vuelve a configurar los sonidos
o quita la marca de la casilla.</translation>
    </message>
    <message>
        <source>音声ファイル( *.wav )|*.wav</source>
        <translation>Archivos de sonido ( *.wav )|*.wav</translation>
    </message>
</context>
<context>
    <name>FactMapView</name>
    <message>
        <source>
まだ記録がありません</source>
        <translation>
Todavía sin hacer</translation>
    </message>
    <message>
        <source>
まちがい %1 / %2 回（%3%）</source>
        <translation>
Mal: %1 de %2 (%3%)</translation>
    </message>
    <message>
        <source>
答えるまでの時間（中央値） %1 秒</source>
        <translation>
Tiempo normal para responder: %1 segundos</translation>
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
        <translation>No se encuentra el archivo de ayuda %1.</translation>
    </message>
    <message>
        <source>ヘルプファイル %1 が見つかりません。
探した場所:
%2</source>
        <extracomment>%2 is the list of folders searched, one a line.</extracomment>
        <translation>No se encuentra el archivo de ayuda %1.
Se buscó en:
%2</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Vantel ヘルプ</source>
        <translation>Ayuda de Vantel</translation>
    </message>
    <message>
        <source>目次</source>
        <extracomment>The help&apos;s table of contents, as a tab and as the button that opens its first page.</extracomment>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>キーワード</source>
        <extracomment>The tab of the keyword index.</extracomment>
        <translation>Palabras clave</translation>
    </message>
    <message>
        <source>戻る</source>
        <extracomment>Go back to the page shown before.</extracomment>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>進む</source>
        <extracomment>Go forward again after going back.</extracomment>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>探したい言葉を入力してください：</source>
        <translation>Escribe la palabra que buscas:</translation>
    </message>
    <message>
        <source>ヘルプファイル %1 を開けません。</source>
        <translation>No se puede abrir el archivo de ayuda %1.</translation>
    </message>
    <message>
        <source>ヘルプファイル %1 にヘルプの内容が登録されていません。</source>
        <translation>El archivo de ayuda %1 no tiene contenido de ayuda.</translation>
    </message>
    <message>
        <source>ヘルプファイル %1 が見つかりません。</source>
        <translation>No se encuentra el archivo de ayuda %1.</translation>
    </message>
    <message>
        <source>トピックの選択</source>
        <translation>Elegir un tema</translation>
    </message>
    <message>
        <source>表示するページを選んでください：</source>
        <translation>Elige la página que quieres ver:</translation>
    </message>
</context>
<context>
    <name>JpegImage</name>
    <message>
        <source>JPEG エラー #%1</source>
        <extracomment>%1 is libjpeg&apos;s message number.</extracomment>
        <translation>Error de JPEG n.º %1</translation>
    </message>
    <message>
        <source>ファイル %1 は開けません</source>
        <translation>No se puede abrir el archivo %1</translation>
    </message>
</context>
<context>
    <name>Judge</name>
    <message>
        <source>○ の数は、%1/%2 こです。</source>
        <translation>Tienes %1 de %2 bien.</translation>
    </message>
    <message>
        <source>未入力項目があります
すへての升を埋めてから
ストップを押してください。</source>
        <translation>Hay casillas vacías.
Llena todas las casillas
y luego presiona Parar.</translation>
    </message>
    <message>
        <source>全問正解そのうえ
ベストタイムです。
たいへんよくできました。</source>
        <translation>¡Todo bien y además
es tu mejor tiempo!
¡Excelente trabajo!</translation>
    </message>
    <message>
        <source>
全問正解・よくできました。</source>
        <translation>
Todo bien. ¡Muy bien hecho!</translation>
    </message>
</context>
<context>
    <name>NamePanelPrint</name>
    <message>
        <source>なまえ</source>
        <extracomment>The word a teacher writes in a worksheet&apos;s name panel before the child&apos;s name (&quot;Name&quot;); the class print run puts each child&apos;s name in the cell after it.</extracomment>
        <translation>Nombre</translation>
    </message>
</context>
<context>
    <name>NumberedSheets</name>
    <message>
        <source>ちがう問題を %1 枚作れませんでした。</source>
        <translation>No se pudieron hacer %1 hojas con problemas diferentes.</translation>
    </message>
    <message>
        <source>No. %1&#x3000;こたえ</source>
        <extracomment>Printed above the answer key of a numbered sheet; こたえ means &quot;answers&quot;.</extracomment>
        <translation>No. %1&#x3000;Respuestas</translation>
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
        <translation>Varias hojas diferentes</translation>
    </message>
    <message>
        <source> 枚</source>
        <translation> hojas</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>ドリル(&amp;D)</source>
        <translation>&amp;Ejercicio</translation>
    </message>
    <message>
        <source>枚数(&amp;N)</source>
        <translation>&amp;Cuántas</translation>
    </message>
    <message>
        <source>番号つきのプリントと、同じ番号の答えを印刷します。</source>
        <translation>Imprime hojas de ejercicios numeradas y luego sus hojas de respuestas con los mismos números.</translation>
    </message>
</context>
<context>
    <name>Outbox</name>
    <message>
        <source>送信待ちの記録 (%1) を読み書きできません: %2</source>
        <translation>No se pueden leer ni escribir los resultados por enviar (%1): %2</translation>
    </message>
    <message>
        <source>送信待ちの記録 (%1) を開けません: %2</source>
        <translation>No se pueden abrir los resultados por enviar (%1): %2</translation>
    </message>
    <message>
        <source>送信待ちの記録 (%1) を書きかえられません: %2</source>
        <translation>No se pueden cambiar los resultados por enviar (%1): %2</translation>
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
        <translation>s</translation>
    </message>
    <message>
        <source>時間</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>ベストタイム</source>
        <translation>Mejor tiempo</translation>
    </message>
    <message>
        <source>まちがいあり</source>
        <translation>Con errores</translation>
    </message>
    <message>
        <source>よくできている</source>
        <translation>Va bien</translation>
    </message>
    <message>
        <source>時間がかかる・ときどきまちがえる</source>
        <translation>Lento o a veces mal</translation>
    </message>
    <message>
        <source>よくまちがえる</source>
        <translation>Mal a menudo</translation>
    </message>
    <message>
        <source>記録なし</source>
        <translation>Aún no</translation>
    </message>
    <message>
        <source>成績レポート</source>
        <translation>Informe de progreso</translation>
    </message>
    <message>
        <source>名前：</source>
        <translation>Nombre: </translation>
    </message>
    <message>
        <source>期間：</source>
        <translation>Fechas: </translation>
    </message>
    <message>
        <source>ドリルごとのタイム</source>
        <translation>Tiempos de cada ejercicio</translation>
    </message>
    <message>
        <source>ドリル</source>
        <translation>Ejercicio</translation>
    </message>
    <message>
        <source>さいきんのタイム（正解）</source>
        <translation>Último tiempo (correctas)</translation>
    </message>
    <message>
        <source>回数</source>
        <translation>Veces</translation>
    </message>
    <message>
        <source>%1 回</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>かかった時間（%1）</source>
        <translation>Cuánto tardó (%1)</translation>
    </message>
    <message>
        <source>この期間の記録はありません</source>
        <translation>No hay resultados en estas fechas</translation>
    </message>
    <message>
        <source>問題ごとのできぐあい（%1）</source>
        <translation>Cada problema (%1)</translation>
    </message>
    <message>
        <source>練習するとよい問題</source>
        <translation>Problemas para practicar</translation>
    </message>
    <message>
        <source>ます目の数字はまちがえた回数です。</source>
        <translation>El número de cada casilla dice cuántas veces estuvo mal.</translation>
    </message>
    <message>
        <source>苦手な問題はまだ見つかっていません</source>
        <translation>Todavía no hay problemas difíciles</translation>
    </message>
    <message>
        <source>まちがいが多い問題と、答えるのに時間が</source>
        <translation>Los problemas con más errores o que tardan más</translation>
    </message>
    <message>
        <source>かかる問題を、苦手な順にならべました。</source>
        <translation>en responderse, primero los más difíciles.</translation>
    </message>
    <message>
        <source>&#x3000;作成日：</source>
        <translation>   Hecho el </translation>
    </message>
    <message>
        <source> 〜 </source>
        <translation> al </translation>
    </message>
    <message>
        <source>まだ</source>
        <translation>Todavía no</translation>
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
        <translation>Falta el controlador de PostgreSQL (QPSQL)</translation>
    </message>
    <message>
        <source>接続できません</source>
        <translation>No se puede conectar</translation>
    </message>
    <message>
        <source>接続していません</source>
        <translation>No hay conexión</translation>
    </message>
    <message>
        <source>問い合わせを準備できません</source>
        <translation>No se puede preparar la consulta</translation>
    </message>
    <message>
        <source>問い合わせが失敗しました</source>
        <translation>La consulta falló</translation>
    </message>
    <message>
        <source>トランザクションを始められません</source>
        <translation>No se puede empezar la transacción</translation>
    </message>
    <message>
        <source>記録を確定できません</source>
        <translation>No se puede confirmar el resultado</translation>
    </message>
</context>
<context>
    <name>PrintProgressDialog</name>
    <message>
        <source>キャンセル</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>印刷</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>プリントを用意しています（%1 / %2）</source>
        <translation>Preparando las hojas (%1 de %2)</translation>
    </message>
    <message>
        <source>印刷しています（%1 / %2 ページ）</source>
        <translation>Imprimiendo (página %1 de %2)</translation>
    </message>
</context>
<context>
    <name>PrinterChoice</name>
    <message>
        <source>Vantel-プリント.pdf</source>
        <extracomment>The default name of the PDF file prints go to; a number is added to it.</extracomment>
        <translation>Vantel-hojas.pdf</translation>
    </message>
    <message>
        <source>フォルダーを作れません。
%1</source>
        <translation>No se puede crear la carpeta.
%1</translation>
    </message>
    <message>
        <source>%1
これ以上ファイルを作れません。</source>
        <translation>%1
No se pueden crear más archivos.</translation>
    </message>
</context>
<context>
    <name>PrinterQt</name>
    <message>
        <source>プリンターは印刷中ではありません。</source>
        <translation>La impresora no está imprimiendo.</translation>
    </message>
    <message>
        <source>印刷中はプリンターを変えられません。</source>
        <translation>No se puede cambiar la impresora mientras se imprime.</translation>
    </message>
    <message>
        <source>すでに印刷中です。</source>
        <translation>Ya se está imprimiendo.</translation>
    </message>
    <message>
        <source>プリンター「%1」は使えません。</source>
        <translation>No se puede usar la impresora «%1».</translation>
    </message>
    <message>
        <source>プリンター「%1」で印刷を始められません。</source>
        <translation>No se puede empezar a imprimir en la impresora «%1».</translation>
    </message>
    <message>
        <source>%1
印刷を始められません。</source>
        <translation>%1
No se puede empezar a imprimir.</translation>
    </message>
    <message>
        <source>新しいページを始められません。</source>
        <translation>No se puede empezar una página nueva.</translation>
    </message>
</context>
<context>
    <name>PrinterSetupDialog</name>
    <message>
        <source>プリンターの設定</source>
        <translation>Configurar la impresora</translation>
    </message>
    <message>
        <source>PDF ファイル</source>
        <extracomment>Printing to a PDF file instead of a printer.</extracomment>
        <translation>Archivo PDF</translation>
    </message>
    <message>
        <source>参照...</source>
        <translation>Elegir...</translation>
    </message>
    <message>
        <source>縦</source>
        <extracomment>Page orientation: portrait.</extracomment>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>横</source>
        <extracomment>Page orientation: landscape.</extracomment>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>プリンター:</source>
        <translation>Impresora:</translation>
    </message>
    <message>
        <source>ファイル名:</source>
        <translation>Archivo:</translation>
    </message>
    <message>
        <source>用紙サイズ:</source>
        <translation>Tamaño del papel:</translation>
    </message>
    <message>
        <source>印刷の向き:</source>
        <translation>Orientación:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>次の印刷は %1 に書き出します。</source>
        <translation>Lo próximo que se imprima se guardará en %1.</translation>
    </message>
    <message>
        <source>PDF ファイル (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>このパソコン</source>
        <translation>Esta computadora</translation>
    </message>
    <message>
        <source>記録:</source>
        <translation>Resultados:</translation>
    </message>
    <message>
        <source>&#x3000;まちがい %1/%2 回</source>
        <translation>   mal %1 de %2</translation>
    </message>
    <message>
        <source>&#x3000;%1 秒</source>
        <translation>   %1 segundos</translation>
    </message>
    <message>
        <source>苦手な問題はまだ見つかっていません</source>
        <translation>Todavía no hay problemas difíciles</translation>
    </message>
    <message>
        <source>成績の記録</source>
        <translation>Mis resultados</translation>
    </message>
    <message>
        <source>最近30日</source>
        <translation>30 días</translation>
    </message>
    <message>
        <source>最近90日</source>
        <translation>90 días</translation>
    </message>
    <message>
        <source>すべて</source>
        <translation>Todo</translation>
    </message>
    <message>
        <source>CSVに書き出す...</source>
        <translation>Guardar CSV...</translation>
    </message>
    <message>
        <source>苦手プリント</source>
        <translation>Hoja de repaso</translation>
    </message>
    <message>
        <source>成績レポート</source>
        <translation>Informe</translation>
    </message>
    <message>
        <source>保護者に渡す1枚のレポートを印刷します</source>
        <translation>Imprime un informe de una página para la familia</translation>
    </message>
    <message>
        <source> 問</source>
        <translation> problemas</translation>
    </message>
    <message>
        <source>読み込み中…</source>
        <translation>Cargando…</translation>
    </message>
    <message>
        <source>名前:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>ドリル:</source>
        <translation>Ejercicio:</translation>
    </message>
    <message>
        <source>期間:</source>
        <translation>Fechas:</translation>
    </message>
    <message>
        <source>かかった時間</source>
        <translation>Cuánto tardó</translation>
    </message>
    <message>
        <source>時間</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>ベストタイム</source>
        <translation>Mejor tiempo</translation>
    </message>
    <message>
        <source>まちがいあり</source>
        <translation>Con errores</translation>
    </message>
    <message>
        <source>日付</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>時間（秒）</source>
        <translation>Segundos</translation>
    </message>
    <message>
        <source>問題ごとのできぐあい（数字はまちがえた回数）</source>
        <translation>Cómo le fue en cada problema (el número dice cuántas veces estuvo mal)</translation>
    </message>
    <message>
        <source>緑: よくできている&#x3000;黄: 時間がかかる・ときどきまちがえる&#x3000;赤: よくまちがえる&#x3000;灰: 記録なし</source>
        <translation>Verde: va bien   Amarillo: lento o a veces mal   Rojo: mal a menudo   Gris: aún no</translation>
    </message>
    <message>
        <source>苦手な問題</source>
        <translation>Problemas difíciles</translation>
    </message>
    <message>
        <source>%1の一覧にもどる</source>
        <translation>Volver a %1</translation>
    </message>
    <message>
        <source>CSV ファイル (*.csv)|*.csv</source>
        <translation>Archivos CSV (*.csv)|*.csv</translation>
    </message>
    <message>
        <source>成績の記録_%1.csv</source>
        <translation>resultados_%1.csv</translation>
    </message>
    <message>
        <source>ファイル %1 に書き込めませんでした。</source>
        <translation>No se pudo guardar el archivo %1.</translation>
    </message>
</context>
<context>
    <name>ReadAloud</name>
    <message>
        <source>ja</source>
        <comment>espeak-ng voice</comment>
        <extracomment>espeak-ng&apos;s voice for this language&apos;s words (espeak-ng --voices), e.g. en-us</extracomment>
        <translation>es-419</translation>
    </message>
    <message>
        <source>%1 たす %2</source>
        <translation>%1 más %2</translation>
    </message>
    <message>
        <source>%1 ひく %2</source>
        <translation>%1 menos %2</translation>
    </message>
    <message>
        <source>%1 かける %2</source>
        <translation>%1 por %2</translation>
    </message>
    <message>
        <source>せいかい は %1 こ、%2 もん ちゅう</source>
        <translation>%1 correctas de %2</translation>
    </message>
    <message>
        <source>正解</source>
        <extracomment>what a screen reader says of an answer cell marked ○</extracomment>
        <translation>correcta</translation>
    </message>
</context>
<context>
    <name>RosterImport</name>
    <message>
        <source>ファイルが大きすぎます（名簿は %1 KB までです）。読み込みませんでした。</source>
        <translation>El archivo es demasiado grande (la lista puede tener hasta %1 KB). No se leyó.</translation>
    </message>
    <message>
        <source>文字のファイルではないため、読み込みませんでした。</source>
        <translation>No se leyó porque no es un archivo de texto.</translation>
    </message>
    <message>
        <source>%1 行目: 名前が長すぎます（%2 文字まで）「%3」</source>
        <translation>Línea %1: el nombre es demasiado largo (hasta %2 caracteres) «%3»</translation>
    </message>
    <message>
        <source>%1 行目: 名前に使えない文字があります</source>
        <translation>Línea %1: el nombre tiene caracteres que no se pueden usar</translation>
    </message>
    <message>
        <source>%1 行目: 「%2」は前にもあるので、1 回だけにしました</source>
        <translation>Línea %1: «%2» ya estaba antes, así que quedó una sola vez</translation>
    </message>
    <message>
        <source>%1 人を超えた %2 人は読み込みませんでした</source>
        <translation>Nombres que no se leyeron por pasar de %1: %2</translation>
    </message>
    <message>
        <source>ほか %1 件</source>
        <translation>y %1 más</translation>
    </message>
    <message>
        <source>名前が見つかりませんでした。</source>
        <translation>No se encontró ningún nombre.</translation>
    </message>
</context>
<context>
    <name>RosterPanel</name>
    <message>
        <source>名前が空です。</source>
        <translation>El nombre está vacío.</translation>
    </message>
    <message>
        <source>名前が長すぎます（%1 文字まで）。</source>
        <translation>El nombre es demasiado largo (hasta %1 caracteres).</translation>
    </message>
    <message>
        <source>名前に使えない文字があります。</source>
        <translation>El nombre tiene caracteres que no se pueden usar.</translation>
    </message>
    <message>
        <source>「%1」はもう名簿にあります。</source>
        <translation>«%1» ya está en la lista.</translation>
    </message>
    <message>
        <source>名簿を読み込む...</source>
        <translation>Abrir lista...</translation>
    </message>
    <message>
        <source>名前を加える...</source>
        <translation>Agregar nombre...</translation>
    </message>
    <message>
        <source>名前を変える...</source>
        <translation>Cambiar nombre...</translation>
    </message>
    <message>
        <source>名簿から外す...</source>
        <translation>Quitar de la lista...</translation>
    </message>
    <message>
        <source>名簿の名前にまとめる...</source>
        <translation>Juntar con un nombre de la lista...</translation>
    </message>
    <message>
        <source>名簿にない名前（%1）: 名簿の名前の子の記録なら、まとめられます</source>
        <extracomment>The title over the names of attempts not on the class list; %1 is how many</extracomment>
        <translation>Nombres que no están en la lista (%1): si son de un niño de la lista, se pueden juntar</translation>
    </message>
    <message>
        <source>%1&#x3000;（%2 回）</source>
        <extracomment>A name not on the class list and how many attempts it has</extracomment>
        <translation>%1   (intentos: %2)</translation>
    </message>
    <message>
        <source>名簿（テキスト・CSV） (*.txt *.csv)|*.txt;*.csv|すべてのファイル (*)|*</source>
        <extracomment>File dialog filters: each name, then its patterns after &quot;|&quot;; keep the patterns</extracomment>
        <translation>Listas (texto, CSV) (*.txt *.csv)|*.txt;*.csv|Todos los archivos (*)|*</translation>
    </message>
    <message>
        <source>ファイル %1 を開けませんでした。</source>
        <translation>No se pudo abrir el archivo %1.</translation>
    </message>
    <message>
        <source>%1 から名前を読めませんでした。
%2</source>
        <translation>No se pudieron leer nombres de %1.
%2</translation>
    </message>
    <message>
        <source>名簿に名前を加えられませんでした。</source>
        <translation>No se pudieron agregar los nombres a la lista.</translation>
    </message>
    <message>
        <source>%1 人を名簿に加えました。</source>
        <translation>Nombres agregados a la lista: %1.</translation>
    </message>
    <message>
        <source>（%1 人はもう名簿にありました）</source>
        <translation>(ya estaban en la lista: %1)</translation>
    </message>
    <message>
        <source>

読み込まなかった行:
%1</source>
        <translation>

Líneas que no se leyeron:
%1</translation>
    </message>
    <message>
        <source>名前を加える</source>
        <translation>Agregar nombre</translation>
    </message>
    <message>
        <source>名簿に加える名前:</source>
        <translation>Nombre para agregar a la lista:</translation>
    </message>
    <message>
        <source>名前を変える子を、表で選んでください。</source>
        <translation>Elige en la tabla al niño cuyo nombre quieres cambiar.</translation>
    </message>
    <message>
        <source>名前を変える</source>
        <translation>Cambiar nombre</translation>
    </message>
    <message>
        <source>「%1」の新しい名前:</source>
        <translation>Nuevo nombre de «%1»:</translation>
    </message>
    <message>
        <source>「%1」を「%2」に変えます。
「%1」のこれまでの記録も、すべて「%2」の記録になります。</source>
        <translation>«%1» cambiará a «%2».
Todos los resultados de «%1» pasarán también a «%2».</translation>
    </message>
    <message>
        <source>「%1」の名前を変えられませんでした。</source>
        <translation>No se pudo cambiar el nombre de «%1».</translation>
    </message>
    <message>
        <source>名簿から外す子を、表で選んでください。</source>
        <translation>Elige en la tabla al niño que quieres quitar de la lista.</translation>
    </message>
    <message>
        <source>名簿から外す</source>
        <translation>Quitar de la lista</translation>
    </message>
    <message>
        <source>「%1」を名簿から外します。
記録は消えずに残ります。</source>
        <translation>«%1» se quitará de la lista.
Sus resultados no se borran.</translation>
    </message>
    <message>
        <source>「%1」を名簿から外せませんでした。</source>
        <translation>No se pudo quitar a «%1» de la lista.</translation>
    </message>
    <message>
        <source>まとめる名前を「名簿にない名前」から選んでください。</source>
        <translation>Elige en «Nombres que no están en la lista» el nombre que quieres juntar.</translation>
    </message>
    <message>
        <source>名簿の名前にまとめる</source>
        <translation>Juntar con un nombre de la lista</translation>
    </message>
    <message>
        <source>「%1」の記録をまとめる名簿の名前:</source>
        <translation>Nombre de la lista que recibe los resultados de «%1»:</translation>
    </message>
    <message>
        <source>「%1」の記録 %2 回を「%3」の記録にします。</source>
        <translation>Los resultados de «%1» (%2) pasarán a ser de «%3».</translation>
    </message>
    <message>
        <source>「%1」の記録をまとめられませんでした。</source>
        <translation>No se pudieron juntar los resultados de «%1».</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>%1 に書き込めません</source>
        <translation>No se puede escribir en %1</translation>
    </message>
</context>
<context>
    <name>SpreadsheetCalc</name>
    <message>
        <source>セル (%1, %2) は表計算ソフト (LibreOffice Calc)のワークシートの外です</source>
        <translation>La celda (%1, %2) está fuera de la hoja de LibreOffice Calc</translation>
    </message>
    <message>
        <source>ワークシート %1 はありません</source>
        <translation>No existe la hoja %1</translation>
    </message>
    <message>
        <source>セル (%1, %2) の文字列が長すぎます (%3 文字まで)</source>
        <translation>El texto de la celda (%1, %2) es demasiado largo (hasta %3 caracteres)</translation>
    </message>
    <message>
        <source>フォルダ %1 を作成できません</source>
        <translation>No se puede crear la carpeta %1</translation>
    </message>
    <message>
        <source>ファイル %1 を作成できません</source>
        <translation>No se puede crear el archivo %1</translation>
    </message>
    <message>
        <source>表計算ソフト (LibreOffice Calc) を起動できません</source>
        <translation>No se puede abrir la hoja de cálculo (LibreOffice Calc)</translation>
    </message>
    <message>
        <source>表計算ソフト (LibreOffice Calc) がインストールされていません</source>
        <translation>La hoja de cálculo (LibreOffice Calc) no está instalada</translation>
    </message>
</context>
<context>
    <name>SpreadsheetXlsx</name>
    <message>
        <source>Couldn&apos;t load libxlsxwriter: %1</source>
        <extracomment>%1 is the system&apos;s own reason, in English.</extracomment>
        <translation>No se pudo cargar libxlsxwriter: %1</translation>
    </message>
    <message>
        <source>ファイル %1 を作成できません</source>
        <translation>No se puede crear el archivo %1</translation>
    </message>
    <message>
        <source>ファイル %1 を作成できません (%2)</source>
        <extracomment>%2 is the library&apos;s own reason, in English.</extracomment>
        <translation>No se puede crear el archivo %1 (%2)</translation>
    </message>
</context>
<context>
    <name>SqliteHistory</name>
    <message>
        <source>フォルダー %1 を作れません。</source>
        <translation>No se puede crear la carpeta %1.</translation>
    </message>
    <message>
        <source>壊れた記録ファイル %1 を移せません。</source>
        <translation>No se puede mover el archivo de resultados dañado %1.</translation>
    </message>
    <message>
        <source>成績の記録ファイルが壊れていたので、別の名前で残して新しい記録を始めます。
元のファイル: %1</source>
        <translation>El archivo de resultados estaba dañado: se guardó con otro nombre y se empiezan resultados nuevos.
Archivo original: %1</translation>
    </message>
    <message>
        <source>成績を記録できませんでした。ディスクの空きや、記録のフォルダーに書き込めるかを確かめてください。
この回の成績は覚えておき、次の回かプログラムの終了時にもう一度記録します。
%1</source>
        <extracomment>%1 is the database&apos;s own reason, often in English.</extracomment>
        <translation>No se pudo guardar el resultado. Revisa que haya espacio en el disco y que se pueda escribir en la carpeta de los resultados.
El resultado de esta vez se recuerda y se vuelve a guardar la próxima vez o al salir del programa.
%1</translation>
    </message>
</context>
<context>
    <name>TApplication</name>
    <message>
        <source>不明なエラーです。</source>
        <translation>Error desconocido.</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>問題を読み上げる</source>
        <translation>Leer los problemas en voz alta</translation>
    </message>
    <message>
        <source>記録(&amp;R)</source>
        <translation>&amp;Resultados</translation>
    </message>
    <message>
        <source>成績の記録を見る...</source>
        <translation>Ver mis resultados...</translation>
    </message>
    <message>
        <source>プリント(&amp;W)</source>
        <translation>&amp;Hojas</translation>
    </message>
    <message>
        <source>ちがうプリントを N 枚...</source>
        <translation>Varias hojas diferentes...</translation>
    </message>
    <message>
        <source>言語 / Language</source>
        <translation>Idioma / Language / 言語</translation>
    </message>
    <message>
        <source> たしざん </source>
        <translation> Sumas </translation>
    </message>
    <message>
        <source> ひきざん </source>
        <translation> Restas </translation>
    </message>
    <message>
        <source> かけざん </source>
        <translation> Multiplicación </translation>
    </message>
    <message>
        <source> 九九</source>
        <translation> Tablas</translation>
    </message>
    <message>
        <source> Print</source>
        <translation> Imprimir</translation>
    </message>
    <message>
        <source> Sound &amp;&amp; Picture</source>
        <translation> Sonido &amp;&amp; imagen</translation>
    </message>
    <message>
        <source>スタート</source>
        <translation>Empezar</translation>
    </message>
    <message>
        <source>問題作成&amp;時計がスタートします。</source>
        <translation>Crea problemas nuevos y pone en marcha el reloj.</translation>
    </message>
    <message>
        <source>ストップ</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>問題成否判定・時計のストップ</source>
        <translation>Revisa las respuestas y para el reloj.</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>問題・回答のクリア</source>
        <translation>Borra los problemas y las respuestas.</translation>
    </message>
    <message>
        <source>ソフトの出口</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>ヘルプ</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>バージョン情報を表示します。</source>
        <translation>Acerca de Vantel</translation>
    </message>
    <message>
        <source>たしざん</source>
        <translation>Sumas</translation>
    </message>
    <message>
        <source>ひきざん</source>
        <translation>Restas</translation>
    </message>
    <message>
        <source>かけざん</source>
        <translation>Multiplicaciones</translation>
    </message>
    <message>
        <source>九九</source>
        <translation>Tablas de multiplicar</translation>
    </message>
    <message>
        <source>プリント用紙印刷設定</source>
        <translation>Imprimir hojas de ejercicios</translation>
    </message>
    <message>
        <source>氏名らん</source>
        <translation>Recuadro del nombre</translation>
    </message>
    <message>
        <source>足し算のプリント印刷</source>
        <translation>Imprimir sumas</translation>
    </message>
    <message>
        <source>引き算のプリント印刷</source>
        <translation>Imprimir restas</translation>
    </message>
    <message>
        <source>掛け算のプリント印刷</source>
        <translation>Imprimir multiplicación</translation>
    </message>
    <message>
        <source>九九のプリント印刷</source>
        <translation>Imprimir tablas</translation>
    </message>
    <message>
        <source>答え+</source>
        <translation>Resp. +</translation>
    </message>
    <message>
        <source>答え-</source>
        <translation>Resp. -</translation>
    </message>
    <message>
        <source>答えx</source>
        <translation>Resp. x</translation>
    </message>
    <message>
        <source>答え99</source>
        <translation>Resp. 99</translation>
    </message>
    <message>
        <source>プリント用紙の氏名らんのテキスト保存・読込み</source>
        <translation>Guardar o abrir el recuadro del nombre</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>読込</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Excelに転送</source>
        <translation>A Excel</translation>
    </message>
    <message>
        <source>クリアー</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>プリンターのセットアップ</source>
        <translation>Impresora</translation>
    </message>
    <message>
        <source>セットアップ</source>
        <translation>Configurar</translation>
    </message>
    <message>
        <source>サウンド設定</source>
        <translation>Sonidos</translation>
    </message>
    <message>
        <source>バージョン情報を表示した時に音を鳴らします。</source>
        <translation>Sonar al abrir Acerca de Vantel.</translation>
    </message>
    <message>
        <source>サウンドファイル (1)</source>
        <translation>Archivo de sonido (1)</translation>
    </message>
    <message>
        <source>参照 1</source>
        <translation>Elegir</translation>
    </message>
    <message>
        <source>テスト</source>
        <translation>Probar</translation>
    </message>
    <message>
        <source>テスト (1)</source>
        <translation>Probar (1)</translation>
    </message>
    <message>
        <source>ページを切り替える時音を鳴らします。</source>
        <translation>Sonar al cambiar de página.</translation>
    </message>
    <message>
        <source>サウンドファイル (2)</source>
        <translation>Archivo de sonido (2)</translation>
    </message>
    <message>
        <source>参照 2</source>
        <translation>Elegir</translation>
    </message>
    <message>
        <source>テスト (2)</source>
        <translation>Probar (2)</translation>
    </message>
    <message>
        <source>終了ボタンを押した時に音を鳴らします。</source>
        <translation>Sonar al salir.</translation>
    </message>
    <message>
        <source>サウンドファイル (4)</source>
        <translation>Archivo de sonido (4)</translation>
    </message>
    <message>
        <source>参照4</source>
        <translation>Elegir</translation>
    </message>
    <message>
        <source>テスト (4)</source>
        <translation>Probar (4)</translation>
    </message>
    <message>
        <source>全問正解の時に音を鳴らします。</source>
        <translation>Sonar cuando todo está bien.</translation>
    </message>
    <message>
        <source>サウンドファイル (5)</source>
        <translation>Archivo de sonido (5)</translation>
    </message>
    <message>
        <source>参照5</source>
        <translation>Elegir</translation>
    </message>
    <message>
        <source>テスト (5)</source>
        <translation>Probar (5)</translation>
    </message>
    <message>
        <source>全問正解 &amp;&amp; ハイスコア の時音を鳴らします。</source>
        <translation>Sonar con todo bien &amp;&amp; mejor tiempo.</translation>
    </message>
    <message>
        <source>サウンドファイル (3)</source>
        <translation>Archivo de sonido (3)</translation>
    </message>
    <message>
        <source>参照 3</source>
        <translation>Elegir</translation>
    </message>
    <message>
        <source>テスト (3)</source>
        <translation>Probar (3)</translation>
    </message>
    <message>
        <source>画像変更</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>バージョン情報の画像を変更できます。</source>
        <translation>Cambia la imagen de Acerca de.</translation>
    </message>
    <message>
        <source>&#x3000;開く</source>
        <translation> Abrir</translation>
    </message>
    <message>
        <source>Open Voice </source>
        <translation>Saludos</translation>
    </message>
    <message>
        <source>起動した時に、挨拶します。</source>
        <translation>Saludar al empezar.</translation>
    </message>
    <message>
        <source>起動時の挨拶をミュートします。</source>
        <translation>Activa o apaga el saludo al empezar.</translation>
    </message>
    <message>
        <source>「おはようございます」</source>
        <translation>“Buenos días”</translation>
    </message>
    <message>
        <source>挨拶のテスト発声</source>
        <translation>Escuchar el saludo</translation>
    </message>
    <message>
        <source>テスト「おはようございます」</source>
        <translation>Probar “Buenos días”</translation>
    </message>
    <message>
        <source>「こんにちは」</source>
        <translation>“Buenas tardes”</translation>
    </message>
    <message>
        <source>テスト「こんにちは」</source>
        <translation>Probar “Buenas tardes”</translation>
    </message>
    <message>
        <source>「こんばんは」</source>
        <translation>“Buenas noches”</translation>
    </message>
    <message>
        <source>テスト「こんばんは」</source>
        <translation>Probar “Buenas noches”</translation>
    </message>
    <message>
        <source>ベストタイムの初期化</source>
        <translation>Borrar mejores tiempos</translation>
    </message>
    <message>
        <source>足し算を初期化します。</source>
        <translation>Borrar sumas.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>足し算のベストタイムを初期化</source>
        <translation>Borrar el mejor tiempo de sumas</translation>
    </message>
    <message>
        <source>引き算を初期化します。</source>
        <translation>Borrar restas.</translation>
    </message>
    <message>
        <source>引き算のベストタイムを初期化</source>
        <translation>Borrar el mejor tiempo de restas</translation>
    </message>
    <message>
        <source>掛け算を初期化します。</source>
        <translation>Borrar multiplicación.</translation>
    </message>
    <message>
        <source>掛け算のベストタイムを初期化</source>
        <translation>Borrar el mejor tiempo de multiplicaciones</translation>
    </message>
    <message>
        <source>九九を初期化します。</source>
        <translation>Borrar tablas.</translation>
    </message>
    <message>
        <source>九九のベストタイムを初期化</source>
        <translation>Borrar el mejor tiempo de tablas de multiplicar</translation>
    </message>
    <message>
        <source>UserName</source>
        <translation>Tu nombre</translation>
    </message>
    <message>
        <source>使う人の名前を登録します。</source>
        <translation>Escribe tu nombre y presiona OK.</translation>
    </message>
    <message>
        <source>使う人の名前</source>
        <translation>Tu nombre</translation>
    </message>
    <message>
        <source>使う人の名前を登録</source>
        <translation>Guardar tu nombre</translation>
    </message>
    <message>
        <source> %1 の Vantel</source>
        <translation> Vantel de %1</translation>
    </message>
    <message>
        <source>%1 今回のタイム</source>
        <translation>%1: tiempo de esta vez</translation>
    </message>
    <message>
        <source>%1 ベストタイム</source>
        <translation>%1: mejor tiempo</translation>
    </message>
    <message>
        <source>日付と時刻</source>
        <translation>Fecha y hora</translation>
    </message>
    <message>
        <source>ファイル(&amp;F)</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>新規作成(&amp;N)</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>上書き保存(&amp;S)</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>名前を付けて保存(&amp;A)...</source>
        <translation>Guardar &amp;como...</translation>
    </message>
    <message>
        <source>足し算のプリント印刷(&amp;P)</source>
        <translation>Im&amp;primir sumas</translation>
    </message>
    <message>
        <source>ページ設定(&amp;T)...</source>
        <translation>Con&amp;figurar página...</translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>編集(&amp;E)</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>問題作成(&amp;T)</source>
        <translation>Problemas &amp;nuevos</translation>
    </message>
    <message>
        <source>答えあわせ(&amp;F)</source>
        <translation>&amp;Revisar respuestas</translation>
    </message>
    <message>
        <source>サウンド(&amp;S)</source>
        <translation>&amp;Sonido</translation>
    </message>
    <message>
        <source>開く  (1)</source>
        <translation>Abrir (1)</translation>
    </message>
    <message>
        <source>開く  (2)</source>
        <translation>Abrir (2)</translation>
    </message>
    <message>
        <source>開く  (3)</source>
        <translation>Abrir (3)</translation>
    </message>
    <message>
        <source>開く&#x3000;(4)</source>
        <translation>Abrir (4)</translation>
    </message>
    <message>
        <source>開く&#x3000;(5)</source>
        <translation>Abrir (5)</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>目次(&amp;C)</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>トピックの検索(&amp;S)...</source>
        <translation>Bu&amp;scar en la ayuda...</translation>
    </message>
    <message>
        <source>バージョン情報(&amp;A)...</source>
        <translation>&amp;Acerca de Vantel...</translation>
    </message>
    <message>
        <source>テキストファイル|*.txt|カンマ区切りテキスト|*.csv|引用符付きカンマ区切りテキスト|*.csv|HTML|*.html</source>
        <translation>Archivos de texto|*.txt|Texto separado por comas|*.csv|Texto separado por comas, entre comillas|*.csv|HTML|*.html</translation>
    </message>
    <message>
        <source>テキストファイル|*.txt|カンマ区切りテキスト|*.csv|引用符付きカンマ区切りテキスト|*.csv</source>
        <translation>Archivos de texto|*.txt|Texto separado por comas|*.csv|Texto separado por comas, entre comillas|*.csv</translation>
    </message>
</context>
<context>
    <name>TStringGrid</name>
    <message>
        <source>%1 行 %2 列</source>
        <translation>fila %1, columna %2</translation>
    </message>
</context>
<context>
    <name>TStringGridIO</name>
    <message>
        <source>ファイル %1 を作成できません</source>
        <translation>No se puede crear el archivo %1</translation>
    </message>
    <message>
        <source>ファイル %1 は開けません</source>
        <translation>No se puede abrir el archivo %1</translation>
    </message>
    <message>
        <source>ファイル %1 は大きすぎて読み込めません</source>
        <translation>El archivo %1 es demasiado grande para abrirlo</translation>
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
        <translation>Voz: los saludos los dice una computadora</translation>
    </message>
    <message>
        <source>画像：Vantel プロジェクト</source>
        <translation>Imagen: proyecto Vantel</translation>
    </message>
    <message>
        <source>制作：Vantel プロジェクト</source>
        <translation>Hecho por el proyecto Vantel</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 Vantel プロジェクト</source>
        <translation>Copyright (C) 2026 proyecto Vantel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Ｖａｎｔｅｌ の バージョン情報</source>
        <translation>Acerca de Vantel</translation>
    </message>
</context>
<context>
    <name>WeakFactRun</name>
    <message>
        <source>苦手プリントを印刷する子どもがいません。</source>
        <translation>No hay ningún niño con hoja de repaso para imprimir.</translation>
    </message>
    <message>
        <source>苦手プリントにする問題がありません。</source>
        <translation>No hay problemas para una hoja de repaso.</translation>
    </message>
    <message>
        <source>問題がないので、次の子どもの苦手プリントは印刷しませんでした。
%1</source>
        <translation>Estos niños no tienen problemas difíciles, así que no se imprimió su hoja de repaso:
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
        <translation>  Respuestas</translation>
    </message>
    <message>
        <source>苦手プリント（%1）  %2</source>
        <translation>Hoja de repaso (%1)  %2</translation>
    </message>
</context>
<context>
    <name>WorksheetPrint</name>
    <message>
        <source>このプリントは Vantel で作成しました。</source>
        <extracomment>Printed under every worksheet.</extracomment>
        <translation>Esta hoja se hizo con Vantel.</translation>
    </message>
</context>
</TS>
