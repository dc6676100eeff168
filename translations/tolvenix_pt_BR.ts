<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>quorvane::BoardDescription</name>
    <message>
        <source>down</source>
        <translation>baixo</translation>
    </message>
    <message>
        <source>left</source>
        <translation>esquerda</translation>
    </message>
    <message>
        <source>right</source>
        <translation>direita</translation>
    </message>
    <message>
        <source>up</source>
        <translation>cima</translation>
    </message>
    <message>
        <source>nowhere</source>
        <translation>nenhuma</translation>
    </message>
    <message>
        <source>1 cell</source>
        <translation>1 casa</translation>
    </message>
    <message>
        <source>%1 right</source>
        <translation>%1 à direita</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>%1 à esquerda</translation>
    </message>
    <message>
        <source>%1 down</source>
        <translation>%1 abaixo</translation>
    </message>
    <message>
        <source>%1 up</source>
        <translation>%1 acima</translation>
    </message>
    <message>
        <source>The blob is under the head.</source>
        <translation>A bolinha está sob a cabeça.</translation>
    </message>
    <message>
        <source>The blob is %1 of the head.</source>
        <translation>A bolinha está %1 da cabeça.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> e </translation>
    </message>
    <message>
        <source>Score %1.</source>
        <translation>Pontos: %1.</translation>
    </message>
    <message>
        <source>The snake is %1 long</source>
        <translation>A cobra mede %1</translation>
    </message>
    <message>
        <source>Game over. %1 %2.</source>
        <translation>Fim de jogo. %1 %2.</translation>
    </message>
    <message>
        <source>%1. %2 %3, heading %4.</source>
        <translation>%1. %2 %3, direção: %4.</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pausado</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Jogando</translation>
    </message>
    <message>
        <source> Walls: %1.</source>
        <translation> Paredes: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n cells</source>
        <translation>
            <numerusform>%n casa</numerusform>
            <numerusform>%n casas</numerusform>
        </translation>
    </message>
    <message>
        <source>%1.</source>
        <comment>a line of the intro screen, said as a sentence</comment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>two sentences said one after the other</comment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>quorvane::GameTexts</name>
    <message>
        <source>Game over</source>
        <translation>Fim de jogo</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pausado</translation>
    </message>
    <message>
        <source>Pa&amp;use</source>
        <translation>&amp;Pausar</translation>
    </message>
    <message>
        <source>Res&amp;ume</source>
        <translation>&amp;Continuar</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Fácil</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Médio</translation>
    </message>
    <message>
        <source>Difficult</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Livre</translation>
    </message>
    <message>
        <source>Could not load sound file.</source>
        <translation>Não foi possível carregar o arquivo de som.</translation>
    </message>
    <message>
        <source>Score : </source>
        <translation>Pontos: </translation>
    </message>
    <message>
        <source>Hi : </source>
        <translation>Recorde: </translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Não foi possível gravar em %1.</translation>
    </message>
</context>
<context>
    <name>quorvane::HelpFiles</name>
    <message>
        <source>The help file %1 could not be found in %2.</source>
        <translation>O arquivo de ajuda %1 não foi encontrado em %2.</translation>
    </message>
    <message>
        <source>The help file %1 in %2 could not be read.</source>
        <translation>Não foi possível ler o arquivo de ajuda %1 em %2.</translation>
    </message>
</context>
<context>
    <name>quorvane::IntroScreen</name>
    <message>
        <source>Use cursor keys to move</source>
        <translation>Use as setas para se mover</translation>
    </message>
    <message>
        <source>Collect the blue blobs</source>
        <translation>Pegue as bolinhas azuis</translation>
    </message>
    <message>
        <source>Avoid the walls</source>
        <translation>Evite as paredes</translation>
    </message>
    <message>
        <source>Click New Game to play</source>
        <translation>Clique em “Novo jogo” para jogar</translation>
    </message>
</context>
<context>
    <name>quorvane::LinkOpener</name>
    <message>
        <source>Unable to open %1.</source>
        <translation>Não foi possível abrir %1.</translation>
    </message>
</context>
<context>
    <name>quorvane::OptionsExchange</name>
    <message>
        <source>The hi score shown is not a number</source>
        <translation>O recorde mostrado não é um número</translation>
    </message>
</context>
<context>
    <name>quorvane::PadControl</name>
    <message>
        <source>The game controller &quot;%1&quot; is not supported and is ignored.</source>
        <translation>O controle de jogo “%1” não é compatível e será ignorado.</translation>
    </message>
</context>
<context>
    <name>quorvane::SingleCopy</name>
    <message>
        <source>%1 is running already but does not answer.</source>
        <translation>%1 já está aberto, mas não responde.</translation>
    </message>
</context>
<context>
    <name>quorvane::TApplication</name>
    <message>
        <source>Unknown error</source>
        <translation>Erro desconhecido</translation>
    </message>
    <message>
        <source>Exception %1 in module %2 at %3.
%4</source>
        <translation>Exceção %1 no módulo %2 em %3.
%4</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Erro do aplicativo</translation>
    </message>
</context>
<context>
    <name>quorvane::TEmaillabel</name>
    <message>
        <source>Error: Please Specify a Recipients Email Address</source>
        <translation>Erro: nenhum endereço de e-mail de destinatário foi informado</translation>
    </message>
</context>
<context>
    <name>quorvane::TForm1</name>
    <message>
        <source>&amp;New game</source>
        <translation>&amp;Novo jogo</translation>
    </message>
    <message>
        <source>Pa&amp;use</source>
        <translation>&amp;Pausar</translation>
    </message>
    <message>
        <source>He&amp;lp</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Para a esquerda</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Para cima</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Para baixo</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Para a direita</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jogo</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausar</translation>
    </message>
    <message>
        <source>&amp;Options ...</source>
        <translation>&amp;Opções…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ajuda</translation>
    </message>
    <message>
        <source>Help &amp;topics ...</source>
        <translation>&amp;Tópicos da ajuda…</translation>
    </message>
    <message>
        <source>Privacy statement ...</source>
        <translation>&amp;Declaração de privacidade…</translation>
    </message>
    <message>
        <source>&amp;About ...</source>
        <translation>&amp;Sobre…</translation>
    </message>
    <message>
        <source>Game Over! Would you like to play again?</source>
        <translation>Fim de jogo! Quer jogar de novo?</translation>
    </message>
    <message>
        <source>Could not create options dialog box.</source>
        <translation>Não foi possível criar a janela de opções.</translation>
    </message>
    <message>
        <source>Could not display options dialog box.</source>
        <translation>Não foi possível exibir a janela de opções.</translation>
    </message>
    <message>
        <source>Could not create About dialog.</source>
        <translation>Não foi possível criar a janela “Sobre”.</translation>
    </message>
    <message>
        <source>Could not display About dialog.</source>
        <translation>Não foi possível exibir a janela “Sobre”.</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <comment>button</comment>
        <extracomment>Its own text: where the menu&apos;s words are too long for the button, say it shorter here.</extracomment>
        <translation>&amp;Novo jogo</translation>
    </message>
</context>
<context>
    <name>quorvane::TForm3</name>
    <message>
        <source>Skill level</source>
        <translation>Nível</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posição</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sons</translation>
    </message>
    <message>
        <source>Hi score</source>
        <translation>Recorde</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ajuda</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Fácil</translation>
    </message>
    <message>
        <source>&amp;Intermediate</source>
        <translation>&amp;Médio</translation>
    </message>
    <message>
        <source>&amp;Difficult</source>
        <translation>&amp;Difícil</translation>
    </message>
    <message>
        <source>&amp;Grow snake after </source>
        <translation>Cr&amp;escer após </translation>
    </message>
    <message>
        <source>moves</source>
        <translation>passos</translation>
    </message>
    <message>
        <source>I&amp;nitial snake speed</source>
        <translation>&amp;Velocidade inicial</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lenta</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rápida</translation>
    </message>
    <message>
        <source>Inc&amp;rease snake speed after</source>
        <translation>Ace&amp;lerar após</translation>
    </message>
    <message>
        <source>&amp;Add walls after eating</source>
        <translation>Pa&amp;redes a cada</translation>
    </message>
    <message>
        <source>blobs</source>
        <translation>bolinhas</translation>
    </message>
    <message>
        <source>Number of &amp;walls to add </source>
        <translation>&amp;Quantas paredes </translation>
    </message>
    <message>
        <source>&amp;Use defaults</source>
        <translation>&amp;Usar padrão</translation>
    </message>
    <message>
        <source>From Slow to Fast</source>
        <translation>De Lenta a Rápida</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>&amp;Padrão</translation>
    </message>
    <message>
        <source>&amp;Random</source>
        <translation>Aleató&amp;ria</translation>
    </message>
    <message>
        <source>Initial direction</source>
        <translation>Direção inicial</translation>
    </message>
    <message>
        <source>Do&amp;wn</source>
        <translation>&amp;Baixo</translation>
    </message>
    <message>
        <source>&amp;Left</source>
        <translation>&amp;Esquerda</translation>
    </message>
    <message>
        <source>R&amp;ight</source>
        <translation>&amp;Direita</translation>
    </message>
    <message>
        <source>U&amp;p</source>
        <translation>C&amp;ima</translation>
    </message>
    <message>
        <source>&amp;Vertical position :</source>
        <translation>&amp;Vertical:</translation>
    </message>
    <message>
        <source>Hori&amp;zontal position :</source>
        <translation>&amp;Horizontal:</translation>
    </message>
    <message>
        <source>&amp;Play sounds</source>
        <translation>&amp;Tocar sons</translation>
    </message>
    <message>
        <source>Play &amp;sound for blue blob</source>
        <translation>Som da &amp;bolinha azul</translation>
    </message>
    <message>
        <source>&amp;Browse ...</source>
        <translation>&amp;Procurar…</translation>
    </message>
    <message>
        <source>Play so&amp;und for game over</source>
        <translation>Som de &amp;fim de jogo</translation>
    </message>
    <message>
        <source>B&amp;rowse ...</source>
        <translation>P&amp;rocurar…</translation>
    </message>
    <message>
        <source>Play soun&amp;d for new hi score</source>
        <translation>Som de &amp;novo recorde</translation>
    </message>
    <message>
        <source>Bro&amp;wse ...</source>
        <translation>Proc&amp;urar…</translation>
    </message>
    <message>
        <source>Choose the blue blob sound</source>
        <translation>Escolher o som da bolinha azul</translation>
    </message>
    <message>
        <source>Choose the game over sound</source>
        <translation>Escolher o som de fim de jogo</translation>
    </message>
    <message>
        <source>Choose the new hi score sound</source>
        <translation>Escolher o som de novo recorde</translation>
    </message>
    <message>
        <source>Hi score : </source>
        <translation>Recorde: </translation>
    </message>
    <message>
        <source>Set by : </source>
        <translation>Recordista: </translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Zerar</translation>
    </message>
    <message>
        <source>%1 - Options</source>
        <translation>%1 - Opções</translation>
    </message>
    <message>
        <source>%1 - Browse for wav file</source>
        <translation>%1 - Procurar arquivo WAV</translation>
    </message>
    <message>
        <source>Wav files (*.wav)</source>
        <translation>Arquivos WAV (*.wav)</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>Todos os arquivos (*.*)</translation>
    </message>
    <message>
        <source>Reset hi score?</source>
        <translation>Zerar o recorde?</translation>
    </message>
    <message>
        <source>Reset defaults for custom skill level?</source>
        <translation>Voltar aos valores padrão do nível Livre?</translation>
    </message>
    <message>
        <source>Invalid blob sound specified.</source>
        <translation>O som indicado para a bolinha não é válido.</translation>
    </message>
    <message>
        <source>Invalid game over sound specified.</source>
        <translation>O som indicado para o fim de jogo não é válido.</translation>
    </message>
    <message>
        <source>Invalid new Hi score sounds specified.</source>
        <translation>O som indicado para o novo recorde não é válido.</translation>
    </message>
    <message>
        <source>C&amp;ustom</source>
        <comment>skill level</comment>
        <translation>L&amp;ivre</translation>
    </message>
    <message>
        <source>C&amp;ustom</source>
        <comment>start position</comment>
        <translation>&amp;Manual</translation>
    </message>
    <message>
        <source>moves</source>
        <comment>growths</comment>
        <extracomment>It counts the snake&apos;s growths, not its steps.</extracomment>
        <translation>crescimentos</translation>
    </message>
</context>
<context>
    <name>quorvane::TForm4</name>
    <message>
        <source>Score : </source>
        <translation>Pontos: </translation>
    </message>
    <message>
        <source>Your &amp;name :</source>
        <translation>Seu &amp;nome:</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>%1 - New hi score</source>
        <translation>%1 - Novo recorde</translation>
    </message>
</context>
<context>
    <name>quorvane::TForm5</name>
    <message>
        <source>About %1</source>
        <translation>Sobre o %1</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>Todos os direitos reservados.</translation>
    </message>
    <message>
        <source>For the latest version see</source>
        <translation>Versão mais recente em</translation>
    </message>
    <message>
        <source>For bug reports / suggestions email</source>
        <translation>Erros e sugestões por e-mail para</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>quorvane::ProcessHelpService</name>
    <message>
        <source>The help viewer has stopped unexpectedly.</source>
        <translation>O visualizador de ajuda parou inesperadamente.</translation>
    </message>
    <message>
        <source>The help viewer %1 could not be started.</source>
        <translation>Não foi possível iniciar o visualizador de ajuda %1.</translation>
    </message>
</context>
<context>
    <name>quorvane::THelpBrowser</name>
    <message>
        <source>The help page %1 is too large to be shown.</source>
        <translation>A página de ajuda %1 é grande demais para ser exibida.</translation>
    </message>
    <message>
        <source>The help page %1 is nested too deeply to be shown.</source>
        <translation>A página de ajuda %1 está aninhada profundamente demais para ser exibida.</translation>
    </message>
</context>
<context>
    <name>quorvane::THelpWindow</name>
    <message>
        <source>%1 Help</source>
        <translation>Ajuda do %1</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Conteúdo</translation>
    </message>
    <message>
        <source>&amp;Look for:</source>
        <translation>&amp;Procurar:</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>Í&amp;ndice</translation>
    </message>
    <message>
        <source>The help viewer could not keep its files in %1.</source>
        <translation>A ajuda não conseguiu guardar seus arquivos em %1.</translation>
    </message>
    <message>
        <source>The help topic %1 was not found in the help file. These are its contents.</source>
        <translation>O tópico de ajuda %1 não está no arquivo de ajuda. Este é o conteúdo da ajuda.</translation>
    </message>
    <message>
        <source>The contents of the help file are nested too deeply to be shown.</source>
        <translation>O sumário do arquivo de ajuda está aninhado profundamente demais para ser exibido.</translation>
    </message>
</context>
<context>
    <name>quorvane::THouseBanner</name>
    <message>
        <source>Steer with the arrow keys, or with the four arrow buttons.</source>
        <translation>Guie a cobra com as setas do teclado ou com os quatro botões de seta.</translation>
    </message>
    <message>
        <source>Each blue blob is worth 100 points, and every step 10 more.</source>
        <translation>Cada bolinha azul vale 100 pontos, e cada passo, mais 10.</translation>
    </message>
    <message>
        <source>The snake speeds up as it grows: plan your turns early.</source>
        <translation>A cobra acelera conforme cresce: planeje suas curvas com antecedência.</translation>
    </message>
    <message>
        <source>Swallowed blobs bring new walls. Keep an open lane.</source>
        <translation>Bolinhas engolidas trazem novas paredes. Deixe um caminho livre.</translation>
    </message>
    <message>
        <source>Need a break? Pause holds the snake where it is.</source>
        <translation>Precisa de um tempo? “Pausar” segura a cobra onde ela está.</translation>
    </message>
    <message>
        <source>Set your own pace with the Custom skill level in Options.</source>
        <translation>Escolha seu próprio ritmo com o nível Livre nas opções.</translation>
    </message>
    <message>
        <source>a game by %1</source>
        <translation>um jogo da %1</translation>
    </message>
</context>
<context>
    <name>quorvane::TPaintBox</name>
    <message>
        <source>Board</source>
        <translation>Tabuleiro</translation>
    </message>
</context>
<context>
    <name>quorvane::TStatusBar</name>
    <message>
        <source>Game state</source>
        <translation>Estado do jogo</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Pontos</translation>
    </message>
    <message>
        <source>Hi score</source>
        <translation>Recorde</translation>
    </message>
    <message>
        <source>Skill level</source>
        <translation>Nível</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Barra de status</translation>
    </message>
</context>
<context>
    <name>quorvane::TUpDown</name>
    <message>
        <source>Up</source>
        <translation>Mais</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Menos</translation>
    </message>
</context>
<context>
    <name>quorvane::TUrlLabel</name>
    <message>
        <source>Error: Property URL not Specified</source>
        <translation>Erro: nenhum endereço da web (URL) foi informado</translation>
    </message>
</context>
</TS>
