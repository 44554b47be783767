<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="ja">
<context>
    <name>AttemptCsv</name>
    <message>
        <source>名前,ドリル,開始日時,時間(秒),点数,満点,新記録</source>
        <translation>Nome,Exercício,Início,Tempo (s),Pontos,Total,Novo recorde</translation>
    </message>
</context>
<context>
    <name>AttemptTableModel</name>
    <message>
        <source>日付</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>時間</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>点数</source>
        <translation>Pontos</translation>
    </message>
    <message>
        <source>新記録</source>
        <translation>Novo recorde</translation>
    </message>
</context>
<context>
    <name>ClassCsv</name>
    <message>
        <source>名前</source>
        <extracomment>CSV column header of the children&apos;s names; a class list file with this header reads back</extracomment>
        <translation>Nome</translation>
    </message>
    <message>
        <source>名簿</source>
        <extracomment>CSV column header: &quot;○&quot; when the child is on the class list</extracomment>
        <translation>Na lista</translation>
    </message>
    <message>
        <source>練習</source>
        <extracomment>CSV column header: whether the child practised lately</extracomment>
        <translation>Treino</translation>
    </message>
    <message>
        <source>ベスト(秒)</source>
        <extracomment>CSV column header after a drill&apos;s name: the best time in seconds</extracomment>
        <translation>Melhor (s)</translation>
    </message>
    <message>
        <source>最新(秒)</source>
        <extracomment>CSV column header after a drill&apos;s name: the latest time in seconds</extracomment>
        <translation>Último (s)</translation>
    </message>
    <message>
        <source>7日間(回)</source>
        <extracomment>CSV column header after a drill&apos;s name: attempts in the last 7 days</extracomment>
        <translation>7 dias (vezes)</translation>
    </message>
    <message>
        <source>傾向(秒)</source>
        <extracomment>CSV column header after a drill&apos;s name: the trend in seconds</extracomment>
        <translation>Tendência (s)</translation>
    </message>
    <message>
        <source>これまで(回)</source>
        <extracomment>CSV column header after a drill&apos;s name: all attempts so far</extracomment>
        <translation>Total (vezes)</translation>
    </message>
</context>
<context>
    <name>ClassFactsPage</name>
    <message>
        <source>ドリル:</source>
        <translation>Exercício:</translation>
    </message>
    <message>
        <source>期間:</source>
        <translation>Período:</translation>
    </message>
    <message>
        <source>最近30日</source>
        <translation>Últimos 30 dias</translation>
    </message>
    <message>
        <source>最近90日</source>
        <translation>Últimos 90 dias</translation>
    </message>
    <message>
        <source>すべて</source>
        <translation>Tudo</translation>
    </message>
    <message>
        <source>クラスの苦手プリント</source>
        <translation>Folha de treino da turma</translation>
    </message>
    <message>
        <source>クラスでまちがいの多い問題のプリント（答えのページつき）</source>
        <translation>Folha com as contas que a turma mais erra (com página de respostas)</translation>
    </message>
    <message>
        <source>全員の苦手プリント</source>
        <translation>Folha de treino de cada aluno</translation>
    </message>
    <message>
        <source>このドリルを練習した子の一人ずつの苦手プリントを、まとめて印刷します（答えのページつき）</source>
        <translation>Imprime de uma vez a folha de treino de cada aluno que treinou este exercício (com páginas de respostas)</translation>
    </message>
    <message>
        <source>色はクラス全体のできぐあいです（緑: よくできている&#x3000;黄: ときどきまちがえる・時間がかかる&#x3000;赤: まちがえる子が多い&#x3000;灰: まだ記録なし）。ますの数字は、その問題をまちがえたことのある子の人数です。ますにマウスを置くと、まちがいの回数と、クラスの答えるまでの時間（中央値）が出ます。</source>
        <translation>As cores mostram como a turma toda está (verde: indo bem   amarelo: erra às vezes ou demora   vermelho: muitas crianças erram   cinza: ainda não feita). O número no quadrado é quantas crianças já erraram aquela conta. Deixe o mouse sobre um quadrado para ver quantas vezes a conta foi errada e o tempo normal da turma para responder (a mediana).</translation>
    </message>
    <message>
        <source>読み込んでいます...</source>
        <translation>Carregando...</translation>
    </message>
    <message>
        <source>クラスの問題ごとの記録を読めませんでした: %1</source>
        <translation>Não foi possível ler os resultados da turma em cada conta: %1</translation>
    </message>
    <message>
        <source>この期間に %1 の記録はありません。</source>
        <translation>Não há resultados de %1 neste período.</translation>
    </message>
    <message>
        <source>%1 人の記録から。</source>
        <translation>Resultados de %1 crianças.</translation>
    </message>
    <message>
        <source>まだ記録がありません</source>
        <translation>Ainda não feita</translation>
    </message>
    <message>
        <source>まちがえた子 %1 人 / 練習した子 %2 人</source>
        <translation>Erraram: %1 crianças / Treinaram: %2 crianças</translation>
    </message>
    <message>
        <source>まちがい %1 / %2 回（%3%）</source>
        <translation>Erros: %1 de %2 vezes (%3%)</translation>
    </message>
    <message>
        <source>クラスの答えるまでの時間（中央値） %1 秒</source>
        <translation>Tempo normal da turma para responder: %1 segundos</translation>
    </message>
    <message>
        <source>%1 を練習した子がまだいないので、印刷するものがありません。</source>
        <translation>Ninguém treinou %1 ainda, então não há nada para imprimir.</translation>
    </message>
    <message>
        <source>記録を読めなかったため、印刷しませんでした。
%1</source>
        <translation>Não foi possível ler os resultados, então nada foi impresso.
%1</translation>
    </message>
</context>
<context>
    <name>ClassReader</name>
    <message>
        <source>クラスのサーバーのデータの形式（第%1版）は、このVantelが知っている形式（第%2版）より新しいため、使えません。Vantelを新しくしてください。記録はこのパソコンに残ります。</source>
        <translation>Os dados do servidor da turma estão num formato (versão %1) mais novo do que este Vantel conhece (versão %2) e não podem ser usados. Atualize o Vantel. Os resultados ficam guardados neste computador.</translation>
    </message>
    <message>
        <source>クラスのサーバーの準備が古いままです（第%1版）。管理者に classroom-setup.sh install を頼んでください。記録はこのパソコンに残ります。</source>
        <translation>O servidor da turma ainda está preparado para uma versão antiga (versão %1). Peça ao administrador para rodar classroom-setup.sh install. Os resultados ficam guardados neste computador.</translation>
    </message>
    <message>
        <source>%1（まだ一度も）</source>
        <translation>%1 (nunca)</translation>
    </message>
    <message>
        <source>%1（最後 %2）</source>
        <translation>%1 (último %2)</translation>
    </message>
    <message>
        <source>、</source>
        <extracomment>Between the names of computers in a list</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>、ほか %1 台</source>
        <extracomment>After the list of computers: and %1 more</extracomment>
        <translation>, e mais %1</translation>
    </message>
    <message>
        <source>つながっていないパソコン: %1</source>
        <translation>Computadores sem conexão: %1</translation>
    </message>
</context>
<context>
    <name>ClassRoster</name>
    <message>
        <source>クラスのサーバーが名簿とクラス全体の成績にまだ対応していません。管理者に classroom-setup.sh install をもう一度頼んでください。ほかの記録はこれまでどおり使えます。</source>
        <translation>O servidor da turma ainda não aceita a lista da turma nem os resultados da turma toda. Peça ao administrador para rodar classroom-setup.sh install de novo. Os outros resultados funcionam como antes.</translation>
    </message>
    <message>
        <source>名前が長すぎます（%1文字まで）</source>
        <translation>O nome é comprido demais (até %1 caracteres)</translation>
    </message>
    <message>
        <source>名簿に入る名前は1クラス%1人までです</source>
        <translation>A lista aceita até %1 nomes por turma</translation>
    </message>
    <message>
        <source>名前が空か、使えない文字（改行や制御文字）が入っています</source>
        <translation>O nome está vazio ou tem caracteres que não podem ser usados (quebras de linha ou caracteres de controle)</translation>
    </message>
    <message>
        <source>このクラスの名簿を変えることは許されていません</source>
        <translation>Você não tem permissão para mudar a lista desta turma</translation>
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
        <translation>7 dias sem treino</translation>
    </message>
    <message>
        <source>まだ一度も練習していません</source>
        <translation>Ainda não treinou nenhuma vez</translation>
    </message>
    <message>
        <source>最近 7 日間に練習していません（これまでに %1 回）</source>
        <translation>Não treinou nos últimos 7 dias (%1 vezes ao todo)</translation>
    </message>
    <message>
        <source>これまでに %1 回</source>
        <translation>%1 vezes ao todo</translation>
    </message>
    <message>
        <source>最近5回の平均と、その前の5回の平均の差（−は速くなった）</source>
        <translation>Diferença entre a média das 5 últimas vezes e a das 5 anteriores (− quer dizer mais rápido)</translation>
    </message>
    <message>
        <source>6回以上で表示します</source>
        <translation>Aparece depois de 6 vezes ou mais</translation>
    </message>
    <message>
        <source>名前</source>
        <extracomment>Column header: the child&apos;s name</extracomment>
        <translation>Nome</translation>
    </message>
    <message>
        <source>練習</source>
        <extracomment>Column header: whether the child practised lately</extracomment>
        <translation>Treino</translation>
    </message>
    <message>
        <source>ベスト</source>
        <extracomment>Column header: the best time</extracomment>
        <translation>Melhor</translation>
    </message>
    <message>
        <source>最新</source>
        <extracomment>Column header: the latest time</extracomment>
        <translation>Último</translation>
    </message>
    <message>
        <source>7日間</source>
        <extracomment>Column header: attempts in the last 7 days</extracomment>
        <translation>7 dias</translation>
    </message>
    <message>
        <source>傾向</source>
        <extracomment>Column header: the trend of the times</extracomment>
        <translation>Tendência</translation>
    </message>
</context>
<context>
    <name>ClassView</name>
    <message>
        <source>クラス:</source>
        <translation>Turma:</translation>
    </message>
    <message>
        <source>読み直す</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>CSVに書き出す...</source>
        <translation>Salvar como CSV...</translation>
    </message>
    <message>
        <source>クラスの表を表計算ソフトで開けるファイルにします</source>
        <translation>Salva a tabela da turma num arquivo que abre na planilha eletrônica</translation>
    </message>
    <message>
        <source>一人ずつ</source>
        <extracomment>Tab: the class table, a row for each child</extracomment>
        <translation>Cada aluno</translation>
    </message>
    <message>
        <source>クラスの問題ごとのできぐあい</source>
        <extracomment>Tab: the class&apos;s fact map</extracomment>
        <translation>Como a turma foi em cada conta</translation>
    </message>
    <message>
        <source>読み込んでいます...</source>
        <translation>Carregando...</translation>
    </message>
    <message>
        <source>クラスの記録を読めませんでした: %1</source>
        <translation>Não foi possível ler os resultados da turma: %1</translation>
    </message>
    <message>
        <source>名簿を読めませんでした: %1</source>
        <translation>Não foi possível ler a lista da turma: %1</translation>
    </message>
    <message>
        <source>このクラスの記録はまだありません。名簿は「名簿を読み込む...」で作れます。</source>
        <extracomment>「名簿を読み込む...」 is the button&apos;s own text</extracomment>
        <translation>Esta turma ainda não tem resultados. Você pode fazer a lista da turma com “Abrir lista da turma...”.</translation>
    </message>
    <message>
        <source>%1 人（%2: %3 人）。名前をダブルクリックすると、その子の記録（グラフ・表・問題ごとのできぐあい）を見られます。時間は 分:秒、傾向の − は速くなったことを表します。</source>
        <translation>%1 alunos (%2: %3). Clique duas vezes num nome para ver os resultados da criança (gráfico, tabela, como foi cada conta). Os tempos estão em minutos:segundos; − na tendência quer dizer que ficou mais rápido.</translation>
    </message>
    <message>
        <source>CSV ファイル (*.csv)|*.csv</source>
        <extracomment>File dialog filter: the name, then the pattern after &quot;|&quot;; keep the patterns</extracomment>
        <translation>Arquivos CSV (*.csv)|*.csv</translation>
    </message>
    <message>
        <source>クラスの記録_%1.csv</source>
        <extracomment>The file name offered for the class table; %1 is the class</extracomment>
        <translation>resultados_turma_%1.csv</translation>
    </message>
    <message>
        <source>ファイル %1 に書き込めませんでした。</source>
        <translation>Não foi possível gravar o arquivo %1.</translation>
    </message>
</context>
<context>
    <name>ClassWorksheetRun</name>
    <message>
        <source>一人ずつの苦手な問題を読んでいます...</source>
        <translation>Lendo as contas difíceis de cada aluno...</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>全員の苦手プリント</source>
        <translation>Folha de treino de cada aluno</translation>
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
        <translation>O servidor recusou o login %1 deste computador (%2)</translation>
    </message>
    <message>
        <source>このパソコンのログインはサーバーに拒否されました（%1）</source>
        <translation>O servidor recusou o login deste computador (%1)</translation>
    </message>
    <message>
        <source>このパソコンのログイン %1 は読み取りしかできないため、記録を送れません</source>
        <translation>O login %1 deste computador só permite leitura; não é possível enviar os resultados</translation>
    </message>
    <message>
        <source>このパソコンのログインは読み取りしかできないため、記録を送れません</source>
        <translation>O login deste computador só permite leitura; não é possível enviar os resultados</translation>
    </message>
    <message>
        <source>パスワードが違います</source>
        <translation>a senha está errada</translation>
    </message>
    <message>
        <source>このパソコンからの接続が許されていません</source>
        <translation>este computador não tem permissão para se conectar</translation>
    </message>
    <message>
        <source>ログインが使えなくなっています</source>
        <translation>o login foi desativado</translation>
    </message>
    <message>
        <source>同じログインの接続が多すぎます</source>
        <translation>conexões demais com o mesmo login</translation>
    </message>
    <message>
        <source>クラスのサーバーが暗号化（TLS）に応じないため、つなぎませんでした</source>
        <translation>O servidor da turma não aceita criptografia (TLS); a conexão não foi feita</translation>
    </message>
    <message>
        <source>クラスのサーバーの証明書が信頼できないため、つなぎませんでした</source>
        <translation>O certificado do servidor da turma não é confiável; a conexão não foi feita</translation>
    </message>
    <message>
        <source>クラスのサーバーが安全でない方法でパスワードを求めたため、送りませんでした</source>
        <translation>O servidor da turma pediu a senha de um jeito inseguro; a senha não foi enviada</translation>
    </message>
    <message>
        <source>最後につながったのは %1</source>
        <translation>Última conexão: %1</translation>
    </message>
    <message>
        <source>まだつながっていません</source>
        <translation>Ainda não se conectou</translation>
    </message>
    <message>
        <source>&#x3000;送信待ち %1 件</source>
        <extracomment>Appended to the status line, after a wide space</extracomment>
        <translation>   esperando para enviar: %1</translation>
    </message>
    <message>
        <source>&#x3000;送れない記録 %1 件</source>
        <extracomment>Appended to the status line, after a wide space</extracomment>
        <translation>   resultados não enviados: %1</translation>
    </message>
    <message>
        <source>クラスのサーバー: つないでいます（%1）</source>
        <translation>Servidor da turma: conectando (%1)</translation>
    </message>
    <message>
        <source>クラスのサーバー: つながっています（%1）</source>
        <translation>Servidor da turma: conectado (%1)</translation>
    </message>
    <message>
        <source>クラスのサーバーにつながりません（%1）</source>
        <translation>Servidor da turma: sem conexão (%1)</translation>
    </message>
    <message>
        <source>クラスのサーバーがこのパソコンからの記録を受け付けません（%1）</source>
        <translation>O servidor da turma não aceita os resultados deste computador (%1)</translation>
    </message>
    <message>
        <source>サーバーの答え: %1</source>
        <translation>Resposta do servidor: %1</translation>
    </message>
    <message>
        <source>送れない記録の理由: %1</source>
        <translation>Por que os resultados não foram enviados: %1</translation>
    </message>
    <message>
        <source>クラス</source>
        <extracomment>The class on the server, as a source of records beside &quot;this computer&quot;</extracomment>
        <translation>Turma</translation>
    </message>
</context>
<context>
    <name>Clock</name>
    <message>
        <source>月曜日</source>
        <translation>seg</translation>
    </message>
    <message>
        <source>火曜日</source>
        <translation>ter</translation>
    </message>
    <message>
        <source>水曜日</source>
        <translation>qua</translation>
    </message>
    <message>
        <source>木曜日</source>
        <translation>qui</translation>
    </message>
    <message>
        <source>金曜日</source>
        <translation>sex</translation>
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
        <translation>Sem nome</translation>
    </message>
    <message>
        <source>たしざん</source>
        <translation>Adição</translation>
    </message>
    <message>
        <source>ひきざん</source>
        <translation>Subtração</translation>
    </message>
    <message>
        <source>かけざん</source>
        <translation>Multiplicação</translation>
    </message>
    <message>
        <source>九九</source>
        <translation>Tabuada</translation>
    </message>
</context>
<context>
    <name>EventSounds</name>
    <message>
        <source>音を鳴らそうと思ったのですが、
WAVファイルを発見出来ませんでした。
その存在を確認して、サウンド設定を
もう一度やり直して下さい。</source>
        <translation>Tentei tocar um som,
mas não encontrei o arquivo WAV.
Veja se o arquivo ainda existe
e escolha o som de novo.</translation>
    </message>
    <message>
        <source>音を鳴らそうと思ったのですが、
WAVファイルを発見出来ませんでした。
次回使うときに、サウンド設定をやり直すか、
チェックをoffにしてください。</source>
        <translation>Tentei tocar um som,
mas não encontrei o arquivo WAV.
Da próxima vez, escolha o som de novo
ou desmarque a caixa dele.</translation>
    </message>
    <message>
        <source>音声ファイル( *.wav )|*.wav</source>
        <translation>Arquivos de som ( *.wav )|*.wav</translation>
    </message>
</context>
<context>
    <name>FactMapView</name>
    <message>
        <source>
まだ記録がありません</source>
        <translation>
Ainda não feita</translation>
    </message>
    <message>
        <source>
まちがい %1 / %2 回（%3%）</source>
        <translation>
Errou %1 de %2 vezes (%3%)</translation>
    </message>
    <message>
        <source>
答えるまでの時間（中央値） %1 秒</source>
        <translation>
Tempo normal para responder: %1 segundos</translation>
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
        <translation>O arquivo de ajuda %1 não foi encontrado.</translation>
    </message>
    <message>
        <source>ヘルプファイル %1 が見つかりません。
探した場所:
%2</source>
        <extracomment>%2 is the list of folders searched, one a line.</extracomment>
        <translation>O arquivo de ajuda %1 não foi encontrado.
Lugares procurados:
%2</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Vantel ヘルプ</source>
        <translation>Ajuda do Vantel</translation>
    </message>
    <message>
        <source>目次</source>
        <extracomment>The help&apos;s table of contents, as a tab and as the button that opens its first page.</extracomment>
        <translation>Conteúdo</translation>
    </message>
    <message>
        <source>キーワード</source>
        <extracomment>The tab of the keyword index.</extracomment>
        <translation>Palavras-chave</translation>
    </message>
    <message>
        <source>戻る</source>
        <extracomment>Go back to the page shown before.</extracomment>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>進む</source>
        <extracomment>Go forward again after going back.</extracomment>
        <translation>Avançar</translation>
    </message>
    <message>
        <source>探したい言葉を入力してください：</source>
        <translation>Digite a palavra que você procura:</translation>
    </message>
    <message>
        <source>ヘルプファイル %1 を開けません。</source>
        <translation>Não é possível abrir o arquivo de ajuda %1.</translation>
    </message>
    <message>
        <source>ヘルプファイル %1 にヘルプの内容が登録されていません。</source>
        <translation>O arquivo de ajuda %1 não tem nenhum conteúdo registrado.</translation>
    </message>
    <message>
        <source>ヘルプファイル %1 が見つかりません。</source>
        <translation>O arquivo de ajuda %1 não foi encontrado.</translation>
    </message>
    <message>
        <source>トピックの選択</source>
        <translation>Escolher um tópico</translation>
    </message>
    <message>
        <source>表示するページを選んでください：</source>
        <translation>Escolha a página que você quer ver:</translation>
    </message>
</context>
<context>
    <name>JpegImage</name>
    <message>
        <source>JPEG エラー #%1</source>
        <extracomment>%1 is libjpeg&apos;s message number.</extracomment>
        <translation>Erro de JPEG #%1</translation>
    </message>
    <message>
        <source>ファイル %1 は開けません</source>
        <translation>Não é possível abrir o arquivo %1</translation>
    </message>
</context>
<context>
    <name>Judge</name>
    <message>
        <source>○ の数は、%1/%2 こです。</source>
        <translation>Você acertou %1 de %2.</translation>
    </message>
    <message>
        <source>未入力項目があります
すへての升を埋めてから
ストップを押してください。</source>
        <translation>Há quadrados vazios.
Preencha todos os quadrados
e depois aperte Parar.</translation>
    </message>
    <message>
        <source>全問正解そのうえ
ベストタイムです。
たいへんよくできました。</source>
        <translation>Acertou todas e
fez o seu melhor tempo!
Muito bem, parabéns!</translation>
    </message>
    <message>
        <source>
全問正解・よくできました。</source>
        <translation>
Acertou todas. Muito bem!</translation>
    </message>
</context>
<context>
    <name>NamePanelPrint</name>
    <message>
        <source>なまえ</source>
        <extracomment>The word a teacher writes in a worksheet&apos;s name panel before the child&apos;s name (&quot;Name&quot;); the class print run puts each child&apos;s name in the cell after it.</extracomment>
        <translation>Nome</translation>
    </message>
</context>
<context>
    <name>NumberedSheets</name>
    <message>
        <source>ちがう問題を %1 枚作れませんでした。</source>
        <translation>Não foi possível fazer %1 folhas com contas diferentes.</translation>
    </message>
    <message>
        <source>No. %1&#x3000;こたえ</source>
        <extracomment>Printed above the answer key of a numbered sheet; こたえ means &quot;answers&quot;.</extracomment>
        <translation>Nº %1  Respostas</translation>
    </message>
    <message>
        <source>No. %1</source>
        <extracomment>Printed above each numbered sheet.</extracomment>
        <translation>Nº %1</translation>
    </message>
</context>
<context>
    <name>NumberedSheetsDialog</name>
    <message>
        <source>ちがうプリントを N 枚</source>
        <translation>Várias folhas diferentes</translation>
    </message>
    <message>
        <source> 枚</source>
        <translation> folhas</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>ドリル(&amp;D)</source>
        <translation>&amp;Exercício</translation>
    </message>
    <message>
        <source>枚数(&amp;N)</source>
        <translation>&amp;Número de folhas</translation>
    </message>
    <message>
        <source>番号つきのプリントと、同じ番号の答えを印刷します。</source>
        <translation>Imprime folhas numeradas e depois os gabaritos com os mesmos números.</translation>
    </message>
</context>
<context>
    <name>Outbox</name>
    <message>
        <source>送信待ちの記録 (%1) を読み書きできません: %2</source>
        <translation>Não é possível ler nem gravar a fila de envio (%1): %2</translation>
    </message>
    <message>
        <source>送信待ちの記録 (%1) を開けません: %2</source>
        <translation>Não é possível abrir a fila de envio (%1): %2</translation>
    </message>
    <message>
        <source>送信待ちの記録 (%1) を書きかえられません: %2</source>
        <translation>Não é possível alterar a fila de envio (%1): %2</translation>
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
        <translation>seg</translation>
    </message>
    <message>
        <source>時間</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>ベストタイム</source>
        <translation>Melhor tempo</translation>
    </message>
    <message>
        <source>まちがいあり</source>
        <translation>Com erros</translation>
    </message>
    <message>
        <source>よくできている</source>
        <translation>Indo bem</translation>
    </message>
    <message>
        <source>時間がかかる・ときどきまちがえる</source>
        <translation>Demora ou erra às vezes</translation>
    </message>
    <message>
        <source>よくまちがえる</source>
        <translation>Erra muitas vezes</translation>
    </message>
    <message>
        <source>記録なし</source>
        <translation>Ainda não feita</translation>
    </message>
    <message>
        <source>成績レポート</source>
        <translation>Relatório de progresso</translation>
    </message>
    <message>
        <source>名前：</source>
        <translation>Nome: </translation>
    </message>
    <message>
        <source>期間：</source>
        <translation>Período: </translation>
    </message>
    <message>
        <source>ドリルごとのタイム</source>
        <translation>Tempos de cada exercício</translation>
    </message>
    <message>
        <source>ドリル</source>
        <translation>Exercício</translation>
    </message>
    <message>
        <source>さいきんのタイム（正解）</source>
        <translation>Último tempo (acertos)</translation>
    </message>
    <message>
        <source>回数</source>
        <translation>Vezes</translation>
    </message>
    <message>
        <source>%1 回</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>かかった時間（%1）</source>
        <translation>Quanto tempo levou (%1)</translation>
    </message>
    <message>
        <source>この期間の記録はありません</source>
        <translation>Nenhum resultado neste período</translation>
    </message>
    <message>
        <source>問題ごとのできぐあい（%1）</source>
        <translation>Como foi cada conta (%1)</translation>
    </message>
    <message>
        <source>練習するとよい問題</source>
        <translation>Contas para treinar</translation>
    </message>
    <message>
        <source>ます目の数字はまちがえた回数です。</source>
        <translation>O número em cada quadrado é quantas vezes errou.</translation>
    </message>
    <message>
        <source>苦手な問題はまだ見つかっていません</source>
        <translation>Ainda não há contas difíceis</translation>
    </message>
    <message>
        <source>まちがいが多い問題と、答えるのに時間が</source>
        <translation>As contas com mais erros ou que demoram mais</translation>
    </message>
    <message>
        <source>かかる問題を、苦手な順にならべました。</source>
        <translation>para responder, a mais difícil primeiro.</translation>
    </message>
    <message>
        <source>&#x3000;作成日：</source>
        <translation>   Feito em </translation>
    </message>
    <message>
        <source> 〜 </source>
        <translation> a </translation>
    </message>
    <message>
        <source>まだ</source>
        <translation>Ainda não</translation>
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
        <translation>O driver do PostgreSQL (QPSQL) não está instalado</translation>
    </message>
    <message>
        <source>接続できません</source>
        <translation>Não foi possível conectar</translation>
    </message>
    <message>
        <source>接続していません</source>
        <translation>Sem conexão</translation>
    </message>
    <message>
        <source>問い合わせを準備できません</source>
        <translation>Não foi possível preparar a consulta</translation>
    </message>
    <message>
        <source>問い合わせが失敗しました</source>
        <translation>A consulta falhou</translation>
    </message>
    <message>
        <source>トランザクションを始められません</source>
        <translation>Não foi possível começar a transação</translation>
    </message>
    <message>
        <source>記録を確定できません</source>
        <translation>Não foi possível confirmar o resultado</translation>
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
        <translation>Impressão</translation>
    </message>
    <message>
        <source>プリントを用意しています（%1 / %2）</source>
        <translation>Preparando as folhas (%1 de %2)</translation>
    </message>
    <message>
        <source>印刷しています（%1 / %2 ページ）</source>
        <translation>Imprimindo (página %1 de %2)</translation>
    </message>
</context>
<context>
    <name>PrinterChoice</name>
    <message>
        <source>Vantel-プリント.pdf</source>
        <extracomment>The default name of the PDF file prints go to; a number is added to it.</extracomment>
        <translation>Vantel-folhas.pdf</translation>
    </message>
    <message>
        <source>フォルダーを作れません。
%1</source>
        <translation>Não é possível criar a pasta.
%1</translation>
    </message>
    <message>
        <source>%1
これ以上ファイルを作れません。</source>
        <translation>%1
Não é possível criar mais arquivos.</translation>
    </message>
</context>
<context>
    <name>PrinterQt</name>
    <message>
        <source>プリンターは印刷中ではありません。</source>
        <translation>A impressora não está imprimindo.</translation>
    </message>
    <message>
        <source>印刷中はプリンターを変えられません。</source>
        <translation>Não é possível trocar de impressora durante a impressão.</translation>
    </message>
    <message>
        <source>すでに印刷中です。</source>
        <translation>A impressão já começou.</translation>
    </message>
    <message>
        <source>プリンター「%1」は使えません。</source>
        <translation>A impressora “%1” não pode ser usada.</translation>
    </message>
    <message>
        <source>プリンター「%1」で印刷を始められません。</source>
        <translation>Não é possível começar a imprimir na impressora “%1”.</translation>
    </message>
    <message>
        <source>%1
印刷を始められません。</source>
        <translation>%1
Não é possível começar a imprimir.</translation>
    </message>
    <message>
        <source>新しいページを始められません。</source>
        <translation>Não é possível começar uma página nova.</translation>
    </message>
</context>
<context>
    <name>PrinterSetupDialog</name>
    <message>
        <source>プリンターの設定</source>
        <translation>Configurar impressora</translation>
    </message>
    <message>
        <source>PDF ファイル</source>
        <extracomment>Printing to a PDF file instead of a printer.</extracomment>
        <translation>Arquivo PDF</translation>
    </message>
    <message>
        <source>参照...</source>
        <translation>Procurar...</translation>
    </message>
    <message>
        <source>縦</source>
        <extracomment>Page orientation: portrait.</extracomment>
        <translation>Retrato</translation>
    </message>
    <message>
        <source>横</source>
        <extracomment>Page orientation: landscape.</extracomment>
        <translation>Paisagem</translation>
    </message>
    <message>
        <source>プリンター:</source>
        <translation>Impressora:</translation>
    </message>
    <message>
        <source>ファイル名:</source>
        <translation>Nome do arquivo:</translation>
    </message>
    <message>
        <source>用紙サイズ:</source>
        <translation>Tamanho do papel:</translation>
    </message>
    <message>
        <source>印刷の向き:</source>
        <translation>Orientação:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>次の印刷は %1 に書き出します。</source>
        <translation>A próxima impressão vai para %1.</translation>
    </message>
    <message>
        <source>PDF ファイル (*.pdf)</source>
        <translation>Arquivos PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>このパソコン</source>
        <translation>Este computador</translation>
    </message>
    <message>
        <source>記録:</source>
        <translation>Resultados de:</translation>
    </message>
    <message>
        <source>&#x3000;まちがい %1/%2 回</source>
        <translation>   errou %1 de %2</translation>
    </message>
    <message>
        <source>&#x3000;%1 秒</source>
        <translation>   %1 segundos</translation>
    </message>
    <message>
        <source>苦手な問題はまだ見つかっていません</source>
        <translation>Ainda não há contas difíceis</translation>
    </message>
    <message>
        <source>成績の記録</source>
        <translation>Meus resultados</translation>
    </message>
    <message>
        <source>最近30日</source>
        <translation>Últimos 30 dias</translation>
    </message>
    <message>
        <source>最近90日</source>
        <translation>Últimos 90 dias</translation>
    </message>
    <message>
        <source>すべて</source>
        <translation>Tudo</translation>
    </message>
    <message>
        <source>CSVに書き出す...</source>
        <translation>Salvar como CSV...</translation>
    </message>
    <message>
        <source>苦手プリント</source>
        <translation>Folha de treino</translation>
    </message>
    <message>
        <source>成績レポート</source>
        <translation>Relatório</translation>
    </message>
    <message>
        <source>保護者に渡す1枚のレポートを印刷します</source>
        <translation>Imprime um relatório de uma página para a família</translation>
    </message>
    <message>
        <source> 問</source>
        <translation> contas</translation>
    </message>
    <message>
        <source>読み込み中…</source>
        <translation>Carregando…</translation>
    </message>
    <message>
        <source>名前:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>ドリル:</source>
        <translation>Exercício:</translation>
    </message>
    <message>
        <source>期間:</source>
        <translation>Período:</translation>
    </message>
    <message>
        <source>かかった時間</source>
        <translation>Quanto tempo levou</translation>
    </message>
    <message>
        <source>時間</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>ベストタイム</source>
        <translation>Melhor tempo</translation>
    </message>
    <message>
        <source>まちがいあり</source>
        <translation>Com erros</translation>
    </message>
    <message>
        <source>日付</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>時間（秒）</source>
        <translation>Segundos</translation>
    </message>
    <message>
        <source>問題ごとのできぐあい（数字はまちがえた回数）</source>
        <translation>Como foi cada conta (o número é quantas vezes errou)</translation>
    </message>
    <message>
        <source>緑: よくできている&#x3000;黄: 時間がかかる・ときどきまちがえる&#x3000;赤: よくまちがえる&#x3000;灰: 記録なし</source>
        <translation>Verde: indo bem   Amarelo: demora ou erra às vezes   Vermelho: erra muitas vezes   Cinza: ainda não feita</translation>
    </message>
    <message>
        <source>苦手な問題</source>
        <translation>Contas difíceis</translation>
    </message>
    <message>
        <source>%1の一覧にもどる</source>
        <translation>Voltar para %1</translation>
    </message>
    <message>
        <source>CSV ファイル (*.csv)|*.csv</source>
        <translation>Arquivos CSV (*.csv)|*.csv</translation>
    </message>
    <message>
        <source>成績の記録_%1.csv</source>
        <translation>resultados_%1.csv</translation>
    </message>
    <message>
        <source>ファイル %1 に書き込めませんでした。</source>
        <translation>Não foi possível gravar o arquivo %1.</translation>
    </message>
</context>
<context>
    <name>ReadAloud</name>
    <message>
        <source>ja</source>
        <comment>espeak-ng voice</comment>
        <extracomment>espeak-ng&apos;s voice for this language&apos;s words (espeak-ng --voices), e.g. en-us</extracomment>
        <translation>pt-br</translation>
    </message>
    <message>
        <source>%1 たす %2</source>
        <translation>%1 mais %2</translation>
    </message>
    <message>
        <source>%1 ひく %2</source>
        <translation>%1 menos %2</translation>
    </message>
    <message>
        <source>%1 かける %2</source>
        <translation>%1 vezes %2</translation>
    </message>
    <message>
        <source>せいかい は %1 こ、%2 もん ちゅう</source>
        <translation>Você acertou %1 de %2</translation>
    </message>
    <message>
        <source>正解</source>
        <extracomment>what a screen reader says of an answer cell marked ○</extracomment>
        <translation>Certa</translation>
    </message>
</context>
<context>
    <name>RosterImport</name>
    <message>
        <source>ファイルが大きすぎます（名簿は %1 KB までです）。読み込みませんでした。</source>
        <translation>O arquivo é grande demais (a lista pode ter até %1 KB). Ele não foi lido.</translation>
    </message>
    <message>
        <source>文字のファイルではないため、読み込みませんでした。</source>
        <translation>Não é um arquivo de texto, então não foi lido.</translation>
    </message>
    <message>
        <source>%1 行目: 名前が長すぎます（%2 文字まで）「%3」</source>
        <translation>Linha %1: nome comprido demais (até %2 caracteres) “%3”</translation>
    </message>
    <message>
        <source>%1 行目: 名前に使えない文字があります</source>
        <translation>Linha %1: o nome tem caracteres que não podem ser usados</translation>
    </message>
    <message>
        <source>%1 行目: 「%2」は前にもあるので、1 回だけにしました</source>
        <translation>Linha %1: “%2” já apareceu antes e ficou só uma vez</translation>
    </message>
    <message>
        <source>%1 人を超えた %2 人は読み込みませんでした</source>
        <translation>%2 nomes além do limite de %1 não foram lidos</translation>
    </message>
    <message>
        <source>ほか %1 件</source>
        <translation>e mais %1</translation>
    </message>
    <message>
        <source>名前が見つかりませんでした。</source>
        <translation>Nenhum nome foi encontrado.</translation>
    </message>
</context>
<context>
    <name>RosterPanel</name>
    <message>
        <source>名前が空です。</source>
        <translation>O nome está vazio.</translation>
    </message>
    <message>
        <source>名前が長すぎます（%1 文字まで）。</source>
        <translation>O nome é comprido demais (até %1 caracteres).</translation>
    </message>
    <message>
        <source>名前に使えない文字があります。</source>
        <translation>O nome tem caracteres que não podem ser usados.</translation>
    </message>
    <message>
        <source>「%1」はもう名簿にあります。</source>
        <translation>“%1” já está na lista.</translation>
    </message>
    <message>
        <source>名簿を読み込む...</source>
        <translation>Abrir lista da turma...</translation>
    </message>
    <message>
        <source>名前を加える...</source>
        <translation>Adicionar nome...</translation>
    </message>
    <message>
        <source>名前を変える...</source>
        <translation>Mudar nome...</translation>
    </message>
    <message>
        <source>名簿から外す...</source>
        <translation>Tirar da lista...</translation>
    </message>
    <message>
        <source>名簿の名前にまとめる...</source>
        <translation>Juntar a um nome da lista...</translation>
    </message>
    <message>
        <source>名簿にない名前（%1）: 名簿の名前の子の記録なら、まとめられます</source>
        <extracomment>The title over the names of attempts not on the class list; %1 is how many</extracomment>
        <translation>Nomes fora da lista (%1): se forem de uma criança da lista, você pode juntar os resultados</translation>
    </message>
    <message>
        <source>%1&#x3000;（%2 回）</source>
        <extracomment>A name not on the class list and how many attempts it has</extracomment>
        <translation>%1  (%2 vezes)</translation>
    </message>
    <message>
        <source>名簿（テキスト・CSV） (*.txt *.csv)|*.txt;*.csv|すべてのファイル (*)|*</source>
        <extracomment>File dialog filters: each name, then its patterns after &quot;|&quot;; keep the patterns</extracomment>
        <translation>Lista da turma (texto, CSV) (*.txt *.csv)|*.txt;*.csv|Todos os arquivos (*)|*</translation>
    </message>
    <message>
        <source>ファイル %1 を開けませんでした。</source>
        <translation>Não foi possível abrir o arquivo %1.</translation>
    </message>
    <message>
        <source>%1 から名前を読めませんでした。
%2</source>
        <translation>Não foi possível ler os nomes de %1.
%2</translation>
    </message>
    <message>
        <source>名簿に名前を加えられませんでした。</source>
        <translation>Não foi possível acrescentar os nomes à lista.</translation>
    </message>
    <message>
        <source>%1 人を名簿に加えました。</source>
        <translation>%1 nomes acrescentados à lista.</translation>
    </message>
    <message>
        <source>（%1 人はもう名簿にありました）</source>
        <translation> (%1 já estavam na lista)</translation>
    </message>
    <message>
        <source>

読み込まなかった行:
%1</source>
        <translation>

Linhas não lidas:
%1</translation>
    </message>
    <message>
        <source>名前を加える</source>
        <translation>Adicionar nome</translation>
    </message>
    <message>
        <source>名簿に加える名前:</source>
        <translation>Nome para acrescentar à lista:</translation>
    </message>
    <message>
        <source>名前を変える子を、表で選んでください。</source>
        <translation>Escolha na tabela a criança cujo nome você quer mudar.</translation>
    </message>
    <message>
        <source>名前を変える</source>
        <translation>Mudar nome</translation>
    </message>
    <message>
        <source>「%1」の新しい名前:</source>
        <translation>Novo nome para “%1”:</translation>
    </message>
    <message>
        <source>「%1」を「%2」に変えます。
「%1」のこれまでの記録も、すべて「%2」の記録になります。</source>
        <translation>“%1” vai mudar para “%2”.
Todos os resultados de “%1” também passam a ser de “%2”.</translation>
    </message>
    <message>
        <source>「%1」の名前を変えられませんでした。</source>
        <translation>Não foi possível mudar o nome de “%1”.</translation>
    </message>
    <message>
        <source>名簿から外す子を、表で選んでください。</source>
        <translation>Escolha na tabela a criança que vai sair da lista.</translation>
    </message>
    <message>
        <source>名簿から外す</source>
        <translation>Tirar da lista</translation>
    </message>
    <message>
        <source>「%1」を名簿から外します。
記録は消えずに残ります。</source>
        <translation>“%1” vai sair da lista.
Os resultados não são apagados.</translation>
    </message>
    <message>
        <source>「%1」を名簿から外せませんでした。</source>
        <translation>Não foi possível tirar “%1” da lista.</translation>
    </message>
    <message>
        <source>まとめる名前を「名簿にない名前」から選んでください。</source>
        <translation>Escolha em “Nomes fora da lista” o nome que você quer juntar.</translation>
    </message>
    <message>
        <source>名簿の名前にまとめる</source>
        <translation>Juntar a um nome da lista</translation>
    </message>
    <message>
        <source>「%1」の記録をまとめる名簿の名前:</source>
        <translation>Nome da lista que vai receber os resultados de “%1”:</translation>
    </message>
    <message>
        <source>「%1」の記録 %2 回を「%3」の記録にします。</source>
        <translation>Os %2 resultados de “%1” vão passar para “%3”.</translation>
    </message>
    <message>
        <source>「%1」の記録をまとめられませんでした。</source>
        <translation>Não foi possível juntar os resultados de “%1”.</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>%1 に書き込めません</source>
        <translation>Não é possível gravar em %1</translation>
    </message>
</context>
<context>
    <name>SpreadsheetCalc</name>
    <message>
        <source>セル (%1, %2) は表計算ソフト (LibreOffice Calc)のワークシートの外です</source>
        <translation>A célula (%1, %2) está fora da planilha do LibreOffice Calc</translation>
    </message>
    <message>
        <source>ワークシート %1 はありません</source>
        <translation>A planilha %1 não existe</translation>
    </message>
    <message>
        <source>セル (%1, %2) の文字列が長すぎます (%3 文字まで)</source>
        <translation>O texto da célula (%1, %2) é comprido demais (até %3 caracteres)</translation>
    </message>
    <message>
        <source>フォルダ %1 を作成できません</source>
        <translation>Não é possível criar a pasta %1</translation>
    </message>
    <message>
        <source>ファイル %1 を作成できません</source>
        <translation>Não é possível criar o arquivo %1</translation>
    </message>
    <message>
        <source>表計算ソフト (LibreOffice Calc) を起動できません</source>
        <translation>Não é possível abrir a planilha eletrônica (LibreOffice Calc)</translation>
    </message>
    <message>
        <source>表計算ソフト (LibreOffice Calc) がインストールされていません</source>
        <translation>A planilha eletrônica (LibreOffice Calc) não está instalada</translation>
    </message>
</context>
<context>
    <name>SpreadsheetXlsx</name>
    <message>
        <source>Couldn&apos;t load libxlsxwriter: %1</source>
        <extracomment>%1 is the system&apos;s own reason, in English.</extracomment>
        <translation>Não foi possível carregar a libxlsxwriter: %1</translation>
    </message>
    <message>
        <source>ファイル %1 を作成できません</source>
        <translation>Não é possível criar o arquivo %1</translation>
    </message>
    <message>
        <source>ファイル %1 を作成できません (%2)</source>
        <extracomment>%2 is the library&apos;s own reason, in English.</extracomment>
        <translation>Não é possível criar o arquivo %1 (%2)</translation>
    </message>
</context>
<context>
    <name>SqliteHistory</name>
    <message>
        <source>フォルダー %1 を作れません。</source>
        <translation>Não é possível criar a pasta %1.</translation>
    </message>
    <message>
        <source>壊れた記録ファイル %1 を移せません。</source>
        <translation>Não é possível mover o arquivo de resultados estragado %1.</translation>
    </message>
    <message>
        <source>成績の記録ファイルが壊れていたので、別の名前で残して新しい記録を始めます。
元のファイル: %1</source>
        <translation>O arquivo de resultados estava estragado. Ele foi guardado com outro nome, e um arquivo novo foi começado.
Arquivo original: %1</translation>
    </message>
    <message>
        <source>成績を記録できませんでした。ディスクの空きや、記録のフォルダーに書き込めるかを確かめてください。
この回の成績は覚えておき、次の回かプログラムの終了時にもう一度記録します。
%1</source>
        <extracomment>%1 is the database&apos;s own reason, often in English.</extracomment>
        <translation>Não foi possível guardar o resultado. Veja se há espaço no disco e se é possível gravar na pasta dos resultados.
O resultado desta vez fica na memória e será gravado de novo na próxima vez ou quando o programa fechar.
%1</translation>
    </message>
</context>
<context>
    <name>TApplication</name>
    <message>
        <source>不明なエラーです。</source>
        <translation>Erro desconhecido.</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>問題を読み上げる</source>
        <translation>Ler as contas em voz alta</translation>
    </message>
    <message>
        <source>記録(&amp;R)</source>
        <translation>&amp;Resultados</translation>
    </message>
    <message>
        <source>成績の記録を見る...</source>
        <translation>Ver meus resultados...</translation>
    </message>
    <message>
        <source>プリント(&amp;W)</source>
        <translation>&amp;Folhas</translation>
    </message>
    <message>
        <source>ちがうプリントを N 枚...</source>
        <translation>Várias folhas diferentes...</translation>
    </message>
    <message>
        <source>言語 / Language</source>
        <translation>Idioma / 言語</translation>
    </message>
    <message>
        <source> たしざん </source>
        <translation> Adição </translation>
    </message>
    <message>
        <source> ひきざん </source>
        <translation> Subtração </translation>
    </message>
    <message>
        <source> かけざん </source>
        <translation> Multiplicação </translation>
    </message>
    <message>
        <source> 九九</source>
        <translation> Tabuada</translation>
    </message>
    <message>
        <source> Print</source>
        <translation> Imprimir</translation>
    </message>
    <message>
        <source> Sound &amp;&amp; Picture</source>
        <translation> Som &amp;&amp; Imagem</translation>
    </message>
    <message>
        <source>スタート</source>
        <translation>Começar</translation>
    </message>
    <message>
        <source>問題作成&amp;時計がスタートします。</source>
        <translation>Faz contas novas e liga o cronômetro.</translation>
    </message>
    <message>
        <source>ストップ</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>問題成否判定・時計のストップ</source>
        <translation>Confere as respostas e para o cronômetro.</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>問題・回答のクリア</source>
        <translation>Apaga as contas e as respostas.</translation>
    </message>
    <message>
        <source>ソフトの出口</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>ヘルプ</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>バージョン情報を表示します。</source>
        <translation>Sobre o Vantel</translation>
    </message>
    <message>
        <source>たしざん</source>
        <translation>Adição</translation>
    </message>
    <message>
        <source>ひきざん</source>
        <translation>Subtração</translation>
    </message>
    <message>
        <source>かけざん</source>
        <translation>Multiplicação</translation>
    </message>
    <message>
        <source>九九</source>
        <translation>Tabuada</translation>
    </message>
    <message>
        <source>プリント用紙印刷設定</source>
        <translation>Imprimir folhas de exercícios</translation>
    </message>
    <message>
        <source>氏名らん</source>
        <translation>Cabeçalho</translation>
    </message>
    <message>
        <source>足し算のプリント印刷</source>
        <translation>Imprimir adição</translation>
    </message>
    <message>
        <source>引き算のプリント印刷</source>
        <translation>Imprimir subtração</translation>
    </message>
    <message>
        <source>掛け算のプリント印刷</source>
        <translation>Imprimir multiplicação</translation>
    </message>
    <message>
        <source>九九のプリント印刷</source>
        <translation>Imprimir tabuada</translation>
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
        <translation>Salvar ou abrir o cabeçalho das folhas</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>読込</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Excelに転送</source>
        <translation>Para o Excel</translation>
    </message>
    <message>
        <source>クリアー</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>プリンターのセットアップ</source>
        <translation>Impressora</translation>
    </message>
    <message>
        <source>セットアップ</source>
        <translation>Configurar</translation>
    </message>
    <message>
        <source>サウンド設定</source>
        <translation>Sons</translation>
    </message>
    <message>
        <source>バージョン情報を表示した時に音を鳴らします。</source>
        <translation>Tocar um som ao mostrar o Sobre.</translation>
    </message>
    <message>
        <source>サウンドファイル (1)</source>
        <translation>Arquivo de som (1)</translation>
    </message>
    <message>
        <source>参照 1</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>テスト</source>
        <translation>Ouvir</translation>
    </message>
    <message>
        <source>テスト (1)</source>
        <translation>Ouvir (1)</translation>
    </message>
    <message>
        <source>ページを切り替える時音を鳴らします。</source>
        <translation>Tocar um som ao trocar de página.</translation>
    </message>
    <message>
        <source>サウンドファイル (2)</source>
        <translation>Arquivo de som (2)</translation>
    </message>
    <message>
        <source>参照 2</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>テスト (2)</source>
        <translation>Ouvir (2)</translation>
    </message>
    <message>
        <source>終了ボタンを押した時に音を鳴らします。</source>
        <translation>Tocar um som ao sair.</translation>
    </message>
    <message>
        <source>サウンドファイル (4)</source>
        <translation>Arquivo de som (4)</translation>
    </message>
    <message>
        <source>参照4</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>テスト (4)</source>
        <translation>Ouvir (4)</translation>
    </message>
    <message>
        <source>全問正解の時に音を鳴らします。</source>
        <translation>Tocar um som quando acertar todas.</translation>
    </message>
    <message>
        <source>サウンドファイル (5)</source>
        <translation>Arquivo de som (5)</translation>
    </message>
    <message>
        <source>参照5</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>テスト (5)</source>
        <translation>Ouvir (5)</translation>
    </message>
    <message>
        <source>全問正解 &amp;&amp; ハイスコア の時音を鳴らします。</source>
        <translation>Tocar um som: todas certas &amp;&amp; recorde.</translation>
    </message>
    <message>
        <source>サウンドファイル (3)</source>
        <translation>Arquivo de som (3)</translation>
    </message>
    <message>
        <source>参照 3</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>テスト (3)</source>
        <translation>Ouvir (3)</translation>
    </message>
    <message>
        <source>画像変更</source>
        <translation>Imagem</translation>
    </message>
    <message>
        <source>バージョン情報の画像を変更できます。</source>
        <translation>Troque a imagem do Sobre.</translation>
    </message>
    <message>
        <source>&#x3000;開く</source>
        <translation> Abrir</translation>
    </message>
    <message>
        <source>Open Voice </source>
        <translation>Saudação</translation>
    </message>
    <message>
        <source>起動した時に、挨拶します。</source>
        <translation>Cumprimentar ao abrir.</translation>
    </message>
    <message>
        <source>起動時の挨拶をミュートします。</source>
        <translation>Liga ou desliga a saudação ao abrir.</translation>
    </message>
    <message>
        <source>「おはようございます」</source>
        <translation>“Bom dia”</translation>
    </message>
    <message>
        <source>挨拶のテスト発声</source>
        <translation>Ouvir a saudação</translation>
    </message>
    <message>
        <source>テスト「おはようございます」</source>
        <translation>Ouvir “Bom dia”</translation>
    </message>
    <message>
        <source>「こんにちは」</source>
        <translation>“Boa tarde”</translation>
    </message>
    <message>
        <source>テスト「こんにちは」</source>
        <translation>Ouvir “Boa tarde”</translation>
    </message>
    <message>
        <source>「こんばんは」</source>
        <translation>“Boa noite”</translation>
    </message>
    <message>
        <source>テスト「こんばんは」</source>
        <translation>Ouvir “Boa noite”</translation>
    </message>
    <message>
        <source>ベストタイムの初期化</source>
        <translation>Zerar melhores tempos</translation>
    </message>
    <message>
        <source>足し算を初期化します。</source>
        <translation>Zerar adição.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>足し算のベストタイムを初期化</source>
        <translation>Zerar o melhor tempo de adição</translation>
    </message>
    <message>
        <source>引き算を初期化します。</source>
        <translation>Zerar subtração.</translation>
    </message>
    <message>
        <source>引き算のベストタイムを初期化</source>
        <translation>Zerar o melhor tempo de subtração</translation>
    </message>
    <message>
        <source>掛け算を初期化します。</source>
        <translation>Zerar multiplicação.</translation>
    </message>
    <message>
        <source>掛け算のベストタイムを初期化</source>
        <translation>Zerar o melhor tempo de multiplicação</translation>
    </message>
    <message>
        <source>九九を初期化します。</source>
        <translation>Zerar tabuada.</translation>
    </message>
    <message>
        <source>九九のベストタイムを初期化</source>
        <translation>Zerar o melhor tempo de tabuada</translation>
    </message>
    <message>
        <source>UserName</source>
        <translation>Seu nome</translation>
    </message>
    <message>
        <source>使う人の名前を登録します。</source>
        <translation>Digite seu nome e aperte OK.</translation>
    </message>
    <message>
        <source>使う人の名前</source>
        <translation>Seu nome</translation>
    </message>
    <message>
        <source>使う人の名前を登録</source>
        <translation>Salvar seu nome</translation>
    </message>
    <message>
        <source> %1 の Vantel</source>
        <translation> Vantel de %1</translation>
    </message>
    <message>
        <source>%1 今回のタイム</source>
        <translation>%1: tempo desta vez</translation>
    </message>
    <message>
        <source>%1 ベストタイム</source>
        <translation>%1: melhor tempo</translation>
    </message>
    <message>
        <source>日付と時刻</source>
        <translation>Data e hora</translation>
    </message>
    <message>
        <source>ファイル(&amp;F)</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>新規作成(&amp;N)</source>
        <translation>&amp;Novo</translation>
    </message>
    <message>
        <source>上書き保存(&amp;S)</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>名前を付けて保存(&amp;A)...</source>
        <translation>Salvar &amp;como...</translation>
    </message>
    <message>
        <source>足し算のプリント印刷(&amp;P)</source>
        <translation>Im&amp;primir adição</translation>
    </message>
    <message>
        <source>ページ設定(&amp;T)...</source>
        <translation>Con&amp;figurar página...</translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>編集(&amp;E)</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>問題作成(&amp;T)</source>
        <translation>Novas con&amp;tas</translation>
    </message>
    <message>
        <source>答えあわせ(&amp;F)</source>
        <translation>Con&amp;ferir respostas</translation>
    </message>
    <message>
        <source>サウンド(&amp;S)</source>
        <translation>&amp;Som</translation>
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
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>目次(&amp;C)</source>
        <translation>&amp;Conteúdo</translation>
    </message>
    <message>
        <source>トピックの検索(&amp;S)...</source>
        <translation>Pe&amp;squisar na ajuda...</translation>
    </message>
    <message>
        <source>バージョン情報(&amp;A)...</source>
        <translation>Sobre o V&amp;antel...</translation>
    </message>
    <message>
        <source>テキストファイル|*.txt|カンマ区切りテキスト|*.csv|引用符付きカンマ区切りテキスト|*.csv|HTML|*.html</source>
        <translation>Arquivos de texto|*.txt|Texto separado por vírgulas|*.csv|Texto separado por vírgulas, com aspas|*.csv|HTML|*.html</translation>
    </message>
    <message>
        <source>テキストファイル|*.txt|カンマ区切りテキスト|*.csv|引用符付きカンマ区切りテキスト|*.csv</source>
        <translation>Arquivos de texto|*.txt|Texto separado por vírgulas|*.csv|Texto separado por vírgulas, com aspas|*.csv</translation>
    </message>
</context>
<context>
    <name>TStringGrid</name>
    <message>
        <source>%1 行 %2 列</source>
        <translation>Linha %1, coluna %2</translation>
    </message>
</context>
<context>
    <name>TStringGridIO</name>
    <message>
        <source>ファイル %1 を作成できません</source>
        <translation>Não é possível criar o arquivo %1</translation>
    </message>
    <message>
        <source>ファイル %1 は開けません</source>
        <translation>Não é possível abrir o arquivo %1</translation>
    </message>
    <message>
        <source>ファイル %1 は大きすぎて読み込めません</source>
        <translation>O arquivo %1 é grande demais para ser lido</translation>
    </message>
</context>
<context>
    <name>TVersionBox</name>
    <message>
        <source>Ｈｕｎｄｒｅｄ&#x3000;Ｃｅｌｌ&#x3000;Ｍａｔｈ</source>
        <translation>Cálculo dos Cem Quadrados</translation>
    </message>
    <message>
        <source>音声：あいさつは合成音声です</source>
        <translation>Voz: a saudação é uma voz de computador</translation>
    </message>
    <message>
        <source>画像：Vantel プロジェクト</source>
        <translation>Imagem: projeto Vantel</translation>
    </message>
    <message>
        <source>制作：Vantel プロジェクト</source>
        <translation>Feito pelo projeto Vantel</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 Vantel プロジェクト</source>
        <translation>Copyright (C) 2026 projeto Vantel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Ｖａｎｔｅｌ の バージョン情報</source>
        <translation>Sobre o Vantel</translation>
    </message>
</context>
<context>
    <name>WeakFactRun</name>
    <message>
        <source>苦手プリントを印刷する子どもがいません。</source>
        <translation>Não há nenhuma criança para imprimir a folha de treino.</translation>
    </message>
    <message>
        <source>苦手プリントにする問題がありません。</source>
        <translation>Não há contas para a folha de treino.</translation>
    </message>
    <message>
        <source>問題がないので、次の子どもの苦手プリントは印刷しませんでした。
%1</source>
        <translation>Estas crianças não têm contas difíceis, então a folha de treino delas não foi impressa:
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
        <translation>  Respostas</translation>
    </message>
    <message>
        <source>苦手プリント（%1）  %2</source>
        <translation>Folha de treino (%1)  %2</translation>
    </message>
</context>
<context>
    <name>WorksheetPrint</name>
    <message>
        <source>このプリントは Vantel で作成しました。</source>
        <extracomment>Printed under every worksheet.</extracomment>
        <translation>Esta folha foi feita com o Vantel.</translation>
    </message>
</context>
</TS>
