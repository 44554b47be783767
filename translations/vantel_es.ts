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
        <translation>Multiplicaciones</translation>
    </message>
    <message>
        <source>九九</source>
        <translation>Tablas de multiplicar</translation>
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
Todavía no se ha hecho</translation>
    </message>
    <message>
        <source>
まちがい %1 / %2 回（%3%）</source>
        <translation>
Mal %1 de %2 veces (%3%)</translation>
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
        <translation>Muchas veces mal</translation>
    </message>
    <message>
        <source>記録なし</source>
        <translation>Todavía no se ha hecho</translation>
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
        <translation>Cómo le fue en cada problema (%1)</translation>
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
        <translation>Verde: va bien   Amarillo: lento o a veces mal   Rojo: muchas veces mal   Gris: todavía no se ha hecho</translation>
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
</TS>
