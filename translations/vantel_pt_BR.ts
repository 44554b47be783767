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
</TS>
